// The Paper page and the numeric edits driven as a person would: picking, typing, clicking,
// and Ctrl+Z afterwards.
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using testsupport::EditorWindowTest;
using testsupport::pick;

namespace {

class PageSetupViewTest : public EditorWindowTest {
  protected:
    editor::PaperPage& paper() { return window->paperPage(); }
    editor::PhotoPage& photo() { return window->photoPage(); }
    // Types a value and finishes the edit with Enter.
    void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void undo() { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }
};

} // namespace

// The printer's forms reach the Paper page, each of its controls reaches the document, and
// the printer is told its paper. Choosing the paper is PaperTable's.
TEST_F(PageSetupViewTest, ThePaperControlsReachThePageAndThePrinter) {
    printer.present = true;
    printer.forms = {"A4", "A4 Small"};
    printer.formSizes = {QSizeF(210, 297), QSizeF(210, 280)};
    printer.defaultForm = 1;
    start();
    const editor::ProjectState& project = window->document().project();
    EXPECT_EQ(paper().paperCombo->count(), 3) << "the forms and User-defined Size";
    EXPECT_EQ(paper().paperCombo->currentIndex(), 1) << "the printer's default form";
    pick(paper().paperCombo, 1);
    EXPECT_EQ(project.canvasHeight, 280.0);
    EXPECT_EQ(printer.chosenRow, 1);
    pick(paper().paperCombo, 2);
    EXPECT_EQ(printer.chosenSize, QSizeF(210, 280)) << "the user-defined size, as it is";
    paper().landscapeRadio->click();
    EXPECT_FALSE(project.portrait);
    paper().arrangeCheck->click();
    EXPECT_TRUE(window->document().arrangement().on);
    window->document().addPhoto(box.writePicture("a.png", 40, 30));
    window->document().recordChange(); // the photo moved by hand ends arranging
    EXPECT_FALSE(paper().arrangeCheck->isChecked());
    pick(paper().unitCombo, 2);
    EXPECT_EQ(project.unitRow, 2);
    EXPECT_FALSE(paper().paperCombo->isEnabled()) << "pixels are no paper";
}

// A size takes effect when its edit is finished, as one undo step; a refused one puts the
// size before it back and says why. Undo shows the page it brings back.
TEST_F(PageSetupViewTest, ATypedSizeTakesEffectWhenFinishedAndUndoShowsThePageBefore) {
    start();
    editor::PageDocument& document = window->document();
    QLineEdit* edit = paper().canvasWidthEdit;
    edit->selectAll();
    QTest::keyClicks(edit, "300");
    EXPECT_EQ(document.project().canvasWidth, 210.0) << "no page of 3 or 30 mm on the way";
    const int entries = document.history().count();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(document.project().canvasWidth, 300.0);
    EXPECT_EQ(document.history().count(), entries + 1);
    type(edit, "99999");
    EXPECT_EQ(edit->text(), "300") << "the size from before the typing";
    EXPECT_EQ(prompts.shown.size(), 1) << "and why it was refused";

    paper().landscapeRadio->click();
    undo();
    EXPECT_TRUE(paper().portraitRadio->isChecked());
    EXPECT_EQ(edit->text(), "300");
}
