#include "shared/QtPrompts.h"

#include "shared/CBmpDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace quillax {

QString QtPrompts::titleOr(const QString& title) const {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

void QtPrompts::message(const QString& text, const QString& title) {
    QMessageBox::information(parent_, titleOr(title), text, QMessageBox::Ok);
}

bool QtPrompts::askYesNo(const QString& text, const QString& title) {
    return QMessageBox::question(parent_, titleOr(title), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Prompts::Answer QtPrompts::askYesNoCancel(const QString& text, const QString& title) {
    switch (QMessageBox::question(parent_, titleOr(title), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtPrompts::openFile(const QString& caption, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, caption, folder, filter);
}

QString QtPrompts::openPicture(const QString& caption) {
    CBmpDialog dialog(parent_, caption);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPrompts::saveFile(const QString& caption, const QString& folder, const QString& filter,
                            const QString& defaultSuffix, Overwrite overwrite) {
    QFileDialog dialog(parent_, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, overwrite == Overwrite::CallerAsks);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPrompts::folder(const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(parent_, caption, start);
}

QColor QtPrompts::colour(const QColor& initial, const QString& title) {
    return QColorDialog::getColor(initial, parent_, title);
}

int QtPrompts::runDialog(QDialog& dialog) {
    return dialog.exec();
}

} // namespace quillax
