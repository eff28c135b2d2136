// The page document's operations, without a window: what they change, what they record and
// what they leave alone when a picture cannot be used.
#include "editor/model/PageDocument.h"
#include "imaging/BmpFile.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

using editor::HistoryKind;
using editor::PageDocument;

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
    ASSERT_EQ(document.addPhoto(box.writePicture("old.png", 40, 30)).status,
              PageDocument::AddStatus::Added);
    QSignalSpy removed(&document, &PageDocument::layerRemoved);
    ASSERT_TRUE(testsupport::writeFile(box.path("junk.png"), "not a picture"));

    EXPECT_EQ(document.changeSource(0, box.path("junk.png")).status,
              PageDocument::AddStatus::Unreadable);
    EXPECT_EQ(document.changeSource(0, box.path("gone.png")).status,
              PageDocument::AddStatus::Unreadable);
    ASSERT_NE(document.stack().find(0), nullptr);
    EXPECT_EQ(document.stack().find(0)->bitmapWidth, 40);
    EXPECT_EQ(document.stack().find(0)->sourcePath, box.path("old.png"));
    EXPECT_EQ(document.listPictures().size(), PageDocument::kFixedListPictures + 1);
    EXPECT_TRUE(QFile::exists(box.path("newPrj1/newPrj10.bmp")));
    EXPECT_EQ(removed.count(), 0);

    // A picture that reads replaces it under the next id, in the same list row.
    const auto swapped = document.changeSource(0, box.writePicture("new.png", 20, 10));
    ASSERT_EQ(swapped.status, PageDocument::AddStatus::Added);
    EXPECT_EQ(swapped.id, 1);
    EXPECT_EQ(document.stack().find(0), nullptr);
    EXPECT_EQ(document.stack().find(1)->listRow, 0);
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
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(historyKinds(), (std::vector{HistoryKind::Add, HistoryKind::Modify}));

    document.setModified(false);
    EXPECT_TRUE(document.moveSelected(5, 6));
    EXPECT_TRUE(document.isModified()) << "a move";
    // 40 x 30 is shown at half the page's width, 496 x 372.
    EXPECT_EQ(document.stack().find(0)->region, (editor::PageRect{5, 6, 501, 378}));
    EXPECT_TRUE(document.resizeSelected({7, 8, 0, -3}));
    EXPECT_EQ(document.stack().find(0)->region, (editor::PageRect{7, 8, 8, 9}))
        << "a handle dragged through the opposite edge leaves a page pixel";
    EXPECT_EQ(document.history().entries().back().layer.x, 7) << "the entry is the new place";

    document.setModified(false);
    EXPECT_TRUE(document.deleteLayer(0));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.history().entries().back().kind, HistoryKind::Delete);
    EXPECT_EQ(modified.count(), 5) << "on, off, on, off, on";
    EXPECT_FALSE(document.deleteLayer(0)) << "no such layer any more";
}

TEST_F(PageDocumentTest, DeletingNamesTheLayerAskedAboutNotTheSelectedOne) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.addPhoto(box.writePicture("b.png", 40, 30));
    ASSERT_EQ(document.selection().currentId(), 1);
    ASSERT_TRUE(document.deleteLayer(0));
    EXPECT_EQ(document.history().entries().back().layer.id, 0);
    EXPECT_NE(document.stack().find(1), nullptr);
    EXPECT_EQ(document.stack().find(1)->listRow, 0) << "the row below moved up";
    EXPECT_EQ(document.layerRows(), 1);
}

TEST_F(PageDocumentTest, PicturesThatCannotBeAddedComeBackTogetherInOrder) {
    const auto failed =
        document.addPhotos({box.writePicture("a.png", 40, 30), box.path("missing.png"),
                            box.path("notes.txt"), box.writePicture("b.png", 30, 40)});
    EXPECT_EQ(document.photoLayers(), 2) << "the good ones after a bad one are added too";
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].path, box.path("missing.png"));
    EXPECT_EQ(failed[0].status, PageDocument::AddStatus::Unreadable);
    EXPECT_EQ(failed[1].status, PageDocument::AddStatus::UnknownFormat);
}

TEST_F(PageDocumentTest, APanoramaStaysAtLeastOnePagePixelHigh) {
    // 20000 x 10 fits the 600 x 450 working box at 600 x 0.3, and half the A4 page width at
    // 496 x 0.248: both would vanish.
    ASSERT_EQ(document.addPhoto(box.writePicture("wide.png", 20000, 10)).status,
              PageDocument::AddStatus::Added);
    const editor::LayerRecord& layer = *document.stack().find(0);
    EXPECT_EQ(layer.bitmapWidth, 600);
    EXPECT_EQ(layer.bitmapHeight, 1);
    EXPECT_EQ(layer.boxWidth(), 496);
    EXPECT_EQ(layer.boxHeight(), 1);
    document.setDisplayScale(494.0 / 1403);
    EXPECT_EQ(document.pickAt(int(12 * 494.0 / 1403), int(10 * 494.0 / 1403)), 0)
        << "and can be picked";
}

