// The page document's operations, without a window: what they change, what they record and
// what they leave alone when a picture cannot be used.
#include "editor/model/PageDocument.h"
#include "imaging/BmpFile.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

using editor::HistoryKind;
using editor::PageDocument;
using AddStatus = PageDocument::AddStatus;

namespace {

class PageDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override { document.setUpFolders(box.folder()); }

    std::vector<HistoryKind> historyKinds() const {
        std::vector<HistoryKind> kinds;
        for (const auto& e : document.history().entries())
            kinds.push_back(e.kind);
        return kinds;
    }

    testsupport::Sandbox box;
    PageDocument document;
};

} // namespace

TEST_F(PageDocumentTest, AFailedChangeOfSourceLeavesTheOldPhotoWhole) {
    ASSERT_EQ(document.addPhoto(box.writePicture("old.png", 40, 30)).status, AddStatus::Added);
    QSignalSpy removed(&document, &PageDocument::layerRemoved);
    ASSERT_TRUE(testsupport::writeFile(box.path("junk.png"), "not a picture"));

    EXPECT_EQ(document.changeSource(0, box.path("junk.png")).status, AddStatus::Unreadable);
    EXPECT_EQ(document.changeSource(0, box.path("gone.png")).status, AddStatus::Unreadable);
    ASSERT_NE(document.stack().find(0), nullptr);
    EXPECT_EQ(document.stack().find(0)->bitmapWidth, 40);
    EXPECT_EQ(document.stack().find(0)->sourcePath, box.path("old.png"));
    EXPECT_EQ(document.listPictures().size(), 9) << "eight fixed pictures and the photo";
    EXPECT_TRUE(QFile::exists(box.path("newPrj1/newPrj10.bmp")));

    // A picture that reads replaces it under the next id, in the same list row.
    const auto swapped = document.changeSource(0, box.writePicture("new.png", 20, 10));
    ASSERT_EQ(swapped.status, AddStatus::Added);
    EXPECT_EQ(swapped.id, 1);
    EXPECT_EQ(document.stack().find(0), nullptr);
    EXPECT_EQ(document.stack().find(1)->content, "newPrj11.bmp");
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(historyKinds(), (std::vector{HistoryKind::Add, HistoryKind::Modify, HistoryKind::Add,
                                           HistoryKind::Modify}))
        << "neither the failed changes nor the removal itself are recorded";
}

TEST_F(PageDocumentTest, EveryRecordedChangeMarksThePageModified) {
    EXPECT_FALSE(document.isModified());
    QSignalSpy modified(&document, &PageDocument::modifiedChanged);
    document.addPhoto(box.writePicture("a.png", 40, 30));
    EXPECT_EQ(historyKinds(), (std::vector{HistoryKind::Add, HistoryKind::Modify}));

    document.setModified(false);
    EXPECT_TRUE(document.moveSelected(5, 6));
    // 40 x 30 is shown at half the page's width, 496 x 372.
    EXPECT_EQ(document.stack().find(0)->region, (editor::PageRect{5, 6, 501, 378}));
    EXPECT_TRUE(document.resizeSelected({7, 8, 0, -3}));
    EXPECT_EQ(document.stack().find(0)->region, (editor::PageRect{7, 8, 8, 9}))
        << "a handle dragged through the opposite edge leaves a page pixel";

    document.setModified(false);
    EXPECT_TRUE(document.deleteLayer(0));
    EXPECT_EQ(document.history().entries().back().kind, HistoryKind::Delete);
    EXPECT_EQ(modified.count(), 5) << "on by the add, the move and the delete, off between";
    EXPECT_FALSE(document.deleteLayer(0)) << "no such layer any more";
}

TEST_F(PageDocumentTest, PicturesThatCannotBeAddedComeBackTogetherInOrder) {
    const auto failed =
        document.addPhotos({box.writePicture("a.png", 40, 30), box.path("missing.png"),
                            box.path("notes.txt"), box.writePicture("b.png", 30, 40)});
    EXPECT_EQ(document.photoLayers(), 2) << "the good ones after a bad one are added too";
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].path, box.path("missing.png"));
    EXPECT_EQ(failed[0].status, AddStatus::Unreadable);
    EXPECT_EQ(failed[1].status, AddStatus::UnknownFormat);
}

