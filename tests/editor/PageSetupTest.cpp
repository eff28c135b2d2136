// Page setup on the document: paper, unit and orientation with their undo, the arrangement
// grid, and the selected layer moved and sized by number.
#include "editor/model/PageDocument.h"
#include "editor/model/UnitValues.h"
#include "tests/support/Sandbox.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using editor::HistoryKind;
using editor::PageDocument;
using editor::PageRect;
using editor::UnitValues;

namespace {

class PageSetupTest : public ::testing::Test {
  protected:
    void SetUp() override { document.setUpFolders(box.folder()); }
    void addPhotos(int count) {
        for (int i = 0; i < count; ++i)
            document.addPhoto(box.writePicture(QString("p%1.png").arg(i), 60, 40));
    }
    const editor::LayerRecord& layer(int id) const { return *document.stack().find(id); }
    std::vector<PageRect> regions() const {
        std::vector<PageRect> all;
        for (const editor::LayerRecord& r : document.stack().layers())
            all.push_back(r.region);
        return all;
    }

    testsupport::Sandbox box;
    PageDocument document;
};

} // namespace

TEST_F(PageSetupTest, PaperUnitAndOrientationChangeThePageAndUndoBringsItBackAsItStood) {
    addPhotos(1);
    QSignalSpy applied(&document, &PageDocument::pageApplied);
    EXPECT_TRUE(document.choosePaper(0, 215.9, 279.4).isEmpty());
    EXPECT_EQ(document.project().pageWidth, 1020) << "Letter: 1019.998 rounded up";
    EXPECT_EQ(document.selection().currentId(), -1) << "a new page selects nothing";
    EXPECT_EQ(applied.count(), 1);
    document.changeUnit(UnitValues::kInch);
    // 0.03937 inches a millimetre: 215.9 mm are 8.499983 inches, 279.4 mm are 10.999978.
    EXPECT_NEAR(document.project().canvasWidth, 8.499983, 1e-9);
    EXPECT_EQ(document.project().pageWidth, 1020) << "a unit change keeps the page pixels";
    document.setPortrait(false);
    document.setPortrait(false);
    EXPECT_EQ(document.history().entries().back().kind, HistoryKind::Orientation)
        << "the orientation it has is no change";
    ASSERT_TRUE(document.choosePaper(2, 203.2, 254).isEmpty()); // 8 x 10 in, chosen upright
    EXPECT_EQ(document.history().count(), 6) << "each recorded though no layer is selected";

    const auto expectPage = [this](double width, double height, bool portrait, int row) {
        const auto& p = document.project();
        EXPECT_NEAR(p.canvasWidth, width, 1e-7);
        EXPECT_NEAR(p.canvasHeight, height, 1e-7);
        EXPECT_EQ(std::pair(p.portrait, p.paperRow), std::pair(portrait, row));
    };
    QSignalSpy restored(&document, &PageDocument::pageRestored);
    document.undo();
    expectPage(10.999978, 8.499983, false, 0); // Letter on its side, not 10 x 8
    document.undo();
    expectPage(8.499983, 10.999978, true, 0);
    EXPECT_EQ(restored.at(1).at(0).value<HistoryKind>(), HistoryKind::Orientation);
    document.undo();
    EXPECT_EQ(document.project().unitRow, UnitValues::kMillimetre);
    EXPECT_NEAR(document.project().canvasWidth, 215.8995682, 1e-7)
        << "back through the rounded factors: 8.499983 x 25.4";
    document.undo();
    EXPECT_EQ(document.project().canvasWidth, 210.0) << "the A4 the photo was added on";
    EXPECT_EQ(document.project().pageWidth, 993);
    for (int step = 0; step < 4; ++step)
        ASSERT_EQ(document.redo(), PageDocument::StepOutcome::Applied);
    expectPage(7.999984, 9.99998, true, 2);

    // A unit change right after the undo is the undo's own doing, and is not recorded.
    document.undo();
    const int entries = document.history().count();
    document.recordPageChange(HistoryKind::Unit);
    EXPECT_EQ(document.history().count(), entries);
}

