#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

namespace browser {

// The thumbnails every desktop program keeps for the user's photos, by the freedesktop
// Thumbnail Managing Standard: one PNG a file under the cache's "normal" (128 pixels) and
// "large" (256) folders, named by the MD5 of the file's URI and carrying the file's
// modification time, so that a photo seen once in any program is drawn at once the next time.
// Safe to use from several threads at once: it only reads and renames files.
class ThumbnailCache {
  public:
    // The side of the thumbnails written here.
    static constexpr int kNormalSize = 128;
    // Where this program records the files it could not read.
    static constexpr const char* kFailFolder = "fail/quillax";

    // The cache under `root`, the folder that holds "normal", "large" and "fail".
    explicit ThumbnailCache(QString root);
    // $XDG_CACHE_HOME/thumbnails, or ~/.cache/thumbnails.
    static QString defaultRoot();

    // "file://" and the absolute path, escaped as GLib escapes it, which is what the other
    // programs hash.
    static QByteArray fileUri(const QString& path);
    // The name of a file's entry: the MD5 of its URI in lower-case hex, and ".png".
    static QString entryName(const QString& path);

    // What identifies the version of a file an entry was made from.
    struct Stamp {
        int64_t modified = 0; // seconds since the epoch, as Thumb::MTime holds them
        int64_t size = 0;
        bool valid = false;
    };
    static Stamp stampOf(const QString& path);

    struct Entry {
        enum Kind { Missing, Found, Failed } kind = Missing;
        QImage picture;
        // The size of the photo itself, when the entry says; else the picture's.
        QSize original;
    };
    // The entry for the file as it is now: one made from another version counts as missing.
    Entry find(const QString& path, const Stamp& stamp) const;

    // Writes the "normal" entry for `picture`, already no larger than kNormalSize.
    void store(const QString& path, const Stamp& stamp, const QImage& picture,
               QSize original) const;
    // Records that this version of the file is not a picture this program can read.
    void storeFailure(const QString& path, const Stamp& stamp) const;

    // False for the cache's own files: thumbnails of thumbnails would only fill it.
    bool serves(const QString& path) const;

  private:
    Entry read(const QString& entryPath, const QByteArray& uri, const Stamp& stamp) const;
    void write(const QString& folder, const QString& path, const Stamp& stamp,
               const QImage& picture, QSize original) const;

    QString root_;
};

} // namespace browser