TEST_F(PageDocumentTest, APanoramaStaysAtLeastOnePagePixelHigh) {
    // 20000 x 10 fits the 600 x 450 working box at 600 x 0.3, and half the A4 page width at
    // 496 x 0.248: both would vanish.
    ASSERT_EQ(document.addPhoto(box.writePicture("wide.png", 20000, 10)).status, AddStatus::Added);
    const editor::LayerRecord& layer = *document.stack().find(0);
    EXPECT_EQ(std::pair(layer.bitmapWidth, layer.bitmapHeight), std::pair(600, 1));
    EXPECT_EQ(std::pair(layer.boxWidth(), layer.boxHeight()), std::pair(496, 1));
    document.setDisplayScale(494.0 / 1403);
    EXPECT_EQ(document.pickAt(int(12 * 494.0 / 1403), int(10 * 494.0 / 1403)), 0) << "pickable too";
}

TEST_F(PageDocumentTest, ACropWritesTheNextEditOfThisLayerOnly) {
    document.addPhoto(box.writePicture("a.png", 400, 300, qRgb(200, 10, 10)));
    document.addPhoto(box.writePicture("b.png", 400, 300, qRgb(10, 200, 10)));
    ASSERT_TRUE(document.saveProjectAs(box.path("trip_.lyj")).isEmpty());
    document.select(0);
    ASSERT_EQ(document.stack().find(0)->content, "trip_0.bmp");
    // 400 x 300 on A4 is shown 496 x 372 at (10, 10); the left half of that box is the left
    // half, 200 x 300, of the file.
    ASSERT_EQ(document.stack().find(0)->region, (editor::PageRect{10, 10, 506, 382}));
    ASSERT_EQ(document.cropSelected({10, 10, 248, 372}), PageDocument::EditStatus::Done);
    EXPECT_EQ(document.stack().find(0)->content, "trip_0_1.bmp");
    const auto cropped = imaging::readBmp(box.stdPath("trip_srcImg/trip_0_1.bmp"));
    ASSERT_TRUE(cropped);
    EXPECT_EQ(std::pair(cropped->width(), cropped->height()), std::pair(200, 300));
    const auto other = imaging::readBmp(box.stdPath("trip_srcImg/trip_1.bmp"));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->pixelColour(0, 0).green, 200) << "layer 1's file is untouched";
    EXPECT_EQ(document.history().entries().back().kind, HistoryKind::Modify);

    QFile::remove(box.path("trip_srcImg/trip_0_1.bmp"));
    EXPECT_EQ(document.cropSelected({10, 10, 10, 10}), PageDocument::EditStatus::Unreadable);
    EXPECT_EQ(document.stack().find(0)->content, "trip_0_1.bmp") << "a failed crop changes nothing";
}

// The layer asked about goes, not the selected one; undone, it comes back with its id, its
// row and its thumbnail; redone, it takes its own row again, not another's.
TEST_F(PageDocumentTest, ADeletionIsOfTheLayerAskedAboutAndUndoBringsItBackInItsRow) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.addPhoto(box.writePicture("b.png", 40, 30));
    const int text = document.addText();
    document.select(1);
    const editor::LayerRecord before = *document.stack().find(0);
    ASSERT_TRUE(document.deleteLayer(0));
    EXPECT_EQ(document.history().entries().back().layer.id, 0);
    EXPECT_EQ(document.stack().idAtRow(0), 1) << "the rows below moved up";
    EXPECT_EQ(document.layerRows(), 2);
    document.setModified(false);
    QSignalSpy added(&document, &PageDocument::layerAdded);

    EXPECT_EQ(document.undo(), PageDocument::StepOutcome::Applied);
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added.at(0).at(0).toInt(), 0) << "its old id";
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(document.stack().idAtRow(row), row == 2 ? text : row);
    EXPECT_EQ(document.stack().find(0)->thumbIndex, before.thumbIndex);
    EXPECT_EQ(document.listPictures().size(), 10) << "its thumbnail never left the list's pictures";
    EXPECT_EQ(document.selection().currentId(), 0);
    EXPECT_TRUE(document.isModified()) << "every step applied marks the page";

    ASSERT_EQ(document.redo(), PageDocument::StepOutcome::Applied);
    EXPECT_EQ(document.stack().find(0), nullptr);
    EXPECT_EQ(document.stack().idAtRow(0), 1);
    EXPECT_EQ(document.stack().idAtRow(1), text);
}

// The exported page and the full-screen preview show a landscape page as the canvas does;
// only the printer gets it turned onto the sheet.
TEST_F(PageDocumentTest, ALandscapePageIsTurnedOnlyOntoThePrintedSheet) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.setPortrait(false);
    const auto shown = document.composePage(PageDocument::PageTurn::AsShown);
    const auto printed = document.composePage(PageDocument::PageTurn::OntoSheet);
    ASSERT_TRUE(shown && printed);
    EXPECT_GT(shown->width(), shown->height());
    EXPECT_EQ(printed->width(), shown->height());
    EXPECT_EQ(printed->height(), shown->width());
}
