// Every test program runs with a QApplication on the offscreen platform (or the one
// QUILLAX_TEST_PLATFORM names, for the few tests of an X server's own facilities) and never
// reads or writes the user's own settings and caches.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QUILLAX_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(runtime.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(runtime.path() + "/data"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(runtime.path() + "/cache"));
    qputenv("XDG_STATE_HOME", QFile::encodeName(runtime.path() + "/state"));
    qputenv("QUILLAX_CONFIG", QFile::encodeName(runtime.path() + "/no-such.conf"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Quillax tests");
    return RUN_ALL_TESTS();
}
