#include "browser/ui/CopyMoveDialog.h"

#include "browser/model/DestinationFolder.h"
#include "shared/FileTransfer.h"
#include "shared/Prompts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace browser {

using quillax::FileTransfer;

CopyMoveDialog::CopyMoveDialog(Mode mode, const QString& source, quillax::Prompts& prompts,
                               FileTransfer& transfer, QWidget* parent)
    : QDialog(parent), mode_(mode), source_(source), fileName_(QFileInfo(source).fileName()),
      prompts_(prompts), transfer_(transfer), sourceEdit_(new QLineEdit(source, this)),
      destinationEdit_(new QLineEdit(this)),
      changeFolder_(new QPushButton(tr("Change &Folder>>"), this)) {
    setWindowTitle(mode == Mode::Copy ? tr("Copy files") : tr("Move files"));
    sourceEdit_->setReadOnly(true);
    sourceEdit_->setMinimumWidth(360);
    destinationEdit_->installEventFilter(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CopyMoveDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(changeFolder_, &QPushButton::clicked, this, &CopyMoveDialog::chooseFolder);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Source:"), this), 0, 0);
    layout->addWidget(sourceEdit_, 0, 1, 1, 2);
    layout->addWidget(new QLabel(tr("Destination folder:"), this), 1, 0);
    layout->addWidget(destinationEdit_, 1, 1);
    layout->addWidget(changeFolder_, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 3);
    // The destination is what there is to type; the source is only there to be read.
    destinationEdit_->setFocus();
}

QString CopyMoveDialog::destinationFolder() const {
    return DestinationFolder::resolve(destinationEdit_->text(), QFileInfo(source_).absolutePath());
}

bool CopyMoveDialog::destinationIsAFolder() const {
    return QFileInfo(destinationFolder()).isDir();
}

// A typed folder is checked when the user moves on from it within the dialog; an empty edit,
// or the focus going to another window or a menu, is nothing to complain about.
bool CopyMoveDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == destinationEdit_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool movedOn = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                             reason == Qt::MouseFocusReason;
        const QString text = destinationEdit_->text().trimmed();
        if (movedOn && !text.isEmpty() && !destinationIsAFolder())
            prompts_.message(tr("Invalid path name!"));
    }
    return QDialog::eventFilter(watched, event);
}

void CopyMoveDialog::chooseFolder() {
    QString folder = prompts_.folder(tr("Choose Folder:"), destinationEdit_->text());
    if (folder.isEmpty())
        return;
    if (!folder.endsWith('/'))
        folder += '/';
    destinationEdit_->setText(folder);
}

void CopyMoveDialog::accept() {
    QString folder = destinationFolder();
    if (!destinationIsAFolder()) {
        prompts_.message(folder.isEmpty() ? tr("Invalid path name!")
                                          : tr("Invalid path name!") + "\n\n" +
                                                tr("%1 is no folder.").arg(folder));
        return;
    }
    if (!folder.endsWith('/'))
        folder += '/';
    if (mode_ == Mode::Copy)
        copy(folder + fileName_);
    else
        move(folder + fileName_);
}

QString CopyMoveDialog::failure(const QString& message) const {
    const QString why = transfer_.errorText();
    return why.isEmpty() ? message : message + "\n\n" + why;
}

void CopyMoveDialog::copy(const QString& target) {
    FileTransfer::Result result = transfer_.copy(source_, target, false);
    if (result == FileTransfer::Result::TargetExists) {
        // No keeps the dialog open, so that another folder can be chosen.
        if (!prompts_.askYesNo(tr("Destination file already exists, overwrite it?")))
            return;
        result = transfer_.copy(source_, target, true);
    }
    if (result != FileTransfer::Result::Done) {
        prompts_.message(failure(tr("Copy the file failed!")));
        return;
    }
    QDialog::accept();
}

void CopyMoveDialog::move(const QString& target) {
    moved_ = transfer_.move(source_, target) == FileTransfer::Result::Done;
    if (!moved_)
        prompts_.message(failure(tr("Move the file failed!")));
    QDialog::accept();
}

} // namespace browser