TEST_F(PageSetupTest, SizesThatMakeNoPageChangeNothing) {
    EXPECT_FALSE(document.setCanvasSize(0, 297).isEmpty());
    EXPECT_FALSE(document.setCanvasSize(100000, 297).isEmpty());
    EXPECT_FALSE(document.choosePaper(3, 0, 0).isEmpty());
    EXPECT_EQ(document.project().pageWidth, 992) << "the page as it started";
    EXPECT_EQ(document.history().count(), 0);

    EXPECT_TRUE(document.setCanvasSize(100, 150).isEmpty());
    EXPECT_EQ(document.project().paperRow, 14) << "a size typed in is the user-defined paper";
}

TEST_F(PageSetupTest, PhotosFillTheGridAndNineDoNotFitEight) {
    addPhotos(8);
    ASSERT_TRUE(document.setCellSize(100, 70));
    ASSERT_TRUE(document.setArrangement(true));
    // 100 x 70 mm cells on A4 make 2 columns and 4 rows, with margins of 2.5 and 2.125 mm, at
    // 1403 / 297 page pixels a millimetre, truncated. Photo 1 takes column 1 at
    // (2.5 + 100 + 2.5 + 2.5) mm; photo 5 row 2, column 1: y = 2 x 74.25 + 2.125 = 150.625 mm.
    EXPECT_EQ(layer(1).x, 507);
    EXPECT_EQ(std::pair(layer(4).x, layer(4).y), std::pair(11, 711));
    EXPECT_EQ(document.history().entries().back().kind, HistoryKind::Arrange);

    // A hand-typed move ends arranging, and is undone back to the arranged place.
    document.select(4);
    const PageRect arranged = layer(4).region;
    QSignalSpy ended(&document, &PageDocument::arrangementEnded);
    ASSERT_TRUE(document.moveSelectedTo(50, 60));
    EXPECT_FALSE(document.arrangement().on);
    EXPECT_EQ(ended.count(), 1);
    document.undo();
    EXPECT_EQ(layer(4).region, arranged);

    addPhotos(1);
    const auto before = regions();
    EXPECT_FALSE(document.arrangeAll()) << "nine photos, eight cells";
    EXPECT_EQ(regions(), before) << "nothing moved";
    (void)document.setArrangement(true);
    document.changeUnit(UnitValues::kInch);
    EXPECT_NEAR(document.arrangement().cellWidth, 3.937, 1e-12)
        << "the cells follow the unit while arranging: 100 mm x 0.03937";
}

TEST_F(PageSetupTest, TheSelectedLayerMovesAndResizesByNumber) {
    document.addPhoto(box.writePicture("a.png", 400, 300));
    const double f = 1403 / 297.0;
    // 50 mm is 236.2 page pixels, truncated to 236, which is still the whole 50 mm.
    ASSERT_TRUE(document.moveSelectedTo(50, 60));
    EXPECT_EQ(std::pair(layer(0).x, layer(0).y), std::pair(236, int(60 * f)));

    // 100 mm wide keeping 4 : 3 is 472 x 354 page pixels (75 mm high after snapping).
    ASSERT_TRUE(document.resizeSelectedTo(100, 1, PageDocument::Proportions::WidthLeads));
    EXPECT_EQ(std::pair(layer(0).boxWidth(), layer(0).boxHeight()), std::pair(472, 354));
    ASSERT_TRUE(document.resizeSelectedTo(100, 50, PageDocument::Proportions::Free));
    EXPECT_EQ(layer(0).boxHeight(), 236) << "each side its own";
    EXPECT_EQ(layer(0).x, 236) << "resizing keeps the corner";
    EXPECT_FALSE(document.resizeSelectedTo(0, 50, PageDocument::Proportions::Free));

    document.undo();
    EXPECT_EQ(layer(0).boxHeight(), 354);
}
