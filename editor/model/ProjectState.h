#pragma once
#include <QString>

namespace editor {

// What the editor holds about the open project and its page, besides the layers.
struct ProjectState {
    QString projectName = QStringLiteral("newPrj1");
    QString installFolder;
    QString projectFolder;

    int pageWidth = 992; // page pixels, 120 to the inch
    int pageHeight = 1403;
    double canvasWidth = 210.0; // in the unit
    double canvasHeight = 297.0;
    double unitFactor = 4.7244; // page pixels per unit: mm 4.7244, inch 120, pixel 1
    bool portrait = true;
    int paperIndex = -1;
    int platformKind = 1;

    // Ids are never reused, so an undo entry or an edit file always names one layer.
    int nextLayerId = 0;

    // Page pixels per unit of the canvas size, as the canvas window is fitted: by the height
    // when the page is limited by its height in the 461 x 494 box, else by the width.
    double canvasUnitFactor() const {
        if (494.0 / canvasHeight <= 461.0 / canvasWidth)
            return pageHeight / canvasHeight;
        return pageWidth / canvasWidth;
    }
};

} // namespace editor