TEST_F(PageDocumentTest, ArrangedPhotosFillTheGridCellsInTurn) {
    ASSERT_TRUE(document.setCellSize(100, 70));
    ASSERT_TRUE(document.setArrangement(true));
    document.addPhoto(box.writePicture("a.png", 600, 420));
    // A4 at 1403 / 297 page pixels a millimetre: the 100 x 70 mm cell is 472.39 x 330.67,
    // which a picture of its own shape fills to 472 x 330. Margins: (210 - 200) / 4 = 2.5 mm
    // and (297 - 280) / 8 = 2.125 mm, 11 and 10 page pixels.
    const editor::LayerRecord& first = *document.stack().find(0);
    EXPECT_EQ(first.region, (editor::PageRect{11, 10, 11 + 472, 10 + 330}));
    document.addPhoto(box.writePicture("b.png", 600, 420));
    EXPECT_EQ(document.stack().find(1)->x, 507) << "(2.5 + 100 + 2.5 + 2.5) mm";

    QSignalSpy ended(&document, &PageDocument::arrangementEnded);
    document.recordChange();
    EXPECT_FALSE(document.arrangement().on) << "moving a photo by hand ends arranging";
    EXPECT_EQ(ended.count(), 1);
    document.addPhoto(box.writePicture("c.png", 600, 420));
    EXPECT_EQ(document.stack().find(2)->x, 2 * 2 + 10) << "the default place again";
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
    EXPECT_EQ(cropped->width(), 200);
    EXPECT_EQ(cropped->height(), 300);
    const auto other = imaging::readBmp(box.stdPath("trip_srcImg/trip_1.bmp"));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->pixelColour(0, 0).green, 200) << "layer 1's file is untouched";
    EXPECT_EQ(document.history().entries().back().kind, HistoryKind::Modify);

    QFile::remove(box.path("trip_srcImg/trip_0_1.bmp"));
    EXPECT_EQ(document.cropSelected({10, 10, 10, 10}), PageDocument::EditStatus::Unreadable);
    EXPECT_EQ(document.stack().find(0)->content, "trip_0_1.bmp") << "a failed crop changes nothing";
}

TEST_F(PageDocumentTest, UndoingADeletionBringsBackTheLayerWithItsIdAndThumbnail) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.addPhoto(box.writePicture("b.png", 40, 30));
    const editor::LayerRecord before = *document.stack().find(0);
    ASSERT_TRUE(document.deleteLayer(0));
    document.setModified(false);
    QSignalSpy added(&document, &PageDocument::layerAdded);

    EXPECT_EQ(document.undo(), PageDocument::StepOutcome::Applied);
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added.at(0).at(0).toInt(), 0) << "its old id";
    const editor::LayerRecord* back = document.stack().find(0);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->listRow, 0) << "its old row, above the photo added after it";
    EXPECT_EQ(document.stack().idAtRow(1), 1);
    EXPECT_EQ(back->thumbIndex, before.thumbIndex);
    EXPECT_EQ(document.listPictures().size(), PageDocument::kFixedListPictures + 2)
        << "its thumbnail never left the list's pictures";
    EXPECT_EQ(back->region, before.region);
    EXPECT_EQ(document.selection().currentId(), 0);
    EXPECT_TRUE(document.isModified()) << "every step applied marks the page";

    EXPECT_EQ(document.redo(), PageDocument::StepOutcome::Applied);
    EXPECT_EQ(document.stack().find(0), nullptr);
    EXPECT_EQ(document.layerRows(), 1);
}

TEST_F(PageDocumentTest, ListRowsFollowTheStackThroughUndoAndRedo) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.addPhoto(box.writePicture("b.png", 40, 30));
    document.moveSelected(300, 300); // layer 1, in list row 1
    const int text = document.addText();
    document.deleteLayer(0); // the others move up a row
    EXPECT_EQ(document.stack().idAtRow(0), 1);
    document.undo(); // layer 0 is back in row 0, the others below it again
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(document.stack().idAtRow(row), row == 2 ? text : row);
    // Redone, the deletion takes layer 0's row, not another's.
    ASSERT_EQ(document.redo(), PageDocument::StepOutcome::Applied);
    EXPECT_EQ(document.stack().find(0), nullptr);
    EXPECT_EQ(document.stack().idAtRow(0), 1);
    EXPECT_EQ(document.stack().idAtRow(1), text);
}

TEST_F(PageDocumentTest, UndoAndRedoBringBackThePageAsItStood) {
    // Letter in inches (8.499983 x 10.999978 by the rounded factor), turned, then an 8 x 10
    // in paper, which is chosen upright.
    document.changeUnit(1);
    ASSERT_TRUE(document.choosePaper(1, 215.9, 279.4).isEmpty());
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.setPortrait(false);
    ASSERT_TRUE(document.choosePaper(2, 203.2, 254).isEmpty());
    const auto expectPage = [this](double width, double height, bool portrait, int row) {
        const auto& p = document.project();
        EXPECT_NEAR(p.canvasWidth, width, 1e-5);
        EXPECT_NEAR(p.canvasHeight, height, 1e-5);
        EXPECT_EQ(p.portrait, portrait);
        EXPECT_EQ(p.paperRow, row);
    };

    QSignalSpy restored(&document, &PageDocument::pageRestored);
    document.undo();
    expectPage(10.999978, 8.499983, false, 1); // Letter on its side, not 10 x 8 upright
    document.undo();
    expectPage(8.499983, 10.999978, true, 1);
    document.redo();
    document.redo();
    expectPage(7.999984, 9.99998, true, 2);
    ASSERT_EQ(restored.count(), 4);
    EXPECT_EQ(restored.at(1).at(0).value<HistoryKind>(), HistoryKind::Orientation);

    // A unit change right after the undo is the undo's own doing, and is not recorded.
    document.select(0);
    const int entries = document.history().count();
    document.recordPageChange(HistoryKind::Unit);
    EXPECT_EQ(document.history().count(), entries);
    document.moveSelected(1, 1);
    document.recordPageChange(HistoryKind::Unit);
    EXPECT_EQ(document.history().count(), entries + 2) << "after another change it is";
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
