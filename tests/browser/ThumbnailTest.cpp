#include "browser/model/DecodeBudget.h"
#include "browser/model/ThumbnailCache.h"
#include "browser/model/ThumbnailGeometry.h"
#include "browser/model/ThumbnailMaker.h"
#include "browser/model/ThumbnailWorker.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace browser;

// A sandbox for the photos, and the shared cache in it.
struct ThumbnailMakerTest : ::testing::Test {
    testsupport::Sandbox box;
    const ThumbnailCache cache{box.path("thumbnails")};
};

// In a 100 x 90 cell and in the preview bar, wide pictures fill the width, tall ones the height.
TEST(ThumbnailGeometry, TheCellAndThePreviewBarKeepThePicturesShape) {
    EXPECT_EQ(ThumbnailGeometry::drawRect(400, 100), QRect(0, 32, 100, 25));
    EXPECT_EQ(ThumbnailGeometry::drawRect(100, 300), QRect(35, 0, 30, 90));
    EXPECT_EQ(ThumbnailGeometry::drawRect(100, 90), QRect(0, 0, 100, 90)) << "0.9 counts as wide";
    EXPECT_TRUE(ThumbnailGeometry::drawRect(0, 10).isEmpty());
    EXPECT_EQ(PreviewLayout::fit(400, 100, 150, 500), QRect(0, 231, 150, 37));
    EXPECT_EQ(PreviewLayout::fit(100, 400, 150, 500), QRect(12, 0, 125, 500));
    EXPECT_EQ(PreviewLayout::fit(500, 570, 50, 57), QRect(0, 0, 50, 57))
        << "the bar's own shape fills it: 57 / 50 in single precision is below 1.14";
    EXPECT_TRUE(PreviewLayout::fit(0, 0, 150, 500).isEmpty());
}

// The main picture is red, its embedded 160 x 120 thumbnail green: a green cell shows that the
// thumbnail was used and the photo itself not decoded.
TEST_F(ThumbnailMakerTest, AnExifThumbnailIsUsedUnlessTheCacheKnowsBetterAndACutOffJpegIsBlank) {
    const auto jpeg = [](int w, int h, uint32_t rgb) {
        return quillax::toQImage(testsupport::solid24(w, h, rgb));
    };
    const std::string camera = testsupport::withApp1(
        testsupport::encoded(jpeg(1600, 1200, 0xFF0000), "jpeg", 90).toStdString(),
        testsupport::exifWithThumbnail(
            testsupport::encoded(jpeg(160, 120, 0x00FF00), "jpeg", 90).toStdString()));
    ASSERT_TRUE(testsupport::writeFile(box.path("camera.jpg"), QByteArray::fromStdString(camera)));

    const QImage cell = ThumbnailMaker::makeCell(box.path("camera.jpg"), &cache);
    ASSERT_EQ(cell.size(), QSize(100, 90));
    EXPECT_GT(qGreen(cell.pixel(50, 45)), 200);
    EXPECT_FALSE(QFileInfo::exists(box.path("thumbnails/normal")))
        << "the camera's thumbnail is not handed on as the photo's";

    // The photo was edited since and a program wrote its new, blue thumbnail: the camera's
    // one is stale now, and the shared one is drawn.
    cache.store(box.path("camera.jpg"), ThumbnailCache::stampOf(box.path("camera.jpg")),
                jpeg(128, 96, 0x0000FF), QSize(1600, 1200));
    EXPECT_GT(qBlue(ThumbnailMaker::makeCell(box.path("camera.jpg"), &cache).pixel(50, 45)), 200);

    // A photo cut off in the middle (a copy that broke off) is refused by the preview, as
    // ImageFile's tests tell; its cell stays blank too, and no partial picture goes into the
    // cache every program reads.
    const QString path = box.writePicture("cut.jpg", 400, 300, qRgb(200, 30, 30));
    ASSERT_TRUE(QFile::resize(path, QFileInfo(path).size() / 2));
    EXPECT_TRUE(ThumbnailMaker::makeCell(path, &cache).isNull());
    EXPECT_FALSE(
        QFileInfo::exists(box.path("thumbnails/normal/") + ThumbnailCache::entryName(path)));
}

// A worker whose cells are counted as they reach this thread. No decoding thread outlives its
// test, so none is still running while the program ends.
class ThumbnailWorkerTest : public ::testing::Test {
  protected:
    ThumbnailWorkerTest() {
        QObject::connect(&worker, &ThumbnailWorker::thumbnailReady,
                         [this](int index, const QImage& cell) {
                             arrived.append(cell.isNull() ? -index : index);
                             ++delivered;
                         });
    }
    void TearDown() override { ThumbnailWorker::waitForAllThreads(); }

    QList<int> arrived; // the cells' indices in the order they came, negative when blank
    std::atomic<int> delivered{0};
    ThumbnailWorker worker;
    QSignalSpy done{&worker, &ThumbnailWorker::finished};
};

TEST_F(ThumbnailWorkerTest, EveryCellArrivesOnceAndMissingFilesGetBlankOnes) {
    testsupport::Sandbox box;
    QStringList paths;
    for (int i = 0; i < 12; ++i)
        paths.append(box.writePicture(QString("p%1.jpg").arg(i), 300, 200));
    paths.insert(5, box.path("missing.jpg"));
    worker.start(paths, 2);
    ASSERT_TRUE(done.wait(20000));
    std::sort(arrived.begin(), arrived.end());
    EXPECT_EQ(arrived, (QList<int>{-5, 0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}))
        << "the missing file keeps a blank cell";
    EXPECT_FALSE(worker.isRunning());
    worker.start({});
    EXPECT_TRUE(done.wait(1000)) << "an empty list finishes at once";
}

