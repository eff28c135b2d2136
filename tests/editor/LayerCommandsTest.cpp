#include "editor/ui/LayerCommands.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PhotoPage.h"
#include "shared/ImageFile.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using editor::EditorMainDialog;
using Answer = quillax::Prompts::Answer;

namespace {

// Where a photo goes, its files and its undo records are the document's; here, that the
// commands reach it and that the window shows what it says.
class LayerCommandsTest : public testsupport::EditorWindowTest {
  protected:
    void SetUp() override { start(); }

    void addThroughDialog(const QString& path) {
        prompts.files.push_back(path);
        window->actions().addPhoto->trigger();
    }
    int count() { return window->document().stack().count(); }
    QTreeWidget* list() { return window->photoPage().layerList; }
    QString rowFile(int row) { return list()->topLevelItem(row)->toolTip(0); }
    void clickList(QPoint at) { QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at); }
};

} // namespace

TEST_F(LayerCommandsTest, AddedAndChangedPhotosAreListedSelectedAndShown) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    addThroughDialog(box.writePicture("two.jpg", 300, 400));
    ASSERT_EQ(list()->topLevelItemCount(), 2);
    EXPECT_EQ(rowFile(0), box.path("one.png"));
    EXPECT_EQ(list()->currentItem(), list()->topLevelItem(1)) << "the new row is selected";
    EXPECT_EQ(window->tabs().currentIndex(), EditorMainDialog::kPhotoTab);
    EXPECT_EQ(window->photoPage().sourceEdit->text(), box.path("two.jpg"));

    // Change: the new file in the same row; a file that failed is never shown as the source.
    prompts.files.push_back(box.writePicture("other.png", 200, 100));
    window->photoPage().changeSourceButton->click();
    EXPECT_EQ(rowFile(1), box.path("other.png"));
    prompts.files.push_back(box.path("missing.png"));
    window->photoPage().changeSourceButton->click();
    EXPECT_EQ(window->photoPage().sourceEdit->text(), box.path("other.png"));

    // A click on a row picks that layer and brings it to the top; below the rows, nothing.
    clickList(list()->visualItemRect(list()->topLevelItem(0)).center());
    EXPECT_EQ(window->document().selection().currentId(), 0);
    EXPECT_EQ(window->document().stack().layers().back().id, 0);
    clickList(QPoint(20, list()->viewport()->height() - 5));
    EXPECT_EQ(window->document().selection().currentId(), -1);
}

TEST_F(LayerCommandsTest, NothingIsAddedFromACancelledDialogABadFileOrAMissingProject) {
    window->actions().addPhoto->trigger(); // no file scripted: cancelled
    EXPECT_EQ(prompts.shown.size(), 1) << "only the dialog's caption";
    ASSERT_TRUE(testsupport::writeFile(box.path("broken.jpg"), "\xFF\xD8\xFF\xE0 not a photo"));
    addThroughDialog(box.path("broken.jpg"));
    EXPECT_TRUE(prompts.shown.last().contains("could not be read"));
    QDir(window->document().project().projectFolder).removeRecursively();
    addThroughDialog(box.writePicture("one.png", 40, 30));
    EXPECT_TRUE(prompts.shown.last().contains("could not be copied"));
    EXPECT_EQ(count(), 0);
}

// The question is about the selected layer; a photo that arrives while it is open is kept.
// The Delete key deletes only after a press on the canvas.
TEST_F(LayerCommandsTest, DeleteAsksFirstAndRemovesTheLayerItAskedAbout) {
    window->actions().deleteLayer->trigger();
    EXPECT_TRUE(prompts.shown.isEmpty()) << "nothing selected: nothing asked";
    addThroughDialog(box.writePicture("asked.png", 40, 30));
    window->actions().deleteLayer->trigger(); // answered No
    EXPECT_EQ(prompts.shown.last(), "Delete current layer?");
    EXPECT_EQ(count(), 1);

    prompts.whileAsking = [this] {
        window->layerCommands().addPhoto(box.writePicture("late.png", 40, 30));
    };
    prompts.answers = {Answer::Yes};
    window->actions().deleteLayer->trigger();
    prompts.whileAsking = nullptr;
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(rowFile(0), box.path("late.png")) << "the layer the question was about went";

    addThroughDialog(box.writePicture("two.png", 400, 300));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* edit = window->photoPage().sourceEdit;
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(count(), 2) << "after a press elsewhere Delete is an ordinary key";
    const editor::ScreenFrame f = window->document().selection().frame();
    QTest::mouseClick(&window->canvas(), Qt::LeftButton, {}, QPoint(f.left + 5, f.top + 5));
    prompts.answers = {Answer::Yes};
    QTest::keyClick(window.get(), Qt::Key_Delete);
    EXPECT_EQ(count(), 1);
}

// Each format's writing is ImageFile's and the page's pixels are PageComposer's; here the
// command writes the page under the name chosen, or says why not.
TEST_F(LayerCommandsTest, ExportWritesThePageInTheFormatOfTheName) {
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "Could not export image!") << "an empty page";
    addThroughDialog(box.writePicture("one.png", 400, 300, qRgb(0, 0, 255)));
    prompts.files = {box.path("page.JPEG"), box.path("page.xyz"), box.folder()};
    window->actions().exportPhotos->trigger();
    const auto page = quillax::ImageFile::decode(box.path("page.JPEG"), quillax::kJpeg);
    EXPECT_EQ(page.image.size(), QSize(992, 1403));
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "Could not export image!") << "an unknown ending is said";
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "save file name error!");
}
