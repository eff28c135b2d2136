#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "imaging/BmpFile.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/Layers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

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
        canvas->stack().add(testsupport::photoLayer(0, 100, 100, 400, 300, 0x3060C0));
        // Recorded as adding records it, so that each change below is one entry.
        editor::PageDocument& document = window->document();
        document.selection().setCurrentId(0);
        document.selection().refreshCopy();
        document.recordChange();
        document.selection().setCurrentId(-1);
        canvas->refresh();
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
    size_t modifyRecords() const { return window->document().history().entries().size() - 1; }

    LayoutCanvas* canvas = nullptr;
};

const QPoint kInside(100, 80);
const QPoint kBottomRight(175, 139);
const QPoint kRightMiddle(175, 87);
const QPoint kTopLeft(35, 35);

} // namespace

TEST_F(CanvasTest, PickingALayerSelectsItAndShowsItsPlace) {
    canvas->stack().add(testsupport::photoLayer(1, 900, 1000, 40, 40));
    canvas->refresh();
    QTreeWidget* list = window->photoPage().layerList;
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{"photo"}));
    window->paperPage().arrangeCheck->setChecked(true);
    click(kInside);
    EXPECT_EQ(canvas->selection().currentId(), 0);
    EXPECT_EQ(canvas->selection().frame(), (editor::ScreenFrame{35, 35, 140, 105}));
    EXPECT_EQ(window->tabs().currentIndex(), EditorMainDialog::kPhotoTab);
    EXPECT_EQ(canvas->stack().layers().back().id, 0) << "the picked layer comes to the top";
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_FALSE(window->paperPage().arrangeCheck->isChecked()) << "picking ends arranging";
    // 100 page pixels are 21.1 mm, shown as a whole 21 when a layer is newly shown.
    EXPECT_EQ(window->photoPage().leftEdit->text(), "21");
    EXPECT_EQ(window->photoPage().topEdit->text(), "21");
    EXPECT_EQ(window->photoPage().layerWidthEdit->text(), "84.7");
    EXPECT_EQ(window->photoPage().layerHeightEdit->text(), "63.5");
    EXPECT_TRUE(window->photoPage().photoGroup->isVisible());
    EXPECT_EQ(modifyRecords(), 0u) << "a click is no change";

    // Handles are drawn around the frame: the picture at a corner is the handle's.
    const QImage handle = QImage(":/editor/handle.bmp").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(canvas->shownPicture().pixel(35 - 3, 35 - 3), handle.pixel(0, 0));
    EXPECT_EQ(canvas->shownPicture().pixel(100, 80) & 0xFFFFFF, 0x3060C0u);

    click(QPoint(300, 400));
    EXPECT_EQ(canvas->selection().currentId(), -1);
    EXPECT_FALSE(canvas->lastPressHitLayer());
}

TEST_F(CanvasTest, DraggingTheBodyMovesTheLayerAndRecordsIt) {
    click(kInside);
    drag(kInside, kInside + QPoint(50, 40));
    // The frame's corner moved to screen (85, 75): page (241, 213) at 494 / 1403.
    EXPECT_EQ(layer().x, 241);
    EXPECT_EQ(layer().y, 213);
    EXPECT_EQ(layer().boxWidth(), 400) << "moving keeps the size";
    EXPECT_EQ(layer().boxHeight(), 300);
    ASSERT_EQ(modifyRecords(), 1u);
    EXPECT_EQ(window->document().history().entries().back().kind, editor::HistoryKind::Modify);
    EXPECT_EQ(window->document().history().entries().back().layer.x, 241);
    EXPECT_EQ(window->photoPage().leftEdit->text(), "51") << "241 page pixels are 51.0 mm";
}

TEST_F(CanvasTest, WhileMovingOnlyADashedOutlineFollowsThePointer) {
    click(kInside);
    press(kInside);
    move(kInside + QPoint(100, 100));
    EXPECT_EQ(canvas->dragMode(), editor::kBody);
    const QImage shown = canvas->shownPicture();
    EXPECT_EQ(shown.pixel(100, 80) & 0xFFFFFF, 0xFFFFFFu)
        << "the layer itself is lifted off the page";
    bool outline = false;
    for (int x = 135; x < 275; ++x)
        outline |= (shown.pixel(x, 135) & 0xFFFFFF) == 0x33F606u;
    EXPECT_TRUE(outline) << "the outline is drawn in the move colour";
    release(kInside + QPoint(100, 100));
}

TEST_F(CanvasTest, TheBottomRightHandleKeepsTheProportions) {
    click(kInside);
    drag(kBottomRight, QPoint(245, 200));
    // 210 screen pixels wide: 596 page pixels, snapped to 126 mm = 595; the height follows
    // the 4:3 picture: 157 screen pixels = 446 page pixels, snapped to 94 mm = 444.
    EXPECT_EQ(layer().region, (PageRect{100, 100, 695, 544}));
    EXPECT_EQ(canvas->selection().frame(), (editor::ScreenFrame{35, 35, 209, 156}));
    EXPECT_EQ(modifyRecords(), 1u);
    EXPECT_EQ(window->photoPage().layerWidthEdit->text(), "126");
}

TEST_F(CanvasTest, HandlesDraggedPastTheOppositeEdgeNeverLoseTheLayer) {
    click(kInside);
    press(kTopLeft);
    move(QPoint(60, 200));
    release(QPoint(60, 200));
    EXPECT_EQ(layer().region, (PageRect{100, 100, 500, 400})) << "top-left below the bottom edge";

    window->document().project().unitFactor = 1.0;
    drag(kRightMiddle, QPoint(10, 87));
    EXPECT_GE(layer().boxWidth(), 1);
    EXPECT_GE(layer().boxHeight(), 1);
}

