#pragma once
#include "editor/model/LayerRecord.h"

#include <vector>

namespace editor {

// The layers of the page, bottom first. zOrder always equals the index after any operation.
class LayerStack {
  public:
    static constexpr int kEmptyStack = -1;
    static constexpr int kMissed = -2;

    // Appends a copy with zOrder and listRow set to the count; refused when the id is taken.
    bool add(const LayerRecord& record);
    // Puts a removed layer back where it was: at its recorded place in the stack and its
    // recorded list row, the layers from there on moving up by one; refused when the id is
    // taken.
    bool restore(const LayerRecord& record);
    // Removes by id keeping the order; the list rows below its row move up by one.
    bool remove(int id);
    void removeAll() { layers_.clear(); }

    LayerRecord* find(int id);
    const LayerRecord* find(int id) const;
    // Id of the layer shown in list row `row`, or -1.
    int idAtRow(int row) const;
    bool bringToTop(int id);
    bool setVisible(int id, bool visible);
    // Topmost visible layer containing the canvas point (page point = point / scale,
    // truncated), brought to the top; kEmptyStack or kMissed otherwise.
    int hitTest(int canvasX, int canvasY, double displayScale);
    // Restores zOrder as the array order (after records were changed from outside).
    void sortByZOrder();

    int count() const { return int(layers_.size()); }
    bool isEmpty() const { return layers_.empty(); }
    const std::vector<LayerRecord>& layers() const { return layers_; }
    LayerRecord& at(int index) { return layers_[size_t(index)]; }
    const LayerRecord& at(int index) const { return layers_[size_t(index)]; }

  private:
    void renumber();
    std::vector<LayerRecord> layers_;
};

} // namespace editor
