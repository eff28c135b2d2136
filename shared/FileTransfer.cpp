#include "shared/FileTransfer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillax {

namespace {

constexpr qint64 kPiece = 1 << 20;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// rename() that fails with EEXIST rather than replace `to`. File systems without the flag
// get the same answer from a check just before; the gap between the two is theirs.
int renameNoReplace(const QString& from, const QString& to) {
    if (::renameat2(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(),
                    RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return EEXIST;
    return ::rename(native(from).constData(), native(to).constData()) == 0 ? 0 : errno;
}

bool sameBytes(const QString& a, const QString& b) {
    QFile one(a), two(b);
    if (!one.open(QIODevice::ReadOnly) || !two.open(QIODevice::ReadOnly) ||
        one.size() != two.size())
        return false;
    std::vector<char> x(static_cast<size_t>(kPiece)), y(static_cast<size_t>(kPiece));
    for (;;) {
        const qint64 n = one.read(x.data(), kPiece);
        if (n < 0 || two.read(y.data(), kPiece) != n)
            return false;
        if (n == 0)
            return true;
        if (!std::equal(x.begin(), x.begin() + n, y.begin()))
            return false;
    }
}

} // namespace

bool FileTransfer::writePiece(QFile& out, const char* data, qint64 size) {
    return out.write(data, size) == size;
}

FileTransfer::Result FileTransfer::fail(Result result, const QString& why) {
    error_ = result == Result::TargetExists ? QStringLiteral("a file of that name is already there")
                                            : why;
    return result;
}

bool FileTransfer::copyWhole(const QString& from, QFile& to) {
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly)) {
        error_ = QFileInfo(from).isFile() ? source.errorString() : qt_error_string(ENOENT);
        return false;
    }
    std::vector<char> piece(static_cast<size_t>(kPiece));
    for (;;) {
        const qint64 n = source.read(piece.data(), kPiece);
        if (n < 0) {
            error_ = source.errorString();
            return false;
        }
        if (n == 0)
            break;
        if (!writePiece(to, piece.data(), n)) {
            error_ =
                to.error() != QFileDevice::NoError ? to.errorString() : qt_error_string(ENOSPC);
            return false;
        }
    }
    to.setPermissions(source.permissions());
    if (!to.flush() || ::fsync(to.handle()) != 0) {
        error_ = qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(source.handle(), &status) == 0) {
        const timespec times[2] = {status.st_atim, status.st_mtim};
        ::futimens(to.handle(), times);
    }
    if (!sameBytes(from, to.fileName())) {
        error_ = QStringLiteral("the copy does not read back as the photo");
        return false;
    }
    return true;
}

FileTransfer::Result FileTransfer::copy(const QString& from, const QString& to, bool overwrite) {
    error_.clear();
    if (!overwrite && (QFileInfo::exists(to) || QFileInfo(to).isSymLink()))
        return fail(Result::TargetExists, {});
    QTemporaryFile part(QFileInfo(to).absolutePath() + "/.quillax-copy-XXXXXX");
    if (!part.open())
        return fail(Result::Failed, part.errorString());
    if (!copyWhole(from, part))
        return Result::Failed; // the temporary file goes with `part`
    part.close();
    int error = 0;
    if (overwrite)
        error =
            ::rename(native(part.fileName()).constData(), native(to).constData()) == 0 ? 0 : errno;
    else
        error = renameNoReplace(part.fileName(), to);
    if (error != 0)
        return fail(error == EEXIST ? Result::TargetExists : Result::Failed,
                    qt_error_string(error));
    part.setAutoRemove(false); // it is `to` now
    return Result::Done;
}

