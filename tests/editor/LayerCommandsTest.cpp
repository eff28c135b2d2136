#include "editor/ui/LayerCommands.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "shared/ImageFile.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using editor::EditorMainDialog;
using editor::HistoryKind;

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
    std::vector<HistoryKind> historyKinds() {
        std::vector<HistoryKind> kinds;
        for (const auto& e : window->document().history().entries())
            kinds.push_back(e.kind);
        return kinds;
    }
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
    EXPECT_EQ(canvas().stack().find(0)->thumbIndex, 8) << "after the list's eight pictures";
}

TEST_F(LayerCommandsTest, PhotosGoIntoTheNextCellWhileArranging) {
    window->paperPage().arrangeCheck->setChecked(true);
    QTest::keyClicks(window->paperPage().layerImagesWidthEdit, "100");
    QTest::keyClicks(window->paperPage().layerImagesHeightEdit, "70");
    addThroughDialog(box.writePicture("one.png", 400, 300));
    addThroughDialog(box.writePicture("two.png", 400, 300));
    EXPECT_EQ(canvas().stack().find(1)->x, 507) << "the second column of 100 mm cells";
    EXPECT_TRUE(window->paperPage().arrangeCheck->isChecked()) << "adding is not arranging by hand";
    window->listClicked(0);
    EXPECT_FALSE(window->paperPage().arrangeCheck->isChecked())
        << "picking a photo by hand ends it";
}

TEST_F(LayerCommandsTest, NothingIsAddedFromACancelledDialogABadFileOrAMissingProject) {
    window->actions().addPhoto->trigger(); // no file scripted: cancelled
    EXPECT_EQ(canvas().stack().count(), 0);
    EXPECT_TRUE(prompts.shown.size() == 1) << "only the dialog's caption";

    QFile junk(box.path("broken.jpg"));
    junk.open(QIODevice::WriteOnly);
    junk.write("\xFF\xD8\xFF\xE0 this is not a photo");
    junk.close();
    addThroughDialog(box.path("broken.jpg"));
    EXPECT_EQ(canvas().stack().count(), 0);
    EXPECT_TRUE(prompts.shown.last().contains("could not be read"));
    EXPECT_EQ(window->document().project().nextLayerId, 0) << "no id is used up";
    EXPECT_EQ(list()->topLevelItemCount(), 0);

    window->document().project().projectFolder = box.path("gone/");
    addThroughDialog(box.writePicture("one.png", 40, 30));
    EXPECT_EQ(canvas().stack().count(), 0);
    EXPECT_TRUE(prompts.shown.last().contains("could not be copied"));
}

TEST_F(LayerCommandsTest, DeleteLayerAsksFirstAndEmptiesTheList) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    prompts.answers = {quillax::Prompts::Answer::No};
    window->actions().deleteLayer->trigger();
    EXPECT_EQ(prompts.shown.last(), "Delete current layer?");
    EXPECT_EQ(canvas().stack().count(), 1) << "No keeps the layer";

    prompts.answers = {quillax::Prompts::Answer::Yes};
    window->actions().deleteLayer->trigger();
    EXPECT_EQ(canvas().stack().count(), 0);
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(canvas().shownPicture().pixel(50, 50) & 0xFFFFFF, 0xFFFFFFu) << "an empty page";
    EXPECT_FALSE(window->photoPage().photoGroup->isVisible());

    const size_t asked = size_t(prompts.shown.size());
    window->actions().deleteLayer->trigger();
    EXPECT_EQ(size_t(prompts.shown.size()), asked) << "nothing selected: nothing asked";
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

TEST_F(LayerCommandsTest, ChangeReplacesTheSelectedPhotoByANewLayer) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    prompts.files.push_back(box.writePicture("other.png", 200, 100, qRgb(255, 0, 0)));
    window->photoPage().changeSourceButton->click();
    ASSERT_EQ(canvas().stack().count(), 1);
    const editor::LayerRecord& layer = canvas().stack().at(0);
    EXPECT_EQ(layer.id, 1) << "a new layer with a new id";
    ASSERT_EQ(list()->topLevelItemCount(), 1);
    EXPECT_EQ(list()->topLevelItem(0)->toolTip(0), box.path("other.png"));
    EXPECT_EQ(historyKinds(), (std::vector<HistoryKind>{HistoryKind::Add, HistoryKind::Modify,
                                                        HistoryKind::Add, HistoryKind::Modify}))
        << "the removal itself is not recorded";
}

