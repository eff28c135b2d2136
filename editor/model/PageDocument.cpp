#include "editor/model/PageDocument.h"

#include "editor/model/ArrangeGrid.h"
#include "editor/model/CaptionText.h"
#include "editor/model/PageComposer.h"
#include "editor/model/PhotoImporter.h"
#include "editor/model/PhotoPlacement.h"
#include "editor/model/TemporaryFolder.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/FileTransfer.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

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
    std::set<QString> inUse;
    for (const LayerRecord& layer : stack_.layers())
        inUse.insert(layer.content);
    for (const HistoryEntry& entry : history_.entries())
        inUse.insert(entry.layer.content);
    return PhotoEdits(project_.projectFolder, project_.projectName, std::move(inUse));
}

PageDocument::EditStatus PageDocument::takeEdit(PhotoEdits::Outcome outcome,
                                                const PageGeometry* frame,
                                                const std::function<void()>& alsoChange) {
    if (outcome.status != PhotoEdits::Status::Done)
        return outcome.status;
    const LayerRecord before = *selection_.selected();
    if (frame != nullptr) {
        // A crop has a picture of its own shape, in the box the frame left.
        selection_.selected()->setBitmap(outcome.working);
        selection_.place(frame->x, frame->y, std::max(1, frame->width), std::max(1, frame->height));
    } else {
        // A turn by any angle grows the picture; the layer takes its size before the picture.
        if (outcome.resized)
            selection_.setPictureSize(outcome.working.width(), outcome.working.height());
        selection_.replacePicture(outcome.working, outcome.turned);
    }
    selection_.setContent(outcome.content);
    if (alsoChange)
        alsoChange();
    recordChangeFrom(before);
    return EditStatus::Done;
}

PageDocument::EditStatus PageDocument::hideBackground(imaging::ColorRef colour) {
    const LayerRecord* layer = selection_.selected();
    const EffectSpec* snap = EffectCatalogue::forCommandName(QStringLiteral("transparent"));
    if (layer == nullptr || !layer->isPhoto() || snap == nullptr)
        return EditStatus::Refused;
    const int rgb =
        imaging::redOf(colour) << 16 | imaging::greenOf(colour) << 8 | imaging::blueOf(colour);
    return takeEdit(photoEdits().applyEffect(*layer, *snap, {rgb}, {}), nullptr,
                    [this, colour] { selection_.setBackground(true, colour); });
}

bool PageDocument::showBackground() {
    const LayerRecord* layer = selection_.selected();
    if (layer == nullptr || !layer->backgroundHidden)
        return false;
    const LayerRecord before = *layer;
    selection_.setBackground(false, layer->color);
    recordChangeFrom(before);
    return true;
}

PageDocument::EditStatus PageDocument::cropSelected(const PageGeometry& frame) {
    const LayerRecord* layer = selection_.selected();
    return layer == nullptr ? EditStatus::Refused
                            : takeEdit(photoEdits().crop(*layer, frame), &frame);
}

PageDocument::EditStatus PageDocument::applyEffect(const EffectSpec& effect,
                                                   const EffectValues& values,
                                                   const EffectInputs& inputs) {
    const LayerRecord* layer = selection_.selected();
    return layer == nullptr ? EditStatus::Refused
                            : takeEdit(photoEdits().applyEffect(*layer, effect, values, inputs));
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
