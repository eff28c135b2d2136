#include "shared/HandOffQueue.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillax {

namespace {

// Closes the descriptor, and with it the lock, whatever way the function is left.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Whether the locked file is still the one the path names: the editor may have taken the
// queue and deleted it while this side waited for the lock.
bool stillAt(int fd, const QByteArray& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::stat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const ssize_t n = ::write(fd, bytes.constData(), size_t(bytes.size()));
    return n == ssize_t(bytes.size());
}

} // namespace

HandOffQueue::Appended HandOffQueue::append(const QString& installFolder, const QString& path) {
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return Appended::NameHasLineBreak;
    const QByteArray file = QFile::encodeName(installFolder + fileName());
    const QByteArray line = QFile::encodeName(path) + '\n';
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        Descriptor fd(::open(file.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
        if (fd.get() < 0)
            return Appended::CannotOpen;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK || waited.elapsed() > kLockWaitMs)
                return Appended::CannotOpen;
            QThread::msleep(2);
            continue;
        }
        if (!stillAt(fd.get(), file))
            continue; // taken and deleted meanwhile: a new queue is started
        return writeAll(fd.get(), line) ? Appended::Done : Appended::WriteFailed;
    }
}

QStringList HandOffQueue::take(const QString& installFolder) {
    const QByteArray file = QFile::encodeName(installFolder + fileName());
    Descriptor fd(::open(file.constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || !stillAt(fd.get(), file))
        return {};
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {}; // the queue stays for the next time, whole
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    // Deleted while the lock is held: an append waiting for it then starts a new file.
    ::unlink(file.constData());
    QStringList paths;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) // written on another system
            line.chop(1);
        if (!line.isEmpty())
            paths.append(QFile::decodeName(line));
    }
    return paths;
}

} // namespace quillax
