// PageDocument: the paper, the unit, the orientation, the arrangement grid, and the selected
// layer placed by number.
#include "editor/model/PageDocument.h"

#include "editor/model/ArrangeGrid.h"
#include "editor/model/CanvasFit.h"
#include "editor/model/UnitValues.h"

#include <utility>

namespace editor {

void PageDocument::setPaperList(int platformKind, int paperIndex, int shownRow, int rowCount) {
    project_.platformKind = platformKind;
    project_.paperIndex = paperIndex;
    project_.paperRow = shownRow;
    project_.paperRowCount = rowCount;
}

void PageDocument::chooseUserPaper() {
    if (project_.paperRow == project_.paperRowCount - 1)
        return;
    project_.paperRow = project_.paperRowCount - 1;
    setModified(true);
}

void PageDocument::applyCanvasSize() {
    project_.pageWidth = CanvasFit::pageWidth(project_.canvasWidth, project_.unitFactor);
    project_.pageHeight =
        CanvasFit::pageHeight(project_.pageWidth, project_.canvasWidth, project_.canvasHeight);
    selection_.setCurrentId(-1);
    selection_.refreshCopy();
    emit pageApplied();
}

CanvasWindow PageDocument::canvasWindow() const {
    return CanvasFit::fit(project_.canvasWidth, project_.canvasHeight, project_.pageWidth,
                          project_.pageHeight);
}

QString PageDocument::choosePaper(int row, double widthMm, double heightMm) {
    // Papers are measured in millimetres; the canvas size is kept in the chosen unit.
    const double width = UnitValues::convert(widthMm, UnitValues::kMillimetre, project_.unitRow);
    const double height = UnitValues::convert(heightMm, UnitValues::kMillimetre, project_.unitRow);
    if (const char* problem = CanvasFit::problemWith(width, height, project_.unitFactor))
        return QString::fromLatin1(problem);
    project_.portrait = true;
    project_.canvasWidth = width;
    project_.canvasHeight = height;
    project_.paperRow = row;
    recordPageChange(HistoryKind::Page);
    applyCanvasSize();
    return {};
}

QString PageDocument::setCanvasSize(double width, double height) {
    if (const char* problem = CanvasFit::problemWith(width, height, project_.unitFactor))
        return QString::fromLatin1(problem);
    project_.canvasWidth = width;
    project_.canvasHeight = height;
    project_.paperRow = project_.paperRowCount - 1;
    recordPageChange(HistoryKind::Page);
    applyCanvasSize();
    return {};
}

void PageDocument::setPortrait(bool portrait) {
    if (project_.portrait == portrait)
        return;
    std::swap(project_.canvasWidth, project_.canvasHeight);
    project_.portrait = portrait;
    recordPageChange(HistoryKind::Orientation);
    applyCanvasSize();
}

void PageDocument::changeUnit(int unit) {
    const int from = project_.unitRow;
    if (unit == from || unit < UnitValues::kMillimetre || unit > UnitValues::kPixel)
        return;
    project_.unitFactor = UnitValues::windowUnitFactor(unit);
    project_.canvasWidth = UnitValues::convert(project_.canvasWidth, from, unit);
    project_.canvasHeight = UnitValues::convert(project_.canvasHeight, from, unit);
    // Pixels are no paper size: the paper list shows the user-defined size.
    if (unit == UnitValues::kPixel)
        project_.paperRow = project_.paperRowCount - 1;
    if (arrangement_.on) {
        arrangement_.cellWidth = UnitValues::convert(arrangement_.cellWidth, from, unit);
        arrangement_.cellHeight = UnitValues::convert(arrangement_.cellHeight, from, unit);
    }
    project_.unitRow = unit;
    emit unitChanged();
    recordPageChange(HistoryKind::Unit);
}

bool PageDocument::arrangeAll() {
    if (!(project_.canvasWidth > 0 && project_.canvasHeight > 0))
        return true;
    const auto grid = ArrangeGrid::make(project_.canvasWidth, project_.canvasHeight,
                                        arrangement_.cellWidth, arrangement_.cellHeight);
    if (!grid)
        return true;
    int photos = 0;
    for (const LayerRecord& layer : stack_.layers())
        photos += layer.isPhoto() && layer.visible ? 1 : 0;
    if (photos > grid->capacity())
        return false;
    const double f = project_.canvasUnitFactor();
    int n = 0;
    for (int i = 0; i < stack_.count(); ++i) {
        LayerRecord& layer = stack_.at(i);
        if (!layer.isPhoto() || !layer.visible)
            continue;
        layer.region = grid->cellRegion(++n, layer.bitmapWidth, layer.bitmapHeight, f);
        layer.hasRegion = true;
        layer.x = layer.region.left;
        layer.y = layer.region.top;
    }
    selection_.refreshCopy();
    emit layersArranged();
    return true;
}

bool PageDocument::setCellSize(double width, double height) {
    if (arrangement_.cellWidth == width && arrangement_.cellHeight == height)
        return true;
    const Arrangement before = arrangement_;
    arrangement_.cellWidth = width;
    arrangement_.cellHeight = height;
    if (arrangement_.on && !arrangeAll()) {
        arrangement_ = before; // the photos keep the cells they fit
        return false;
    }
    setModified(true); // Save writes the cell size
    return true;
}

bool PageDocument::setArrangement(bool on) {
    arrangement_.on = on;
    if (!on)
        return true;
    const bool arranged = arrangeAll();
    recordPageChange(HistoryKind::Arrange);
    return arranged;
}

bool PageDocument::moveSelectedTo(double left, double top) {
    const double f = project_.canvasUnitFactor();
    return moveSelected(CanvasGeometry::snap(int(left * f), project_.unitFactor),
                        CanvasGeometry::snap(int(top * f), project_.unitFactor));
}

bool PageDocument::resizeSelectedTo(double width, double height, Proportions proportions) {
    const LayerRecord* layer = selection_.selected();
    if (layer == nullptr || !(width > 0) || !(height > 0))
        return false;
    const double f = project_.canvasUnitFactor();
    int w = CanvasGeometry::snap(width * f, project_.unitFactor);
    int h = CanvasGeometry::snap(height * f, project_.unitFactor);
    if (proportions != Proportions::Free && layer->bitmapWidth > 0 && layer->bitmapHeight > 0) {
        const double aspect = double(layer->bitmapWidth) / layer->bitmapHeight;
        if (proportions == Proportions::HeightLeads)
            w = CanvasGeometry::snap(h * aspect, project_.unitFactor);
        else
            h = CanvasGeometry::snap(w / aspect, project_.unitFactor);
    }
    return resizeSelected({layer->x, layer->y, w, h});
}

} // namespace editor
