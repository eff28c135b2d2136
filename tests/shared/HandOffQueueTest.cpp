// The queue of photos from the browser to the editor: lines in order, the file gone once
// taken, a queue held by the other side left for the next time, and, with two processes
// racing, every line arriving exactly once.
#include "shared/HandOffQueue.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/file.h>

using quillax::HandOffQueue;
using Appended = HandOffQueue::Appended;

struct HandOffQueueTest : ::testing::Test {
    testsupport::Sandbox box;
};

TEST_F(HandOffQueueTest, WhateverTheFileHoldsArrivesAsLinesInOrderAndAHeldQueueWaits) {
    EXPECT_TRUE(HandOffQueue::take(box.folder()).isEmpty()) << "no file, no queue";
    for (const char* path : {"/p/Été 1.jpg", "/p/b.png", "/p/Été 1.jpg"})
        ASSERT_EQ(HandOffQueue::append(box.folder(), QString::fromUtf8(path)), Appended::Done);
    EXPECT_EQ(testsupport::readFile(box.path("toAddList.txt")),
              QString("/p/Été 1.jpg\n/p/b.png\n/p/Été 1.jpg\n").toUtf8());
    EXPECT_EQ(HandOffQueue::take(box.folder()),
              (QStringList{"/p/Été 1.jpg", "/p/b.png", "/p/Été 1.jpg"}));
    EXPECT_EQ(HandOffQueue::append(box.folder() + "missing/", "/p/c.jpg"), Appended::CannotOpen);

    // One path a line cannot hold a name with a line break: it would arrive as two bogus paths.
    // The file went with the queue taken above and is not made again for these.
    for (const char* broken : {"/p/two\nlines.jpg", "/p/return\r.jpg"})
        EXPECT_EQ(HandOffQueue::append(box.folder(), broken), Appended::NameHasLineBreak);
    EXPECT_FALSE(QFile::exists(box.path("toAddList.txt"))) << "and nothing of it is written";

    // A queue the other side holds is left for the next time.
    HandOffQueue::append(box.folder(), "/p/a.jpg");
    QFile held(box.path("toAddList.txt"));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(held.handle(), LOCK_EX), 0);
    EXPECT_TRUE(HandOffQueue::take(box.folder()).isEmpty());
    held.close();
    EXPECT_EQ(HandOffQueue::take(box.folder()), QStringList{"/p/a.jpg"});

    // Whatever lies in the file is handed on as lines; add photo judges them.
    const QByteArray longLine(100000, 'x');
    ASSERT_TRUE(testsupport::writeFile(box.path("toAddList.txt"),
                                       "/p/a.jpg\r\n\n" + longLine +
                                           "\n\x01\xff\xfe\n/p/last-without-end"));
    const QStringList lines = HandOffQueue::take(box.folder());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "/p/a.jpg");
    EXPECT_EQ(lines[1].size(), 100000);
    EXPECT_EQ(lines[3], "/p/last-without-end");
}

TEST_F(HandOffQueueTest, AnotherProcessAppendingWhileTheQueueIsTakenLosesNothing) {
    constexpr int kLines = 3000;
    QProcess appender;
    appender.start(HANDOFF_APPENDER_PATH, {box.folder(), QString::number(kLines)});
    ASSERT_TRUE(appender.waitForStarted());
    QStringList arrived;
    int takes = 0;
    while (appender.state() != QProcess::NotRunning || QFile::exists(box.path("toAddList.txt"))) {
        const QStringList taken = HandOffQueue::take(box.folder());
        takes += taken.isEmpty() ? 0 : 1;
        arrived += taken;
        appender.waitForFinished(0);
    }
    EXPECT_EQ(appender.exitCode(), 0) << appender.readAllStandardError().constData();
    ASSERT_EQ(arrived.size(), kLines) << "taken in " << takes << " turns";
    for (int i = 0; i < kLines; ++i)
        ASSERT_EQ(arrived[i], QStringLiteral("/photos/IMG_%1.JPG").arg(i)) << "line " << i;
    EXPECT_GT(takes, 1) << "the two really did race";
}
