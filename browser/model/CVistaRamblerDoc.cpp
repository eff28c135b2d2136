#include "browser/model/CVistaRamblerDoc.h"

#include "shared/ImageFormat.h"

#include <QDirIterator>
#include <algorithm>

namespace browser {

CVistaRamblerDoc::CVistaRamblerDoc(QObject* parent) : QObject(parent) {
}

void CVistaRamblerDoc::discardCurrentImage() {
    currentImage_.reset();
}

void CVistaRamblerDoc::loadFolder(const QString& path) {
    emit namesAboutToChange();
    folder_ = path;
    fullPathMode_ = false;
    names_.clear();
    files_.clear();
    discardCurrentImage();
    emit currentImageChanged();

    QStringList found;
    if (!path.isEmpty()) {
        // Hidden files are listed like any other; folders never are, nor FIFOs, sockets and
        // devices, also behind links: opening one would hang or read forever.
        QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            if (it.fileInfo().isFile() &&
                quillax::imageTypeFromName(it.fileName()) != quillax::kUnknownFormat)
                found.append(it.fileName());
        }
    }
    // Plain byte order of the lowered names; the real spelling breaks ties between names that
    // differ only in case.
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        const QByteArray la = a.toLower().toUtf8(), lb = b.toLower().toUtf8();
        return la != lb ? la < lb : a.toUtf8() < b.toUtf8();
    });
    for (const QString& name : found) {
        files_.append(name);
        names_.append(name.toLower());
    }
    emit namesReplaced();
    currentIndex_ = -1;
}

QString CVistaRamblerDoc::fullPath(int index) const {
    if (index < 0 || index >= names_.size())
        return {};
    return fullPathMode_ ? files_[index] : folder_ + "/" + files_[index];
}

void CVistaRamblerDoc::select(int index) {
    if (index == currentIndex_)
        return;
    currentIndex_ = index;
    discardCurrentImage();
    if (index >= 0 && index < names_.size()) {
        currentPath_ = fullPath(index);
        const quillax::ImageFormat format = quillax::imageTypeFromName(currentPath_);
        if (format != quillax::kUnknownFormat) {
            currentImage_ = quillax::ImageFile::decode(currentPath_, format);
            ++decodeCount_;
        }
    }
    emit currentImageChanged();
}

void CVistaRamblerDoc::takeSearchResults(const QStringList& paths) {
    emit namesAboutToChange();
    fullPathMode_ = true;
    folder_.clear();
    names_.clear();
    files_ = paths;
    for (const QString& p : paths)
        names_.append(p.toLower());
    emit namesReplaced();
    currentIndex_ = -1;
}

void CVistaRamblerDoc::clear() {
    emit namesAboutToChange();
    names_.clear();
    files_.clear();
    discardCurrentImage();
    currentIndex_ = -1;
    emit currentImageChanged();
}

void CVistaRamblerDoc::removeEntry(int index) {
    if (index < 0 || index >= names_.size())
        return;
    emit namesAboutToChange();
    names_.removeAt(index);
    files_.removeAt(index);
    currentIndex_ = -1;
    discardCurrentImage();
    emit currentImageChanged();
}

void CVistaRamblerDoc::showPath(const QString& path) {
    currentPath_ = path;
    discardCurrentImage();
    const quillax::ImageFormat format = quillax::imageTypeFromName(path);
    if (format != quillax::kUnknownFormat) {
        currentImage_ = quillax::ImageFile::decode(path, format);
        ++decodeCount_;
    }
    emit currentImageChanged();
}

void CVistaRamblerDoc::renameEntry(int index, const QString& newName) {
    if (index < 0 || index >= names_.size())
        return;
    emit namesAboutToChange();
    const QString file =
        fullPathMode_ ? files_[index].left(files_[index].lastIndexOf('/') + 1) + newName : newName;
    files_[index] = file;
    names_[index] = file.toLower();
    if (index == currentIndex_)
        currentPath_ = fullPath(index);
}

QByteArray CVistaRamblerDoc::archive() const {
    const QByteArray text = "\n" + currentPath_.toUtf8() + "\n";
    QByteArray out;
    const qsizetype n = text.size();
    if (n < 0xFF) {
        out.append(char(n));
    } else if (n < 0xFFFE) {
        out.append(char(0xFF));
        out.append(char(n & 0xFF)).append(char(n >> 8));
    } else {
        out.append(char(0xFF)).append(char(0xFF)).append(char(0xFF));
        for (int i = 0; i < 4; ++i)
            out.append(char((quint32(n) >> (8 * i)) & 0xFF));
    }
    return out + text;
}

std::optional<QString> CVistaRamblerDoc::readArchive(const QByteArray& bytes) {
    auto byte = [&bytes](qsizetype i) { return quint32(quint8(bytes[i])); };
    if (bytes.isEmpty())
        return std::nullopt;
    qsizetype at = 1;
    quint32 n = byte(0);
    if (n == 0xFF) {
        if (bytes.size() < 3)
            return std::nullopt;
        n = byte(1) | (byte(2) << 8);
        at = 3;
        if (n == 0xFFFF) {
            if (bytes.size() < 7)
                return std::nullopt;
            n = byte(3) | (byte(4) << 8) | (byte(5) << 16) | (byte(6) << 24);
            at = 7;
        }
    }
    if (qsizetype(n) > bytes.size() - at)
        return std::nullopt;
    return QString::fromUtf8(bytes.mid(at, n));
}

} // namespace browser
