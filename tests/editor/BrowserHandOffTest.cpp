// The editor's side of the hand-off: the browser's queue taken when the window comes to the
// front, never while it is minimised, and a queue of any length added with the window
// answering in between.
#include "editor/ui/BrowserHandOff.h"
#include "editor/ui/LayerCommands.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QFile>
#include <QSignalSpy>
#include <QTimer>

using testsupport::EditorWindowTest;

TEST_F(EditorWindowTest, AMinimisedEditorTakesTheQueueOnlyOnceRestored) {
    start();
    const QString photo = box.writePicture("p.png", 40, 30);
    ASSERT_TRUE(testsupport::writeFile(box.path("toAddList.txt"), QFile::encodeName(photo) + "\n"));
    window->showMinimized();
    window->browserHandOff().importQueue();
    EXPECT_TRUE(QFile::exists(box.path("toAddList.txt")));
    window->browserHandOff().comeForward();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(QFile::exists(box.path("toAddList.txt")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->document().stack().count() == 1; }));
}

// 10 000 lines: the photo first and last, and between them folders, junk and missing files.
TEST_F(EditorWindowTest, AQueueOfThousandsIsAddedWithTheWindowAnswering) {
    start();
    const QByteArray photo = QFile::encodeName(box.writePicture("p.png", 40, 30));
    QByteArray lines = photo + "\n";
    for (int i = 0; i < 9998; ++i) {
        const QByteArray kinds[] = {QFile::encodeName(box.folder()), "\x01\xfe junk",
                                    QFile::encodeName(box.path(QString("gone%1.jpg").arg(i)))};
        lines += kinds[i % 3] + "\n";
    }
    ASSERT_TRUE(testsupport::writeFile(box.path("toAddList.txt"), lines + photo + "\n"));
    int answered = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] { ++answered; });
    beat.start(0);
    QSignalSpy finished(&window->layerCommands(), &editor::LayerCommands::addingFinished);
    window->browserHandOff().importQueue();
    EXPECT_TRUE(window->layerCommands().isAdding());
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(window->document().stack().count(), 2);
    ASSERT_EQ(prompts.shown.size(), 1) << "one message for all that failed";
    EXPECT_TRUE(prompts.shown[0].startsWith("These pictures were not added:"));
    EXPECT_TRUE(prompts.shown[0].endsWith("... and 9983 more")) << "15 named, the rest counted";
    EXPECT_TRUE(prompts.shown[0].contains("gone2.jpg")) << "the first missing file, line 4";
    EXPECT_GT(answered, 1000) << "the window went on answering while they were added";
}
