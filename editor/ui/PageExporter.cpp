#include "editor/ui/PageExporter.h"

#include "editor/model/PageComposer.h"
#include "editor/model/PageDocument.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"
#include "shared/Prompts.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace editor {

QString PageExporter::filter() {
    return QStringLiteral(
        "Bmp files(*.bmp);;Gif files(*.gif);;Jpeg files(*.jpg);;Png files(*.png);;"
        "Ico files(*.ico);;Tif files(*.tif);;Pcx files(*.pcx);;Tga files(*.tga)");
}

void PageExporter::run(const PageDocument& document, quillax::Prompts& prompts) {
    const auto page = document.composePage(PageDocument::PageTurn::AsShown);
    if (!page) {
        prompts.message(tr("Could not export image!"));
        return;
    }
    const QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = prompts.saveFile(tr("Export Photos"), start, filter(), "bmp");
    if (path.isNull())
        return; // cancelled
    if (QFileInfo(path).fileName().isEmpty()) {
        prompts.message(tr("save file name error!"));
        return;
    }
    // Only the name's ending decides the format. A failed write is said, never passed over.
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    if (!quillax::ImageFile::save(quillax::toQImage(*page), path, format))
        prompts.message(tr("Could not export image!"));
}

} // namespace editor
