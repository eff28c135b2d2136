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
        box.writeSettings(box.folder(), "PageMontager");
        frame = std::make_unique<browser::CMainFrame>(browser::BrowserServices{prompts, processes});
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        QSignalSpy done(&frame->view(), &browser::CVistaRamblerView::allThumbnailsShown);
        ASSERT_TRUE(frame->folderTree().openFolder(photoFolder(3, 40, 30)));
        ASSERT_TRUE(done.wait(20000));
    }
    void queue(int row) {
        frame->view().setCurrentRow(row);
        frame->action("actionAddPhoto")->trigger();
    }
    // The editor's copy of its n-th photo, as it writes it into the temporary project.
    QString editorPhoto(int n) const { return box.path(QString("newPrj1/newPrj1%1.bmp").arg(n)); }
    bool editorHas(int photos) const {
        return QFile::exists(editorPhoto(photos - 1)) && !QFile::exists(queueFile());
    }
    QString queueFile() const { return box.path("toAddList.txt"); }

    ProcessLauncher processes;
};

int hueOf(const QString& bmp) {
    const QImage picture(bmp);
    return picture.isNull() ? -1 : picture.pixelColor(picture.rect().center()).hsvHue();
}

} // namespace

TEST_F(HandOffTest, QueuedPhotosArriveInTheEditorInOrder) {
    startWithEditorInstalled();
    queue(0);
    queue(1);
    queue(2);
    EXPECT_EQ(QFile(queueFile()).size(), 3 * (box.path("photos/IMG_000.JPG").size() + 1));

    frame->action("actionToEditor")->trigger();
    ASSERT_EQ(processes.programs, QStringList{box.path("PageMontager")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return editorHas(3); }, 60000))
        << "the editor took the queue";
    // The photos' hues were 0, 37 and 74 degrees.
    for (int n = 0; n < 3; ++n)
        EXPECT_NEAR(hueOf(editorPhoto(n)), n * 37, 6) << "photo " << n;

    // Running, the editor is asked to the front rather than started again; the same photo
    // queued twice is added twice.
    queue(1);
    queue(1);
    frame->action("actionToEditor")->trigger();
    EXPECT_EQ(processes.programs.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editorHas(5); }, 60000));
    EXPECT_NEAR(hueOf(editorPhoto(3)), 37, 6);
    EXPECT_NEAR(hueOf(editorPhoto(4)), 37, 6);
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("; ").toStdString();
}

TEST_F(HandOffTest, WithoutTheEditorNothingIsQueued) {
    start("");
    QSignalSpy done(&frame->view(), &browser::CVistaRamblerView::allThumbnailsShown);
    ASSERT_TRUE(frame->folderTree().openFolder(photoFolder(1, 40, 30)));
    ASSERT_TRUE(done.wait(20000));
    frame->view().setCurrentRow(0);
    frame->action("actionAddPhoto")->trigger();
    frame->action("actionToEditor")->trigger();
    EXPECT_EQ(prompts.shown, QStringList(2, "Add photo to editor need PageMontager installed!"));
    EXPECT_FALSE(QFile::exists(queueFile()));
    EXPECT_TRUE(launcher.programs.isEmpty());
}
