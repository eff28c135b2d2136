#include "editor/model/PhotoImporter.h"

#include "imaging/BmpFile.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"

#include <algorithm>
#include <future>

namespace editor {

imaging::DibImage PhotoImporter::thumbnail(const imaging::DibImage& working) {
    return imaging::stretchHalftone(working, 32, 24);
}

imaging::DibImage PhotoImporter::workingPicture(const imaging::DibImage& full) {
    const int w = full.width();
    const int h = full.height();
    if (w <= kWorkingWidth && h <= kWorkingHeight)
        return full;
    // The side that limits the fit gets the box's size; the other keeps the shape but never
    // vanishes, so a panorama of 20000 x 10 still has a row to show.
    const bool widthLimited = int64_t(w) * kWorkingHeight >= int64_t(h) * kWorkingWidth;
    const int fitWidth =
        widthLimited ? kWorkingWidth : std::max(1, int(int64_t(w) * kWorkingHeight / h));
    const int fitHeight =
        widthLimited ? std::max(1, int(int64_t(h) * kWorkingWidth / w)) : kWorkingHeight;
    return imaging::reduceBitmap(full, fitWidth, fitHeight);
}

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
    // The full-size copy is written while the working picture is made from the same pixels;
    // both only read them.
    const std::string copyPath = (projectFolder + fileName).toStdString();
    std::future<bool> written = std::async(
        std::launch::async, [&full, &copyPath] { return imaging::saveAsBmp(full, copyPath); });
    imaging::DibImage working = workingPicture(full);
    if (!written.get()) {
        result.status = Status::CannotWrite;
        return result;
    }
    result.thumbnail = thumbnail(working);
    result.working = std::move(working);
    result.status = Status::Ok;
    return result;
}

} // namespace editor
