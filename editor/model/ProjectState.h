#pragma once
#include "editor/model/PageMetrics.h"
#include <QString>

namespace editor {

// What the editor holds about the open project and its page, besides the layers.
struct ProjectState {
    QString projectName = QStringLiteral("newPrj1");
    QString installFolder;
    QString projectFileFolder; // where the project file is, ending in "/"
    QString projectFolder;     // where its photos are, ending in "/"

    int pageWidth = kA4Width; // page pixels
    int pageHeight = kA4Height;
    double canvasWidth = 210.0; // in the unit
    double canvasHeight = 297.0;
    double unitFactor = kPixelsPerMillimetre; // page pixels per unit: mm, inch or pixel (1)
    bool portrait = true;
    int paperIndex = -1;
    int paperRow = 5;       // the row chosen in the paper list ("A4" of the built-in ones)
    int paperRowCount = 15; // its rows, "User-defined Size" the last
    int unitRow = 0;        // 0 millimetres, 1 inches, 2 pixels
    int platformKind = 1;

    // A project never saved carries the temporary name.
    bool isTemporary() const { return projectName.contains(QStringLiteral("newPrj1")); }
    QString temporaryFolder() const { return installFolder + QStringLiteral("newPrj1/"); }
    // The file Save writes.
    QString projectFile() const { return projectFileFolder + projectName + QStringLiteral(".lyj"); }

    // Ids are never reused, so an undo entry or an edit file always names one layer.
    int nextLayerId = 0;

    // Page pixels per unit of the canvas size, as the canvas window is fitted: by the height
    // when the page is limited by its height in the page box, else by the width.
    double canvasUnitFactor() const {
        if (kPageBoxHeight / canvasHeight <= kPageBoxWidth / canvasWidth)
            return pageHeight / canvasHeight;
        return pageWidth / canvasWidth;
    }
};

} // namespace editor
