#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/PhotoPage.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QDir>
#include <QGroupBox>
#include <QTabWidget>
#include <QTreeWidget>

using editor::EditorMainDialog;
using testsupport::EditorWindowTest;

// Which groups show for which selection is PhotoPageGroups'; here a tab change and a new
// selection reach the page.
TEST_F(EditorWindowTest, TabsShowTheControlsThatFitTheSelection) {
    start();
    editor::PhotoPage& photo = window->photoPage();
    window->document().addPhoto(box.writePicture("a.png", 40, 30));
    window->tabs().setCurrentIndex(EditorMainDialog::kPhotoTab);
    EXPECT_TRUE(photo.photoGroup->isVisible());
    window->document().addText();
    EXPECT_FALSE(photo.photoGroup->isVisible());
    EXPECT_TRUE(photo.textGroup->isVisible());
}

TEST_F(EditorWindowTest, EnterAndEscapeNeverCloseTheEditor) {
    start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window->photoPage().textEdit, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EditorWindowTest, WithoutAnInstallFolderTheUsersDataFolderServes) {
    testsupport::ScopedEnv data("XDG_DATA_HOME", QFile::encodeName(box.path("data")));
    box.writeSettings("");
    EditorMainDialog other({prompts, printer});
    EXPECT_EQ(other.document().project().projectFolder, box.path("data/Quillax/newPrj1/"));
    EXPECT_TRUE(QDir(other.document().project().projectFolder).exists());
    EXPECT_FALSE(QDir("newPrj1").exists()) << "nothing is made relative to wherever we run";
}

// The steps themselves are the history's; here its state reaches Undo and Redo, their keys
// reach the document, and the layer list follows.
TEST_F(EditorWindowTest, UndoAndRedoFollowTheHistoryAndTheirKeysReachThePage) {
    start();
    QAction* undo = window->actions().undo;
    EXPECT_FALSE(undo->isEnabled()) << "nothing to undo yet";
    window->document().addPhoto(box.writePicture("a.png", 400, 300));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->photoPage().layerList->topLevelItemCount(), 0);
    EXPECT_FALSE(undo->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->photoPage().layerList->topLevelItemCount(), 1);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->photoPage().layerList->topLevelItemCount(), 1) << "Ctrl+Shift+Z redoes";
}

TEST_F(EditorWindowTest, HowToOpensTheHelpOfTheInstallFolder) {
    start();
    window->findChild<QAction*>("actionHowTo")->trigger();
    EXPECT_EQ(launcher.opened, QList<QUrl>{QUrl::fromLocalFile(box.path("Readme.rtf"))});
}
