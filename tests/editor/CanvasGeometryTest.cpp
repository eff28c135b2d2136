#include "editor/model/CanvasGeometry.h"

#include <array>
#include <gtest/gtest.h>

using editor::CanvasGeometry;
using namespace editor; // the hit zones by name
using editor::PageGeometry;
using editor::ScreenFrame;
using editor::ScreenRect;

namespace {
const ScreenFrame kFrame{100, 100, 200, 100}; // right edge 300, bottom edge 200
}

TEST(CanvasGeometry, HitZonesAroundTheFrame) {
    const struct {
        const char* what;
        int x, y;
        HitZone zone;
    } cases[] = {
        {"2 px right of the right edge at mid-height", 302, 150, kRightMiddle},
        {"2 px left of the left edge", 98, 150, kOutside},
        {"top-left corner", 100, 100, kTopLeft},
        {"just inside the top-left corner", 102, 102, kTopLeft},
        {"top middle", 200, 100, kTopMiddle},
        {"top right", 300, 100, kTopRight},
        {"bottom right, still above the edge", 299, 199, kBottomRight},
        {"bottom middle", 201, 198, kBottomMiddle},
        {"bottom left", 101, 199, kBottomLeft},
        {"left middle", 101, 149, kLeftMiddle},
        {"the body", 150, 150, kBody},
        {"on the bottom edge", 150, 200, kOutside},
        {"right of the frame and above it", 305, 95, kOutside},
        {"3 px from a handle is no longer near", 103, 103, kBody},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CanvasGeometry::hitZone(c.x, c.y, kFrame), c.zone) << c.what;
}

TEST(CanvasGeometry, ResizeStepPerHandle) {
    const double aspect = 2.0; // picture twice as wide as tall
    const auto step = CanvasGeometry::resizeStep;
    const struct {
        HitZone zone;
        int mx, my;
        ScreenRect expected;
    } cases[] = {
        {kBottomRight, 400, 999, {100, 100, 300, 150}}, // corner: height follows the proportions
        {kRightMiddle, 250, 10, {100, 100, 150, 100}},  // edge: width only
        {kTopLeft, 150, 120, {150, 125, 150, 75}},      // keeps the bottom edge
        {kTopRight, 340, 120, {100, 80, 240, 120}},     {kTopMiddle, 7, 120, {100, 120, 200, 80}},
        {kBottomMiddle, 7, 250, {100, 100, 200, 150}},  {kBottomLeft, 150, 7, {150, 100, 150, 75}},
        {kLeftMiddle, 150, 7, {150, 100, 150, 100}},
    };
    for (const auto& c : cases) {
        const auto rect = step(c.zone, c.mx, c.my, kFrame, aspect);
        ASSERT_TRUE(rect) << c.zone;
        EXPECT_EQ(*rect, c.expected) << "zone " << c.zone;
    }
    EXPECT_FALSE(step(kTopLeft, 150, 201, kFrame, aspect)) << "top-left below the bottom edge";
    EXPECT_FALSE(step(kTopRight, 250, 201, kFrame, aspect));
    EXPECT_TRUE(step(kTopLeft, 150, 200, kFrame, aspect)) << "on the edge still works";
    EXPECT_FALSE(step(kBody, 150, 150, kFrame, aspect)) << "the body is no handle";
}

TEST(CanvasGeometry, SnapsToMillimetresAndTenthsOfAnInch) {
    EXPECT_EQ(CanvasGeometry::snap(10.4 * 4.7244, 4.7244), 47) << "10.4 mm snaps to 10 mm";
    EXPECT_EQ(CanvasGeometry::snap(10.6 * 4.7244, 4.7244), 52);
    EXPECT_EQ(CanvasGeometry::snap(2.5 * 4.7244, 4.7244), 9) << "an exact half goes down";
    EXPECT_EQ(CanvasGeometry::snap(130, 120.0), 132) << "tenths of an inch";
    EXPECT_EQ(CanvasGeometry::snap(49.7, 1.0), 49) << "pixels do not snap";
}

TEST(CanvasGeometry, PageGeometryOfAResizedFrame) {
    const double scale = 0.5;
    const auto geometry = CanvasGeometry::pageGeometry;
    // Right-middle handle: the layer keeps its own corner, the width is rounded then snapped.
    EXPECT_EQ(geometry(kRightMiddle, {100, 100, 150, 100}, 203, 201, scale, 1.0),
              (PageGeometry{203, 201, 300, 200}));
    // Top-left: the corner comes from the screen, truncated, then snapped to whole mm.
    EXPECT_EQ(geometry(kTopLeft, {51, 61, 100, 50}, 0, 0, scale, 4.7244),
              (PageGeometry{104, 123, 198, 99}));
    // Dragged past the opposite edge: never empty or inverted.
    const PageGeometry flipped = geometry(kRightMiddle, {100, 100, -40, 0}, 10, 10, scale, 1.0);
    EXPECT_EQ(std::pair(flipped.width, flipped.height), std::pair(1, 1));
}

#include "editor/model/CanvasFit.h"

TEST(CanvasFit, ThePageFillsTheBoxAlongTheSideThatLimitsIt) {
    // A4 portrait: 992.124 rounds up to 993; limited by its height, centred across. A4
    // landscape: limited by its width, centred down.
    const struct {
        const char* what;
        double width, height, unitFactor;
        int pageWidth, pageHeight;
        editor::CanvasWindow window;
    } cases[] = {
        {"A4 portrait", 210, 297, 4.7244, 993, 1404, {66, 45, 349, 494, 1404 / 297.0}},
        {"A4 landscape", 297, 210, 4.7244, 1404, 992, {10, 129, 461, 325, 1404 / 297.0}},
        {"Letter in inches", 8.5, 11, 120, 1020, 1320, {50, 45, 381, 494, 1320 / 11.0}},
        {"whole pixels stay", 1000, 500, 1, 1000, 500, {10, 177, 461, 230, 1000 / 1000.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int w = editor::CanvasFit::pageWidth(c.width, c.unitFactor);
        const int h = editor::CanvasFit::pageHeight(w, c.width, c.height);
        EXPECT_EQ(std::pair(w, h), std::pair(c.pageWidth, c.pageHeight));
        const editor::CanvasWindow window = editor::CanvasFit::fit(c.width, c.height, w, h);
        EXPECT_EQ((std::array{window.left, window.top, window.width, window.height}),
                  (std::array{c.window.left, c.window.top, c.window.width, c.window.height}));
        EXPECT_DOUBLE_EQ(window.canvasUnitFactor, c.window.canvasUnitFactor);
    }
}

TEST(CanvasFit, SizesThatMakeNoPageAreRefusedWithTheReason) {
    using editor::CanvasFit;
    EXPECT_EQ(CanvasFit::problemWith(210, 297, 4.7244), nullptr);
    EXPECT_NE(CanvasFit::problemWith(0, 297, 4.7244), nullptr);
    EXPECT_NE(CanvasFit::problemWith(100000, 297, 4.7244), nullptr)
        << "472 440 pixels across is past any picture";
    EXPECT_NE(CanvasFit::problemWith(4000, 4000, 4.7244), nullptr)
        << "18 898 pixels square is 357 million pixels: more than a picture may hold";
    EXPECT_NE(CanvasFit::problemWith(1000, 0.0001, 4.7244), nullptr) << "not a pixel high";
}
