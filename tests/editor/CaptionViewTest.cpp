// Captions drawn for real (fonts through fontconfig) and edited through the text page.
#include "editor/ui/EditorActions.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PhotoPage.h"
#include "editor/ui/QtCaptionDrawer.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/Pictures.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

using editor::CaptionLayout;
using editor::CaptionSettings;
using testsupport::EditorWindowTest;

namespace {

using testsupport::rgbAt;
constexpr uint32_t kRed = 0xFF0000, kLightYellow = 0xFFFFA5; // the see-through fill

// The rows (or, with `columns`, the columns) that hold any pixel of the text colour.
std::pair<int, int> inkSpan(const imaging::DibImage& picture, uint32_t ink, bool columns) {
    int first = -1, last = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (rgbAt(picture, x, y) == ink) {
                const int at = columns ? x : y;
                first = first < 0 ? at : std::min(first, at);
                last = std::max(last, at);
            }
    return {first, last};
}

// "Hello" in red drawn for real, across or up, see-through or on a 100 x 20 mm background.
imaging::DibImage hello(bool vertical, bool opaque) {
    CaptionSettings s;
    s.text = "Hello";
    s.textColour = 0x000000FF; // red
    s.style.vertical = vertical;
    s.opaque = opaque;
    s.backgroundWidth = 100;
    s.backgroundHeight = 20;
    return editor::QtCaptionDrawer().draw(s, CaptionLayout::of(s, 4.7244));
}

} // namespace

TEST(QtCaptionDrawer, SeeThroughTextHasCleanEdgesVerticalTextRunsUpAndOpaqueIsFilled) {
    const imaging::DibImage picture = hello(false, false);
    ASSERT_EQ(std::pair(picture.width(), picture.height()), std::pair(500, 48));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const uint32_t c = rgbAt(picture, x, y);
            ASSERT_TRUE(c == kLightYellow || c == kRed)
                << "no half-yellow edge to stay on the page, at " << x << ", " << y;
        }
    const auto [left, right] = inkSpan(picture, kRed, true); // -1 without any text
    EXPECT_GE(left, 6);
    EXPECT_LT(right, 200) << "five letters at 36 are far shorter than the strip";

    // Vertical: 48 x 500, the text starting 6 above the bottom and running up.
    const imaging::DibImage turned = hello(true, false);
    ASSERT_EQ(turned.height(), 500);
    const auto [top, bottom] = inkSpan(turned, kRed, false);
    EXPECT_GT(top, 300) << "the text lies at the bottom";
    EXPECT_LE(bottom, 494);
    const auto [column, lastColumn] = inkSpan(turned, kRed, true);
    EXPECT_GE(column, 4);
    EXPECT_LE(lastColumn, 4 + 36);

    const imaging::DibImage opaque = hello(false, true);
    EXPECT_EQ(rgbAt(opaque, 0, 0), 0x5812E7u) << "the background colour";
    EXPECT_EQ(rgbAt(opaque, opaque.width() - 1, opaque.height() - 1), 0x5812E7u);
}

// How a caption is laid out, drawn, scaled and recorded is the document's; here each control
// of the text page and a drag on the canvas reach it, and the page shows what it says.
TEST_F(EditorWindowTest, ACaptionIsTypedStyledColouredAndResized) {
    start();
    window->findChild<QAction*>("actionAddText")->trigger();
    editor::PhotoPage& page = window->photoPage();
    EXPECT_EQ(page.layerList->topLevelItem(0)->text(0), "TEXT: ...");
    const auto caption = [&] { return *window->document().stack().find(0); };
    page.textEdit->selectAll();
    QTest::keyClicks(page.textEdit, "Hello");
    EXPECT_TRUE(caption().content.endsWith(",Hello")) << caption().content.toStdString();
    page.boldButton->click();
    EXPECT_TRUE(editor::TextStyle::fromCode(caption().textStyle).bold);
    prompts.colours.push_back(QColor(0, 0, 255));
    page.textColourButton->click();
    EXPECT_EQ(caption().color, 0x00FF0000u) << "blue as 0x00BBGGRR";
    // The bottom handle dragged down to twice the height: the font follows the box.
    const editor::ScreenFrame frame = window->document().selection().frame();
    const QPoint handle(frame.left + frame.width / 2, frame.top + frame.height - 1);
    editor::LayoutCanvas& canvas = window->canvas();
    QTest::mousePress(&canvas, Qt::LeftButton, {}, handle);
    QTest::mouseMove(&canvas, handle + QPoint(0, 8));
    QTest::mouseMove(&canvas, handle + QPoint(0, frame.height));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, handle + QPoint(0, frame.height));
    EXPECT_GT(caption().fontSize, 36);
    EXPECT_EQ(page.fontSizeCombo->currentText(), QString::number(caption().fontSize));

    page.backgroundWidthEdit->setText("100");
    page.backgroundHeightEdit->setText("20");
    page.opaqueCheck->click();
    page.verticalRadio->click();
    EXPECT_EQ(page.backgroundWidthEdit->text(), "20") << "the background turned with the text";
}
