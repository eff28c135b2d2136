#include "editor/model/PageDocument.h"

#include "editor/model/ArrangeGrid.h"
#include "editor/model/CaptionText.h"
#include "editor/model/PageComposer.h"
#include "editor/model/PhotoImporter.h"
#include "editor/model/PhotoPlacement.h"
#include "editor/model/ProjectDisk.h"
#include "editor/model/ProjectFolder.h"
#include "editor/model/StoredProject.h"
#include "editor/model/TemporaryFolder.h"
#include "editor/model/UnitValues.h"
#include "imaging/BmpFile.h"
#include "imaging/EditName.h"
#include "imaging/EffectImage.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/FileTransfer.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>

namespace editor {

namespace {

quillax::FileTransfer& plainTransfer() {
    static quillax::FileTransfer transfer;
    return transfer;
}

} // namespace

PageDocument::PageDocument(QObject* parent) : QObject(parent), transfer_(&plainTransfer()) {
}

PageDocument::~PageDocument() = default;

void PageDocument::setFileTransfer(quillax::FileTransfer* transfer) {
    transfer_ = transfer != nullptr ? transfer : &plainTransfer();
}

void PageDocument::setUpFolders(const QString& installFolder) {
    project_.installFolder = installFolder;
    project_.projectFileFolder = installFolder;
    project_.projectFolder = project_.temporaryFolder();
    temporaryFolder_ = std::make_unique<TemporaryFolder>(project_.temporaryFolder());
    // The first photo's full-size copy needs somewhere to go.
    QDir().mkpath(project_.projectFolder);
    emit projectRenamed();
}

void PageDocument::setPaperList(int platformKind, int paperIndex, int shownRow, int rowCount) {
    project_.platformKind = platformKind;
    project_.paperIndex = paperIndex;
    project_.paperRow = shownRow;
    project_.paperRowCount = rowCount;
}

void PageDocument::chooseUserPaper() {
    if (project_.paperRow == project_.paperRowCount - 1)
        return;
    project_.paperRow = project_.paperRowCount - 1;
    setModified(true);
}

void PageDocument::select(int id) {
    if (id >= 0 && stack_.find(id) == nullptr)
        id = -1;
    const bool changed = id != selection_.currentId();
    selection_.setCurrentId(id);
    selection_.refreshCopy();
    if (changed)
        emit selectionChanged(id);
}

int PageDocument::pickAt(int canvasX, int canvasY) {
    const int topBefore = stack_.isEmpty() ? -1 : stack_.layers().back().id;
    const int hit = stack_.hitTest(canvasX, canvasY, selection_.displayScale());
    if (hit >= 0 && hit != topBefore) {
        setModified(true);
        emit stackingChanged();
    }
    select(hit >= 0 ? hit : -1);
    return hit;
}

void PageDocument::bringSelectedToTop() {
    const int id = selection_.currentId();
    if (id < 0 || stack_.isEmpty() || stack_.layers().back().id == id)
        return;
    stack_.bringToTop(id);
    selection_.refreshCopy();
    setModified(true);
    emit stackingChanged();
}

void PageDocument::setDisplayScale(double scale) {
    selection_.setDisplayScale(scale);
}

void PageDocument::setSelectionFrame(const ScreenFrame& frame) {
    selection_.setFrame(frame);
}

std::optional<imaging::DibImage> PageDocument::composePage(PageTurn turn) const {
    const bool upright = project_.portrait || turn == PageTurn::AsShown;
    return PageComposer::compose(stack_, project_.pageWidth, project_.pageHeight, upright,
                                 project_.projectFolder);
}

void PageDocument::setModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

int PageDocument::addListPicture(const imaging::DibImage& thumbnail) {
    listPictures_.append(quillax::toQImage(thumbnail));
    return int(listPictures_.size() - 1);
}

void PageDocument::setFixedListPictures(const QList<QImage>& pictures) {
    for (int i = 0; i < kFixedListPictures && i < pictures.size(); ++i)
        listPictures_[i] = pictures[i];
}

int PageDocument::photoLayers() const {
    int photos = 0;
    for (const LayerRecord& layer : stack_.layers())
        photos += layer.isPhoto() ? 1 : 0;
    return photos;
}

void PageDocument::recordSelected(HistoryKind kind) {
    history_.record(kind, pageSettings(), selection_.selectedCopy());
    setModified(true);
    emit historyChanged();
}

PageSettings PageDocument::pageSettings() const {
    return {project_.paperRow, project_.canvasWidth, project_.canvasHeight,
            project_.unitRow,  project_.portrait,    arrangement_.on};
}

void PageDocument::recordPageChange(HistoryKind kind) {
    // A unit change made by stepping through the history is that step, not a new change.
    if (kind == HistoryKind::Unit && history_.isStepping())
        return;
    // Recorded with or without a selected layer, so that Undo always takes back the change
    // the user just made; without one the entry names no layer.
    LayerRecord none;
    none.id = -1;
    history_.record(kind, pageSettings(),
                    selection_.selected() != nullptr ? selection_.selectedCopy() : none);
    setModified(true);
    emit historyChanged();
}

namespace {

// Whether a layer stands as an entry recorded it: place, size, picture and how it is shown.
bool sameState(const LayerRecord& a, const LayerRecord& b) {
    return a.x == b.x && a.y == b.y && a.region == b.region && a.content == b.content &&
           a.bitmapWidth == b.bitmapWidth && a.bitmapHeight == b.bitmapHeight &&
           a.visible == b.visible && a.backgroundHidden == b.backgroundHidden &&
           a.color == b.color && a.fontSize == b.fontSize && a.textStyle == b.textStyle;
}

} // namespace

void PageDocument::recordChangeFrom(const LayerRecord& before) {
    // A layer moved by something that records no entry of its own (an arrangement, or a
    // history that dropped its last entry) has its state from before this change recorded
    // first, so that Undo brings it back there rather than to an older place.
    const HistoryEntry* latest = history_.latestOf(before.id);
    if (latest == nullptr || !sameState(latest->layer, before))
        history_.record(HistoryKind::Modify, pageSettings(), before, true);
    recordChange();
}

PageDocument::StepOutcome PageDocument::undo() {
    const StepOutcome outcome = apply(history_.undo());
    emit historyChanged();
    return outcome;
}

PageDocument::StepOutcome PageDocument::redo() {
    const StepOutcome outcome = apply(history_.redo());
    emit historyChanged();
    return outcome;
}

PageDocument::StepOutcome PageDocument::apply(const HistoryStep& step) {
    if (step.entry == nullptr)
        return StepOutcome::Nothing;
    const HistoryEntry& entry = *step.entry;
    bool changed = true;
    switch (step.action) {
    case HistoryAction::None:
        return StepOutcome::Nothing;
    case HistoryAction::RemoveLayer:
        changed = removeLayerOf(entry);
        break;
    case HistoryAction::AddLayer:
        changed = addLayerOf(entry);
        break;
    case HistoryAction::RestoreLayer:
        changed = restoreLayerOf(entry);
        break;
    case HistoryAction::RestorePageSize:
    case HistoryAction::RestoreUnit:
    case HistoryAction::RestoreOrientation:
        restorePage(step.action, entry.page);
        break;
    case HistoryAction::CannotRestoreArrangement:
        setModified(true);
        return StepOutcome::ArrangementNotRestorable;
    }
    if (!changed)
        return StepOutcome::Nothing;
    setModified(true);
    return StepOutcome::Applied;
}

bool PageDocument::removeLayerOf(const HistoryEntry& entry) {
    const LayerRecord* layer = stack_.find(entry.layer.id);
    if (layer == nullptr)
        return false;
    const int row = layer->listRow;
    stack_.remove(entry.layer.id);
    selection_.setCurrentId(-1);
    selection_.refreshCopy();
    emit layerRemoved(row);
    return true;
}

bool PageDocument::addLayerOf(const HistoryEntry& entry) {
    // A layer that is there already (its deletion was undone before, and the entries undone
    // stay in the history) takes the state back instead: never two layers with one id.
    if (stack_.find(entry.layer.id) != nullptr)
        return restoreLayerOf(entry);
    if (!stack_.restore(entry.layer))
        return false;
    project_.nextLayerId += 1;
    selection_.setCurrentId(entry.layer.id);
    selection_.refreshCopy();
    emit layerAdded(entry.layer.id);
    return true;
}

bool PageDocument::restoreLayerOf(const HistoryEntry& entry) {
    LayerRecord* layer = stack_.find(entry.layer.id);
    if (layer == nullptr)
        return false;
    // The layer keeps its present place in the stack and the list: rows above it may have
    // gone since the entry was recorded.
    LayerRecord restored = entry.layer;
    restored.zOrder = layer->zOrder;
    restored.listRow = layer->listRow;
    *layer = std::move(restored);
    selection_.setCurrentId(entry.layer.id);
    selection_.refreshCopy();
    emit layerRestored(entry.layer.id);
    return true;
}

void PageDocument::restorePage(HistoryAction action, const PageSettings& page) {
    switch (action) {
    case HistoryAction::RestorePageSize: {
        // The page comes back as it stood, exactly and turned as it was: a paper chosen in
        // landscape was a portrait page, and 8.5 inches are not 8. The entry's size is
        // measured in the unit of its day.
        const double width = UnitValues::convert(page.canvasWidth, page.unitRow, project_.unitRow);
        const double height =
            UnitValues::convert(page.canvasHeight, page.unitRow, project_.unitRow);
        if (CanvasFit::problemWith(width, height, project_.unitFactor))
            return;
        project_.canvasWidth = width;
        project_.canvasHeight = height;
        project_.portrait = page.portrait;
        project_.paperRow =
            project_.unitRow == UnitValues::kPixel ? project_.paperRowCount - 1 : page.paperRow;
        applyCanvasSize();
        emit pageRestored(HistoryKind::Page);
        break;
    }
    case HistoryAction::RestoreUnit:
        changeUnit(page.unitRow);
        emit pageRestored(HistoryKind::Unit);
        break;
    default:
        // Turned only when the orientation differs, so that a page never ends up on its side
        // in the orientation it already had.
        if (project_.portrait != page.portrait)
            std::swap(project_.canvasWidth, project_.canvasHeight);
        project_.portrait = page.portrait;
        applyCanvasSize();
        emit pageRestored(HistoryKind::Orientation);
        break;
    }
}

void PageDocument::applyCanvasSize() {
    project_.pageWidth = CanvasFit::pageWidth(project_.canvasWidth, project_.unitFactor);
    project_.pageHeight =
        CanvasFit::pageHeight(project_.pageWidth, project_.canvasWidth, project_.canvasHeight);
    selection_.setCurrentId(-1);
    selection_.refreshCopy();
    emit pageApplied();
}

CanvasWindow PageDocument::canvasWindow() const {
    return CanvasFit::fit(project_.canvasWidth, project_.canvasHeight, project_.pageWidth,
                          project_.pageHeight);
}

QString PageDocument::choosePaper(int row, double widthMm, double heightMm) {
    // Papers are measured in millimetres; the canvas size is kept in the chosen unit.
    const double width = UnitValues::convert(widthMm, UnitValues::kMillimetre, project_.unitRow);
    const double height = UnitValues::convert(heightMm, UnitValues::kMillimetre, project_.unitRow);
    if (const char* problem = CanvasFit::problemWith(width, height, project_.unitFactor))
        return QString::fromLatin1(problem);
    project_.portrait = true;
    project_.canvasWidth = width;
    project_.canvasHeight = height;
    project_.paperRow = row;
    recordPageChange(HistoryKind::Page);
    applyCanvasSize();
    return {};
}

QString PageDocument::setCanvasSize(double width, double height) {
    if (const char* problem = CanvasFit::problemWith(width, height, project_.unitFactor))
        return QString::fromLatin1(problem);
    project_.canvasWidth = width;
    project_.canvasHeight = height;
    project_.paperRow = project_.paperRowCount - 1;
    recordPageChange(HistoryKind::Page);
    applyCanvasSize();
    return {};
}

void PageDocument::setPortrait(bool portrait) {
    if (project_.portrait == portrait)
        return;
    std::swap(project_.canvasWidth, project_.canvasHeight);
    project_.portrait = portrait;
    recordPageChange(HistoryKind::Orientation);
    applyCanvasSize();
}

void PageDocument::changeUnit(int unit) {
    const int from = project_.unitRow;
    if (unit == from || unit < UnitValues::kMillimetre || unit > UnitValues::kPixel)
        return;
    project_.unitFactor = UnitValues::windowUnitFactor(unit);
    project_.canvasWidth = UnitValues::convert(project_.canvasWidth, from, unit);
    project_.canvasHeight = UnitValues::convert(project_.canvasHeight, from, unit);
    // Pixels are no paper size: the paper list shows the user-defined size.
    if (unit == UnitValues::kPixel)
        project_.paperRow = project_.paperRowCount - 1;
    if (arrangement_.on) {
        arrangement_.cellWidth = UnitValues::convert(arrangement_.cellWidth, from, unit);
        arrangement_.cellHeight = UnitValues::convert(arrangement_.cellHeight, from, unit);
    }
    project_.unitRow = unit;
    emit unitChanged();
    recordPageChange(HistoryKind::Unit);
}

bool PageDocument::arrangeAll() {
    if (!(project_.canvasWidth > 0 && project_.canvasHeight > 0))
        return true;
    const auto grid = ArrangeGrid::make(project_.canvasWidth, project_.canvasHeight,
                                        arrangement_.cellWidth, arrangement_.cellHeight);
    if (!grid)
        return true;
    int photos = 0;
    for (const LayerRecord& layer : stack_.layers())
        photos += layer.isPhoto() && layer.visible ? 1 : 0;
    if (photos > grid->capacity())
        return false;
    const double f = project_.canvasUnitFactor();
    int n = 0;
    for (int i = 0; i < stack_.count(); ++i) {
        LayerRecord& layer = stack_.at(i);
        if (!layer.isPhoto() || !layer.visible)
            continue;
        layer.region = grid->cellRegion(++n, layer.bitmapWidth, layer.bitmapHeight, f);
        layer.hasRegion = true;
        layer.x = layer.region.left;
        layer.y = layer.region.top;
    }
    selection_.refreshCopy();
    emit layersArranged();
    return true;
}

bool PageDocument::setCellSize(double width, double height) {
    if (arrangement_.cellWidth == width && arrangement_.cellHeight == height)
        return true;
    const Arrangement before = arrangement_;
    arrangement_.cellWidth = width;
    arrangement_.cellHeight = height;
    if (arrangement_.on && !arrangeAll()) {
        arrangement_ = before; // the photos keep the cells they fit
        return false;
    }
    setModified(true); // Save writes the cell size
    return true;
}

bool PageDocument::setArrangement(bool on) {
    arrangement_.on = on;
    if (!on)
        return true;
    const bool arranged = arrangeAll();
    recordPageChange(HistoryKind::Arrange);
    return arranged;
}

bool PageDocument::moveSelectedTo(double left, double top) {
    const double f = project_.canvasUnitFactor();
    return moveSelected(CanvasGeometry::snap(int(left * f), project_.unitFactor),
                        CanvasGeometry::snap(int(top * f), project_.unitFactor));
}

bool PageDocument::resizeSelectedTo(double width, double height, Proportions proportions) {
    const LayerRecord* layer = selection_.selected();
    if (layer == nullptr || !(width > 0) || !(height > 0))
        return false;
    const double f = project_.canvasUnitFactor();
    int w = CanvasGeometry::snap(width * f, project_.unitFactor);
    int h = CanvasGeometry::snap(height * f, project_.unitFactor);
    if (proportions != Proportions::Free && layer->bitmapWidth > 0 && layer->bitmapHeight > 0) {
        const double aspect = double(layer->bitmapWidth) / layer->bitmapHeight;
        if (proportions == Proportions::HeightLeads)
            w = CanvasGeometry::snap(h * aspect, project_.unitFactor);
        else
            h = CanvasGeometry::snap(w / aspect, project_.unitFactor);
    }
    return resizeSelected({layer->x, layer->y, w, h});
}

QString PageDocument::takeFreePhotoFileName() {
    // Files an earlier run left in the folder may hold the names of the first ids: a new
    // photo takes the first id that no file, nor any of its edit versions, goes by.
    const auto taken = [this](int id) {
        const QString base = project_.projectFolder + project_.projectName + QString::number(id);
        if (QFileInfo::exists(base + QStringLiteral(".bmp")))
            return true;
        for (int edit = 1; edit <= 6; ++edit)
            if (QFileInfo::exists(base + QStringLiteral("_%1.bmp").arg(edit)))
                return true;
        return false;
    };
    while (taken(project_.nextLayerId))
        ++project_.nextLayerId;
    if (project_.isTemporary())
        temporaryIds_.insert(project_.nextLayerId);
    return project_.projectName + QString::number(project_.nextLayerId) + ".bmp";
}

std::optional<PageRect> PageDocument::gridCell(int pictureWidth, int pictureHeight) const {
    if (!arrangement_.on)
        return std::nullopt;
    const auto grid = ArrangeGrid::make(project_.canvasWidth, project_.canvasHeight,
                                        arrangement_.cellWidth, arrangement_.cellHeight);
    if (!grid || photoLayers() >= grid->capacity())
        return std::nullopt;
    return grid->cellRegion(photoLayers() + 1, pictureWidth, pictureHeight,
                            project_.canvasUnitFactor());
}

namespace {

PageDocument::AddStatus addStatusOf(PhotoImporter::Status status) {
    switch (status) {
    case PhotoImporter::Status::Ok:
        return PageDocument::AddStatus::Added;
    case PhotoImporter::Status::UnknownFormat:
        return PageDocument::AddStatus::UnknownFormat;
    case PhotoImporter::Status::CannotWrite:
        return PageDocument::AddStatus::CannotWrite;
    case PhotoImporter::Status::Unreadable:
        break;
    }
    return PageDocument::AddStatus::Unreadable;
}

} // namespace

PageDocument::AddResult PageDocument::changeSource(int id, const QString& path) {
    const LayerRecord* old = stack_.find(id);
    if (old == nullptr || !old->isPhoto())
        return {AddStatus::Unreadable, -1};
    // The new picture goes under the next id's name, so reading and copying it touches
    // nothing of the old layer; only a picture that made it that far replaces it.
    const QString fileName = takeFreePhotoFileName();
    PhotoImporter::Result imported = PhotoImporter::import(path, project_.projectFolder, fileName);
    if (imported.status != PhotoImporter::Status::Ok)
        return {addStatusOf(imported.status), -1};
    const int row = old->listRow;
    stack_.remove(id);
    emit layerRemoved(row);
    return addImported(path, fileName, std::move(imported));
}

PageDocument::AddResult PageDocument::addPhoto(const QString& path) {
    const QString fileName = takeFreePhotoFileName();
    PhotoImporter::Result imported = PhotoImporter::import(path, project_.projectFolder, fileName);
    if (imported.status != PhotoImporter::Status::Ok)
        return {addStatusOf(imported.status), -1};
    return addImported(path, fileName, std::move(imported));
}

PageDocument::AddResult PageDocument::addImported(const QString& path, const QString& fileName,
                                                  PhotoImporter::Result imported) {
    LayerRecord layer;
    layer.id = project_.nextLayerId;
    layer.content = fileName;
    layer.sourcePath = path;
    layer.setBitmap(imported.working);
    layer.hasRegion = true;
    layer.region = gridCell(layer.bitmapWidth, layer.bitmapHeight)
                       .value_or(defaultPhotoRegion(layer.id, layer.bitmapWidth, layer.bitmapHeight,
                                                    project_.pageWidth, project_.pageHeight));
    layer.x = layer.region.left;
    layer.y = layer.region.top;
    layer.thumbIndex = addListPicture(imported.thumbnail);
    addNewLayer(layer);
    return {AddStatus::Added, layer.id};
}

void PageDocument::addNewLayer(const LayerRecord& layer) {
    project_.nextLayerId += 1;
    stack_.add(layer);
    selection_.setCurrentId(layer.id);
    selection_.refreshCopy();
    emit layerAdded(layer.id);
    // Undo and redo step over an addition as this pair.
    recordSelected(HistoryKind::Add);
    recordSelected(HistoryKind::Modify);
}

std::vector<PageDocument::Failure> PageDocument::addPhotos(const QStringList& paths) {
    std::vector<Failure> failed;
    for (const QString& path : paths) {
        const AddResult result = addPhoto(path);
        if (result.status != AddStatus::Added)
            failed.push_back({path, result.status});
    }
    return failed;
}

bool PageDocument::setLayerVisible(int id, bool visible) {
    const LayerRecord* layer = stack_.find(id);
    if (layer == nullptr || layer->visible == visible)
        return layer != nullptr;
    stack_.setVisible(id, visible);
    selection_.refreshCopy();
    setModified(true);
    return true;
}

bool PageDocument::deleteLayer(int id) {
    const LayerRecord* layer = stack_.find(id);
    if (layer == nullptr)
        return false;
    // The entry holds the layer asked about, whatever else is selected now.
    history_.record(HistoryKind::Delete, pageSettings(), *layer);
    setModified(true);
    emit historyChanged();
    const int row = layer->listRow;
    stack_.remove(id);
    emit layerRemoved(row);
    return true;
}

bool PageDocument::moveSelected(int x, int y) {
    const LayerRecord* layer = selection_.selected();
    if (layer == nullptr)
        return false;
    const LayerRecord before = *layer;
    selection_.place(x, y, layer->boxWidth(), layer->boxHeight());
    recordChangeFrom(before);
    return true;
}

bool PageDocument::resizeSelected(const PageGeometry& g) {
    if (selection_.selected() == nullptr)
        return false;
    const LayerRecord before = *selection_.selected();
    selection_.place(g.x, g.y, std::max(1, g.width), std::max(1, g.height));
    recordChangeFrom(before);
    return true;
}

void PageDocument::recordChange() {
    if (selection_.selected() == nullptr)
        return;
    selection_.refreshCopy();
    recordSelected(HistoryKind::Modify);
    if (selection_.selected()->isPhoto())
        endArrangement();
}

PhotoEdits PageDocument::photoEdits() const {
    return PhotoEdits(project_.projectFolder, project_.projectName);
}

PageDocument::EditStatus PageDocument::takeEdit(PhotoEdits::Outcome outcome,
                                                const PageGeometry* frame) {
    if (outcome.status != PhotoEdits::Status::Done)
        return outcome.status;
    const LayerRecord before = *selection_.selected();
    if (frame != nullptr) {
        // A crop has a picture of its own shape, in the box the frame left.
        selection_.selected()->setBitmap(outcome.working);
        selection_.place(frame->x, frame->y, std::max(1, frame->width), std::max(1, frame->height));
    } else {
        selection_.replacePicture(outcome.working, outcome.turned);
    }
    selection_.setContent(outcome.content);
    recordChangeFrom(before);
    return EditStatus::Done;
}

PageDocument::EditStatus PageDocument::cropSelected(const PageGeometry& frame) {
    const LayerRecord* layer = selection_.selected();
    return layer == nullptr ? EditStatus::Refused
                            : takeEdit(photoEdits().crop(*layer, frame), &frame);
}

PageDocument::EditStatus PageDocument::applyEffect(const EffectSpec& effect,
                                                   const EffectValues& values) {
    const LayerRecord* layer = selection_.selected();
    return layer == nullptr ? EditStatus::Refused
                            : takeEdit(photoEdits().applyEffect(*layer, effect, values));
}

PageDocument::EditStatus PageDocument::rotateSelected() {
    const LayerRecord* layer = selection_.selected();
    return layer == nullptr ? EditStatus::Refused : takeEdit(photoEdits().turnClockwise(*layer));
}

PageDocument::EditStatus PageDocument::mirrorSelected() {
    const LayerRecord* layer = selection_.selected();
    return layer == nullptr ? EditStatus::Refused : takeEdit(photoEdits().mirror(*layer));
}

PageDocument::EditStatus PageDocument::restoreOriginalSource() {
    const LayerRecord* layer = selection_.selected();
    return layer == nullptr ? EditStatus::Refused : takeEdit(photoEdits().originalSource(*layer));
}

int PageDocument::addText() {
    const double unit = project_.unitFactor;
    imaging::DibImage empty;
    empty.create(500, 45, 24);
    imaging::fill(empty, CaptionLayout::kTransparentFill);
    LayerRecord caption;
    caption.id = project_.nextLayerId;
    caption.content = QStringLiteral("Arial, ");
    caption.x = caption.y = 12;
    caption.fontSize = 36;
    caption.backgroundHidden = true;
    caption.hasRegion = true;
    caption.setBitmap(empty);
    // Until its first rendering the empty caption spans the page: as wide as the canvas and
    // 9 % of that high.
    caption.region = {12, 12, 12 + int(project_.canvasWidth * unit),
                      12 + int(project_.canvasWidth * CaptionLayout::kNewStripHeight * unit)};
    addNewLayer(caption);
    return caption.id;
}

bool PageDocument::renderCaption(const CaptionSettings& settings) {
    LayerRecord* caption = selection_.selected();
    if (caption == nullptr || caption->isPhoto() || captionDrawer_ == nullptr)
        return false;
    const CaptionLayout layout = CaptionLayout::of(settings, project_.unitFactor);
    if (!layout.fitsAPicture())
        return false;
    const imaging::DibImage picture = captionDrawer_->draw(settings, layout);
    if (picture.isEmpty())
        return false;
    const int oldHeight = caption->bitmapHeight;
    caption->setBitmap(picture);
    caption->content = CaptionText{settings.face, settings.text}.content();
    caption->backgroundHidden = !settings.opaque;
    caption->fontSize = settings.size;
    caption->color = settings.textColour;
    caption->textStyle = settings.style.code();
    // A tall vertical caption grows upwards, keeping its bottom edge where it was, but never
    // past the top of the page it stood on: there it grows downwards instead.
    int y = settings.style.vertical && layout.height > 500 ? caption->y + oldHeight - layout.height
                                                           : caption->y;
    if (y < 0 && caption->y >= 0)
        y = 0;
    selection_.place(caption->x, y, layout.width, layout.height);

    // Only a change of size, font size, background or style is a step of its own.
    const auto& entries = history_.entries();
    const bool alreadyRecorded =
        !entries.empty() && entries.back().layer.id == caption->id &&
        entries.back().layer.bitmapWidth == caption->bitmapWidth &&
        entries.back().layer.bitmapHeight == caption->bitmapHeight &&
        entries.back().layer.fontSize == caption->fontSize &&
        entries.back().layer.backgroundHidden == caption->backgroundHidden &&
        entries.back().layer.textStyle == caption->textStyle;
    if (!alreadyRecorded)
        recordSelected(HistoryKind::Modify);
    emit captionRendered(caption->id);
    return true;
}

void PageDocument::endArrangement() {
    if (!arrangement_.on)
        return;
    arrangement_.on = false;
    emit arrangementEnded();
}

} // namespace editor

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
