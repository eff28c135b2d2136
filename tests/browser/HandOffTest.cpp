// The browser's side of the hand-off: Add photo queues the highlighted photo by its name on disk,
// and To editor starts the editor from the install folder or, when one runs, asks it to the
// front. The queue's lines are HandOffQueue's, and taking them the editor's own tests'.
#include "shared/HandOffQueue.h"
#include "shared/PeerLink.h"
#include "tests/browser/BrowserWindowFixture.h"

using quillax::PeerLink;
using HandOffTest = testsupport::BrowserWindowTest;

TEST_F(HandOffTest, QueuedPhotosGoToTheEditorStartedOnceThenRaised) {
    start();
    const QString folder = photoFolder(2, 40, 30);
    ASSERT_TRUE(openAndWait(folder));
    for (int row : {1, 0, 1}) {
        frame->view().setCurrentRow(row);
        frame->action("actionAddPhoto")->trigger();
    }
    const QString first = folder + "/IMG_000.JPG", second = folder + "/IMG_001.JPG";
    EXPECT_EQ(quillax::HandOffQueue::take(box.folder()), (QStringList{second, first, second}))
        << "the same photo queued twice is added twice";
    frame->action("actionToEditor")->trigger();
    EXPECT_EQ(launcher.programs, QStringList{box.path("PageMontager")});

    // Running, the editor is asked to the front rather than started again.
    PeerLink editor(PeerLink::editorName(), PeerLink::kEditorValue, box.folder(), nullptr);
    QSignalSpy raised(&editor, &PeerLink::raiseRequested);
    frame->action("actionToEditor")->trigger();
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_EQ(launcher.programs.size(), 1);
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("; ").toStdString();
}

// Without the editor, Add photo is greyed in the menu, and from the toolbar it and To editor
// say why and queue nothing.
TEST_F(HandOffTest, WithoutTheEditorNothingIsQueued) {
    start("");
    ASSERT_TRUE(openAndWait(photoFolder(1, 40, 30)));
    EXPECT_FALSE(frame->action("actionAddPhotoMenu")->isEnabled());
    frame->action("actionAddPhoto")->trigger();
    frame->action("actionToEditor")->trigger();
    EXPECT_EQ(prompts.shown, QStringList(2, "Add photo to editor need PageMontager installed!"));
    EXPECT_FALSE(QFile::exists(box.path("toAddList.txt")));
    EXPECT_TRUE(launcher.programs.isEmpty());
}
