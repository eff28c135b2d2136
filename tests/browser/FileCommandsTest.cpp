// The file commands on the current photo, from the menus, the keys and the context menu: that
// they reach the files and the list, and that none of their failures loses a photo. The file
// work itself is FileTransfer's, the typed folder DestinationFolder's, the list the document's.
#include "browser/model/CVistaRamblerDoc.h"
#include "browser/ui/CopyMoveDialog.h"
#include "tests/browser/BrowserWindowFixture.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <unistd.h>

using browser::CopyMoveDialog;
using Answer = quillax::Prompts::Answer;

namespace {

// Three photos listed, the second one current.
class FileCommandsTest : public testsupport::BrowserWindowTest {
  protected:
    void SetUp() override {
        start();
        folder = photoFolder(3, 40, 30);
        ASSERT_TRUE(openAndWait(folder));
        frame->view().setFocus();
        frame->view().setCurrentRow(1);
    }
    QString second() const { return folder + "/IMG_001.JPG"; }

    QString folder;
    const testsupport::ScopedEnv data{"XDG_DATA_HOME", box.path("data").toUtf8()}; // the trash
};

} // namespace

TEST_F(FileCommandsTest, DeleteAsksByNameAndPutsThePhotoInTheTrash) {
    QTest::keyClick(&frame->view(), Qt::Key_Delete);
    EXPECT_EQ(prompts.shown, QStringList{"Delete current image file?\n\nIMG_001.JPG"});
    EXPECT_TRUE(QFile::exists(second())) << "No keeps it";

    prompts.answers = {Answer::Yes};
    frame->action("actionDelete")->trigger();
    EXPECT_TRUE(QFile::exists(box.path("data/Trash/files/IMG_001.JPG"))) << "to be restored";
    EXPECT_EQ(labels(), (QStringList{"img_000.jpg", "img_002.jpg"}));
    EXPECT_EQ(frame->view().currentRow(), 1) << "the photo that took its place is highlighted";

    // With nothing highlighted there is nothing to act on.
    frame->view().setCurrentRow(-1);
    for (const char* command : {"actionDelete", "actionRename", "actionCopyTo", "actionMoveTo",
                                "actionProperties", "actionAddPhoto"})
        EXPECT_FALSE(frame->action(command)->isEnabled()) << command;
}

// The slide show starts at the current photo and its keys step it, as SlideShow's tests tell
// where. Delete asks about the photo shown, and no other (the question names the file it
// trashes), and shows the one that took its place; on the end picture it does nothing.
TEST_F(FileCommandsTest, TheSlideShowStepsAndDeletesOnlyThePhotoShown) {
    prompts.answers = {Answer::Yes};
    prompts.whileInDialog = [this](QDialog& d) {
        auto& viewer = static_cast<browser::FullScreenViewer&>(d);
        EXPECT_EQ(viewer.slideShow().shownPath(), second());
        // A step missed or taken twice below would delete another photo, or ask twice.
        viewer.start();
        QTest::keyClick(&viewer, Qt::Key_Left);
        QTest::keyRelease(&viewer, Qt::Key_Right); // pressed elsewhere, as in a question box
        QTest::keyClick(&viewer, Qt::Key_Right);
        viewer.deleteShown(); // Delete, or the context menu's "&Delete"
        EXPECT_EQ(viewer.slideShow().shownPath(), folder + "/IMG_002.JPG");
        QTest::keyClick(&viewer, Qt::Key_Right); // past the last of the two left
        viewer.deleteShown();
    };
    frame->action("actionSlideShow")->trigger();
    EXPECT_EQ(prompts.shown, QStringList{"Delete current image file?\n\nIMG_001.JPG"});
    EXPECT_EQ(labels(), (QStringList{"img_000.jpg", "img_002.jpg"})) << "the list follows";
}

// A photo that went behind the list's back is said, and the list read again. An immutable file
// cannot be trashed even by root; without root a read-only folder does it.
TEST_F(FileCommandsTest, APhotoGoneIsSaidAndOneThatCannotBeDeletedStaysListed) {
    QFile::remove(folder + "/IMG_002.JPG");
    frame->view().setCurrentRow(2);
    frame->action("actionDelete")->trigger();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.first().contains("is no longer there")) << "not asked to delete";
    EXPECT_EQ(labels(), (QStringList{"img_000.jpg", "img_001.jpg"}));

    frame->view().setCurrentRow(1);
    const bool root = ::getuid() == 0;
    if (root && QProcess::execute("chattr", {"+i", second()}) != 0)
        GTEST_SKIP() << "running as root on a file system without immutable files";
    if (!root)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    prompts.answers = {Answer::Yes};
    frame->action("actionDelete")->trigger();
    if (root)
        QProcess::execute("chattr", {"-i", second()});
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(prompts.shown.last(), "Delete the file failed!");
    EXPECT_TRUE(QFile::exists(second()));
    EXPECT_EQ(frame->view().count(), 2);
}

