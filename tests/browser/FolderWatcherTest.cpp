#include "browser/model/FolderWatcher.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

// A burst of changes by another program comes as one call, naming each folder once.
TEST(FolderWatcher, ABurstOfChangesIsToldOnceItSettles) {
    testsupport::Sandbox box;
    const QString a = box.path("a"), b = box.path("b");
    ASSERT_TRUE(QDir().mkpath(a) && QDir().mkpath(b));
    browser::FolderWatcher watcher;
    watcher.watchOnly({a, b, box.path("no such folder")});
    QSignalSpy changed(&watcher, &browser::FolderWatcher::changed);
    for (int i = 0; i < 20; ++i)
        testsupport::writeFile(QString("%1/%2.jpg").arg(i % 2 ? a : b).arg(i), "x");
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_FALSE(changed.wait(2 * browser::FolderWatcher::kSettleMs)) << "one call for the burst";
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.first().first().toStringList(), (QStringList{a, b}));

    watcher.watchOnly({b});
    testsupport::writeFile(a + "/late.jpg", "x");
    EXPECT_FALSE(changed.wait(2 * browser::FolderWatcher::kLongestWaitMs)) << "a is let go";
}
