#pragma once
#include <QString>
#include <QStringList>

namespace quillax {

// The photos the browser hands to the editor: "toAddList.txt" in the install folder, one full
// path a line, each ended by a line feed, only ever appended to. Both sides hold an exclusive
// lock on the open file while they touch it, and the editor deletes the file before it lets
// go, so a line is never lost between reading and deleting, nor imported twice.
class HandOffQueue {
  public:
    static QString fileName() { return QStringLiteral("toAddList.txt"); }

    enum class Appended { Done, CannotOpen, WriteFailed, NameHasLineBreak };
    // Adds one path, in one write, to the queue of this install folder. A path with a line
    // break in it is refused: one path a line cannot hold it, and it would reach the editor
    // as two paths that name nothing, or something else.
    static Appended append(const QString& installFolder, const QString& path);

    // Every queued path in order, the queue emptied. Nothing when there is no queue, or when
    // the browser holds it just now: the next call takes it.
    static QStringList take(const QString& installFolder);

    // How long an append waits for the editor to finish taking the queue.
    static constexpr int kLockWaitMs = 2000;
};

} // namespace quillax
