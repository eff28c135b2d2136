// Feeds arbitrary bytes to the editor as a project file: it is parsed, its page set up and its
// layers loaded (photo names resolved in a folder of the fuzzer's own). Nothing may crash,
// hang or allocate past the picture size guard; a page that opens must make sense.
#include "editor/model/PageDocument.h"

#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString folder = [] {
        const QString path = QDir::temp().filePath(QString("quillax-fuzz-%1/").arg(getpid()));
        QDir().mkpath(path);
        return path;
    }();
    const QString path = folder + "project.lyj";
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    editor::PageDocument document;
    document.setUpFolders(folder);
    (void)document.openProject(
        path, [](int row) { return row == 5 ? QSizeF(210, 297) : QSizeF(row * 10.0, row * 20.0); });
    const editor::ProjectState& page = document.project();
    if (page.pageWidth < 1 || page.pageHeight < 1 ||
        int64_t(page.pageWidth) * page.pageHeight > imaging::DibImage::kMaxPixels)
        std::abort();
    for (const editor::LayerRecord& layer : document.stack().layers())
        if (layer.region.width() < 1 || layer.region.height() < 1)
            std::abort();
    return 0;
}
