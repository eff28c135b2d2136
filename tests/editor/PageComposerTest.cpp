#include "editor/model/PageComposer.h"
#include "imaging/BmpFile.h"
#include "tests/editor/Layers.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

using editor::LayerStack;
using editor::PageComposer;
using testsupport::rgbAt;

namespace {

// The layers of a page, and the project folder their full-size files are read from.
class PageComposerTest : public ::testing::Test {
  protected:
    std::optional<imaging::DibImage> compose(int width, int height, bool portrait = true) {
        return PageComposer::compose(stack, width, height, portrait, box.folder());
    }
    void writeFullSize(const imaging::DibImage& picture) {
        ASSERT_TRUE(imaging::saveAsBmp(picture, box.stdPath("newPrj11.bmp")));
    }

    testsupport::Sandbox box;
    LayerStack stack;
};

} // namespace

TEST_F(PageComposerTest, AnEmptyPageOrAMissingPhotoFileFails) {
    EXPECT_FALSE(compose(40, 60));
    stack.add(testsupport::photoLayer(1, 0, 0, 4, 4));
    EXPECT_FALSE(compose(40, 60)) << "no full-size file";
}

TEST_F(PageComposerTest, PhotosAreReadFromTheirFullSizeFiles) {
    // The working picture is grey, the full-size file blue: the page must show blue.
    editor::LayerRecord photo = testsupport::photoLayer(1, 5, 6, 4, 4, 0x808080);
    photo.region = {5, 6, 15, 11}; // shown at 10 x 5, larger than the 8 x 8 file
    stack.add(photo);
    writeFullSize(testsupport::solid24(8, 8, 0x0000FF));

    const auto page = compose(40, 60);
    ASSERT_TRUE(page);
    EXPECT_EQ(rgbAt(*page, 5, 6), 0x0000FFu);
    EXPECT_EQ(rgbAt(*page, 14, 10), 0x0000FFu);
    EXPECT_EQ(rgbAt(*page, 15, 10), 0xFFFFFFu) << "white paper: the box's right edge is outside";

    // Shrunk into a smaller box, the colour is still exact.
    stack.find(1)->region = {5, 6, 7, 8};
    const auto small = compose(40, 60);
    EXPECT_EQ(rgbAt(*small, 6, 7), 0x0000FFu);
    EXPECT_EQ(rgbAt(*small, 7, 7), 0xFFFFFFu);
}

// A photo whose box is far larger than the page: the part of it on the page is drawn, the
// rest is not made at all. Its 2 x 2 file is red on the left, green on the right; its box,
// 20000 x 20000 at (-10000, -100), puts the colours' border at x = 0: the page is green.
TEST_F(PageComposerTest, OnlyThePartOfALayerOnThePageIsDrawnWhateverItsBox) {
    writeFullSize(testsupport::picture24({{0xFF0000, 0x00FF00}, {0xFF0000, 0x00FF00}}));
    editor::LayerRecord huge = testsupport::photoLayer(1, -10000, -100, 2, 2);
    huge.region = {-10000, -100, 10000, 19900};
    stack.add(huge);
    const auto page = compose(40, 60);
    ASSERT_TRUE(page);
    EXPECT_EQ(rgbAt(*page, 0, 0), 0x00FF00u);
    EXPECT_EQ(rgbAt(*page, 39, 59), 0x00FF00u);

    stack.find(1)->region = {100, 100, 120, 120}; // wholly off the page: nothing to draw
    const auto blank = compose(40, 60);
    ASSERT_TRUE(blank) << "a layer off the page is no failure";
    EXPECT_EQ(rgbAt(*blank, 20, 30), 0xFFFFFFu);
}

TEST_F(PageComposerTest, HiddenBackgroundsAreKeyedOutAndHiddenLayersSkipped) {
    stack.add(testsupport::photoLayer(1, 0, 0, 20, 20, 0x00FF00));
    writeFullSize(testsupport::solid24(20, 20, 0x00FF00));
    stack.add(testsupport::captionLayer(2, 0, 0, 20, 3));

    const auto page = compose(20, 20);
    ASSERT_TRUE(page);
    EXPECT_EQ(rgbAt(*page, 3, 0), 0x00FF00u) << "the caption's yellow lets the photo through";
    EXPECT_EQ(rgbAt(*page, 3, 1), 0xFF0000u) << "its text colour covers it";

    stack.find(1)->backgroundHidden = true;
    stack.find(1)->color = 0x0000FF00; // green as 0x00BBGGRR
    EXPECT_EQ(rgbAt(*compose(20, 20), 10, 10), 0xFFFFFFu) << "the key colour is transparent";

    stack.setVisible(2, false);
    EXPECT_EQ(rgbAt(*compose(20, 20), 3, 1), 0xFFFFFFu);
}

TEST_F(PageComposerTest, LandscapePagesComeBackTurnedClockwise) {
    stack.add(testsupport::captionLayer(1, 0, 0, 4, 3));
    stack.find(1)->backgroundHidden = false;
    const auto page = compose(30, 20, false);
    ASSERT_TRUE(page);
    EXPECT_EQ(std::pair(page->width(), page->height()), std::pair(20, 30));
    // The caption's red middle row (y = 1) of the upright page lands in column 20 - 1 - 1.
    EXPECT_EQ(rgbAt(*page, 18, 0), 0xFF0000u);
    EXPECT_EQ(rgbAt(*page, 19, 0), 0xFFFFA5u);
}

// On paper the page's width fills the printable width and its height follows; the printable
// height is not consulted.
TEST(PageComposer, PrintedPagesFillThePrintableWidth) {
    struct {
        int width, height, printable, printed;
        const char* why;
    } rows[] = {
        {992, 1403, 4760, 6732, "A4 enlarged: 4760 x 1403 / 992 = 6732.2"},
        {992, 1403, 800, 1131, "A4 reduced: 800 x 1403 / 992 = 1131.5, cut down"},
        {1403, 992, 4760, 3365, "a page wider than high: 4760 x 992 / 1403 = 3365.4"},
        {0, 1403, 4760, 0, "no page"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PageComposer::printedHeight(r.width, r.height, r.printable), r.printed) << r.why;

    // Left half black, right half white: reduction averages whole cells, enlargement blends.
    const imaging::DibImage page =
        testsupport::picture24({{0, 0, 0xFFFFFF, 0xFFFFFF}, {0, 0, 0xFFFFFF, 0xFFFFFF}});
    EXPECT_EQ(testsupport::rgbGrid(PageComposer::printed(page, 2)),
              (std::vector<uint32_t>{0x000000, 0xFFFFFF}))
        << "2 x 1, each pixel a whole black or white cell";
    const imaging::DibImage enlarged = PageComposer::printed(page, 16);
    ASSERT_EQ(enlarged.height(), 8);
    const uint8_t nearTheEdge = enlarged.row(4)[8 * 3];
    EXPECT_TRUE(nearTheEdge > 0 && nearTheEdge < 255)
        << "half-tone: no hard black-to-white step, " << int(nearTheEdge);
    EXPECT_TRUE(PageComposer::printed(page, 70000).isEmpty()) << "too wide to hold";
}
