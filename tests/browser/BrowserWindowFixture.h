#pragma once
#include "browser/ui/CMainFrame.h"
#include "browser/ui/CVistaRamblerView.h"
#include "browser/ui/FolderTree.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedPrompts.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

// A browser window on a sandbox install folder, with scripted prompts; photoFolder() makes
// a folder of JPEG photos of distinct colours.
class BrowserWindowTest : public ::testing::Test {
  protected:
    void start(const QString& editor = "PageMontager") {
        box.writeSettings(box.folder(), editor);
        frame = std::make_unique<browser::CMainFrame>(browser::BrowserServices{prompts, launcher});
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    // As the program does before it ends: no decoding thread outlives the window.
    void TearDown() override {
        frame.reset();
        browser::ThumbnailWorker::waitForAllThreads();
    }
    QString photoFolder(int count, int w = 640, int h = 480) {
        for (int i = 0; i < count; ++i)
            box.writePicture(QString("photos/IMG_%1.JPG").arg(i, 3, 10, QChar('0')), w, h,
                             QColor::fromHsv((i * 37) % 360, 200, 220).rgb());
        return box.path("photos");
    }

    // Opens `folder` in the tree; whether all its cells were then shown.
    bool openAndWait(const QString& folder) {
        QSignalSpy done(&frame->view(), &browser::CVistaRamblerView::allThumbnailsShown);
        return frame->folderTree().openFolder(folder) && done.wait(20000);
    }

    QStringList labels() const {
        QStringList texts;
        for (int i = 0; i < frame->view().count(); ++i)
            texts.append(frame->view().item(i)->text());
        return texts;
    }

    testsupport::Sandbox box;
    testsupport::ScriptedPrompts prompts;
    RecordingLauncher launcher;
    std::unique_ptr<browser::CMainFrame> frame;
};

} // namespace testsupport
