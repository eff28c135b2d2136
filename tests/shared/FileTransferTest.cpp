// Copies, moves and renames that must never lose a photo, also when they break off half-way
// or cross to another file system.
#include "shared/FileTransfer.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TransferDoubles.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using quillax::FileTransfer;
using testsupport::readFile;
using testsupport::writeFile;
using Result = FileTransfer::Result;

namespace {

// Three pieces of a copy: the first is written, then the disk "fills".
QByteArray threePieces() {
    QByteArray bytes(3 << 20, 'a');
    bytes[(3 << 20) - 1] = 'z';
    return bytes;
}

// Nothing but these names in the folder: no temporary copy was left behind.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

struct FileTransferTest : ::testing::Test {
    testsupport::Sandbox box;
};

// A copy replaces a file only when told, a move or a rename never, and a copy that breaks off
// leaves the old file whole. As `cp -p` and file managers do, a copy keeps the photo's
// modification time: photos sorted by date keep their order.
TEST_F(FileTransferTest, OnlyACopyToldSoReplacesAndABrokenCopyLeavesTheOldFile) {
    ASSERT_TRUE(writeFile(box.path("a.jpg"), "new photo"));
    const timespec taken[2] = {{1000000000, 0}, {1000000000, 123456789}}; // 2001-09-09
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(box.path("a.jpg")).constData(), taken, 0), 0);
    EXPECT_EQ(FileTransfer().copy(box.path("a.jpg"), box.path("b.jpg"), false), Result::Done);
    EXPECT_EQ(readFile(box.path("b.jpg")), "new photo");
    struct stat copy {};
    ASSERT_EQ(::stat(QFile::encodeName(box.path("b.jpg")).constData(), &copy), 0);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 123456789);

    ASSERT_TRUE(writeFile(box.path("b.jpg"), "old photo"));
    FileTransfer transfer;
    EXPECT_EQ(transfer.copy(box.path("a.jpg"), box.path("b.jpg"), false), Result::TargetExists);
    EXPECT_EQ(readFile(box.path("b.jpg")), "old photo");

    ASSERT_TRUE(writeFile(box.path("big.jpg"), threePieces()));
    testsupport::BreakingTransfer breaking(1);
    EXPECT_EQ(breaking.copy(box.path("big.jpg"), box.path("b.jpg"), true), Result::Failed);
    EXPECT_EQ(readFile(box.path("b.jpg")), "old photo") << "the file to be replaced is whole";
    EXPECT_EQ(filesIn(box.folder()), (QStringList{"a.jpg", "b.jpg", "big.jpg"}));

    EXPECT_EQ(transfer.copy(box.path("big.jpg"), box.path("b.jpg"), true), Result::Done);
    EXPECT_EQ(readFile(box.path("b.jpg")), threePieces());
    EXPECT_EQ(transfer.copy(box.path("gone.jpg"), box.path("c.jpg"), false), Result::Failed);

    // A move or a rename never replaces a file.
    EXPECT_EQ(transfer.move(box.path("a.jpg"), box.path("b.jpg")), Result::TargetExists);
    EXPECT_EQ(FileTransfer::rename(box.path("a.jpg"), box.path("b.jpg")), Result::TargetExists);
    EXPECT_EQ(readFile(box.path("b.jpg")), threePieces());
    // The photo that was not moved is renamed whole below.
    EXPECT_EQ(FileTransfer::rename(box.path("a.jpg"), box.path("c.jpg")), Result::Done);
    EXPECT_EQ(readFile(box.path("c.jpg")), "new photo");
    EXPECT_FALSE(QFile::exists(box.path("a.jpg")));
}

TEST_F(FileTransferTest, AMoveToAnotherFileSystemCopiesChecksAndOnlyThenRemoves) {
    const auto target = testsupport::folderOnAnotherFileSystem(box.folder());
    if (!target)
        GTEST_SKIP() << "/dev/shm is not another file system here";
    ASSERT_TRUE(writeFile(box.path("big.jpg"), threePieces()));

    testsupport::BreakingTransfer breaking(1);
    EXPECT_EQ(breaking.move(box.path("big.jpg"), target->filePath("big.jpg")), Result::Failed);
    EXPECT_EQ(readFile(box.path("big.jpg")), threePieces()) << "the photo stays where it was";
    EXPECT_TRUE(filesIn(target->path()).isEmpty()) << "and no part of it is left over there";

    EXPECT_EQ(FileTransfer().move(box.path("big.jpg"), target->filePath("big.jpg")), Result::Done);
    EXPECT_EQ(readFile(target->filePath("big.jpg")), threePieces());
    EXPECT_FALSE(QFile::exists(box.path("big.jpg")));
}

TEST_F(FileTransferTest, DeletedPhotosGoToTheTrashOfTheUsersDataFolder) {
    const testsupport::ScopedEnv data("XDG_DATA_HOME", box.path("data").toUtf8());
    ASSERT_TRUE(writeFile(box.path("IMG 1.jpg"), "photo"));
    EXPECT_TRUE(FileTransfer::canTrash(box.path("IMG 1.jpg")));
    ASSERT_TRUE(FileTransfer::moveToTrash(box.path("IMG 1.jpg")));
    EXPECT_FALSE(QFile::exists(box.path("IMG 1.jpg")));
    EXPECT_EQ(readFile(box.path("data/Trash/files/IMG 1.jpg")), "photo");
    EXPECT_TRUE(QFile::exists(box.path("data/Trash/info/IMG 1.jpg.trashinfo")))
        << "so that the file manager can put it back";
}
