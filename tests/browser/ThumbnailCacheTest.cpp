#include "browser/model/ThumbnailCache.h"
#include "browser/model/ThumbnailMaker.h"
#include "tests/support/Sandbox.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <gtest/gtest.h>

using namespace browser;

namespace {

const QRgb kRed = qRgb(220, 20, 20);
const QRgb kBlue = qRgb(20, 20, 220);

bool near(QRgb a, QRgb b) {
    const int redGreen = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b));
    return redGreen + std::abs(qBlue(a) - qBlue(b)) < 40;
}

// A photo folder and a cache beside it, with the entries written here by the standard's own
// rules rather than by the code under test: the URI spelt out by hand, its MD5, and the PNG
// text keys.
class CacheFixture : public ::testing::Test {
  protected:
    CacheFixture() : root(box.path("cache/thumbnails")), cache(root) {}

    // The URI of a file in "my photos", escaped by hand.
    QByteArray uriOf(const QByteArray& escapedName) const {
        return "file://" + QFile::encodeName(box.folder()) + "my%20photos/" + escapedName;
    }
    QString entryPath(const QString& folder, const QByteArray& escapedName) const {
        const QByteArray md5 =
            QCryptographicHash::hash(uriOf(escapedName), QCryptographicHash::Md5);
        return QStringLiteral("%1/%2/%3.png").arg(root, folder, QString::fromLatin1(md5.toHex()));
    }
    static int modeOf(const QString& path) {
        return int(std::filesystem::status(QFile::encodeName(path).toStdString()).permissions());
    }
    static qint64 mtimeOf(const QString& path) {
        return QFileInfo(path).lastModified().toSecsSinceEpoch();
    }
    // Writes the entry of `photo` as it was `age` seconds before its modification time.
    void writeEntry(const QString& folder, const QByteArray& escapedName, const QString& photo,
                    int age, QSize size, QRgb colour) const {
        const QString entry = entryPath(folder, escapedName);
        QDir().mkpath(QFileInfo(entry).path());
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        picture.setText("Thumb::URI", QString::fromLatin1(uriOf(escapedName)));
        picture.setText("Thumb::MTime", QString::number(mtimeOf(photo) - age));
        ASSERT_TRUE(picture.save(entry, "png"));
    }

    testsupport::Sandbox box;
    QString root;
    ThumbnailCache cache;
};

} // namespace

TEST(ThumbnailCacheNames, UrisAreEscapedAsTheDesktopsOtherProgramsHashThem) {
    const auto uri = ThumbnailCache::fileUri;
    // The standard's own example: the MD5 of file:///home/jens/photos/me.png.
    EXPECT_EQ(ThumbnailCache::entryName("/home/jens/photos/me.png"),
              "c6ee772d9e49320e97ec29a7eb5b1697.png");
    EXPECT_EQ(uri(QString::fromUtf8("/tmp/a b/été;#%?.jpg")),
              "file:///tmp/a%20b/%C3%A9t%C3%A9%3B%23%25%3F.jpg")
        << "spaces, accents (as UTF-8 bytes) and the URI's own signs are escaped";
    EXPECT_EQ(uri("/p/!$&'()*+,=:@~-_.jpg"), "file:///p/!$&'()*+,=:@~-_.jpg")
        << "the signs GLib leaves alone";
    EXPECT_EQ(uri("/tmp/x/../y.png"), "file:///tmp/y.png");
}

TEST_F(CacheFixture, AFreshEntryIsDrawnInsteadOfThePhotoAndAStaleOneIsMadeAgain) {
    const QString photo = box.writePicture(QString::fromUtf8("my photos/été.jpg"), 400, 100, kRed);
    const QByteArray name = "%C3%A9t%C3%A9.jpg";

    // A blue entry of the file as it is: drawn by the grid's rule, 400 x 100 fitting in as
    // (0, 32) 100 x 25, since the entry has the photo's shape.
    writeEntry("normal", name, photo, 0, QSize(128, 32), kBlue);
    QImage cell = ThumbnailMaker::makeCell(photo, &cache);
    EXPECT_TRUE(near(cell.pixel(50, 33), kBlue));
    EXPECT_EQ(cell.pixel(50, 30), qRgb(255, 255, 255));

    // An entry of an older version is not used: the photo is read and the entry written anew.
    writeEntry("normal", name, photo, 1, QSize(128, 32), kBlue);
    cell = ThumbnailMaker::makeCell(photo, &cache);
    EXPECT_TRUE(near(cell.pixel(50, 45), kRed));

    const QImage written(entryPath("normal", name), "png");
    EXPECT_EQ(written.size(), QSize(128, 32)) << "128 pixels on the long side";
    EXPECT_EQ(written.text("Thumb::URI").toLatin1(), uriOf(name));
    EXPECT_EQ(written.text("Thumb::MTime"), QString::number(mtimeOf(photo)));
    EXPECT_EQ(written.text("Thumb::Size"), QString::number(QFileInfo(photo).size()));
    EXPECT_TRUE(near(written.pixel(64, 16), kRed));
    EXPECT_EQ(modeOf(entryPath("normal", name)), 0600);
    EXPECT_EQ(QDir(root + "/normal").entryList(QDir::Files).size(), 1) << "no temporary file left";

    // A large entry serves when there is no normal one.
    const QString square = box.writePicture("my photos/a.png", 300, 300, kRed);
    writeEntry("large", "a.png", square, 0, QSize(256, 256), kBlue);
    EXPECT_TRUE(near(ThumbnailMaker::makeCell(square, &cache).pixel(50, 45), kBlue));
}

TEST_F(CacheFixture, UnreadableFilesAreRecordedAndNotReadAgain) {
    const QString junk = box.path("my photos/junk.jpg");
    ASSERT_TRUE(testsupport::writeFile(junk, "not a picture"));
    EXPECT_TRUE(ThumbnailMaker::makeCell(junk, &cache).isNull());
    const QImage failure(entryPath("fail/quillax", "junk.jpg"), "png");
    EXPECT_EQ(failure.text("Thumb::MTime"), QString::number(mtimeOf(junk)));
    for (const char* folder : {"", "/fail", "/fail/quillax"})
        EXPECT_EQ(modeOf(root + folder), 0700) << "the cache's folders are the user's own";
    // The cache's own files get no thumbnails of their own.
    const QString inside = box.writePicture("cache/thumbnails/normal/x.png", 64, 64, kRed);
    EXPECT_FALSE(ThumbnailMaker::makeCell(inside, &cache).isNull());
    EXPECT_EQ(QDir(root + "/normal").entryList(QDir::Files), QStringList{"x.png"});

    // A failure recorded for this very version of a good photo: it is not decoded.
    const QString photo = box.writePicture("my photos/b.png", 50, 50, kRed);
    writeEntry("fail/quillax", "b.png", photo, 0, QSize(1, 1), kBlue);
    EXPECT_TRUE(ThumbnailMaker::makeCell(photo, &cache).isNull());
    // For an older version it no longer holds.
    writeEntry("fail/quillax", "b.png", photo, 5, QSize(1, 1), kBlue);
    EXPECT_TRUE(near(ThumbnailMaker::makeCell(photo, &cache).pixel(50, 45), kRed));
}
