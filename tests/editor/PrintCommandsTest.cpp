// Print and Print preview around a printer described by the test; the jobs go to a PDF file.
#include "editor/ui/PrintCommands.h"
#include "editor/model/UnitValues.h"
#include "editor/ui/EditorActions.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QFileInfo>
#include <QImage>
#include <QPrinter>

using testsupport::EditorWindowTest;

namespace {

class PrintCommandsTest : public EditorWindowTest {
  protected:
    void startWithPrinter() {
        printer.present = true;
        printer.forms = {"Letter", "A4"};
        printer.formSizes = {QSizeF(215.9, 279.4), QSizeF(210, 297)};
        printer.defaultForm = 1;
        printer.pdfFile = box.path("job.pdf");
        start();
    }
    editor::PrintCommands& commands() { return window->printCommands(); }
};

} // namespace

TEST_F(EditorWindowTest, WithoutAPhotoOrAPrinterThereIsNothingToPrint) {
    start();
    EXPECT_FALSE(window->actions().printPhotos->isEnabled());
    window->printCommands().print();
    window->actions().printPreview->trigger();
    EXPECT_EQ(prompts.shown, QStringList(2, "Please add your photo first!"));

    window->document().addPhoto(box.writePicture("a.png", 40, 30));
    window->actions().printPreview->trigger();
    EXPECT_EQ(prompts.dialogTitles.size(), 1) << "no printer: the full-screen preview instead";
    EXPECT_EQ(window->printCommands().preview(), nullptr);
}

// 8.5 x 11 inches is "MyPaper" of 215 x 279 mm for the job, and gone after it, printed or not;
// a page that cannot be composed is said, not printed.
TEST_F(PrintCommandsTest, AUserDefinedSizeIsAPaperOfItsOwnForTheJobOnly) {
    startWithPrinter();
    editor::PageDocument& document = window->document();
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.changeUnit(editor::UnitValues::kInch);
    document.setCanvasSize(8.5, 11); // the user-defined paper
    commands().print();              // the print dialog, cancelled
    EXPECT_EQ(printer.customFormsAdded, QList<QSize>{QSize(215, 279)});
    EXPECT_TRUE(printer.customForm.isEmpty()) << "a cancelled job leaves no paper behind";
    EXPECT_FALSE(QFileInfo::exists(printer.pdfFile));

    prompts.dialogResults = {QDialog::Accepted};
    commands().print();
    EXPECT_TRUE(printer.customForm.isEmpty());
    EXPECT_GT(QFileInfo(printer.pdfFile).size(), 0);
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("; ").toStdString();

    ASSERT_TRUE(document.choosePaper(0, 215.9, 279.4).isEmpty()); // the printer's Letter
    QFile::remove(document.project().projectFolder + "newPrj10.bmp");
    prompts.dialogResults = {QDialog::Accepted};
    commands().print();
    EXPECT_EQ(printer.customFormsAdded.size(), 2) << "a printer's own paper needs none";
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.first().startsWith("The page could not be printed"));
}

TEST_F(PrintCommandsTest, OnePreviewWindowWhileItIsOpenWithTheUsersPaper) {
    startWithPrinter();
    window->document().addPhoto(box.writePicture("a.png", 40, 30));
    window->document().chooseUserPaper();
    window->actions().printPreview->trigger();
    QPointer<QPrintPreviewDialog> preview = commands().preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(printer.customForm, "MyPaper") << "while the preview runs";

    window->actions().printPreview->trigger();
    EXPECT_EQ(commands().preview(), preview) << "a second command only raises it";
    preview->close();
    EXPECT_TRUE(printer.customForm.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview.isNull(); }));
    window->actions().printPreview->trigger();
    ASSERT_NE(commands().preview(), nullptr) << "and a new one opens after it";
    commands().preview()->close();
}
