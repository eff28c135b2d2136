#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PhotoPage.h"
#include "imaging/BmpFile.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/Layers.h"

#include <QLineEdit>
#include <QTabWidget>

using editor::EditorMainDialog;
using editor::LayoutCanvas;
using editor::PageRect;

namespace {

// A 400 x 300 photo at page (100, 100): on the A4 canvas (scale 494 / 1403) its frame is
// 140 x 105 screen pixels at (35, 35).
class CanvasTest : public testsupport::EditorWindowTest {
  protected:
    void SetUp() override {
        start();
        canvas = &window->canvas();
        editor::PageDocument& document = window->document();
        document.addPhoto(box.writePicture("p.png", 400, 300, qRgb(0xC0, 0x60, 0x30)));
        document.resizeSelected({100, 100, 400, 300});
        document.select(-1);
        canvas->refresh();
        placed = document.history().entries().size();
    }
    void press(QPoint p) { QTest::mousePress(canvas, Qt::LeftButton, {}, p); }
    void move(QPoint p) { QTest::mouseMove(canvas, p); }
    void release(QPoint p) { QTest::mouseRelease(canvas, Qt::LeftButton, {}, p); }
    void click(QPoint p) {
        press(p);
        release(p);
    }
    void drag(QPoint from, QPoint to) {
        press(from);
        move((from + to) / 2);
        move(to);
        release(to);
    }
    const editor::LayerRecord& layer(int id = 0) { return *canvas->stack().find(id); }
    // The entries recorded since the photo was placed.
    size_t modifyRecords() const { return window->document().history().entries().size() - placed; }

    LayoutCanvas* canvas = nullptr;
    size_t placed = 0; // the entries recorded when the photo was placed
};

const QPoint kInside(100, 80);
const QPoint kBottomRight(175, 139);
const QPoint kTopLeft(35, 35);

} // namespace

TEST_F(CanvasTest, PickingALayerSelectsItAndShowsItsPlace) {
    click(kInside);
    EXPECT_EQ(canvas->selection().currentId(), 0);
    EXPECT_EQ(window->tabs().currentIndex(), EditorMainDialog::kPhotoTab);
    // 100 page pixels are 21.1 mm, shown as a whole 21 when a layer is newly shown.
    EXPECT_EQ(window->photoPage().leftEdit->text(), "21");
    EXPECT_EQ(modifyRecords(), 0u) << "a click is no change";
    click(QPoint(300, 400));
    EXPECT_EQ(canvas->selection().currentId(), -1);
}

TEST_F(CanvasTest, DraggingAHandleOrTheBodyChangesTheLayerAndRecordsIt) {
    click(kInside);
    drag(kBottomRight, QPoint(245, 200));
    // 210 screen pixels wide: 596 page pixels, snapped to 126 mm = 595; the height follows
    // the 4:3 picture: 157 screen pixels = 446 page pixels, snapped to 94 mm = 444.
    EXPECT_EQ(layer().region, (PageRect{100, 100, 695, 544}));
    EXPECT_EQ(modifyRecords(), 1u);

    // While moving, only a dashed outline follows the pointer: the layer is lifted off.
    press(kInside);
    move(kInside + QPoint(25, 20));
    move(kInside + QPoint(50, 40));
    EXPECT_EQ(canvas->shownPicture().pixel(100, 80) & 0xFFFFFF, 0xFFFFFFu);
    release(kInside + QPoint(50, 40));
    // The frame's corner moved to screen (85, 75): page (241, 213) at 494 / 1403.
    EXPECT_EQ(std::pair(layer().x, layer().y), std::pair(241, 213));
    EXPECT_EQ(modifyRecords(), 2u);
}

TEST_F(CanvasTest, LeavingTheCanvasFinishesTheMoveWhereTheFrameWasLastDrawn) {
    click(kInside);
    press(kInside);
    move(kInside + QPoint(20, 10));
    move(QPoint(-60, 90));
    EXPECT_FALSE(canvas->isButtonDown());
    EXPECT_EQ(std::pair(layer().x, layer().y), std::pair(156, 127)) << "screen (55, 45)";
    EXPECT_EQ(modifyRecords(), 1u);
    move(QPoint(-80, 120));
    release(QPoint(-80, 120));
    EXPECT_EQ(layer().x, 156) << "nothing more happens until the next press";
    EXPECT_EQ(modifyRecords(), 1u);

    // A press whose first move already leaves the canvas never started a drag.
    press(kInside);
    move(QPoint(-60, 90));
    release(QPoint(-60, 90));
    EXPECT_EQ(modifyRecords(), 1u) << "nothing moved, nothing recorded";
}

// The crop itself is the document's; here choosing Crop and dragging a handle reach it.
TEST_F(CanvasTest, CropChosenFromTheListCropsByTheNextHandleDrag) {
    ASSERT_TRUE(imaging::saveAsBmp(
        testsupport::pattern24(800, 600),
        (window->document().project().projectFolder + "newPrj10.bmp").toStdString()));
    click(kInside);
    window->photoPage().effectCombo->setCurrentIndex(15);
    drag(kTopLeft, QPoint(70, 70));
    EXPECT_EQ(layer().content, "newPrj10_1.bmp");
    EXPECT_EQ(window->photoPage().effectCombo->currentIndex(), -1) << "one crop per choice";
    EXPECT_EQ(modifyRecords(), 1u);
}

TEST_F(CanvasTest, ArrowKeysNudgeTheSelectedLayerOnlyWhenThePointerIsOverTheCanvas) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* edit = window->photoPage().sourceEdit;
    QWidget* tabBar = window->tabs().tabBar();
    // Left typed into the edit with the pointer over `where`: whether the edit took it.
    const auto editTakesLeft = [&](QWidget* where) {
        edit->setText("abc");
        edit->setFocus();
        edit->setCursorPosition(3);
        QCursor::setPos(where->mapToGlobal(QPoint(5, 5)));
        QTest::keyClick(edit, Qt::Key_Left);
        return edit->cursorPosition() == 2;
    };
    EXPECT_TRUE(editTakesLeft(tabBar)) << "without a selection the keys are ordinary";

    click(kInside);
    QCursor::setPos(canvas->mapToGlobal(QPoint(60, 60)));
    QTest::keyClick(window.get(), Qt::Key_Right);
    // Two screen pixels: the frame's corner at screen 37 is page 105, at 33 page 93.
    EXPECT_EQ(std::pair(layer().x, layer().y), std::pair(105, 100)) << "y stays";
    QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(layer().y, 93);

    // Over the edit, or anywhere else off the canvas, the keys are the edit's.
    EXPECT_TRUE(editTakesLeft(edit));
    EXPECT_EQ(layer().x, 105);
}
