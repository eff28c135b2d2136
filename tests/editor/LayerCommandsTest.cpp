#include "editor/ui/LayerCommands.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "shared/ImageFile.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using editor::EditorMainDialog;

namespace {

class LayerCommandsTest : public testsupport::EditorWindowTest {
  protected:
    void SetUp() override { start(); }

    void addThroughDialog(const QString& path) {
        prompts.files.push_back(path);
        window->actions().addPhoto->trigger();
    }
    editor::LayoutCanvas& canvas() { return window->canvas(); }
    QTreeWidget* list() { return window->photoPage().layerList; }
};

} // namespace

// Where a photo goes, its files and its undo records are the document's; here, what the window
// shows of it.
TEST_F(LayerCommandsTest, AddedPhotosAreListedSelectedAndShown) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    addThroughDialog(box.writePicture("two.jpg", 300, 400));
    ASSERT_EQ(list()->topLevelItemCount(), 2);
    EXPECT_EQ(list()->topLevelItem(0)->toolTip(0), box.path("one.png"));
    EXPECT_EQ(list()->currentItem(), list()->topLevelItem(1)) << "the new row is selected";
    EXPECT_EQ(canvas().selection().currentId(), 1);
    EXPECT_EQ(window->tabs().currentIndex(), EditorMainDialog::kPhotoTab);
    EXPECT_EQ(window->photoPage().sourceEdit->text(), box.path("two.jpg"));
}

// The grid is the document's: here the Paper page's controls reach it, and the end of
// arranging comes back to the check box.
TEST_F(LayerCommandsTest, TheArrangeControlsReachThePageAndPickingAPhotoEndsArranging) {
    window->paperPage().arrangeCheck->click();
    QTest::keyClicks(window->paperPage().layerImagesWidthEdit, "100\r");
    QTest::keyClicks(window->paperPage().layerImagesHeightEdit, "70\r");
    const editor::Arrangement& arrangement = window->document().arrangement();
    EXPECT_TRUE(arrangement.on);
    EXPECT_EQ(arrangement.cellWidth, 100.0);
    EXPECT_EQ(arrangement.cellHeight, 70.0);
    addThroughDialog(box.writePicture("one.png", 400, 300));
    window->listClicked(0);
    EXPECT_FALSE(window->paperPage().arrangeCheck->isChecked())
        << "picking a photo by hand ends it";
}

TEST_F(LayerCommandsTest, NothingIsAddedFromACancelledDialogABadFileOrAMissingProject) {
    window->actions().addPhoto->trigger(); // no file scripted: cancelled
    EXPECT_TRUE(prompts.shown.size() == 1) << "only the dialog's caption";
    ASSERT_TRUE(testsupport::writeFile(box.path("broken.jpg"), "\xFF\xD8\xFF\xE0 not a photo"));
    addThroughDialog(box.path("broken.jpg"));
    EXPECT_TRUE(prompts.shown.last().contains("could not be read"));
    // The temporary project's folder went away under the editor.
    QDir(window->document().project().projectFolder).removeRecursively();
    addThroughDialog(box.writePicture("one.png", 40, 30));
    EXPECT_TRUE(prompts.shown.last().contains("could not be copied"));
    EXPECT_EQ(canvas().stack().count(), 0);
    EXPECT_EQ(list()->topLevelItemCount(), 0);
}

