#include "editor/model/ProjectFolder.h"

#include "editor/model/ProjectFile.h"
#include "shared/FileTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace editor {

namespace {

bool copyWhole(const QString& from, const QString& to) {
    return quillax::FileTransfer().copy(from, to, true) == quillax::FileTransfer::Result::Done;
}

} // namespace

bool ProjectFolder::moveFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return quillax::FileTransfer().move(from, to) == quillax::FileTransfer::Result::Done;
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
