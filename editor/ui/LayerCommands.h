#pragma once
#include "editor/model/PageDocument.h"

#include <QObject>
#include <QStringList>
#include <vector>

namespace quillax {
class Prompts;
}

namespace editor {

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
    // The same one photo at a time, the window answering in between: for a queue of any
    // length from the browser. Photos handed on while some wait join the end.
    void addPhotosInTurn(const QStringList& paths);
    bool isAdding() const { return !waiting_.isEmpty(); }
    // Replaces the selected photo by a new one chosen in the dialog.
    void changeSource();
    // Asks "Delete current layer?" and removes the layer that was selected when asked.
    void deleteLayer();

  signals:
    // The photos handed on in turn were all tried.
    void addingFinished();

  private:
    QString askForPicture();
    void addNextWaiting();
    void sayNotAdded(const std::vector<PageDocument::Failure>& failed);

    PageDocument& document_;
    quillax::Prompts& prompts_;
    QStringList waiting_;
    std::vector<PageDocument::Failure> waitingFailed_;
};

} // namespace editor
