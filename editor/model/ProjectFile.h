#pragma once
#include "editor/model/LayerStack.h"
#include "imaging/DibHeader.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace editor {

// The nine lines before the layers: the project's name and its page.
struct ProjectPrefix {
    QString name;
    int paperRow = -1;
    int unitRow = 0;
    int pageWidth = 0; // page pixels
    int pageHeight = 0;
    bool portrait = true;
    bool arrange = false;
    int cellWidth = 0; // the layer images size, whole units
    int cellHeight = 0;
};

// One layer as its eleven lines keep it.
struct ProjectSection {
    bool photo = false;
    bool backgroundHidden = false;
    QString content;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    imaging::ColorRef colour = 0;
    int fontSize = -1;
    imaging::ColorRef background = 0;
    int styleCode = 0;
    int direction = 0;
};

struct ProjectContents {
    // Nothing when the file ends inside the prefix: the project stays empty.
    std::optional<ProjectPrefix> prefix;
    // Whether the ninth line marked the prefix's end; only then is the page set up from it.
    bool prefixEnded = false;
    // Every section that reached its "section end"; one cut short by the end is dropped.
    std::vector<ProjectSection> sections;
};

// The project file: a line-oriented text with CR LF line ends and "%d" numbers, a prefix and
// one section a visible layer, bottom first.
class ProjectFile {
  public:
    // Larger files are no project.
    static constexpr qint64 kMaxBytes = qint64(16) << 20;

    // A temporary project's file names carry "newPrj1"; a saved one's carry its name instead:
    // the text up to and including the first "newPrj1" becomes the project name.
    static QString renamedFor(const QString& text, const QString& projectName);

    // The file for this prefix and these layers. Photo names are written as the project names
    // them; captions as they are.
    static QByteArray format(const ProjectPrefix& prefix, const LayerStack& layers);
    static ProjectContents parse(const QByteArray& bytes);

    // Whether a stored photo name names a file inside the project folder: no folder, no "..".
    static bool isPlainFileName(const QString& name);
};

} // namespace editor
