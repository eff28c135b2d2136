#include "editor/model/PhotoPageGroups.h"

#include "editor/model/LayerRecord.h"

namespace editor {

PhotoPageGroups PhotoPageGroups::shownFor(Tab tab, const LayerRecord* selected,
                                          bool opaqueCaption) {
    if (tab == Tab::Paper)
        return {};
    if (selected == nullptr)
        return {.list = true};
    if (selected->isPhoto())
        return {.list = true, .position = true, .photo = true};
    return {.list = true, .position = true, .text = true, .background = opaqueCaption};
}

} // namespace editor
