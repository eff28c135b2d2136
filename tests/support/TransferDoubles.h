#pragma once
#include "shared/FileTransfer.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <sys/stat.h>

namespace testsupport {

// A transfer whose writing breaks off after `goodPieces` pieces, as when the disk fills up.
class BreakingTransfer : public quillax::FileTransfer {
  public:
    explicit BreakingTransfer(int goodPieces) : piecesLeft_(goodPieces) {}

  protected:
    bool writePiece(QFile& out, const char* data, qint64 size) override {
        return piecesLeft_-- > 0 && FileTransfer::writePiece(out, data, size);
    }

  private:
    int piecesLeft_;
};

// A fresh folder in /dev/shm when that lies on another file system than `than`, else none:
// a move there cannot be a rename.
inline std::unique_ptr<QTemporaryDir> folderOnAnotherFileSystem(const QString& than) {
    struct stat here {
    }, there{};
    if (::stat(QFile::encodeName(than).constData(), &here) != 0 ||
        ::stat("/dev/shm", &there) != 0 || here.st_dev == there.st_dev)
        return nullptr;
    auto folder = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/quillax-test-XXXXXX"));
    if (!folder->isValid())
        return nullptr;
    return folder;
}

} // namespace testsupport