FileTransfer::Result FileTransfer::move(const QString& from, const QString& to) {
    error_.clear();
    const int error = renameNoReplace(from, to);
    if (error == 0)
        return Result::Done;
    if (error == EEXIST)
        return fail(Result::TargetExists, {});
    if (error != EXDEV)
        return fail(Result::Failed, qt_error_string(error));
    // Another file system: the source goes only once its copy is in place and whole.
    const Result copied = copy(from, to, false);
    if (copied != Result::Done)
        return copied;
    QFile source(from);
    if (!source.remove()) {
        const QString why = source.errorString();
        QFile::remove(to); // one photo, not two half-owned ones
        return fail(Result::Failed, why);
    }
    return Result::Done;
}

FileTransfer::Result FileTransfer::rename(const QString& from, const QString& to) {
    const int error = renameNoReplace(from, to);
    if (error == 0)
        return Result::Done;
    return error == EEXIST ? Result::TargetExists : Result::Failed;
}

namespace {

// The data folder the user's own trash lives in, or the nearest folder of it that exists.
QString existingDataFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    while (!folder.isEmpty() && !QFileInfo::exists(folder)) {
        const QString parent = QFileInfo(folder).absolutePath();
        folder = parent == folder ? QString() : parent;
    }
    return folder;
}

bool isPlainFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

// The trash a file goes to, by the freedesktop rules: the user's own when the file lies on
// the same file system, else the one at the top of the file's file system (.Trash/UID in a
// shared sticky .Trash, or .Trash-UID). Empty when there is none; `top` gets the top folder
// for a trash of a file system's own.
QString trashFor(const QString& path, QString& top) {
    const QStorageInfo volume(QFileInfo(path).absolutePath());
    const QString data = existingDataFolder();
    top.clear();
    if (!data.isEmpty() && QStorageInfo(data).rootPath() == volume.rootPath())
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    top = volume.rootPath();
    if (top.endsWith('/'))
        top.chop(1);
    const QString uid = QString::number(::getuid());
    const QString shared = top + "/.Trash";
    struct stat st {};
    if (isPlainFolder(shared) && ::stat(QFile::encodeName(shared).constData(), &st) == 0 &&
        (st.st_mode & S_ISVTX))
        return shared + "/" + uid;
    const QString own = top + "/.Trash-" + uid;
    if (isPlainFolder(own) || (!QFileInfo::exists(own) && QFileInfo(top).isWritable()))
        return own;
    return {};
}

bool makePrivateFolder(const QString& path) {
    if (isPlainFolder(path))
        return true;
    return QDir().mkpath(path) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

bool FileTransfer::canTrash(const QString& path) {
    QString top;
    return !trashFor(path, top).isEmpty();
}

bool FileTransfer::moveToTrash(const QString& path) {
    const QFileInfo file(path);
    QString top;
    const QString trash = trashFor(file.absoluteFilePath(), top);
    if (trash.isEmpty() || !makePrivateFolder(trash + "/files") ||
        !makePrivateFolder(trash + "/info"))
        return false;
    // The record is made first, exclusively, so two files of one name never share one; the
    // file follows by a rename, and without it the record goes again.
    const QString stem = file.completeBaseName();
    const QString suffix = file.suffix().isEmpty() ? QString() : "." + file.suffix();
    const QString original =
        top.isEmpty() ? file.absoluteFilePath() : file.absoluteFilePath().mid(top.size() + 1);
    const QByteArray record =
        "[Trash Info]\nPath=" + QUrl::toPercentEncoding(original, "/") +
        "\nDeletionDate=" + QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + "\n";
    for (int n = 1; n < 10000; ++n) {
        const QString name =
            n == 1 ? file.fileName() : QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix);
        const QString info = trash + "/info/" + name + ".trashinfo";
        const int fd = ::open(QFile::encodeName(info).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        const bool written =
            ::write(fd, record.constData(), size_t(record.size())) == ssize_t(record.size());
        ::close(fd);
        if (written && renameNoReplace(file.absoluteFilePath(), trash + "/files/" + name) == 0)
            return true;
        QFile::remove(info);
        // Only a name already taken among the trashed files is worth another try.
        if (!written || !QFileInfo::exists(trash + "/files/" + name))
            return false;
    }
    return false;
}

} // namespace quillax
