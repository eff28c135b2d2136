#include "editor/model/ProjectDisk.h"

#include "editor/model/ProjectFolder.h"
#include "imaging/BmpFile.h"
#include "shared/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace editor {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ProjectDisk", text);
}

} // namespace

QString ProjectDisk::projectFileOf(const QString& path) {
    const QFileInfo file(path);
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
           QStringLiteral(".lyj");
}

QString ProjectDisk::photoFolderOf(const QString& path) {
    const QFileInfo file(path);
    // The photos' folder is the name and "srcImg" run together, beside the file.
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
           QStringLiteral("srcImg/");
}

ProjectDisk::Read ProjectDisk::read(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file;
    if (!quillax::openRegularFile(path, file, ProjectFile::kMaxBytes)) {
        QFile probe(path);
        probe.open(QIODevice::ReadOnly);
        const QString why = probe.error() == QFileDevice::NoError
                                ? tr("This is not a project file.")
                                : probe.errorString();
        return {{}, tr("Cannot open %1: %2").arg(name, why)};
    }
    Read read{ProjectFile::parse(file.readAll()), {}};
    // Random bytes, an empty file or one cut off inside its first lines is no project.
    if (!read.contents.prefix || (!read.contents.prefixEnded && read.contents.sections.empty()))
        read.problem = tr("Cannot open %1: %2").arg(name, tr("This is not a project file."));
    return read;
}

std::optional<imaging::DibImage> ProjectDisk::photo(const QString& folder, const QString& name) {
    // A stored name is a file of the project folder, never a way out of it.
    if (!ProjectFile::isPlainFileName(name))
        return std::nullopt;
    return imaging::readBmp((folder + name).toStdString());
}

QString ProjectDisk::write(const QString& path, const ProjectPrefix& prefix,
                           const LayerStack& layers) {
    // Written beside the old file and renamed over it: a full disk or a crash halfway leaves
    // the old project as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ProjectFile::format(prefix, layers)) < 0 ||
        !file.commit())
        return tr("Fail in creating") + path;
    return {};
}

QString ProjectDisk::saveAs(const QString& path, const QString& fromFolder,
                            const QStringList& files, const ProjectPrefix& prefix,
                            const LayerStack& layers, quillax::FileTransfer& transfer) {
    const QString folder = photoFolderOf(path);
    const ProjectFolder::Staged staged =
        ProjectFolder::stage(fromFolder, files, folder, prefix.name, transfer);
    if (!staged.ok())
        return tr("Saving failed: %1 could not be copied (%2). Nothing was changed.")
            .arg(staged.failedFile.isEmpty() ? folder : staged.failedFile, staged.why);
    QString aside;
    if (!ProjectFolder::putInPlace(staged.folder, folder, aside)) {
        QDir(staged.folder).removeRecursively();
        return tr("Fail in creating") + folder;
    }
    if (const QString problem = write(projectFileOf(path), prefix, layers); !problem.isEmpty()) {
        ProjectFolder::putBack(folder, aside); // the old photos take their place again
        return problem;
    }
    ProjectFolder::dropAside(aside);
    return {};
}

} // namespace editor
