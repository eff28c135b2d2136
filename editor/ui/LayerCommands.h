#pragma once
#include <QObject>
#include <QStringList>

namespace quillax {
class Prompts;
}

namespace editor {

class PageDocument;

// The layer commands as the user gives them: asks for a picture or a yes, hands the work to
// the page document and says what went wrong.
class LayerCommands : public QObject {
    Q_OBJECT
  public:
    LayerCommands(PageDocument& document, quillax::Prompts& prompts, QObject* parent = nullptr);

    // Asks for a picture file and adds it.
    void addPhotoFromDialog();
    // Adds the picture at path as a new photo layer; false when nothing was added.
    bool addPhoto(const QString& path);
    // Adds every picture in order; the ones that could not be added are named together in
    // one message afterwards.
    void addPhotos(const QStringList& paths);
    // Replaces the selected photo by a new one chosen in the dialog.
    void changeSource();
    // Asks "Delete current layer?" and removes the layer that was selected when asked.
    void deleteLayer();

  private:
    QString askForPicture();

    PageDocument& document_;
    quillax::Prompts& prompts_;
};

} // namespace editor
