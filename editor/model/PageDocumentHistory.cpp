// PageDocument: recording changes for undo, and applying a step of the history back or forth.
#include "editor/model/PageDocument.h"

#include "editor/model/CanvasFit.h"
#include "editor/model/UnitValues.h"

#include <utility>

namespace editor {

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

} // namespace editor
