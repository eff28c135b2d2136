#include "editor/model/ArrangeGrid.h"
#include "editor/model/LayerLabel.h"
#include "editor/model/PhotoImporter.h"
#include "editor/model/PhotoPlacement.h"
#include "imaging/BmpFile.h"
#include "shared/DibConversion.h"
#include "tests/editor/Layers.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace editor;

TEST(PhotoPlacement, NewPhotosStepDownTheCornerAtHalfTheFittingSize) {
    // A4 in page pixels; a 4:3 picture is limited by the page's width.
    EXPECT_EQ(defaultPhotoRegion(0, 600, 450, 992, 1403), (PageRect{10, 10, 10 + 496, 10 + 372}));
    // A tall picture is limited by the page's height.
    EXPECT_EQ(defaultPhotoRegion(5, 300, 450, 992, 1403), (PageRect{20, 20, 20 + 467, 20 + 701}));
}

TEST(ArrangeGrid, CellsOfA4ForPhotosOf100By70Millimetres) {
    const auto grid = ArrangeGrid::make(210, 297, 100, 70);
    ASSERT_TRUE(grid);
    EXPECT_EQ(std::tuple(grid->columns, grid->rows, grid->capacity()), std::tuple(2, 4, 8));
    EXPECT_DOUBLE_EQ(grid->horizontalMargin, 2.5);
    EXPECT_DOUBLE_EQ(grid->verticalMargin, 2.125) << "17 mm spare over 4 rows, halved";

    // 1403 page pixels for 297 mm. The fifth photo takes the third row, first column: its top
    // is at 150.625 mm; 4:3 in a 100 x 70 mm cell is limited by the height, 70 mm = 330 pixels.
    const double f = 1403.0 / 297.0;
    EXPECT_EQ(grid->cellRegion(5, 400, 300, f), (PageRect{11, 711, 11 + 440, 711 + 330}));
    EXPECT_EQ(grid->cellRegion(2, 400, 300, f), (PageRect{507, 10, 507 + 440, 10 + 330}))
        << "second column, still the first row";

    EXPECT_FALSE(ArrangeGrid::make(210, 297, 100, 400)) << "not one row fits";
    EXPECT_EQ(ArrangeGrid::make(210, 297, 300, 70)->columns, 1) << "at least one column";
}

TEST(LayerLabel, LongPathsKeepTheirEnds) {
    EXPECT_EQ(photoLabel("/home/ann/Pictures/2026/summer/beach.jpg"), "/.../summer/beach.jpg");
    const QString thirtySeven = "/home/ann/pics/holiday/photo_0001.jpg";
    EXPECT_EQ(photoLabel(thirtySeven), thirtySeven);
    const QString twoSeparators = "/a_very_long_folder_name_without_more/beach.jpg";
    EXPECT_EQ(photoLabel(twoSeparators), twoSeparators) << "fewer than three separators";
    EXPECT_EQ(photoLabel("relative/folder/with/a/rather/long/name.png"),
              "relative/.../long/name.png");
}

TEST(PhotoImporter, WritesTheFullSizeCopyAndFitsTheWorkingPicture) {
    testsupport::Sandbox box;
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(qRgb(200, 100, 50));
    ASSERT_TRUE(photo.save(box.path("big.png"), "png", 100));
    const PhotoImporter::Result r =
        PhotoImporter::import(box.path("big.png"), box.folder(), "newPrj10.bmp");
    ASSERT_EQ(r.status, PhotoImporter::Status::Ok);
    EXPECT_EQ(std::pair(r.working.width(), r.working.height()), std::pair(600, 450));
    EXPECT_EQ(std::pair(r.thumbnail.width(), r.thumbnail.height()), std::pair(32, 24));
    const auto full = imaging::readBmp(box.stdPath("newPrj10.bmp"));
    ASSERT_TRUE(full);
    EXPECT_EQ(testsupport::rgbAt(*full, 3999, 2999), 0xC86432u) << "the far corner of 4000 x 3000";

    // Small pictures are kept as they are.
    ASSERT_TRUE(QImage(300, 200, QImage::Format_RGB32).save(box.path("small.bmp"), "bmp"));
    EXPECT_EQ(PhotoImporter::import(box.path("small.bmp"), box.folder(), "s.bmp").working.width(),
              300);
}

TEST(PhotoImporter, WritesNothingForFilesItCannotRead) {
    testsupport::Sandbox box;
    ASSERT_TRUE(testsupport::writeFile(box.path("notes.txt"), "hello"));
    QFile::copy(box.path("notes.txt"), box.path("fake.jpg"));
    EXPECT_EQ(PhotoImporter::import(box.path("notes.txt"), box.folder(), "a.bmp").status,
              PhotoImporter::Status::UnknownFormat);
    EXPECT_EQ(PhotoImporter::import(box.path("fake.jpg"), box.folder(), "a.bmp").status,
              PhotoImporter::Status::Unreadable);
    EXPECT_FALSE(QFile::exists(box.path("a.bmp")));

    ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(box.path("ok.png"), "png"));
    EXPECT_EQ(PhotoImporter::import(box.path("ok.png"), box.path("missing/"), "a.bmp").status,
              PhotoImporter::Status::CannotWrite);
}
