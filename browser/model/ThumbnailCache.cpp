#include "browser/model/ThumbnailCache.h"

#include "shared/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <sys/stat.h>
#include <utility>

namespace browser {

namespace {

// The characters GLib leaves as they are in the path of a file URI; every other byte is
// written as %XX. Hashing any other spelling would miss the other programs' entries.
bool keptInUriPath(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("-_.!~*'()/&=:@+$,").contains(char(c));
}

// Entries are small; anything bigger is not one and is not read.
constexpr qint64 kMaxEntryBytes = 8 << 20;
// The standard's largest thumbnails are 1024 pixels.
constexpr int kMaxEntrySide = 1024;

QString absoluteClean(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The cache holds what other people's programs must not see: its folders are the user's own.
bool makePrivateFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    QDir().mkpath(QFileInfo(folder).path());
    return ::mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || QFileInfo(folder).isDir();
}

} // namespace

ThumbnailCache::ThumbnailCache(QString root) : root_(absoluteClean(root)) {
}

QString ThumbnailCache::defaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/thumbnails");
}

QByteArray ThumbnailCache::fileUri(const QString& path) {
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray uri("file://");
    for (const char byte : QFile::encodeName(absoluteClean(path))) {
        const auto c = static_cast<unsigned char>(byte);
        if (keptInUriPath(c)) {
            uri.append(byte);
        } else {
            uri.append('%');
            uri.append(kHex[c >> 4]);
            uri.append(kHex[c & 15]);
        }
    }
    return uri;
}

QString ThumbnailCache::entryName(const QString& path) {
    return QString::fromLatin1(
               QCryptographicHash::hash(fileUri(path), QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

ThumbnailCache::Stamp ThumbnailCache::stampOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    return {int64_t(status.st_mtime), int64_t(status.st_size), true};
}

bool ThumbnailCache::serves(const QString& path) const {
    return !absoluteClean(path).startsWith(root_ + QLatin1Char('/'));
}

ThumbnailCache::Entry ThumbnailCache::find(const QString& path, const Stamp& stamp) const {
    if (!stamp.valid || !serves(path))
        return {};
    const QByteArray uri = fileUri(path);
    const QString name = entryName(path);
    for (const char* folder : {"normal", "large"}) {
        Entry entry = read(QStringLiteral("%1/%2/%3").arg(root_, folder, name), uri, stamp);
        if (entry.kind == Entry::Found)
            return entry;
    }
    Entry failure = read(QStringLiteral("%1/%2/%3").arg(root_, kFailFolder, name), uri, stamp);
    return failure.kind == Entry::Found ? Entry{Entry::Failed, {}, {}} : Entry{};
}

ThumbnailCache::Entry ThumbnailCache::read(const QString& entryPath, const QByteArray& uri,
                                           const Stamp& stamp) const {
    QFile file;
    if (!quillax::openRegularFile(entryPath, file, kMaxEntryBytes))
        return {};
    QImageReader reader(&file, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxEntrySide || size.height() > kMaxEntrySide)
        return {};
    // Qt reads the text keys before the pixels only as "key: value" lines, which the keys'
    // own colons spoil; an entry is small, so it is read whole and its keys asked afterwards.
    Entry entry;
    entry.picture = reader.read();
    if (entry.picture.isNull())
        return {};
    // The modification time decides; the URI and size, where written, guard against a
    // colliding hash and a file rewritten within the same second.
    const QString writtenUri = entry.picture.text("Thumb::URI");
    const QString writtenSize = entry.picture.text("Thumb::Size");
    if (entry.picture.text("Thumb::MTime") != QString::number(stamp.modified) ||
        (!writtenUri.isEmpty() && writtenUri.toUtf8() != uri) ||
        (!writtenSize.isEmpty() && writtenSize != QString::number(stamp.size)))
        return {};
    entry.original = QSize(entry.picture.text("Thumb::Image::Width").toInt(),
                           entry.picture.text("Thumb::Image::Height").toInt());
    if (entry.original.isEmpty())
        entry.original = entry.picture.size();
    entry.kind = Entry::Found;
    return entry;
}

void ThumbnailCache::store(const QString& path, const Stamp& stamp, const QImage& picture,
                           QSize original) const {
    write(QStringLiteral("normal"), path, stamp, picture, original);
}

void ThumbnailCache::storeFailure(const QString& path, const Stamp& stamp) const {
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    write(QString::fromLatin1(kFailFolder), path, stamp, mark, {});
}

void ThumbnailCache::write(const QString& folder, const QString& path, const Stamp& stamp,
                           const QImage& picture, QSize original) const {
    if (!stamp.valid || !serves(path) || picture.isNull())
        return;
    const QString target = root_ + QLatin1Char('/') + folder;
    if (!makePrivateFolder(root_) || !makePrivateFolder(QFileInfo(target).path()) ||
        !makePrivateFolder(target))
        return;
    // Written beside the entry and renamed over it, so that no program ever reads half of one.
    QSaveFile file(target + QLatin1Char('/') + entryName(path));
    if (!file.open(QIODevice::WriteOnly) || ::fchmod(file.handle(), 0600) != 0)
        return;
    // Set on the picture, not the writer: the writer's own text option splits keys at colons.
    QImage marked = picture;
    marked.setText(QStringLiteral("Thumb::URI"), QString::fromUtf8(fileUri(path)));
    marked.setText(QStringLiteral("Thumb::MTime"), QString::number(stamp.modified));
    marked.setText(QStringLiteral("Thumb::Size"), QString::number(stamp.size));
    if (!original.isEmpty()) {
        marked.setText(QStringLiteral("Thumb::Image::Width"), QString::number(original.width()));
        marked.setText(QStringLiteral("Thumb::Image::Height"), QString::number(original.height()));
    }
    marked.setText(QStringLiteral("Software"), QStringLiteral("VistaRambler"));
    if (QImageWriter(&file, "png").write(marked))
        file.commit();
}

} // namespace browser
