#pragma once

namespace editor {

// The settings of a page: its paper row, its size in the unit, the unit, which way up it
// stands and whether photos are arranged. The history keeps them with each change; a project
// file gives them back on open.
struct PageSettings {
    int paperRow = 0;
    double canvasWidth = 0; // in the unit
    double canvasHeight = 0;
    int unitRow = 0;
    bool portrait = true;
    bool arrange = false;
};

} // namespace editor