TEST_F(ThumbnailWorkerTest, ASlowFileHoldsBackNoCellAfterIt) {
    // The first file takes until every other cell has reached the interface thread, as a
    // photo on a slow disk would; cells held back behind it would never arrive first.
    constexpr int kFiles = 6;
    worker.setCellMaker([&](const QString& path) {
        if (path == "slow.jpg")
            for (int tries = 0; delivered.load() < kFiles - 1 && tries < 10000; ++tries)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return QImage(100, 90, QImage::Format_RGB32);
    });
    QStringList paths(kFiles, "quick.jpg");
    paths[0] = "slow.jpg";
    worker.start(paths, 2);
    ASSERT_TRUE(done.wait(30000));
    ASSERT_EQ(arrived.size(), kFiles);
    EXPECT_EQ(arrived.last(), 0) << "the cells after the slow one came first";
}

TEST_F(ThumbnailWorkerTest, AStuckDecoderHoldsUpNeitherTheStopNorTheEnd) {
    // Every decoder hangs, as on a file of a stalled network mount, until the gate opens.
    std::atomic<int> inside{0};
    std::atomic<bool> open{false};
    worker.setCellMaker([&](const QString&) {
        ++inside;
        while (!open)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        --inside;
        return QImage(100, 90, QImage::Format_RGB32);
    });
    worker.start(QStringList(20, "stuck.jpg"), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return inside == 2; }, 20000));
    EXPECT_FALSE(worker.stop(10)) << "the stop gives up on the stuck decoders";
    EXPECT_FALSE(worker.isRunning());
    EXPECT_FALSE(ThumbnailWorker::waitForAllThreads(std::chrono::milliseconds(10)))
        << "and so does the end of the program";
    open = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return inside == 0; }, 20000));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(arrived.isEmpty()) << "no cell of a stopped job is delivered";

    // A new job after a stop runs from the start.
    worker.start(QStringList(3, "quick.jpg"), 1);
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(arrived.size(), 3);
}

TEST(DecodeBudget, PicturesWaitForRoomAndAStopWakesThem) {
    browser::DecodeBudget budget(512);
    std::atomic<bool> stop{false};
    ASSERT_TRUE(budget.take(300, stop));

    // 300 more do not fit beside 300 of 512: the second taker waits until the first is done.
    auto second = std::async(std::launch::async, [&] { return budget.take(300, stop); });
    budget.giveBack(300);
    EXPECT_TRUE(second.get());

    // A stop wakes a waiter, which then takes nothing: the second's 300 are all that is taken.
    auto third = std::async(std::launch::async, [&] { return budget.take(400, stop); });
    stop = true;
    budget.wakeAll();
    EXPECT_FALSE(third.get());
    EXPECT_EQ(budget.taken(), 300);

    // A picture larger than the whole budget is decoded alone.
    budget.giveBack(300);
    std::atomic<bool> go{false};
    EXPECT_TRUE(budget.take(2000, go));
    EXPECT_EQ(budget.peak(), 2000);
}

TEST_F(ThumbnailMakerTest, DecodingBytesComeFromTheHeader) {
    // 800 x 600 at 32 bits is 1 920 000 bytes. A JPEG brought down to 128 x 96 is read at a
    // quarter each way (800 / 128 is 6, and an eighth would give less than 128): 200 x 150 x 4
    // bytes, beside the 64 KiB head read for its EXIF block.
    EXPECT_EQ(ThumbnailMaker::decodingBytes(box.writePicture("a.png", 800, 600)), 1920000);
    EXPECT_EQ(ThumbnailMaker::decodingBytes(box.writePicture("a.jpg", 800, 600)), 120000 + 65536);
    EXPECT_EQ(ThumbnailMaker::decodingBytes(box.writePicture("b.jpg", 4000, 3000)),
              500 * 375 * 4 + 65536)
        << "an eighth";
    EXPECT_EQ(ThumbnailMaker::decodingBytes(box.path("none.png")), 0);
}

// A one-colour picture stored with a colour table, as drawing programs and scanners write
// them: its cell and its shared thumbnail show the colour, not a black-and-white pattern.
TEST_F(ThumbnailMakerTest, PalettePicturesKeepTheirColoursInTheCellAndTheSharedCache) {
    const QRgb green = qRgb(50, 200, 90);
    using enum QImage::Format;
    const struct {
        const char* name;
        QImage::Format format;
        int colours;
    } pictures[] = {
        {"one-bit.png", Format_Mono, 1},        {"two-colours.png", Format_Mono, 2},
        {"eight-bit.png", Format_Indexed8, 1},  {"one-bit.bmp", Format_Mono, 2},
        {"eight-bit.bmp", Format_Indexed8, 16}, {"eight-bit.tif", Format_Indexed8, 16},
        {"palette.gif", Format_Indexed8, 2},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        QImage image(400, 300, p.format);
        QList<QRgb> table(p.colours, qRgb(0, 0, 0));
        table[0] = green;
        image.setColorTable(table);
        image.fill(0);
        const QString path = box.path(p.name);
        ASSERT_TRUE(quillax::ImageFile::save(image, path, quillax::imageTypeFromName(path)));
        EXPECT_EQ(ThumbnailMaker::makeCell(path, &cache).pixel(50, 45), green);
        const QImage shared(box.path("thumbnails/normal/") + ThumbnailCache::entryName(path));
        ASSERT_EQ(shared.size(), QSize(128, 96));
        EXPECT_EQ(shared.pixel(3, 90), green);
    }
}
