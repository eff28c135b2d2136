#include "editor/model/LayerSelection.h"
#include "tests/editor/Layers.h"

#include <gtest/gtest.h>

using editor::LayerSelection;
using editor::LayerStack;

// A stack and the selection on it.
struct LayerSelectionTest : ::testing::Test {
    LayerStack stack;
    LayerSelection selection{stack};
};

TEST_F(LayerSelectionTest, EveryOperationNeedsASelectedLayer) {
    stack.add(testsupport::photoLayer(0, 0, 0, 10, 10));
    EXPECT_EQ(selection.currentId(), -1);
    EXPECT_FALSE(selection.place(1, 1, 5, 5));
    EXPECT_FALSE(selection.setContent("x"));
    EXPECT_FALSE(selection.setBackground(true, 0));
    EXPECT_FALSE(selection.setPictureSize(2, 2));
    EXPECT_FALSE(selection.replacePicture(testsupport::solid24(2, 2, 0), false));
    selection.setCurrentId(7);
    EXPECT_FALSE(selection.place(1, 1, 5, 5)) << "an id that names no layer";
    EXPECT_EQ(stack.find(0)->x, 0);
}

TEST_F(LayerSelectionTest, PlaceMovesTheRegionAndTheFrameAndRefreshesTheCopy) {
    stack.add(testsupport::photoLayer(4, 0, 0, 10, 10));
    selection.setDisplayScale(0.5);
    selection.setCurrentId(4);
    ASSERT_TRUE(selection.place(21, 41, 101, 51));
    const editor::LayerRecord& r = *stack.find(4);
    EXPECT_EQ(r.x, 21);
    EXPECT_EQ(r.region, (editor::PageRect{21, 41, 122, 92}));
    EXPECT_EQ(selection.frame(), (editor::ScreenFrame{10, 20, 50, 25})) << "scaled and truncated";
    EXPECT_EQ(selection.selectedCopy().region, r.region);

    ASSERT_TRUE(selection.setContent("newPrj14_1.bmp"));
    EXPECT_EQ(selection.selectedCopy().content, "newPrj14_1.bmp");
    ASSERT_TRUE(selection.setBackground(false, 0x123456));
    EXPECT_EQ(stack.find(4)->color, 0u) << "the colour is only taken when hiding";
    ASSERT_TRUE(selection.setBackground(true, 0x123456));
    EXPECT_EQ(selection.selectedCopy().color, 0x123456u);
}

TEST_F(LayerSelectionTest, PictureSizeKeepsTheShownWidth) {
    stack.add(testsupport::photoLayer(0, 10, 20, 200, 100));
    selection.setCurrentId(0);
    ASSERT_TRUE(selection.setPictureSize(300, 450));
    const editor::LayerRecord& r = *stack.find(0);
    EXPECT_EQ(r.bitmapWidth, 300);
    EXPECT_EQ(r.region, (editor::PageRect{10, 20, 210, 320})) << "height = 450 x 200 / 300";
}

TEST_F(LayerSelectionTest, ReplacePictureTurnedSwapsTheBox) {
    stack.add(testsupport::photoLayer(0, 10, 20, 60, 40));
    selection.setCurrentId(0);
    ASSERT_TRUE(selection.replacePicture(testsupport::solid24(40, 60, 0xFF0000), true));
    const editor::LayerRecord& r = *stack.find(0);
    EXPECT_EQ(r.region, (editor::PageRect{10, 20, 50, 80}));
    EXPECT_EQ(std::pair(r.bitmapWidth, r.bitmapHeight), std::pair(40, 60));
    EXPECT_EQ(testsupport::rgbAt(r.bitmap, 0, 0), 0xFF0000u);

    ASSERT_TRUE(selection.replacePicture(testsupport::solid24(40, 60, 0x00FF00), false));
    EXPECT_EQ(r.region, (editor::PageRect{10, 20, 50, 80}));
    EXPECT_EQ(testsupport::rgbAt(selection.selectedCopy().bitmap, 0, 0), 0x00FF00u);
}
