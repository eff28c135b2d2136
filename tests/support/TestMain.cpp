// Every test program runs with a QApplication on the offscreen platform and never reads the
// user's own settings.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(runtime.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(runtime.path() + "/data"));
    qputenv("QUILLAX_CONFIG", QFile::encodeName(runtime.path() + "/no-such.conf"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Quillax tests");
    return RUN_ALL_TESTS();
}
