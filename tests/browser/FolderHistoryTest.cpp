#include "browser/model/FolderHistory.h"

#include <gtest/gtest.h>

using browser::FolderHistory;

// A folder selected again is not pushed again, and a click that follows no Back or Forward
// changes nothing: the entries at the end of the walk show both.
TEST(FolderHistory, BackAndForwardWalkTheEightNewestFolders) {
    FolderHistory h;
    for (const char* folder : {"Desktop", "A", "A", "B", "C"})
        h.selected(folder);
    h.clicked();
    EXPECT_TRUE(h.canGoBack());
    for (const char* folder : {"B", "A", "Desktop"})
        EXPECT_EQ(h.back(), folder);
    EXPECT_FALSE(h.canGoBack()) << "Back greyed on the Desktop";
    EXPECT_TRUE(h.canGoForward());
    EXPECT_EQ(h.back(), "");
    for (const char* folder : {"A", "B", "C"})
        EXPECT_EQ(h.forward(), folder);
    EXPECT_FALSE(h.canGoForward());
    EXPECT_EQ(h.entries(), (QStringList{"Desktop", "A", "B", "C"})) << "walking pushes nothing";

    // A click after Back keeps the folder clicked.
    h.back();    // B
    h.back();    // A, index 1
    h.clicked(); // the press, before the selection it makes
    h.selected("X");
    EXPECT_EQ(h.entries(), (QStringList{"Desktop", "X"}));
    EXPECT_FALSE(h.isNavigating());
    EXPECT_EQ(h.back(), "Desktop") << "the folder clicked is current";

    // It keeps the eight newest.
    h = FolderHistory();
    h.selected("Desktop");
    for (int i = 1; i <= 8; ++i)
        h.selected(QString("F%1").arg(i));
    EXPECT_EQ(h.entries().size(), 8);
    EXPECT_EQ(h.entries().first(), "F1") << "the Desktop entry is gone";
    int steps = 0;
    while (!h.back().isEmpty())
        ++steps;
    EXPECT_EQ(steps, 7);
}
