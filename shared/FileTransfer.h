#pragma once
#include <QString>

class QFile;

namespace quillax {

// Copies, moves and renames the user's files so that a failure at any step loses nothing:
// a copy is written under a temporary name beside its target, read back and compared with
// its source, and only then put in place, with the source's modification time as `cp -p`
// keeps it, so photos sorted by date stay in order; a move across file systems removes the source
// only once its copy is whole; nothing is ever replaced unless asked to.
class FileTransfer {
  public:
    enum class Result { Done, TargetExists, Failed };

    virtual ~FileTransfer() = default;

    // An existing `to` is replaced only with `overwrite`, and stays whole when the copy fails.
    Result copy(const QString& from, const QString& to, bool overwrite);
    // `from` becomes `to`, which must not exist: renamed, or copied and then removed when the
    // two lie on different file systems.
    Result move(const QString& from, const QString& to);
    // rename() within a file system, but never over another file.
    static Result rename(const QString& from, const QString& to);
    // Why the last copy or move did not work, in words for the user: the system's own error
    // text, or that a file of that name is already there.
    const QString& errorText() const { return error_; }

    // Whether deleting `path` can move it to the freedesktop trash (the user's own, or the
    // one at the top of its file system), so that it can be restored from the file manager.
    static bool canTrash(const QString& path);
    // Moves it there with its record of where it came from. (Qt 6.4's own moveToTrash puts
    // the file into the working folder when the user's trash folder does not exist yet.)
    static bool moveToTrash(const QString& path);

  protected:
    // Writes one piece of a copy: where a test breaks a copy off half-way.
    virtual bool writePiece(QFile& out, const char* data, qint64 size);

  private:
    bool copyWhole(const QString& from, QFile& to);
    Result fail(Result result, const QString& why);

    QString error_;
};

} // namespace quillax
