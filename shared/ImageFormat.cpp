#include "shared/ImageFormat.h"

#include <QStringList>

namespace quillax {

ImageFormat imageTypeFromName(const QString& name) {
    const QString last3 = name.right(3).toLower();
    const QString last4 = name.size() >= 4 ? name.right(4).toLower() : QString();
    if (name.size() < 3)
        return kUnknownFormat;
    if (last4 == "wbmp")
        return kWbmp;
    if (last3 == "bmp")
        return kBmp;
    if (last3 == "gif")
        return kGif;
    if (last3 == "jpg" || last4 == "jpeg")
        return kJpeg;
    if (last3 == "png")
        return kPng;
    if (last3 == "ico")
        return kIco;
    if (last3 == "tif" || last4 == "tiff")
        return kTiff;
    if (last3 == "tga")
        return kTga;
    if (last3 == "pcx")
        return kPcx;
    if (last3 == "wmf" || last3 == "emf")
        return kWmf;
    if (last3 == "j2k" || last3 == "jp2")
        return kJpeg2000File;
    if (last3 == "j2c" || last3 == "jpc")
        return kJpeg2000Stream;
    if (last3 == "pgx")
        return kPgx;
    if (last3 == "pnm" || last3 == "pgm" || last3 == "ppm")
        return kPnm;
    if (last3 == "ras")
        return kRas;
    return kUnknownFormat;
}

QString imageFileFilter() {
    const QStringList endings{"bmp", "gif", "jpg",  "jpeg", "png", "ico", "tif", "tiff",
                              "tga", "pcx", "wbmp", "wmf",  "emf", "j2k", "jp2", "j2c",
                              "jpc", "pgx", "pnm",  "pgm",  "ppm", "ras"};
    QStringList patterns;
    for (const QString& e : endings)
        patterns << "*." + e << "*." + e.toUpper();
    return QStringLiteral("Image files (%1);;All files (*)").arg(patterns.join(' '));
}

} // namespace quillax
