#pragma once
#include "browser/ui/CopyMoveDialog.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;

namespace quillax {
class FileTransfer;
class Prompts;
} // namespace quillax

namespace browser {

class CVistaRamblerDoc;
class CVistaRamblerView;

// The commands on the current photo: view, copy, move, rename, delete, properties, open, and
// the list's context menu. None of them loses a photo when it fails.
class FileCommands : public QObject {
    Q_OBJECT
  public:
    // `showImage` brings the current image into view.
    FileCommands(CVistaRamblerDoc& doc, CVistaRamblerView& view, quillax::Prompts& prompts,
                 std::function<void()> showImage, QObject* parent);

    // Copies and moves go through this one; tests give one that breaks off.
    void setTransfer(quillax::FileTransfer* transfer) { transfer_ = transfer; }

    void viewDetail();
    void copyTo();
    void moveTo();
    void deleteFile();
    void rename(int row, const QString& newName);
    void properties(bool checkName = true);
    void open();
    // The context menu of the list, its actions those of the menus, with their pictures.
    QMenu* contextMenu(const QList<QAction*>& actions, QWidget* parent) const;

    static QString openFilter();
    // Asks "Delete current image file?" naming the file, and moves it to the trash (deletes
    // it where the disk has none, after saying so); says when that failed. True when it went.
    static bool askAndDelete(quillax::Prompts& prompts, const QString& path);
    // The transfer the commands use unless told otherwise.
    static quillax::FileTransfer& plainTransfer();

  private:
    // The current photo's file is still there; when it went since the list was made, says
    // so, reads the list again and gives false.
    bool currentFileIsThere();
    void removeCurrent();
    // Runs the Copy/Move dialog on the current photo; true when the photo was moved away.
    bool copyOrMove(CopyMoveDialog::Mode mode);

    CVistaRamblerDoc& doc_;
    CVistaRamblerView& view_;
    quillax::Prompts& prompts_;
    std::function<void()> showImage_;
    quillax::FileTransfer* transfer_;
};

} // namespace browser
