// The full-screen transitions and zoom, told by the rectangles they copy and the views they
// give, on pictures small enough to work out by hand.
#include "shared/Transitions.h"
#include "shared/ZoomView.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

using quillax::Transitions;
using quillax::ZoomView;

namespace {

using Copy = std::tuple<int, int, int, int>; // x, y, width, height
using Copies = std::vector<Copy>;

// Records every copy and every wait of a transition.
struct Recorder {
    std::vector<Copy> copies;
    std::vector<int> waits;
    quillax::TransitionTarget target() {
        return {[this](int x, int y, int w, int h) { copies.emplace_back(x, y, w, h); },
                [this](int ms) { waits.push_back(ms); }};
    }
};

} // namespace

// Interlacing leaves what is past the last full pass to the final copy.
TEST(Transitions, InterlaceBandsAndBoxesFollowTheirStepsAndEndWhole) {
    Recorder lines;
    Transitions::interlace(lines.target(), 995, 7, 118, 10, Transitions::Interlace::Columns);
    ASSERT_EQ(lines.copies.back(), (Copy{0, 0, 995, 7})) << "the final copy";
    std::set<int> columns;
    for (size_t i = 0; i + 1 < lines.copies.size(); ++i) {
        const auto [x, y, w, h] = lines.copies[i];
        EXPECT_EQ(std::tuple(w, h, columns.insert(x).second), std::tuple(1, 7, true)) << x;
    }
    // 995 / 10 = 99 columns a pass: 0 to 9 + 98 x 10 = 989, each once.
    EXPECT_EQ(columns.size(), 990u);
    EXPECT_EQ(*columns.rbegin(), 989);
    EXPECT_EQ(lines.waits, std::vector<int>(10, 118));

    Recorder up;
    Transitions::wipeUp(up.target(), 30, 25, 48, 10);
    EXPECT_EQ(up.copies, (Copies{{0, 15, 30, 10}, {0, 5, 30, 10}, {0, 0, 30, 5}, {0, 0, 30, 25}}))
        << "from the bottom edge up, the last band clipped";
    EXPECT_EQ(up.waits.size(), 3u);

    Recorder meet;
    Transitions::topBottom(meet.target(), 30, 25, 48, 10);
    EXPECT_EQ(meet.copies, (Copies{Copy{0, 0, 30, 10}, Copy{0, 15, 30, 10}, Copy{0, 10, 30, 10},
                                   Copy{0, 5, 30, 10}, Copy{0, 20, 30, 5}, Copy{0, 0, 30, 5},
                                   Copy{0, 0, 30, 25}}))
        << "each band crosses the whole height";

    Recorder box;
    Transitions::boxOut(box.target(), 100, 50, 118, 10);
    // 50 / 10 = 5 rows a step, 5 x 100 / 50 = 10 columns: step 1 is 20 x 10 about (50, 25).
    ASSERT_EQ(box.copies.size(), 10u) << "step 0 copies nothing";
    EXPECT_EQ(box.copies[0], (Copy{40, 20, 20, 10}));
    EXPECT_EQ(box.copies[8], (Copy{-40, -20, 180, 90}));
    EXPECT_EQ(box.waits.size(), 10u);
}

TEST(Transitions, BlocksStayInsideThePictureAndEveryTransitionEndsWhole) {
    Recorder r;
    Transitions::blocks(r.target(), 50, 40, 5, 6, 1234);
    // 50 / 6 + 1 = 9 columns and 40 / 6 + 1 = 7 rows: 63 blocks, no pause, then the whole.
    ASSERT_EQ(r.copies.size(), 64u);
    for (size_t i = 0; i + 1 < r.copies.size(); ++i) {
        const auto [x, y, w, h] = r.copies[i];
        EXPECT_TRUE(x >= 0 && y >= 0 && w >= 1 && h >= 1 && x + w <= 50 && y + h <= 40 && w <= 6 &&
                    h <= 6)
            << x << "," << y << " " << w << " x " << h;
    }
    EXPECT_TRUE(r.waits.empty());
    Recorder big;
    Transitions::blocks(big.target(), 60, 60, 5, 6, 1);
    EXPECT_EQ(big.waits.size(), 121u / 80) << "11 x 11 blocks: one pause after the 80th";

    // Every one of the six, blocks too, ends with the whole picture.
    for (int kind = 0; kind < 6; ++kind) {
        Recorder rec;
        Transitions::run(kind, rec.target(), 37, 23, 7);
        ASSERT_FALSE(rec.copies.empty());
        EXPECT_EQ(rec.copies.back(), (Copy{0, 0, 37, 23})) << "transition " << kind;
    }
}

TEST(ZoomView, FitsNeverEnlargesAndZoomsAboutTheDragStartWithinBounds) {
    EXPECT_EQ(ZoomView::fit(992, 1403, 1025, 769), (ZoomView::Size{543, 769}))
        << "A4 on 1024 x 768 with one-pixel borders: limited by the height";
    EXPECT_EQ(ZoomView::fit(300, 200, 1025, 769), (ZoomView::Size{300, 200})) << "as it is";
    EXPECT_EQ(ZoomView::fit(4000, 1000, 1025, 769), (ZoomView::Size{1025, 256}));

    ZoomView view(1025, 769, {543, 769});
    EXPECT_EQ(view.view(), (ZoomView::Rect{241, 0, 784, 769})) << "centred";
    EXPECT_EQ(view.release(500, 300, 504, 300), ZoomView::Release::Click) << "4.0 apart";
    EXPECT_EQ(view.zoom(), 2.0);
    // Inwards (towards the centre at 512, 384) from 2.0: 1.0, the fitted picture whole.
    EXPECT_EQ(view.release(700, 600, 600, 500), ZoomView::Release::Zoomed);
    EXPECT_EQ(view.zoom(), 1.0);
    EXPECT_EQ(view.source(), (ZoomView::Rect{0, 0, 543, 769}));
    // 3 right and 3 down is 4.24 apart: a zoom, outwards, to 2.0 about the start.
    EXPECT_EQ(view.release(600, 500, 603, 503), ZoomView::Release::Zoomed);
    EXPECT_EQ(view.zoom(), 2.0);
    // At 2.0 the 1086 x 1538 picture shows 1025 x 769 of it: 512 x 384 of the source.
    EXPECT_EQ(view.view(), (ZoomView::Rect{0, 0, 1025, 769}));
    EXPECT_EQ(std::pair(view.source().width(), view.source().height()), std::pair(512, 384));

    // Doubling at every drag would overflow the picture's size after about 31 drags.
    view = ZoomView(1025, 769, {543, 769});
    for (int drag = 0; drag < 40; ++drag)
        view.release(600, 500, 700, 600); // outwards
    EXPECT_EQ(view.zoom(), 256.0);
    EXPECT_GT(view.view().width(), 0);
    EXPECT_GE(view.source().width(), 1) << "some of the picture still shows";
    for (int drag = 0; drag < 40; ++drag)
        view.release(700, 600, 600, 500); // inwards
    EXPECT_EQ(view.zoom(), 1.0 / 256);
    EXPECT_GT(view.view().width(), 0);
}
