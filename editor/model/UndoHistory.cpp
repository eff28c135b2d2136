#include "editor/model/UndoHistory.h"

#include <algorithm>

namespace editor {

namespace {

bool isLayerChange(HistoryKind kind) {
    return kind == HistoryKind::Add || kind == HistoryKind::Delete || kind == HistoryKind::Modify;
}

} // namespace

void UndoHistory::record(HistoryKind kind, const PageSettings& page, const LayerRecord& layer,
                         bool baseline) {
    stepping_ = false;
    if (count() == kDepth)
        entries_.erase(entries_.begin());
    entries_.push_back({kind, page, layer, baseline});
    current_ = count() - 1;
    if (current_ > 0)
        undoEnabled_ = true;
    redoEnabled_ = false;
}

void UndoHistory::clear() {
    entries_.clear();
    current_ = 0;
    stepping_ = false;
    undoEnabled_ = false;
    redoEnabled_ = false;
}

void UndoHistory::updateLayers(const std::function<void(LayerRecord&)>& change) {
    for (HistoryEntry& entry : entries_)
        change(entry.layer);
}

HistoryAction UndoHistory::decide(HistoryKind kind, Direction direction,
                                  std::optional<HistoryKind> override) {
    if (!override) {
        const bool undo = direction == Direction::Undo;
        if ((kind == HistoryKind::Add && undo) || (kind == HistoryKind::Delete && !undo))
            return HistoryAction::RemoveLayer;
        if ((kind == HistoryKind::Delete && undo) || (kind == HistoryKind::Add && !undo))
            return HistoryAction::AddLayer;
        if (kind == HistoryKind::Modify)
            return HistoryAction::RestoreLayer;
    }
    // The override comes first: undoing a unit change restores the unit even when the entry
    // before it was a page change.
    switch (override.value_or(kind)) {
    case HistoryKind::Page:
        return HistoryAction::RestorePageSize;
    case HistoryKind::Unit:
        return HistoryAction::RestoreUnit;
    case HistoryKind::Orientation:
        return HistoryAction::RestoreOrientation;
    default:
        return HistoryAction::CannotRestoreArrangement;
    }
}

HistoryStep UndoHistory::step(int index, Direction direction,
                              std::optional<HistoryKind> override) const {
    if (index < 0 || index >= count())
        return {};
    const HistoryEntry& entry = at(index);
    return {decide(entry.kind, direction, override), &entry};
}

int UndoHistory::earlierEntryOfSameLayer(int index) const {
    const int id = at(index).layer.id;
    for (int i = index - 1; i >= 0; --i) {
        if (at(i).layer.id == id && isLayerChange(at(i).kind))
            return i;
    }
    return -1;
}

const HistoryEntry* UndoHistory::latestOf(int id) const {
    for (int i = std::min(current_, count() - 1); i >= 0; --i) {
        if (at(i).layer.id == id && isLayerChange(at(i).kind))
            return &at(i);
    }
    return nullptr;
}

HistoryStep UndoHistory::undo() {
    HistoryStep applied;
    if (current_ >= 0 && !entries_.empty()) {
        stepping_ = true;
        const HistoryEntry& entry = at(current_);
        int next = current_ - 1;
        if (entry.kind == HistoryKind::Delete) {
            // The deleted layer comes back from this very entry.
            applied = step(current_, Direction::Undo);
        } else if (!isLayerChange(entry.kind)) {
            // The page settings of the entry before are restored as this change names them.
            applied = step(current_ - 1, Direction::Undo, entry.kind);
        } else {
            // The layer goes back to the last state recorded for it, which need not be the
            // entry just before when other layers changed in between.
            const int earlier = earlierEntryOfSameLayer(current_);
            applied = step(earlier, Direction::Undo);
            // Undoing the modify entry of an addition removes the layer; the add entry goes
            // with it, as redo passes over it too. So does a baseline, once applied.
            if (earlier == current_ - 1 && earlier >= 0 &&
                (at(earlier).kind == HistoryKind::Add || at(earlier).baseline))
                next = earlier - 1;
        }
        current_ = next;
        if (current_ <= 0) {
            current_ = -1;
            undoEnabled_ = false;
        }
    }
    if (current_ < count() - 1)
        redoEnabled_ = true;
    return applied;
}

HistoryStep UndoHistory::redo() {
    HistoryStep applied;
    if (current_ < count() - 1) {
        stepping_ = true;
        int target = current_ + 1;
        // A baseline is the state already there; the change after it is the step.
        if (at(target).baseline && target + 1 < count())
            ++target;
        applied = step(target, Direction::Redo);
        current_ = target;
        // An addition lands on its modify entry, so that undo finds the pair again.
        if (at(target).kind == HistoryKind::Add && target + 1 < count())
            ++current_;
        if (current_ == count() - 1)
            redoEnabled_ = false;
    }
    if (current_ > 0)
        undoEnabled_ = true;
    return applied;
}

} // namespace editor
