#include "editor/model/RecentProjects.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

using editor::RecentProjects;

TEST(RecentProjects, TheLastEightNewestFirstEachOnce) {
    testsupport::Sandbox box;
    RecentProjects recent(box.path("state/Quillax/recent-projects"));
    EXPECT_TRUE(recent.paths().isEmpty()) << "no file yet";
    for (int i = 0; i < 10; ++i)
        recent.add(QString("/p/%1.lyj").arg(i));
    recent.add("/p/5.lyj");
    EXPECT_EQ(recent.paths(), (QStringList{"/p/5.lyj", "/p/9.lyj", "/p/8.lyj", "/p/7.lyj",
                                           "/p/6.lyj", "/p/4.lyj", "/p/3.lyj", "/p/2.lyj"}));
    recent.add("/p/two\nlines.lyj");
    EXPECT_EQ(recent.paths().first(), "/p/5.lyj") << "a name with a line break is not kept";

    // A file written by hand or damaged gives the absolute paths it holds.
    ASSERT_TRUE(testsupport::writeFile(box.path("junk"), "relative.lyj\n\n/a.lyj\n/a.lyj\n\x01"));
    EXPECT_EQ(RecentProjects(box.path("junk")).paths(), QStringList{"/a.lyj"});
}
