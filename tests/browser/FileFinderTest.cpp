// The search's walk of a folder tree: its order, what it never follows, and the cheap tests.
#include "browser/model/FileFinder.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

using browser::FileFinder;
using browser::FinderCriteria;
using browser::FinderFile;

namespace {

class Finder : public ::testing::Test {
  protected:
    void write(const QString& name, int bytes = 10) {
        ASSERT_TRUE(testsupport::writeFile(box.path(name), QByteArray(bytes, 'x')));
    }
    FinderCriteria criteria(const QString& fragment = "") const {
        FinderCriteria c;
        c.base = QFile::encodeName(box.path("root")).toStdString();
        c.mask = browser::WildcardMask::containing(fragment);
        return c;
    }
    // The paths found, under the root, in the order found or sorted.
    QStringList found(const FinderCriteria& c, bool sorted = false) {
        QStringList paths;
        FileFinder(c, stop).run({{}, [&](FinderFile&& file) {
                                     paths << QString::fromStdString(file.path).mid(
                                         box.path("root/").size());
                                 }});
        if (sorted)
            paths.sort();
        return paths;
    }

    testsupport::Sandbox box;
    std::atomic<bool> stop{false};
};

} // namespace

// Each folder's sub-folders are searched before its own files, depth first.
TEST_F(Finder, SubFoldersComeBeforeTheFolderOwnFiles) {
    for (const char* name : {"root/a.jpg", "root/sub/b.jpg", "root/sub/deep/c.jpg"})
        write(name);
    EXPECT_EQ(found(criteria()), (QStringList{"sub/deep/c.jpg", "sub/b.jpg", "a.jpg"}));

    FinderCriteria here = criteria();
    here.recurse = false;
    EXPECT_EQ(found(here), QStringList{"a.jpg"});

    here.base = QFile::encodeName(box.path("nowhere")).toStdString();
    EXPECT_EQ(found(here), QStringList()) << "a root that does not exist finds nothing";
}

// A FIFO would hang the reading of its header and a link to a device would read forever;
// a link back up the tree would make the walk endless.
TEST_F(Finder, OnlyRegularFilesAreFoundAndNoLinkLeadsTheWalkRoundInCircles) {
    write("root/real/photo.jpg");
    write("elsewhere/far.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(box.path("root/pipe.jpg")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", box.path("root/zero.jpg")));
    ASSERT_TRUE(QFile::link(box.path("root/real/photo.jpg"), box.path("root/shortcut.jpg")));
    ASSERT_TRUE(QFile::link(box.path("root"), box.path("root/real/loop")));
    ASSERT_TRUE(QFile::link(box.path("elsewhere"), box.path("root/away")));
    ASSERT_TRUE(QFile::link(box.path("root/gone.jpg"), box.path("root/dangling.jpg")));

    EXPECT_EQ(found(criteria(), true), (QStringList{"real/photo.jpg", "shortcut.jpg"}))
        << "a link to a photo is found as the photo; links to folders are not followed";
}

// .thumbnails and the trash hold copies the user never took; they are searched when asked.
TEST_F(Finder, HiddenFoldersAreSearchedOnlyWhenAskedFor) {
    write("root/.thumbnails/normal/t.png");
    write("root/.hidden.jpg");
    FinderCriteria c = criteria();
    EXPECT_EQ(found(c), QStringList{".hidden.jpg"}) << "hidden files are listed as the list does";
    c.includeHiddenFolders = true;
    EXPECT_EQ(found(c), (QStringList{".thumbnails/normal/t.png", ".hidden.jpg"}));
}

TEST_F(Finder, SizeAndDateBoundsAreInclusiveAndSizesAre64Bit) {
    // Files of n bytes named n, modified about the day of 2026-12-07 00:00 UTC.
    const std::int64_t day = 1796601600;
    for (const auto& [bytes, when] :
         {std::pair{1023, day - 1}, {1024, day}, {2048, day + 86399}, {2049, day + 86400}}) {
        const QString name = QString("root/%1.jpg").arg(bytes);
        write(name, bytes);
        const utimbuf times{time_t(when), time_t(when)};
        ASSERT_EQ(::utime(QFile::encodeName(box.path(name)).constData(), &times), 0);
    }
    FinderCriteria c = criteria();
    c.size = {1024, 2048};
    EXPECT_EQ(found(c, true), (QStringList{"1024.jpg", "2048.jpg"}));
    c.size = {std::int64_t(3) << 31, std::int64_t(4) << 31};
    EXPECT_EQ(found(c), QStringList()) << "a bound past 4 GB does not wrap round";
    c = criteria();
    c.modified = {day, day + 86399};
    EXPECT_EQ(found(c, true), (QStringList{"1024.jpg", "2048.jpg"}));
}

TEST_F(Finder, TheMaskIsTestedOnNamesAndTheStopFlagEndsTheWalk) {
    for (const char* name : {"root/IMG_1.JPG", "root/notes.txt", "root/sub/img_2.jpg"})
        write(name);
    EXPECT_EQ(found(criteria(".jpg")), (QStringList{"sub/img_2.jpg", "IMG_1.JPG"}));

    int seen = 0;
    FileFinder(criteria(), stop).run({{}, [&](FinderFile&&) {
                                          ++seen;
                                          stop = true;
                                      }});
    EXPECT_EQ(seen, 1) << "nothing more is found once stopped";
}
