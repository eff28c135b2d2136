#pragma once
#include "editor/model/LayerRecord.h"
#include "editor/model/PageSettings.h"

#include <functional>
#include <optional>
#include <vector>

namespace editor {

// The kinds of change the history records, numbered as the editor has always numbered them.
enum class HistoryKind {
    Add = 0,
    Delete = 1,
    Modify = 2,
    Page = 3,
    Unit = 4,
    Orientation = 5,
    Arrange = 6,
};

struct HistoryEntry {
    HistoryKind kind = HistoryKind::Modify;
    PageSettings page; // as they stood when the change was recorded
    // The layer as it stood after the change (for page changes, the selected layer).
    LayerRecord layer;
    // A modify entry of how a layer stood before a change, when no entry held that state
    // (something that records nothing, like an arrangement, had moved it). It is no step of
    // its own: undo and redo pass it with the change it was recorded for.
    bool baseline = false;
};

// What one undo or redo step asks of the page.
enum class HistoryAction {
    None,
    RemoveLayer,
    AddLayer,
    RestoreLayer,
    RestorePageSize,
    RestoreUnit,
    RestoreOrientation,
    CannotRestoreArrangement,
};

struct HistoryStep {
    HistoryAction action = HistoryAction::None;
    // The entry to take the layer or the page settings from; valid until the next record.
    const HistoryEntry* entry = nullptr;
};

// The last ten changes to the page, with a current entry that describes the present state.
// Undo and redo move the current entry and say what to apply; the document applies it. An
// addition is recorded as an add entry followed at once by a modify entry of the same layer,
// and both directions step over the pair as one; a baseline entry and the change after it are
// one step too.
class UndoHistory {
  public:
    static constexpr int kDepth = 10;
    enum class Direction { Undo, Redo };

    // A new entry after the others, the oldest dropped when ten are held. Entries undone
    // before stay where they are, before the new one.
    void record(HistoryKind kind, const PageSettings& page, const LayerRecord& layer,
                bool baseline = false);
    HistoryStep undo();
    HistoryStep redo();
    // Empty again, as for a new project.
    void clear();
    // Changes the layer copy of every entry (when the files they name were renamed).
    void updateLayers(const std::function<void(LayerRecord&)>& change);

    // What applying an entry of `kind` in `direction` does. An override names the page setting
    // an undo restores from the entry before a page change, whatever that entry's own kind.
    static HistoryAction decide(HistoryKind kind, Direction direction,
                                std::optional<HistoryKind> override = std::nullopt);

    // The menu states as the steps set them; both start greyed.
    bool canUndo() const { return undoEnabled_; }
    bool canRedo() const { return redoEnabled_; }
    // Set by an undo or redo, cleared by a record: a unit change made by undo is not recorded.
    bool isStepping() const { return stepping_; }

    // The entry the present state of layer `id` was last recorded in: the latest add, delete
    // or modify entry of it up to the current one; null when none is kept.
    const HistoryEntry* latestOf(int id) const;

    int count() const { return int(entries_.size()); }
    int currentIndex() const { return current_; }
    const HistoryEntry& at(int index) const { return entries_[size_t(index)]; }
    const std::vector<HistoryEntry>& entries() const { return entries_; }

  private:
    HistoryStep step(int index, Direction direction,
                     std::optional<HistoryKind> override = std::nullopt) const;
    // The latest entry before `index` that holds the same layer as a layer change.
    int earlierEntryOfSameLayer(int index) const;

    std::vector<HistoryEntry> entries_;
    int current_ = 0;
    bool stepping_ = false;
    bool undoEnabled_ = false;
    bool redoEnabled_ = false;
};

} // namespace editor
