#pragma once
#include <QString>

namespace browser {

// What the "Image Properties" dialog shows of a photo file, as text.
struct ImageProperties {
    QString type;                        // the ending, upper-cased: "JPG"
    QString format;                      // "JPG Image"
    QString location;                    // the folder, ending in "/"
    QString size;                        // "12.3KB", kilobytes of 1000 bytes
    QString created, modified, accessed; // "2026-12-07 06:14:10", local time
    bool readOnly = false;
    bool hidden = false;
    QString colours;       // "16 millions" for 24 bits
    QString width, height; // "4000 pixels"

    // Empty texts where the file or its picture cannot be read.
    static ImageProperties of(const QString& path);
    static QString coloursOf(int bitsPerPixel);
};

} // namespace browser
