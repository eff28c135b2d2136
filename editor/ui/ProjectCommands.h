#pragma once
#include "editor/model/PageDocument.h"
#include "editor/model/PaperTable.h"
#include "editor/model/RecentProjects.h"

#include <QObject>

class QAction;
class QMenu;

namespace quillax {
class Prompts;
}

namespace editor {

class PrintService;

// New, Open, Save and Save As: the questions and file dialogs around the document's project
// operations.
class ProjectCommands : public QObject {
    Q_OBJECT
  public:
    ProjectCommands(PageDocument& document, quillax::Prompts& prompts, PrintService& printer,
                    QObject* parent);

    void newProject();
    void openProject();
    // Opens a project named on the command line; the message to show, empty when it worked.
    QString openProjectFile(const QString& path);
    // File > Open Recent: the project at `path`, after the usual question about unsaved work.
    void openRecent(const QString& path);
    const RecentProjects& recentProjects() const { return recent_; }
    // True when the project was written; false when cancelled or it failed (and was said).
    bool saveProject();
    bool saveProjectAs();
    // "Save current project?" before the page is given up: true to go on. A save that is
    // cancelled or fails stops it, so unsaved work is never lost by a slip.
    bool mayDiscard();
    // Where the project dialogs open.
    QString startFolder() const;
    // File > Open Recent in `file` before `before`, filled from the list each time it opens;
    // a project that is gone since is shown greyed.
    void addRecentMenu(QMenu& file, QAction* before);

    static QString filter();
    // The paper list: the default printer's forms, or the built-in papers without one.
    static PaperChoice paperChoice(const PrintService& printer);
    // The size of a paper row: the printer's form, or the built-in paper without a printer.
    static PageDocument::PaperSize paperSizes(const PageDocument& document,
                                              const PrintService& printer);

  private:
    bool say(const QString& problem);

    PageDocument& document_;
    quillax::Prompts& prompts_;
    PrintService& printer_;
    RecentProjects recent_{RecentProjects::defaultFile()};
};

} // namespace editor
