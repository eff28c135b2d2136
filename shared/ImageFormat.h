#pragma once
#include <QString>

namespace quillax {

// Picture formats by the numbers both programs have always used for them.
enum ImageFormat : int {
    kUnknownFormat = 0,
    kBmp = 1,
    kGif = 2,
    kJpeg = 3,
    kPng = 4,
    kIco = 5,
    kTiff = 6,
    kTga = 7,
    kPcx = 8,
    kWbmp = 9,
    kWmf = 10,
    kJpeg2000File = 11,
    kJpeg2000Stream = 12,
    kPgx = 13,
    kPnm = 14,
    kRas = 15,
};

// The format of a file from the end of its name alone, any case, no dot needed; 0 when the
// ending is none we know. "wbmp" is tested before "bmp".
ImageFormat imageTypeFromName(const QString& name);

// The open dialog's filter for every picture we can read, in both letter cases.
QString imageFileFilter();

} // namespace quillax
