// Captions without a display: the picture's size and the text's place, and what rendering
// does to the selected caption and its undo history. A fake drawer fills the picture only.
#include "editor/model/CaptionLayout.h"
#include "editor/model/PageDocument.h"
#include "tests/editor/Layers.h"

#include <gtest/gtest.h>

using editor::CaptionLayout;
using editor::CaptionSettings;

namespace {

CaptionSettings caption(const QString& text, int size, bool vertical = false) {
    return {.text = text, .size = size, .style = {.vertical = vertical}};
}

// At 36, on a background of width x height in the unit.
CaptionSettings opaque(const QString& text, double width, double height, bool vertical) {
    CaptionSettings s = caption(text, 36, vertical);
    s.opaque = true;
    s.backgroundWidth = width;
    s.backgroundHeight = height;
    return s;
}

} // namespace

// Five letters at 36 are 500 wide and 36 + 12 high, the text at (6, 2); 72 x 10 characters
// are 720, at least 510: as wide as that. Opaque, 100 x 20 mm are 472 x 94 and the text is
// centred by its estimated length of 5 x 36 x 4 / 5 = 144; leading blanks take no room.
TEST(CaptionLayout, PictureSizesAndTextPlaces) {
    const double mm = 4.7244;
    const auto clear = CaptionLayout::kTransparentFill;
    const struct {
        const char* why;
        CaptionSettings settings;
        CaptionLayout expected;
    } rows[] = {
        {"five letters at 36", caption("Hello", 36), {500, 48, 6, 2, clear}},
        {"at least 510: as wide", caption("0123456789", 72), {720, 84, 6, 2, clear}},
        {"vertical: from the bottom up", caption("Hello", 36, true), {48, 500, 4, 494, clear}},
        {"no size: a strip 12 high", caption("x", 0), {500, 12, 6, 2, clear}},
        {"opaque 100 x 20 mm", opaque("Hello", 100, 20, false), {472, 94, 164, 27, 0x00E71258}},
        {"opaque vertical", opaque("Hello", 20, 100, true), {94, 472, 27, 308, 0x00E71258}},
        {"2 x 36 x 4 / 5 = 57", opaque("   Hi", 100, 20, false), {472, 94, 207, 27, 0x00E71258}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CaptionLayout::of(row.settings, mm), row.expected) << row.why;
}

TEST(CaptionLayout, AnOpaqueBackgroundTurnsToRunAlongItsText) {
    using Size = CaptionLayout::Size;
    const auto along = CaptionLayout::backgroundAlongText;
    EXPECT_EQ(along({100, 20}, false), (Size{100, 20})) << "wide, across: kept";
    EXPECT_EQ(along({100, 20}, true), (Size{20, 100})) << "wide, turned upright: tall";
    EXPECT_EQ(along({20, 100}, false), (Size{100, 20})) << "tall, across again: wide";
    EXPECT_EQ(along({20, 100}, true), (Size{20, 100})) << "tall, upright: kept";
}

class CaptionDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override { document.setCaptionDrawer(&drawer); }
    const editor::LayerRecord& layer() { return *document.stack().find(id); }

    testsupport::FillingCaptionDrawer drawer;
    editor::PageDocument document;
    int id = -1;
};

TEST_F(CaptionDocumentTest, ANewCaptionIsAnEmptyStripAcrossThePage) {
    id = document.addText();
    // 210 mm and 9 % of it at 4.7244 page pixels a millimetre: 992 x 89.
    EXPECT_EQ(layer().region, (editor::PageRect{12, 12, 12 + 992, 12 + 89}));
    EXPECT_EQ(document.selection().currentId(), id);
}

TEST_F(CaptionDocumentTest, RenderingStoresTheCaptionAndRecordsOnlyChangesOfShape) {
    id = document.addText();
    CaptionSettings settings = caption("Hello", 36);
    ASSERT_TRUE(document.renderCaption(settings));
    EXPECT_EQ(layer().region, (editor::PageRect{12, 12, 512, 60})) << "the box is the picture";
    EXPECT_EQ(layer().content, "Arial,Hello");
    const int entries = document.history().count();
    EXPECT_EQ(entries, 3);

    settings.text = "Goodbye";
    settings.face = "Liberation Serif";
    settings.textColour = 0x000000FF;
    ASSERT_TRUE(document.renderCaption(settings));
    EXPECT_EQ(layer().content, "Liberation Serif,Goodbye");
    EXPECT_EQ(document.history().count(), entries) << "text, face and colour add no record";

    settings.style.bold = true;
    ASSERT_TRUE(document.renderCaption(settings));
    EXPECT_EQ(layer().textStyle, 10);
    EXPECT_EQ(document.history().count(), entries + 1);
    document.undo();
    EXPECT_EQ(layer().textStyle, 0);
}

TEST_F(CaptionDocumentTest, ATallVerticalCaptionGrowsUpwardsWithinThePageAndAHugeOneIsRefused) {
    id = document.addText();
    ASSERT_TRUE(document.renderCaption(caption("Hello", 36, true)));
    ASSERT_EQ(layer().y, 12);
    // 20 characters at 36 are 720 long: the bottom edge stays at 600 + 500.
    document.moveSelected(12, 600);
    ASSERT_TRUE(document.renderCaption(caption(QString(20, 'x'), 36, true)));
    EXPECT_EQ(layer().y, 380);
    // Near the top of the page it stops there and grows downwards: 30 characters are 1080
    // long, and 12 + 720 - 1080 would be off the page.
    document.moveSelected(12, 12);
    ASSERT_TRUE(document.renderCaption(caption(QString(30, 'x'), 36, true)));
    EXPECT_EQ(layer().y, 0);

    const editor::PageRect before = layer().region;
    EXPECT_FALSE(document.renderCaption(caption(QString(10000, 'x'), 36)))
        << "360 000 pixels wide is past any picture";
    EXPECT_FALSE(document.renderCaption(caption("x", 100000)));
    EXPECT_EQ(layer().region, before) << "the caption stays as it was";

    document.select(-1);
    EXPECT_FALSE(document.renderCaption(caption("x", 36))) << "no caption selected";
}
