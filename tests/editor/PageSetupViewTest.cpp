// The Paper page and the numeric edits driven as a person would: picking, typing, clicking,
// and Ctrl+Z afterwards.
#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

using testsupport::EditorWindowTest;

namespace {

class PageSetupViewTest : public EditorWindowTest {
  protected:
    editor::PaperPage& paper() { return window->paperPage(); }
    editor::PhotoPage& photo() { return window->photoPage(); }
    void pick(QComboBox* combo, int row) {
        combo->setCurrentIndex(row);
        emit combo->activated(row);
    }
    // Types a value and finishes the edit with Enter.
    void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QStringList canvasEdits() {
        return {paper().canvasWidthEdit->text(), paper().canvasHeightEdit->text()};
    }
    void undo() { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }
};

} // namespace

TEST_F(PageSetupViewTest, UnitsConvertTheCanvasAndPixelsAreNoPaper) {
    start();
    pick(paper().unitCombo, 1);
    EXPECT_EQ(window->document().project().unitRow, 1);
    EXPECT_EQ(canvasEdits(), (QStringList{"8.27", "11.69"}))
        << "210 x 297 mm in inches, shown to 0.01";
    pick(paper().unitCombo, 2);
    EXPECT_FALSE(paper().paperCombo->isEnabled());
    EXPECT_EQ(paper().paperCombo->currentText(), "User-defined Size");
}

TEST_F(PageSetupViewTest, ACanvasSizeThatMakesNoPageIsTakenBackWithTheReason) {
    start();
    type(paper().canvasWidthEdit, "0");
    emit paper().canvasWidthEdit->editingFinished();
    EXPECT_EQ(paper().canvasWidthEdit->text(), "210");
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.at(0).contains("greater than 0"));
    type(paper().canvasWidthEdit, "abc");
    EXPECT_EQ(paper().canvasWidthEdit->text(), "210") << "letters are not taken at all";

    type(paper().canvasWidthEdit, "150");
    emit paper().canvasWidthEdit->editingFinished();
    EXPECT_EQ(window->document().project().canvasWidth, 150.0);
    EXPECT_EQ(prompts.shown.size(), 1);
}

TEST_F(PageSetupViewTest, ThePrintersFormsGiveTheCanvasItsSizeAndTheJobItsPaper) {
    printer.present = true;
    printer.forms = {"A4", "A4 Small"};
    printer.formSizes = {QSizeF(210, 297), QSizeF(210, 280)};
    printer.defaultForm = 0;
    start();
    pick(paper().paperCombo, 1);
    EXPECT_EQ(canvasEdits(), (QStringList{"210", "280"}));
    EXPECT_EQ(printer.chosenRow, 1);
    pick(paper().paperCombo, 2);
    EXPECT_EQ(printer.chosenRow, -1) << "the user-defined size goes to the job as it is";
    EXPECT_EQ(printer.chosenSize, QSizeF(210, 280));
    EXPECT_EQ(canvasEdits(), (QStringList{"210", "280"})) << "and the canvas stays";
}

// Letter, inches, landscape, six photos arranged, a position typed: each control reaches the
// page, and Ctrl+Z takes the steps back into the controls.
TEST_F(PageSetupViewTest, APageSetUpStepByStepIsUndoneStepByStep) {
    start();
    editor::PageDocument& document = window->document();
    for (int i = 0; i < 6; ++i)
        document.addPhoto(box.writePicture(QString("p%1.png").arg(i), 60, 40));
    pick(paper().paperCombo, 0);
    EXPECT_EQ(document.project().paperRow, 0);
    pick(paper().unitCombo, 1);
    paper().landscapeRadio->click();
    EXPECT_FALSE(document.project().portrait);
    paper().arrangeCheck->click();
    type(paper().layerImagesWidthEdit, "3");
    type(paper().layerImagesHeightEdit, "3");
    EXPECT_TRUE(document.arrangement().on);
    window->listClicked(0);
    type(photo().leftEdit, "5");
    EXPECT_EQ(document.stack().find(0)->x, 600) << "5 inches of 120 page pixels";

    undo();
    undo();
    EXPECT_EQ(prompts.shown, QStringList{"Could not restore AutoArrange operation!"})
        << "3-inch cells on 11 x 8.5 inches held the six photos; the arrangement stays";
    undo();
    EXPECT_TRUE(paper().portraitRadio->isChecked());
}

// A size takes effect when its edit is finished, as one undo step; a refused one puts the
// size before it back.
TEST_F(PageSetupViewTest, ATypedSizeTakesEffectWhenFinishedAsOneStep) {
    start();
    editor::PageDocument& document = window->document();
    const double width = document.project().canvasWidth;
    QLineEdit* edit = paper().canvasWidthEdit;
    edit->selectAll();
    QTest::keyClicks(edit, "300");
    EXPECT_EQ(document.project().canvasWidth, width) << "no page of 3 or 30 mm on the way";
    const int entries = document.history().count();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(document.project().canvasWidth, 300.0);
    EXPECT_EQ(document.history().count(), entries + 1);

    type(edit, "99999");
    EXPECT_EQ(document.project().canvasWidth, 300.0);
    EXPECT_EQ(edit->text(), "300") << "the size from before the typing";
    EXPECT_EQ(prompts.shown.size(), 1) << "and why it was refused";
}
