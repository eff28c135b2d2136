#pragma once

namespace editor {

struct LayerRecord;

// Which groups of controls the Photo page shows for what is selected: the layer list always,
// and for a selected layer its place and size, with a photo's own buttons or a caption's text
// settings, and an opaque caption's background. The Paper page shows none of them.
struct PhotoPageGroups {
    bool list = false;
    bool position = false;
    bool photo = false;
    bool text = false;
    bool background = false;

    enum class Tab { Paper, Photo };
    static PhotoPageGroups shownFor(Tab tab, const LayerRecord* selected, bool opaqueCaption);
    bool operator==(const PhotoPageGroups&) const = default;
};

} // namespace editor
