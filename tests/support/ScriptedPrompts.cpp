#include "tests/support/ScriptedPrompts.h"

#include <utility>

#include <QDialog>

namespace testsupport {

namespace {

// The first of `queue`, taken off it, or `fallback` when nothing is left.
template <typename T> T take(std::deque<T>& queue, T fallback = {}) {
    if (queue.empty())
        return fallback;
    T first = std::move(queue.front());
    queue.pop_front();
    return first;
}

} // namespace

void ScriptedPrompts::message(const QString& text, const QString&) {
    shown.append(text);
    if (whileShowing)
        whileShowing();
}

bool ScriptedPrompts::askYesNo(const QString& text, const QString&) {
    shown.append(text);
    if (whileAsking)
        std::exchange(whileAsking, nullptr)();
    return take(answers, Answer::No) == Answer::Yes;
}

quillax::Prompts::Answer ScriptedPrompts::askYesNoCancel(const QString& text, const QString&) {
    shown.append(text);
    return take(answers, Answer::Cancel);
}

QString ScriptedPrompts::openFile(const QString& caption, const QString&, const QString&) {
    shown.append(caption);
    return take(files);
}

QString ScriptedPrompts::openPicture(const QString& caption) {
    shown.append(caption);
    return take(files);
}

QString ScriptedPrompts::saveFile(const QString& caption, const QString&, const QString&,
                                  const QString&, Overwrite) {
    shown.append(caption);
    return take(files);
}

QString ScriptedPrompts::folder(const QString& caption, const QString&) {
    shown.append(caption);
    return take(files);
}

QColor ScriptedPrompts::colour(const QColor&, const QString&) {
    return take(colours);
}

int ScriptedPrompts::runDialog(QDialog& dialog) {
    dialogTitles.append(dialog.windowTitle());
    if (whileInDialog)
        whileInDialog(dialog);
    return take(dialogResults, int(QDialog::Rejected));
}

} // namespace testsupport
