// Feeds arbitrary bytes to the settings reader as the suite's settings file: every value must
// read as some string, never crash. The install folder must still end in "/".
#include "shared/Settings.h"

#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A new name for every input: the settings reader may keep what it read of a file whose
    // size and time did not change.
    static int count = 0;
    const QString path =
        QDir::temp().filePath(QString("quillax-fuzz-%1-%2.conf").arg(getpid()).arg(++count));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    qputenv("QUILLAX_CONFIG", QFile::encodeName(path));
    (void)quillax::Settings::editorName();
    if (!quillax::Settings::installFolder().endsWith('/'))
        std::abort();
    QFile::remove(path);
    return 0;
}
