#include "editor/model/ProjectFolder.h"

#include "editor/model/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace editor {

namespace {

bool copyWhole(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to) && QFileInfo(to).size() == QFileInfo(from).size();
}

} // namespace

bool ProjectFolder::moveFile(const QString& from, const QString& to) {
    QFile::remove(to);
    if (QFile::rename(from, to))
        return true;
    // Across file systems a rename cannot work; the original goes only once its copy is whole.
    if (!copyWhole(from, to)) {
        QFile::remove(to);
        return false;
    }
    return QFile::remove(from);
}

void ProjectFolder::transfer(const QString& source, const QString& target, const QString& name,
                             bool keepSource) {
    const QDir from(source);
    const QString into = QDir(target).absolutePath() + QLatin1Char('/');
    if (from.absolutePath() == QDir(target).absolutePath())
        return;
    for (const QString& file : from.entryList(QDir::Files | QDir::Hidden)) {
        const QString finalName = ProjectFile::renamedFor(file, name);
        const QString origin = from.absoluteFilePath(file);
        if (keepSource)
            copyWhole(origin, into + finalName);
        else
            moveFile(origin, into + finalName);
    }
}

} // namespace editor
