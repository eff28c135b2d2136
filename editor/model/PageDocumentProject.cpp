// PageDocument: new, open, save and save as, and the temporary project's folder.
#include "editor/model/PageDocument.h"

#include "editor/model/PhotoImporter.h"
#include "editor/model/ProjectDisk.h"
#include "editor/model/ProjectFolder.h"
#include "editor/model/StoredProject.h"
#include "editor/model/TemporaryFolder.h"
#include "editor/model/UnitValues.h"
#include "shared/DibConversion.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>

namespace editor {

void PageDocument::tidyTemporaryFolder() {
    if (temporaryFolder_ == nullptr || !temporaryFolder_->claim())
        return; // another editor uses the folder, and what is there may be its photos
    const QStringList kept = temporaryFolder_->trashLeftovers();
    if (!kept.isEmpty())
        emit pageNote(tr("%n file(s) an earlier run left in %1 could not be moved to the trash.",
                         nullptr, int(kept.size()))
                          .arg(QDir::toNativeSeparators(project_.temporaryFolder())));
}

std::set<int> PageDocument::photoIdsInUse() const {
    // The photos of the page, and those that undo or redo can bring back.
    std::set<int> ids;
    const auto use = [&](const LayerRecord& layer) {
        if (layer.isPhoto())
            ids.insert(ProjectFolder::photoIdOf(layer.content, project_.projectName));
    };
    for (const LayerRecord& layer : stack_.layers())
        use(layer);
    for (const HistoryEntry& entry : history_.entries())
        use(entry.layer);
    return ids;
}

void PageDocument::dropTemporaryPhotos() {
    // Only the photos this editor wrote: another editor may be using the folder too.
    ProjectFolder::removeFiles(project_.temporaryFolder(),
                               ProjectFolder::photoFilesOf(project_.temporaryFolder(),
                                                           project_.projectName, temporaryIds_));
    temporaryIds_.clear();
}

void PageDocument::newProject() {
    // The page is given up (the window asked first): its photos' files go with it.
    if (project_.isTemporary())
        dropTemporaryPhotos();
    project_.projectName = QStringLiteral("newPrj1");
    project_.projectFileFolder = project_.installFolder;
    project_.projectFolder = project_.temporaryFolder();
    stack_.removeAll();
    history_.clear();
    selection_.setCurrentId(-1);
    selection_.refreshCopy();
    project_.nextLayerId = 0;
    listPictures_ = listPictures_.mid(0, kFixedListPictures);
    setModified(false);
    emit projectCleared();
    emit projectRenamed();
    emit historyChanged();
}

ProjectPrefix PageDocument::projectPrefix() const {
    ProjectPrefix prefix;
    prefix.name = project_.projectName;
    prefix.paperRow = project_.paperRow;
    prefix.unitRow = project_.unitRow;
    prefix.pageWidth = project_.pageWidth;
    prefix.pageHeight = project_.pageHeight;
    prefix.portrait = project_.portrait;
    prefix.arrange = arrangement_.on;
    prefix.cellWidth = int(arrangement_.cellWidth);
    prefix.cellHeight = int(arrangement_.cellHeight);
    return prefix;
}

// After the first save the photo files carry the project's name; so do the names in memory,
// so that whatever reads a layer's file later finds it.
void PageDocument::renamePhotoNames() {
    const QString name = project_.projectName;
    const auto rename = [&name](LayerRecord& layer) {
        if (layer.isPhoto())
            layer.content = ProjectFile::renamedFor(layer.content, name);
    };
    for (int i = 0; i < stack_.count(); ++i)
        rename(stack_.at(i));
    history_.updateLayers(rename);
    selection_.refreshCopy();
}

QString PageDocument::saveProject() {
    if (project_.isTemporary())
        return tr("Project name error!");
    if (stack_.isEmpty())
        return tr("Please add your photo first!");
    QDir().mkpath(project_.projectFolder);
    const QString written = ProjectDisk::write(project_.projectFile(), projectPrefix(), stack_);
    if (written.isEmpty())
        setModified(false);
    return written;
}

bool PageDocument::isThisProjectsFile(const QString& path) const {
    return !project_.isTemporary() && ProjectDisk::projectFileOf(path) == project_.projectFile();
}

bool PageDocument::wouldReplaceAProject(const QString& path) const {
    return !isThisProjectsFile(path) && (QFileInfo::exists(ProjectDisk::projectFileOf(path)) ||
                                         QFileInfo::exists(ProjectDisk::photoFolderOf(path)));
}

QString PageDocument::saveProjectAs(const QString& path) {
    const QFileInfo file(path);
    if (file.completeBaseName().isEmpty())
        return tr("Project name error!");
    if (stack_.isEmpty())
        return tr("Please add your photo first!");
    if (isThisProjectsFile(path))
        return saveProject();
    ProjectPrefix prefix = projectPrefix();
    prefix.name = file.completeBaseName();
    const bool wasTemporary = project_.isTemporary();
    const QString from = wasTemporary ? project_.temporaryFolder() : project_.projectFolder;
    // A temporary project's folder may hold photos given up since, and another editor's: the
    // project takes only the files of its own layers.
    const QStringList files =
        wasTemporary ? ProjectFolder::photoFilesOf(from, project_.projectName, photoIdsInUse())
                     : ProjectFolder::filesOf(from);
    // A project whose photos cannot all be copied is not written, and the old project, its
    // files and the layers stay as they were.
    if (const QString problem = ProjectDisk::saveAs(path, from, files, prefix, stack_, *transfer_);
        !problem.isEmpty())
        return problem;
    if (wasTemporary)
        dropTemporaryPhotos(); // the saved project holds copies of those it uses
    project_.projectName = prefix.name;
    project_.projectFileFolder = file.absolutePath() + QLatin1Char('/');
    project_.projectFolder = ProjectDisk::photoFolderOf(path);
    if (wasTemporary)
        renamePhotoNames();
    setModified(false);
    emit projectRenamed();
    return {};
}

void PageDocument::setUpPageFrom(const ProjectPrefix& prefix, const PaperSize& paperSize) {
    arrangement_.on = prefix.arrange;
    arrangement_.cellWidth = prefix.cellWidth;
    arrangement_.cellHeight = prefix.cellHeight;
    project_.portrait = prefix.portrait;
    const auto page = StoredProject::pageOf(prefix, project_.paperRowCount, paperSize);
    if (!page)
        return; // the page stays as it is
    const PageSettings& settings = page->settings;
    project_.unitRow = settings.unitRow;
    project_.unitFactor = UnitValues::windowUnitFactor(settings.unitRow);
    project_.paperRow = settings.paperRow;
    project_.canvasWidth = settings.canvasWidth;
    project_.canvasHeight = settings.canvasHeight;
    applyCanvasSize();
    if (page->ownPaper)
        emit pageNote(tr("This project's paper is not in this paper list: it opens on a "
                         "paper of its own size."));
    // The page that was saved comes back as it was, not a pixel larger by rounding its paper's
    // size up once more.
    if (std::abs(project_.pageWidth - prefix.pageWidth) <= 1 &&
        std::abs(project_.pageHeight - prefix.pageHeight) <= 1) {
        project_.pageWidth = prefix.pageWidth;
        project_.pageHeight = prefix.pageHeight;
    }
}

PageDocument::Opened PageDocument::openProject(const QString& path, const PaperSize& paperSize) {
    const ProjectDisk::Read read = ProjectDisk::read(path);
    if (!read.problem.isEmpty())
        return {false, read.problem}; // the page shown stays
    const ProjectContents& contents = read.contents;
    newProject();
    project_.projectName = contents.prefix->name;
    project_.projectFileFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    project_.projectFolder =
        project_.projectFileFolder + project_.projectName + QStringLiteral("srcImg/");
    emit projectRenamed();
    if (contents.prefixEnded)
        setUpPageFrom(*contents.prefix, paperSize);
    QStringList missing;
    for (const ProjectSection& section : contents.sections) {
        StoredProject::Layer stored =
            StoredProject::layerOf(section, project_.nextLayerId, project_.projectFolder,
                                   project_.unitFactor, captionDrawer_);
        LayerRecord& layer = stored.record;
        if (stored.missing)
            missing.append(section.content);
        if (section.photo)
            layer.thumbIndex = addListPicture(PhotoImporter::thumbnail(layer.bitmap));
        stack_.add(layer);
        project_.nextLayerId += 1;
        emit layerAdded(layer.id);
    }
    selection_.setCurrentId(-1);
    selection_.refreshCopy();
    setModified(false);
    emit pageApplied();
    if (missing.isEmpty())
        return {true, {}};
    return {true,
            tr("Load image failed!") + "\n\n" +
                tr("These photos are not in %1; they are shown in grey and kept in the project:")
                    .arg(QDir::toNativeSeparators(project_.projectFolder)) +
                "\n" + missing.join(QLatin1Char('\n'))};
}

} // namespace editor
