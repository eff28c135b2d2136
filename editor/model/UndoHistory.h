#pragma once
#include "editor/model/LayerRecord.h"

#include <vector>

namespace editor {

enum class HistoryKind { Add, Delete, Modify, Page, Orientation, Unit, Arrange };

struct HistoryEntry {
    HistoryKind kind = HistoryKind::Modify;
    LayerRecord layer;
};

// Where the editor records its changes for undo. Every change asks for an entry here with a
// copy of the layer as it now is; the ten most recent are kept.
class UndoHistory {
  public:
    static constexpr size_t kDepth = 10;
    void record(HistoryKind kind, const LayerRecord& layer) {
        if (entries_.size() == kDepth)
            entries_.erase(entries_.begin());
        entries_.push_back({kind, layer});
    }
    const std::vector<HistoryEntry>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

  private:
    std::vector<HistoryEntry> entries_;
};

} // namespace editor
