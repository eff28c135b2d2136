#include "editor/model/LayerStack.h"
#include "tests/editor/Layers.h"

#include <gtest/gtest.h>

using editor::LayerStack;
using testsupport::photoLayer;

struct LayerStackTest : ::testing::Test {
    std::vector<int> idsBottomFirst() const {
        std::vector<int> ids;
        for (const auto& r : stack.layers())
            ids.push_back(r.id);
        return ids;
    }
    LayerStack stack;
};

TEST_F(LayerStackTest, AddNumbersRowsAndRefusesATakenId) {
    EXPECT_TRUE(stack.add(photoLayer(0, 0, 0, 4, 4)));
    EXPECT_TRUE(stack.add(photoLayer(1, 0, 0, 4, 4)));
    EXPECT_FALSE(stack.add(photoLayer(1, 9, 9, 4, 4)));
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.find(1)->x, 0) << "the refused record changed nothing";
    EXPECT_EQ(stack.idAtRow(1), 1);
    EXPECT_EQ(stack.idAtRow(7), -1);
}

TEST_F(LayerStackTest, RemovingMovesTheRowsOfHigherIdsUp) {
    for (int id = 0; id < 4; ++id)
        stack.add(photoLayer(id, 0, 0, 4, 4));
    EXPECT_TRUE(stack.remove(3));
    EXPECT_EQ(stack.find(2)->listRow, 2) << "removing the highest id leaves the rest";
    EXPECT_TRUE(stack.remove(1));
    EXPECT_EQ(std::pair(stack.find(2)->listRow, stack.find(2)->zOrder), std::pair(1, 1));
    EXPECT_EQ(stack.idAtRow(1), 2);
    EXPECT_FALSE(stack.remove(1));
}

TEST_F(LayerStackTest, BringToTopKeepsZOrderEqualToTheIndex) {
    for (int id = 0; id < 3; ++id)
        stack.add(photoLayer(id, 0, 0, 4, 4));
    EXPECT_TRUE(stack.bringToTop(0));
    EXPECT_EQ(idsBottomFirst(), (std::vector<int>{1, 2, 0}));
    for (int i = 0; i < stack.count(); ++i)
        EXPECT_EQ(stack.at(i).zOrder, i);
    EXPECT_EQ(stack.find(0)->listRow, 0) << "list rows do not follow the stacking";
    EXPECT_FALSE(stack.bringToTop(42));
}

TEST_F(LayerStackTest, HitTestFindsTheUpperLayerAndRaisesIt) {
    EXPECT_EQ(stack.hitTest(5, 5, 1.0), LayerStack::kEmptyStack);

    stack.add(photoLayer(0, 0, 0, 100, 100));
    stack.add(photoLayer(1, 50, 50, 100, 100));
    stack.add(photoLayer(2, 400, 400, 10, 10));
    EXPECT_EQ(stack.hitTest(300, 300, 1.0), LayerStack::kMissed);
    // Canvas point (30, 30) at scale 0.5 is page point (60, 60): both 0 and 1 cover it.
    EXPECT_EQ(stack.hitTest(30, 30, 0.5), 1);
    EXPECT_EQ(stack.hitTest(10, 10, 0.5), 0);
    EXPECT_EQ(idsBottomFirst(), (std::vector<int>{2, 1, 0})) << "the hit layer goes on top";
    EXPECT_EQ(stack.hitTest(30, 30, 0.5), 0) << "now layer 0 lies above";

    stack.setVisible(0, false);
    EXPECT_EQ(stack.hitTest(30, 30, 0.5), 1) << "hidden layers are never hit";
    stack.find(1)->hasRegion = false;
    EXPECT_EQ(stack.hitTest(30, 30, 0.5), LayerStack::kMissed);
    // The right and bottom edges are outside.
    EXPECT_EQ(stack.hitTest(410, 405, 1.0), LayerStack::kMissed);
    EXPECT_EQ(stack.hitTest(409, 409, 1.0), 2);
}

TEST(LayerRecord, PicturesBecome24Bits) {
    editor::LayerRecord b = photoLayer(3, 1, 2, 6, 4);
    imaging::DibImage palette;
    palette.create(5, 3, 8);
    EXPECT_TRUE(b.setBitmap(palette));
    EXPECT_EQ(b.bitmap.bitsPerPixel(), 24);
    EXPECT_EQ(b.bitmapWidth, 5);
    EXPECT_FALSE(b.setBitmap(imaging::DibImage()));
    EXPECT_EQ(b.bitmapWidth, 5) << "a failed copy keeps the old picture";
}