// The question is about the selected layer; a photo that arrives while it is open is kept.
TEST_F(LayerCommandsTest, DeleteAsksFirstAndRemovesTheLayerItAskedAbout) {
    window->actions().deleteLayer->trigger();
    EXPECT_TRUE(prompts.shown.isEmpty()) << "nothing selected: nothing asked";
    addThroughDialog(box.writePicture("asked.png", 40, 30));
    prompts.answers = {quillax::Prompts::Answer::No};
    window->actions().deleteLayer->trigger();
    EXPECT_EQ(prompts.shown.last(), "Delete current layer?");
    EXPECT_EQ(canvas().stack().count(), 1) << "No keeps the layer";

    prompts.whileAsking = [this] {
        window->layerCommands().addPhoto(box.writePicture("late.png", 40, 30));
    };
    prompts.answers = {quillax::Prompts::Answer::Yes};
    window->actions().deleteLayer->trigger();
    ASSERT_EQ(canvas().stack().count(), 1);
    EXPECT_EQ(canvas().stack().find(0), nullptr) << "the layer the question was about";
    ASSERT_EQ(list()->topLevelItemCount(), 1);
    EXPECT_EQ(list()->topLevelItem(0)->toolTip(0), box.path("late.png"));
}

TEST_F(LayerCommandsTest, TheDeleteKeyDeletesAfterAPressOnTheCanvas) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const editor::ScreenFrame f = canvas().selection().frame();
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, QPoint(f.left + 10, f.top + 10));
    prompts.answers = {quillax::Prompts::Answer::Yes};
    QTest::keyClick(window.get(), Qt::Key_Delete);
    EXPECT_EQ(canvas().stack().count(), 0);

    // After a press elsewhere, Delete is an ordinary key again.
    addThroughDialog(box.writePicture("two.png", 400, 300));
    QLineEdit* edit = window->photoPage().sourceEdit;
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(canvas().stack().count(), 1);
}

// What the new layer is and what is recorded are the document's; here the button reaches it.
TEST_F(LayerCommandsTest, ChangeReplacesTheSelectedPhotoByANewLayer) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    prompts.files.push_back(box.writePicture("other.png", 200, 100, qRgb(255, 0, 0)));
    window->photoPage().changeSourceButton->click();
    ASSERT_EQ(list()->topLevelItemCount(), 1);
    EXPECT_EQ(list()->topLevelItem(0)->toolTip(0), box.path("other.png"));
}

TEST_F(LayerCommandsTest, ClickingARowRaisesThatLayerAndBelowTheRowsSelectsNothing) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    addThroughDialog(box.writePicture("two.png", 400, 300));
    QTreeWidgetItem* firstRow = list()->topLevelItem(0);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(firstRow).center());
    EXPECT_EQ(canvas().selection().currentId(), 0);
    EXPECT_EQ(canvas().stack().layers().back().id, 0) << "and comes to the top";

    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      QPoint(20, list()->viewport()->height() - 5));
    EXPECT_EQ(canvas().selection().currentId(), -1);
}

TEST_F(LayerCommandsTest, TheSourceEditShowsTheSelectedPhotosFileNotOneThatFailed) {
    addThroughDialog(box.writePicture("good.png", 40, 30));
    addThroughDialog(box.path("missing.png"));
    EXPECT_EQ(window->photoPage().sourceEdit->text(), box.path("good.png"));
    prompts.files.push_back(box.path("missing.png"));
    window->photoPage().changeSourceButton->click();
    EXPECT_EQ(window->photoPage().sourceEdit->text(), box.path("good.png"));
}

// Each format's writing is ImageFile's and the page's pixels are PageComposer's; here the
// command writes the page under the name chosen, or says why not.
TEST_F(LayerCommandsTest, ExportWritesThePageInTheFormatOfTheName) {
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "Could not export image!") << "an empty page";

    addThroughDialog(box.writePicture("one.png", 400, 300, qRgb(0, 0, 255)));
    prompts.files.push_back(box.path("page.JPEG"));
    window->actions().exportPhotos->trigger();
    const quillax::DecodedImage page =
        quillax::ImageFile::decode(box.path("page.JPEG"), quillax::kJpeg);
    ASSERT_TRUE(page.isValid());
    EXPECT_EQ(page.image.size(), QSize(992, 1403));

    prompts.files.push_back(box.path("page.xyz"));
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "Could not export image!")
        << "an unknown ending is said, not passed over";

    prompts.files.push_back(box.folder());
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "save file name error!");
}