// Neither a copy nor a move goes over another photo unasked.
TEST_F(FileCommandsTest, CopyOntoAPhotoOfTheSameNameAsksFirstAndMoveRefuses) {
    const QString there = box.path("album/IMG_001.JPG");
    ASSERT_TRUE(testsupport::writeFile(there, "another photo"));
    bool accepted = false;
    prompts.whileInDialog = [&](QDialog& d) { // the user types a folder and presses OK
        auto& dialog = static_cast<CopyMoveDialog&>(d);
        dialog.destinationEdit()->setText("../album"); // beside the folder shown
        dialog.accept();
        accepted = dialog.result() == QDialog::Accepted;
    };
    frame->action("actionMoveTo")->trigger();
    EXPECT_EQ(prompts.shown,
              QStringList{"Move the file failed!\n\na file of that name is already there"});

    // The refused move left the photo where it was: it is copied and then moved below.
    prompts.shown.clear();
    frame->action("actionCopyTo")->trigger();
    EXPECT_EQ(prompts.shown, QStringList{"Destination file already exists, overwrite it?"});
    EXPECT_EQ(testsupport::readFile(there), "another photo") << "No: the photo stays";
    EXPECT_FALSE(accepted) << "and so does the dialog";
    prompts.answers = {Answer::Yes};
    frame->action("actionCopyTo")->trigger();
    EXPECT_TRUE(accepted) << "Yes copies over it and closes";
    EXPECT_EQ(frame->view().count(), 3) << "a copy leaves the list as it is";

    QFile::remove(there);
    frame->action("actionMoveTo")->trigger();
    EXPECT_TRUE(QFile::exists(there));
    EXPECT_EQ(labels(), (QStringList{"img_000.jpg", "img_002.jpg"}));
}

// The label editor starts from the name on disk, Enter without a change renames nothing, and
// a refused name is told once, after the editor has gone, leaving the old label. A rename never
// overwrites and takes only a name.
TEST_F(FileCommandsTest, RenameTakesOnlyANewNameAndAFailureIsToldOnceTheEditorIsGone) {
    auto& view = frame->view();
    auto edit = [&](const QString& text) {
        QTest::keyClick(&view, Qt::Key_F2);
        auto* line = view.viewport()->findChild<QLineEdit*>();
        if (line == nullptr)
            return QString();
        const QString started = line->text();
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
        QTest::qWait(20); // the rename runs once the editor has closed
        return started;
    };
    EXPECT_EQ(edit("IMG_001.JPG"), "IMG_001.JPG") << "the name on disk, not the label";
    EXPECT_TRUE(prompts.shown.isEmpty()) << "an unchanged name is not renamed onto itself";

    bool editorOpen = true;
    prompts.whileShowing = [&] {
        const auto* line = view.viewport()->findChild<QLineEdit*>();
        editorOpen = line != nullptr && line->isVisible();
    };
    edit("IMG_002.JPG");
    EXPECT_EQ(prompts.shown, QStringList{"Rename the file failed!"});
    EXPECT_FALSE(editorOpen) << "no box opens inside the editor's own commit";
    for (const QString& refused : QStringList{"../IMG_001.JPG", ".", ".."}) {
        emit view.renameRequested(1, refused);
        EXPECT_EQ(prompts.shown.last(), "Rename the file failed!") << refused.toStdString();
    }
    EXPECT_EQ(view.item(1)->text(), "img_001.jpg");

    // The photo is still where it was: this rename of it succeeds.
    emit view.renameRequested(1, "Beach 1.jpg");
    EXPECT_TRUE(QFile::exists(folder + "/Beach 1.jpg"));
    EXPECT_EQ(view.item(1)->text(), "beach 1.jpg") << "only the label is lower-cased";
    EXPECT_EQ(frame->document().currentPath(), folder + "/Beach 1.jpg");
}

TEST_F(FileCommandsTest, EnterViewsAltEnterTellsAndOpenOnlyShows) {
    // Enter shows the photo alone on the screen; a click before it is up does not close it.
    QStringList viewed;
    prompts.whileInDialog = [&](QDialog& d) {
        auto& viewer = static_cast<browser::FullScreenViewer&>(d);
        viewed << viewer.slideShow().shownPath();
        QTest::mouseClick(&viewer, Qt::LeftButton);
        EXPECT_NE(viewer.result(), QDialog::Accepted) << "not up yet";
        viewer.start();
        QTest::mouseClick(&viewer, Qt::LeftButton);
        EXPECT_EQ(viewer.result(), QDialog::Accepted) << "any click returns";
    };
    QTest::keyClick(&frame->view(), Qt::Key_Return);
    EXPECT_EQ(viewed, QStringList{second()});
    prompts.whileInDialog = nullptr;
    QTest::keyClick(&frame->view(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(prompts.dialogTitles.size(), 2) << "Alt+Enter shows the properties";

    // A picture opened from elsewhere is only shown; the commands stay on the highlighted one,
    // as the document's tests tell. Any other file is not shown, nor offered to the viewer's
    // Delete.
    prompts.files = {box.writePicture("notes.txt", 4, 4)};
    frame->action("actionOpen")->trigger();
    EXPECT_EQ(prompts.shown.last(), "Please specify an image first!");
    prompts.files = {box.writePicture("elsewhere.png", 8, 6)};
    frame->action("actionOpen")->trigger();
    EXPECT_EQ(frame->document().shownPath(), box.path("elsewhere.png"));
}

TEST_F(FileCommandsTest, TheDestinationMustBeAFolder) {
    prompts.whileInDialog = [this](QDialog& d) {
        auto& dialog = static_cast<CopyMoveDialog&>(d);
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(dialog.destinationEdit(), &away);
        EXPECT_TRUE(prompts.shown.isEmpty()) << "nothing typed, and only another window";
        dialog.destinationEdit()->setText("holiday");
        QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(dialog.destinationEdit(), &tab);
        dialog.accept();
        EXPECT_EQ(prompts.shown.size(), 2) << "said on leaving by Tab, and on OK with the reason";
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        prompts.files = {box.path("album")};
        dialog.changeFolderButton()->click();
        EXPECT_EQ(dialog.destinationEdit()->text(), box.path("album") + "/") << "as chosen";
    };
    frame->action("actionCopyTo")->trigger();
}
