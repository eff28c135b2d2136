#include "editor/model/PhotoImporter.h"

#include "imaging/BmpFile.h"
#include "imaging/EffectImage.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"

namespace editor {

PhotoImporter::Result PhotoImporter::import(const QString& path, const QString& projectFolder,
                                            const QString& fileName) {
    Result result;
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    if (format == quillax::kUnknownFormat) {
        result.status = Status::UnknownFormat;
        return result;
    }
    quillax::DecodedImage decoded = quillax::ImageFile::decode(path, format);
    if (!decoded.isValid())
        return result;
    imaging::DibImage full = quillax::fromQImage(decoded.image, 24);
    decoded.image = QImage(); // the decoded picture is not kept
    if (full.isEmpty())
        return result;
    result.fullWidth = full.width();
    result.fullHeight = full.height();
    if (!imaging::saveAsBmp(full, (projectFolder + fileName).toStdString())) {
        result.status = Status::CannotWrite;
        return result;
    }
    imaging::EffectImage working(std::move(full));
    if (working.width() > kWorkingWidth || working.height() > kWorkingHeight)
        working.resize(kWorkingWidth, kWorkingHeight, true, true);
    result.thumbnail = imaging::stretchHalftone(working, 32, 24);
    result.working = std::move(working);
    result.status = Status::Ok;
    return result;
}

} // namespace editor
