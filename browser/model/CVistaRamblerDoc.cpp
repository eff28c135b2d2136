#include "browser/model/CVistaRamblerDoc.h"

#include "shared/ImageFormat.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace browser {

CVistaRamblerDoc::CVistaRamblerDoc(QObject* parent) : QObject(parent) {
}

void CVistaRamblerDoc::discardCurrentImage() {
    currentImage_.reset();
    openedPath_.clear();
}

QStringList CVistaRamblerDoc::picturesIn(const QString& folder) {
    if (folder.isEmpty())
        return {};
    // Plain byte order of the lowered names; the real spelling breaks ties between names that
    // differ only in case. The keys are made once per name, not at every comparison.
    struct Keyed {
        QByteArray lowered;
        QByteArray spelled;
        QString name;
    };
    std::vector<Keyed> found;
    // Hidden files are listed like any other; folders never are, nor FIFOs, sockets and
    // devices, also behind links: opening one would hang or read forever.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (it.fileInfo().isFile() && quillax::imageTypeFromName(name) != quillax::kUnknownFormat)
            found.push_back({name.toLower().toUtf8(), name.toUtf8(), name});
    }
    std::sort(found.begin(), found.end(), [](const Keyed& a, const Keyed& b) {
        return a.lowered != b.lowered ? a.lowered < b.lowered : a.spelled < b.spelled;
    });
    QStringList names;
    names.reserve(qsizetype(found.size()));
    for (const Keyed& entry : found)
        names.append(entry.name);
    return names;
}

void CVistaRamblerDoc::replaceFiles(const QStringList& files) {
    files_ = files;
    names_.clear();
    for (const QString& file : files)
        names_.append(file.toLower());
}

void CVistaRamblerDoc::loadFolder(const QString& path) {
    emit namesAboutToChange();
    folder_ = path;
    fullPathMode_ = false;
    names_.clear();
    files_.clear();
    discardCurrentImage();
    currentPath_.clear();
    emit currentImageChanged();
    replaceFiles(picturesIn(path));
    emit namesReplaced();
    currentIndex_ = -1;
    emit currentIndexChanged(-1);
}

bool CVistaRamblerDoc::refresh(Reread how) {
    if (fullPathMode_)
        return dropVanishedResults();
    if (folder_.isEmpty())
        return false;
    const QStringList found = picturesIn(folder_);
    if (how == Reread::IfChanged && found == files_)
        return false;
    const QString current = hasCurrentEntry() ? files_[currentIndex_] : QString();
    const int oldIndex = currentIndex_;
    emit namesAboutToChange();
    replaceFiles(found);
    emit namesReplaced();
    currentIndex_ = -1;
    const int kept = current.isEmpty() ? -1 : int(files_.indexOf(current));
    if (kept >= 0 && how == Reread::IfChanged) {
        // The same file, still current: its picture is not decoded again.
        currentIndex_ = kept;
        emit currentIndexChanged(kept);
    } else if (kept >= 0) {
        select(kept);
    } else {
        selectInPlaceOf(oldIndex);
    }
    return true;
}

bool CVistaRamblerDoc::dropVanishedResults() {
    bool dropped = false;
    for (int i = int(files_.size()) - 1; i >= 0; --i)
        if (!QFileInfo::exists(files_[i])) {
            removeEntry(i);
            dropped = true;
        }
    return dropped;
}

QString CVistaRamblerDoc::fullPath(int index) const {
    if (index < 0 || index >= names_.size())
        return {};
    return fullPathMode_ ? files_[index] : folder_ + "/" + files_[index];
}

QString CVistaRamblerDoc::fileName(int index) const {
    if (index < 0 || index >= files_.size())
        return {};
    return files_[index].mid(files_[index].lastIndexOf('/') + 1);
}

int CVistaRamblerDoc::indexOfFile(const QString& fileName) const {
    for (int i = 0; i < files_.size(); ++i)
        if (this->fileName(i) == fileName)
            return i;
    return -1;
}

void CVistaRamblerDoc::select(int index) {
    if (index < 0 || index >= names_.size())
        index = -1;
    if (index == currentIndex_ && openedPath_.isEmpty() && (index < 0 || currentImage_))
        return;
    const bool moved = index != currentIndex_;
    currentIndex_ = index;
    discardCurrentImage();
    // Nothing current means nothing for the commands to act on.
    currentPath_ = fullPath(index);
    if (index >= 0) {
        const quillax::ImageFormat format = quillax::imageTypeFromName(currentPath_);
        if (format != quillax::kUnknownFormat) {
            currentImage_ = quillax::ImageFile::decode(currentPath_, format);
            ++decodeCount_;
        }
    }
    emit currentImageChanged();
    if (moved)
        emit currentIndexChanged(currentIndex_);
}

void CVistaRamblerDoc::takeSearchResults(const QStringList& paths) {
    emit namesAboutToChange();
    fullPathMode_ = true;
    folder_.clear();
    replaceFiles(paths);
    emit namesReplaced();
    currentIndex_ = -1;
    emit currentIndexChanged(-1);
}

void CVistaRamblerDoc::clear() {
    emit namesAboutToChange();
    names_.clear();
    files_.clear();
    discardCurrentImage();
    currentPath_.clear();
    currentIndex_ = -1;
    emit currentImageChanged();
    emit currentIndexChanged(-1);
}

void CVistaRamblerDoc::removeEntry(int index) {
    if (index < 0 || index >= names_.size())
        return;
    emit namesAboutToChange();
    names_.removeAt(index);
    files_.removeAt(index);
    emit entryRemoved(index);
    if (index < currentIndex_) {
        --currentIndex_;
        emit currentIndexChanged(currentIndex_);
    } else if (index == currentIndex_) {
        currentIndex_ = -1;
        selectInPlaceOf(index);
    }
}

void CVistaRamblerDoc::selectInPlaceOf(int gone) {
    if (gone >= 0 && !names_.isEmpty()) {
        select(std::min(gone, int(names_.size()) - 1));
        return;
    }
    // Nothing took its place: nothing is current, and the preview empties.
    const bool wasCurrent = !currentPath_.isEmpty() || currentImage_.has_value();
    currentIndex_ = -1;
    currentPath_.clear();
    discardCurrentImage();
    if (wasCurrent) {
        emit currentImageChanged();
        emit currentIndexChanged(-1);
    }
}

void CVistaRamblerDoc::showPath(const QString& path) {
    discardCurrentImage();
    openedPath_ = path;
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
    emit entryRenamed(index);
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
