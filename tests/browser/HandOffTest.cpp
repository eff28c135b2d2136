// Photos handed from the browser to the editor, with the editor a process of its own started
// from a private install folder, as "To editor" starts it.
#include "browser/model/CVistaRamblerDoc.h"
#include "browser/ui/CVistaRamblerView.h"
#include "browser/ui/FolderTree.h"
#include "tests/browser/BrowserWindowFixture.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <memory>
#include <vector>

using testsupport::BrowserWindowTest;

namespace {

// Starts programs as the desktop would, but keeps hold of them so the test can end them.
class ProcessLauncher : public testsupport::RecordingLauncher {
  public:
    ~ProcessLauncher() override {
        for (auto& p : started) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        RecordingLauncher::startProgram(program, arguments);
        started.push_back(std::make_unique<QProcess>());
        started.back()->start(program, arguments);
        return started.back()->waitForStarted();
    }
    std::vector<std::unique_ptr<QProcess>> started;
};

class HandOffTest : public BrowserWindowTest {
  protected:
    void startWithEditorInstalled() {
        ASSERT_TRUE(QFile::link(PAGEMONTAGER_PATH, box.path("PageMontager")));
        start("PageMontager", processes);
        ASSERT_TRUE(openAndWait(photoFolder(3, 40, 30)));
    }
    void queue(int row) {
        frame->view().setCurrentRow(row);
        frame->action("actionAddPhoto")->trigger();
    }
    // The editor has taken the queue and written its copy of its n-th photo into the
    // temporary project.
    bool editorHas(int photos) const {
        return QFile::exists(box.path(QString("newPrj1/newPrj1%1.bmp").arg(photos - 1))) &&
               !QFile::exists(box.path("toAddList.txt"));
    }

    ProcessLauncher processes;
};

} // namespace

// The order and the lines of the queue are HandOffQueue's; here the editor is started with
// it, then asked to the front with the next one.
TEST_F(HandOffTest, QueuedPhotosArriveInTheEditorStartedOnceThenRaised) {
    startWithEditorInstalled();
    for (int row : {0, 1, 2})
        queue(row);
    frame->action("actionToEditor")->trigger();
    ASSERT_EQ(processes.programs, QStringList{box.path("PageMontager")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return editorHas(3); }, 60000))
        << "the editor took the queue";

    // Running, the editor is asked to the front rather than started again; the same photo
    // queued twice is added twice.
    queue(1);
    queue(1);
    frame->action("actionToEditor")->trigger();
    EXPECT_EQ(processes.programs.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editorHas(5); }, 60000));
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("; ").toStdString();
}

// Without the editor, Add photo is greyed in the menu, and from the toolbar it and To editor
// say why and queue nothing. Whether it is installed is asked anew each time.
TEST_F(HandOffTest, WithoutTheEditorNothingIsQueued) {
    start("");
    ASSERT_TRUE(openAndWait(photoFolder(1, 40, 30)));
    frame->view().setCurrentRow(0);
    EXPECT_FALSE(frame->action("actionAddPhotoMenu")->isEnabled());
    frame->action("actionAddPhoto")->trigger();
    frame->action("actionToEditor")->trigger();
    EXPECT_EQ(prompts.shown, QStringList(2, "Add photo to editor need PageMontager installed!"));
    EXPECT_FALSE(QFile::exists(box.path("toAddList.txt")));
    EXPECT_TRUE(launcher.programs.isEmpty());
    box.writeSettings(box.folder(), "PageMontager");
    EXPECT_TRUE(browser::CMainFrame::editorInstalled());
}
