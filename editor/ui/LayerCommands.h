#pragma once
#include <QObject>
#include <QStringList>

class QTreeWidgetItem;

namespace editor {

class EditorMainDialog;

// Adding photos, changing a photo's source, deleting layers, and keeping the layer list in
// step with the stack.
class LayerCommands : public QObject {
    Q_OBJECT
  public:
    explicit LayerCommands(EditorMainDialog& window);

    // Asks for a picture file and adds it.
    void addPhotoFromDialog();
    // Adds the picture at path as a new photo layer; false when nothing was added.
    bool addPhoto(const QString& path);
    // Replaces the selected layer by a new photo chosen in the dialog.
    void changeSource();
    // Asks "Delete current layer?" and removes the selected layer.
    void deleteLayer();
    // A click on a row of the list: that layer is selected and comes to the top.
    void listClicked(int row);

  private:
    QString askForPicture();
    bool removeSelectedRow();
    // Takes the selected layer off the stack and the page; its list row is already gone.
    void removeSelectedLayer();

    EditorMainDialog& window_;
};

} // namespace editor
