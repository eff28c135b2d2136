#include "tests/support/ScriptedPrompts.h"

#include <utility>

#include <QDialog>

namespace testsupport {

quillax::Prompts::Answer ScriptedPrompts::next(Answer fallback) {
    if (answers.empty())
        return fallback;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedPrompts::nextFile() {
    if (files.empty())
        return {};
    QString f = files.front();
    files.pop_front();
    return f;
}

void ScriptedPrompts::message(const QString& text, const QString&) {
    shown.append(text);
    if (whileShowing)
        whileShowing();
}

bool ScriptedPrompts::askYesNo(const QString& text, const QString&) {
    shown.append(text);
    if (whileAsking)
        std::exchange(whileAsking, nullptr)();
    return next(Answer::No) == Answer::Yes;
}

quillax::Prompts::Answer ScriptedPrompts::askYesNoCancel(const QString& text, const QString&) {
    shown.append(text);
    return next(Answer::Cancel);
}

QString ScriptedPrompts::openFile(const QString& caption, const QString&, const QString&) {
    shown.append(caption);
    return nextFile();
}

QString ScriptedPrompts::openPicture(const QString& caption) {
    shown.append(caption);
    return nextFile();
}

QString ScriptedPrompts::saveFile(const QString& caption, const QString&, const QString&,
                                  const QString&, Overwrite) {
    shown.append(caption);
    return nextFile();
}

QString ScriptedPrompts::folder(const QString& caption, const QString&) {
    shown.append(caption);
    return nextFile();
}

QColor ScriptedPrompts::colour(const QColor&, const QString&) {
    if (colours.empty())
        return {};
    QColor c = colours.front();
    colours.pop_front();
    return c;
}

int ScriptedPrompts::runDialog(QDialog& dialog) {
    dialogTitles.append(dialog.windowTitle());
    if (whileInDialog)
        whileInDialog(dialog);
    if (dialogResults.empty())
        return QDialog::Rejected;
    const int r = dialogResults.front();
    dialogResults.pop_front();
    return r;
}

} // namespace testsupport
