#include "editor/model/ProjectFolder.h"

#include "editor/model/ProjectFile.h"
#include "shared/FileTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace editor {

namespace {

QString withoutSlash(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace

QStringList ProjectFolder::filesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

int ProjectFolder::photoIdOf(const QString& fileName, const QString& name) {
    static const QRegularExpression photo(QStringLiteral("^(\\d+)(_\\d+)?\\.bmp$"));
    if (!fileName.startsWith(name))
        return -1;
    const QRegularExpressionMatch match = photo.match(fileName.mid(name.size()));
    bool ok = false;
    const int id = match.hasMatch() ? match.captured(1).toInt(&ok) : -1;
    return ok ? id : -1;
}

QStringList ProjectFolder::photoFilesOf(const QString& folder, const QString& name,
                                        const std::set<int>& ids) {
    QStringList files;
    for (const QString& file : filesOf(folder)) {
        if (ids.count(photoIdOf(file, name)) != 0)
            files.append(file);
    }
    return files;
}

ProjectFolder::Staged ProjectFolder::stage(const QString& source, const QStringList& files,
                                           const QString& target, const QString& name,
                                           quillax::FileTransfer& transfer) {
    const QString into = withoutSlash(target);
    if (!QDir().mkpath(QFileInfo(into).absolutePath()))
        return {{}, {}, QObject::tr("%1 cannot be made").arg(QFileInfo(into).absolutePath())};
    QTemporaryDir fresh(into + QStringLiteral(".saving-XXXXXX"));
    if (!fresh.isValid())
        return {{}, {}, fresh.errorString()};
    const QDir from(source);
    for (const QString& file : files) {
        const QString copy = fresh.filePath(ProjectFile::renamedFor(file, name));
        if (transfer.copy(from.absoluteFilePath(file), copy, false) !=
            quillax::FileTransfer::Result::Done)
            return {{}, file, transfer.errorText()};
    }
    // A temporary folder is the user's alone; a project folder is made as any other folder.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(fresh.path()).constData(), 0777 & ~mask);
    fresh.setAutoRemove(false);
    return {fresh.path(), {}, {}};
}

bool ProjectFolder::putInPlace(const QString& staged, const QString& target, QString& aside) {
    const QString place = withoutSlash(target);
    aside.clear();
    if (QFileInfo::exists(place)) {
        // A free name beside it: the old folder waits there until the project file is written.
        QTemporaryDir holder(place + QStringLiteral(".old-XXXXXX"));
        if (!holder.isValid() || !QDir().rmdir(holder.path()))
            return false;
        if (!QDir().rename(place, holder.path()))
            return false;
        aside = holder.path();
    }
    if (QDir().rename(staged, place))
        return true;
    putBack(place, aside);
    aside.clear();
    return false;
}

void ProjectFolder::putBack(const QString& target, const QString& aside) {
    const QString place = withoutSlash(target);
    if (aside.isEmpty()) {
        QDir(place).removeRecursively();
        return;
    }
    // The new folder goes aside in its turn, so the old one can take its name back.
    const QString fresh = place + QStringLiteral(".undone");
    QDir(fresh).removeRecursively();
    if (QFileInfo::exists(place) && !QDir().rename(place, fresh))
        return;
    if (QDir().rename(aside, place))
        QDir(fresh).removeRecursively();
}

void ProjectFolder::dropAside(const QString& aside) {
    if (!aside.isEmpty())
        QDir(aside).removeRecursively();
}

void ProjectFolder::removeFiles(const QString& folder, const QStringList& files) {
    const QDir dir(folder);
    for (const QString& file : files)
        QFile::remove(dir.absoluteFilePath(file));
}

} // namespace editor
