#pragma once
#include "editor/model/LayerStack.h"
#include "editor/model/PageMetrics.h"

#include <optional>

namespace editor {

// The selected layer's frame on screen: page values times the display scale, truncated.
struct ScreenFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenFrame&) const = default;
};

// The selected layer of a stack and the operations other parts of the editor apply to it.
// Each operation returns false and changes nothing when no layer is selected, and ends by
// refreshing the copy of the selected record that undo entries are taken from.
class LayerSelection {
  public:
    explicit LayerSelection(LayerStack& stack) : stack_(stack) {}

    int currentId() const { return currentId_; }
    void setCurrentId(int id);
    LayerRecord* selected() { return stack_.find(currentId_); }
    const LayerRecord* selected() const { return stack_.find(currentId_); }
    // The copy of the selected record as of its last change (empty record when none).
    const LayerRecord& selectedCopy() const { return copy_; }

    double displayScale() const { return displayScale_; }
    void setDisplayScale(double scale) { displayScale_ = scale; }
    const ScreenFrame& frame() const { return frame_; }
    void setFrame(ScreenFrame frame) { frame_ = frame; }
    ScreenFrame frameOf(const LayerRecord& record) const;

    bool place(int x, int y, int width, int height);
    bool setContent(const QString& content);
    bool setBackground(bool hidden, imaging::ColorRef colour);
    bool setPictureSize(int width, int height);
    bool replacePicture(const imaging::DibImage& picture, bool turnedBy90);
    // Re-reads the selected record into the copy.
    void refreshCopy();

  private:
    LayerStack& stack_;
    int currentId_ = -1;
    LayerRecord copy_;
    double displayScale_ = kA4DisplayScale;
    ScreenFrame frame_;
};

} // namespace editor
