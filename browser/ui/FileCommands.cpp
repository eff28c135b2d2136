#include "browser/ui/FileCommands.h"

#include "browser/model/CVistaRamblerDoc.h"
#include "browser/ui/CVistaRamblerView.h"
#include "browser/ui/CopyMoveDialog.h"
#include "browser/ui/ImagePropertiesDialog.h"
#include "shared/FileTransfer.h"
#include "shared/ImageFormat.h"
#include "shared/Prompts.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace browser {

using quillax::FileTransfer;

FileTransfer& FileCommands::plainTransfer() {
    static FileTransfer transfer;
    return transfer;
}

FileCommands::FileCommands(CVistaRamblerDoc& doc, CVistaRamblerView& view,
                           quillax::Prompts& prompts, std::function<void()> showImage,
                           QObject* parent)
    : QObject(parent), doc_(doc), view_(view), prompts_(prompts), showImage_(std::move(showImage)),
      transfer_(&plainTransfer()) {
    connect(&view_, &CVistaRamblerView::renameRequested, this, &FileCommands::rename);
    // Enter and a double click.
    connect(&view_, &QAbstractItemView::activated, this, &FileCommands::viewDetail);
}

QString FileCommands::openFilter() {
    return QStringLiteral("All files(*);;Bmp files(*.bmp);;Gif files(*.gif);;Jpeg files(*.jpg);;"
                          "Png files(*.png);;Ico files(*.ico);;Tif files(*.tif);;"
                          "Pcx files(*.pcx);;Tga files(*.tga)");
}

bool FileCommands::currentFileIsThere() {
    if (!doc_.hasCurrentEntry())
        return false; // nothing highlighted: nothing to act on
    const QString path = doc_.currentPath();
    if (QFileInfo(path).isFile())
        return true;
    prompts_.message(tr("%1 is no longer there; the list is read again.").arg(path));
    if (doc_.isFullPathMode())
        doc_.removeEntry(doc_.currentIndex());
    else
        doc_.refresh();
    return false;
}

void FileCommands::viewDetail() {
    if (!doc_.currentPathNamesAnImage()) {
        prompts_.message(tr("Please specify an image first!"));
        return;
    }
    if (doc_.currentImage())
        showImage_();
}

void FileCommands::copyTo() {
    copyOrMove(CopyMoveDialog::Mode::Copy);
}

void FileCommands::moveTo() {
    if (copyOrMove(CopyMoveDialog::Mode::Move))
        removeCurrent();
}

bool FileCommands::copyOrMove(CopyMoveDialog::Mode mode) {
    if (!currentFileIsThere())
        return false;
    CopyMoveDialog dialog(mode, doc_.currentPath(), prompts_, *transfer_, &view_);
    prompts_.runDialog(dialog);
    return dialog.moved();
}

bool FileCommands::askAndDelete(quillax::Prompts& prompts, const QString& path) {
    const bool toTrash = FileTransfer::canTrash(path);
    // The question names the file: the one to go is the one the user sees, and they see
    // which before saying Yes.
    QString question = tr("Delete current image file?") + "\n\n" + QFileInfo(path).fileName();
    if (!toTrash)
        question +=
            "\n\n" + tr("There is no trash on this disk: the file will be deleted for good.");
    if (!prompts.askYesNo(question))
        return false;
    const bool deleted = toTrash ? FileTransfer::moveToTrash(path) : QFile::remove(path);
    if (!deleted)
        prompts.message(tr("Delete the file failed!"));
    return deleted;
}

void FileCommands::deleteFile() {
    if (!currentFileIsThere())
        return;
    if (askAndDelete(prompts_, doc_.currentPath()))
        removeCurrent();
}

void FileCommands::removeCurrent() {
    doc_.removeEntry(doc_.currentIndex());
}

void FileCommands::rename(int row, const QString& newName) {
    if (row < 0 || row != doc_.currentIndex() || newName.isEmpty())
        return; // cancelled, or no item
    if (newName == doc_.fileName(row))
        return; // an edit that changed nothing renames nothing
    if (!currentFileIsThere())
        return;
    const QString from = doc_.currentPath();
    // A name, not a path: nothing may land in another folder or on "." or "..".
    const bool plainName =
        !newName.contains('/') && newName != QLatin1String(".") && newName != QLatin1String("..");
    const QString to = from.left(from.lastIndexOf('/') + 1) + newName;
    if (!plainName || FileTransfer::rename(from, to) != FileTransfer::Result::Done) {
        prompts_.message(tr("Rename the file failed!"));
        return;
    }
    doc_.renameEntry(row, newName);
}

void FileCommands::properties(bool checkName) {
    const QString path = doc_.currentPath();
    if (checkName && !doc_.currentPathNamesAnImage()) {
        prompts_.message(tr("Please specify an image first!"));
        return;
    }
    ImagePropertiesDialog dialog(path, &view_);
    prompts_.runDialog(dialog);
}

void FileCommands::open() {
    const QString path = prompts_.openFile(tr("Open"), doc_.folder(), openFilter());
    if (path.isEmpty())
        return;
    if (quillax::imageTypeFromName(path) == quillax::kUnknownFormat) {
        prompts_.message(tr("Please specify an image first!"));
        return;
    }
    doc_.showPath(path);
    showImage_();
}

QMenu* FileCommands::contextMenu(const QList<QAction*>& actions, QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->addActions(actions);
    if (!actions.isEmpty())
        menu->setDefaultAction(actions.first()); // drawn bold, as Enter would choose it
    return menu;
}

} // namespace browser
