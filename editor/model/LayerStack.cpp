#include "editor/model/LayerStack.h"

#include <algorithm>

namespace editor {

bool LayerStack::add(const LayerRecord& record) {
    if (find(record.id) != nullptr)
        return false;
    LayerRecord copy(record);
    copy.zOrder = count();
    copy.listRow = count();
    layers_.push_back(std::move(copy));
    return true;
}

bool LayerStack::remove(int id) {
    const auto it = std::find_if(layers_.begin(), layers_.end(),
                                 [id](const LayerRecord& r) { return r.id == id; });
    if (it == layers_.end())
        return false;
    const int row = it->listRow;
    layers_.erase(it);
    for (LayerRecord& r : layers_) {
        if (r.listRow > row)
            --r.listRow;
    }
    renumber();
    return true;
}

bool LayerStack::restore(const LayerRecord& record) {
    if (find(record.id) != nullptr)
        return false;
    LayerRecord copy(record);
    copy.listRow = std::clamp(record.listRow, 0, count());
    for (LayerRecord& r : layers_) {
        if (r.listRow >= copy.listRow)
            ++r.listRow;
    }
    const int place = std::clamp(record.zOrder, 0, count());
    layers_.insert(layers_.begin() + place, std::move(copy));
    renumber();
    return true;
}

LayerRecord* LayerStack::find(int id) {
    for (LayerRecord& r : layers_) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

const LayerRecord* LayerStack::find(int id) const {
    return const_cast<LayerStack*>(this)->find(id);
}

int LayerStack::idAtRow(int row) const {
    for (const LayerRecord& r : layers_) {
        if (r.listRow == row)
            return r.id;
    }
    return -1;
}

bool LayerStack::bringToTop(int id) {
    LayerRecord* record = find(id);
    if (record == nullptr)
        return false;
    record->zOrder = count();
    sortByZOrder();
    return true;
}

bool LayerStack::setVisible(int id, bool visible) {
    LayerRecord* record = find(id);
    if (record == nullptr)
        return false;
    record->visible = visible;
    return true;
}

namespace {

// A layer thinner than a screen pixel is still drawn one pixel wide or high; a click on that
// pixel picks it, though no page point under it lies inside the layer.
bool onThinLayer(const LayerRecord& layer, int canvasX, int canvasY, double scale) {
    const int width = int(layer.boxWidth() * scale);
    const int height = int(layer.boxHeight() * scale);
    if (width > 0 && height > 0)
        return false;
    const int left = int(layer.x * scale);
    const int top = int(layer.y * scale);
    return canvasX >= left && canvasX < left + std::max(1, width) && canvasY >= top &&
           canvasY < top + std::max(1, height);
}

} // namespace

int LayerStack::hitTest(int canvasX, int canvasY, double displayScale) {
    if (layers_.empty())
        return kEmptyStack;
    const int px = int(canvasX / displayScale);
    const int py = int(canvasY / displayScale);
    for (auto it = layers_.rbegin(); it != layers_.rend(); ++it) {
        if (!it->visible || !it->hasRegion)
            continue;
        if (it->region.contains(px, py) || onThinLayer(*it, canvasX, canvasY, displayScale)) {
            const int id = it->id;
            bringToTop(id);
            return id;
        }
    }
    return kMissed;
}

void LayerStack::sortByZOrder() {
    std::stable_sort(
        layers_.begin(), layers_.end(),
        [](const LayerRecord& a, const LayerRecord& b) { return a.zOrder < b.zOrder; });
    renumber();
}

void LayerStack::renumber() {
    for (int i = 0; i < count(); ++i)
        layers_[size_t(i)].zOrder = i;
}

} // namespace editor
