#include "shared/Settings.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <gtest/gtest.h>

using quillax::Settings;
using testsupport::ScopedEnv;
using testsupport::writeFile;

TEST(Settings, ReadsTheNamedOrTheUsersFileFreshAtEveryCall) {
    testsupport::Sandbox box;
    const QString file = box.path("q.conf");
    ScopedEnv config("QUILLAX_CONFIG", QFile::encodeName(file));
    ASSERT_TRUE(writeFile(file, "[Quillax]\nLocation=/opt/Quillax/\nMEditor=PageMontager\n"));
    EXPECT_EQ(Settings::location(), "/opt/Quillax/");
    EXPECT_EQ(Settings::editorName(), "PageMontager");

    ASSERT_TRUE(writeFile(file, "[Quillax]\nLocation=/elsewhere/\n"));
    EXPECT_EQ(Settings::location(), "/elsewhere/") << "never cached";
    EXPECT_EQ(Settings::editorName(), "") << "a missing key reads as empty";

    ASSERT_TRUE(writeFile(file, "[Other]\nLocation=/wrong/\n"));
    EXPECT_EQ(Settings::location(), "") << "only the [Quillax] group counts";
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(Settings::configFile(), "") << "a named file that is missing has no stand-in";

    // Unnamed, the file is the user's; the install folder falls back to the data folder.
    ScopedEnv unnamed("QUILLAX_CONFIG", "");
    ScopedEnv home("XDG_CONFIG_HOME", QFile::encodeName(box.path("cfg")));
    ScopedEnv data("XDG_DATA_HOME", QFile::encodeName(box.path("data")));
    EXPECT_EQ(Settings::location(), "") << "no file reads as empty";
    EXPECT_EQ(Settings::installFolder(), box.path("data/Quillax/"));
    ASSERT_TRUE(writeFile(box.path("cfg/Quillax/Quillax.conf"), "[Quillax]\nLocation=/opt/q\n"));
    EXPECT_EQ(Settings::location(), "/opt/q");
    EXPECT_EQ(Settings::installFolder(), "/opt/q/") << "always ends in a slash";
}