TEST_F(LayerCommandsTest, ClickingARowRaisesThatLayerAndBelowTheRowsSelectsNothing) {
    addThroughDialog(box.writePicture("one.png", 400, 300));
    addThroughDialog(box.writePicture("two.png", 400, 300));
    QTreeWidgetItem* firstRow = list()->topLevelItem(0);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(firstRow).center());
    EXPECT_EQ(canvas().selection().currentId(), 0);
    EXPECT_EQ(canvas().stack().layers().back().id, 0);

    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      QPoint(20, list()->viewport()->height() - 5));
    EXPECT_EQ(canvas().selection().currentId(), -1);
}

TEST_F(LayerCommandsTest, PhotosNamedTogetherAreAllTriedAndTheBadOnesNamedInOneMessage) {
    window->addPhotosLater({box.writePicture("a.png", 40, 30), box.path("gone.png"),
                            box.path("notes.txt"), box.writePicture("b.png", 40, 30)});
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas().stack().count() == 2; }));
    EXPECT_EQ(list()->topLevelItem(1)->toolTip(0), box.path("b.png"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains("gone.png"));
    EXPECT_TRUE(prompts.shown[0].contains("notes.txt"));
    EXPECT_FALSE(prompts.shown[0].contains("b.png"));
}

TEST_F(LayerCommandsTest, DeleteRemovesTheLayerItAskedAboutWhatEverArrivesMeanwhile) {
    addThroughDialog(box.writePicture("asked.png", 40, 30));
    prompts.whileAsking = [this] {
        window->layerCommands().addPhoto(box.writePicture("late.png", 40, 30));
    };
    prompts.answers = {quillax::Prompts::Answer::Yes};
    window->actions().deleteLayer->trigger();
    ASSERT_EQ(canvas().stack().count(), 1);
    EXPECT_EQ(canvas().stack().find(0), nullptr) << "the layer the question was about";
    EXPECT_EQ(list()->topLevelItem(0)->toolTip(0), box.path("late.png"));
}

TEST_F(LayerCommandsTest, TheSourceEditShowsTheSelectedPhotosFileNotOneThatFailed) {
    addThroughDialog(box.writePicture("good.png", 40, 30));
    addThroughDialog(box.path("missing.png"));
    EXPECT_EQ(window->photoPage().sourceEdit->text(), box.path("good.png"));
    prompts.files.push_back(box.path("missing.png"));
    window->photoPage().changeSourceButton->click();
    EXPECT_EQ(window->photoPage().sourceEdit->text(), box.path("good.png"));
    EXPECT_EQ(canvas().stack().count(), 1) << "a change to an unreadable picture keeps the photo";
    EXPECT_EQ(list()->topLevelItemCount(), 1);
}

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
    EXPECT_LT(qRed(page.image.pixel(100, 100)), 20);
    EXPECT_GT(qBlue(page.image.pixel(100, 100)), 235);
    EXPECT_EQ(page.image.pixel(900, 1300) & 0xFFFFFF, 0xFFFFFFu);

    for (const char* name : {"p.bmp", "p.gif", "p.png", "p.ico", "p.tif", "p.pcx", "p.tga"}) {
        prompts.files.push_back(box.path(name));
        window->actions().exportPhotos->trigger();
        EXPECT_TRUE(
            quillax::ImageFile::decode(box.path(name), quillax::imageTypeFromName(name)).isValid())
            << name;
    }

    prompts.files.push_back(box.path("page.xyz"));
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "Could not export image!")
        << "an unknown ending is said, not passed over";

    prompts.files.push_back(box.folder());
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "save file name error!");

    QFile::remove(window->document().project().projectFolder + "newPrj10.bmp");
    window->actions().exportPhotos->trigger();
    EXPECT_EQ(prompts.shown.last(), "Could not export image!") << "the photo's file went missing";
}