TEST_F(CanvasTest, LeavingTheCanvasFinishesTheMoveWhereTheFrameWasLastDrawn) {
    click(kInside);
    press(kInside);
    move(kInside + QPoint(20, 10));
    move(QPoint(-60, 90));
    EXPECT_FALSE(canvas->isButtonDown());
    EXPECT_EQ(layer().x, 156) << "screen (55, 45) is page (156, 127)";
    EXPECT_EQ(layer().y, 127);
    EXPECT_EQ(modifyRecords(), 1u);
    move(QPoint(-80, 120));
    release(QPoint(-80, 120));
    EXPECT_EQ(layer().x, 156) << "nothing more happens until the next press";
    EXPECT_EQ(modifyRecords(), 1u);

    // A press whose first move already leaves the canvas never started a drag.
    press(kInside);
    move(QPoint(-60, 90));
    release(QPoint(-60, 90));
    EXPECT_EQ(layer().x, 156);
    EXPECT_EQ(layer().y, 127);
    EXPECT_EQ(modifyRecords(), 1u);
    EXPECT_FALSE(canvas->isButtonDown());
}

TEST_F(CanvasTest, CropWritesTheNextEditVersionAndKeepsTheOriginal) {
    click(kInside);
    window->photoPage().effectCombo->setCurrentIndex(15);
    drag(kTopLeft, QPoint(70, 70));
    EXPECT_EQ(prompts.shown.size(), 1) << "no full-size file to crop";
    EXPECT_EQ(layer().content, "newPrj10.bmp");
    EXPECT_EQ(layer().region, (PageRect{100, 100, 500, 400})) << "the layer stays as it was";
    EXPECT_EQ(layer().bitmapWidth, 400);

    // The full-size file is twice the layer's box.
    const imaging::DibImage full = testsupport::pattern24(800, 600);
    ASSERT_TRUE(imaging::saveAsBmp(
        full, (window->document().project().projectFolder + "newPrj10.bmp").toStdString()));
    const size_t recordsBefore = modifyRecords();
    drag(kTopLeft, QPoint(70, 70));

    // The frame became (70, 62) 105 x 78: page (198, 175) 298 x 222, which in the full-size
    // picture is (196, 150) 596 x 444.
    EXPECT_EQ(layer().content, "newPrj10_1.bmp");
    EXPECT_EQ(layer().region, (PageRect{198, 175, 496, 397}));
    const auto cropped = imaging::readBmp(
        (window->document().project().projectFolder + "newPrj10_1.bmp").toStdString());
    ASSERT_TRUE(cropped);
    EXPECT_EQ(cropped->width(), 596);
    EXPECT_EQ(cropped->height(), 444);
    EXPECT_EQ(cropped->pixelValue(0, 0), full.pixelValue(196, 150));
    EXPECT_EQ(cropped->pixelValue(595, 443), full.pixelValue(791, 593));
    EXPECT_EQ(layer().bitmapWidth, 596);
    EXPECT_TRUE(QFile::exists(window->document().project().projectFolder + "newPrj10.bmp"))
        << "the original stays for undo";
    EXPECT_EQ(window->photoPage().effectCombo->currentIndex(), -1);
    EXPECT_EQ(modifyRecords(), recordsBefore + 1);
}

TEST_F(CanvasTest, ArrowKeysNudgeTheSelectedLayerOnlyWhenThePointerIsOverTheCanvas) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* edit = window->photoPage().sourceEdit;
    edit->setText("abc");
    edit->setCursorPosition(3);
    QCursor::setPos(window->tabs().tabBar()->mapToGlobal(QPoint(5, 5)));
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 2) << "without a selection the keys are ordinary";

    click(kInside);
    QCursor::setPos(canvas->mapToGlobal(QPoint(60, 60)));
    QTest::keyClick(window.get(), Qt::Key_Right);
    // Two screen pixels: the frame's corner at screen 37 is page 105, at 33 page 93.
    EXPECT_EQ(layer().x, 105);
    EXPECT_EQ(layer().y, 100) << "the other coordinate stays";
    QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(layer().y, 93);
    EXPECT_EQ(layer().x, 105);

    // Over an edit the key is the edit's own.
    edit->setText("abc");
    edit->setFocus();
    edit->setCursorPosition(3);
    QCursor::setPos(edit->mapToGlobal(QPoint(5, 5)));
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(layer().x, 105);

    // With the pointer elsewhere the edit keeps its keys too, and a tab bar does not turn.
    QCursor::setPos(window->tabs().tabBar()->mapToGlobal(QPoint(5, 5)));
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(layer().x, 105);
    const int tab = window->tabs().currentIndex();
    QTest::keyClick(window->tabs().tabBar(), Qt::Key_Right);
    EXPECT_EQ(window->tabs().currentIndex(), tab);
    EXPECT_EQ(layer().x, 105);
}

TEST_F(CanvasTest, AReleaseOverTheWindowOnThePaperPageTakesTheFrameOff) {
    click(kInside);
    window->tabs().setCurrentIndex(EditorMainDialog::kPaperTab);
    const QImage framed = canvas->shownPicture();
    QWidget* area = window->findChild<QWidget*>("canvasArea");
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(canvas->lastPressHitLayer());
    EXPECT_NE(canvas->shownPicture(), framed);
    EXPECT_EQ(canvas->shownPicture().pixel(32, 32) & 0xFFFFFF, 0xFFFFFFu)
        << "no handle left at the corner";
}
