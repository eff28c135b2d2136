#include "editor/ui/LayoutCanvas.h"

#include "editor/model/PageComposer.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"

#include <QPainter>

namespace editor {

LayoutCanvas::LayoutCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("layoutCanvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LayoutCanvas::setDisplayScale(double scale) { selection_.setDisplayScale(scale); }

void LayoutCanvas::setPagePicture(const imaging::DibImage& picture) {
    shown_ = quillax::toQImage(picture);
    update();
}

bool LayoutCanvas::composeScreen() {
    if (stack_.isEmpty())
        return false;
    imaging::DibImage screen;
    if (!screen.create(std::max(width(), 1), std::max(height(), 1), 24))
        return false;
    imaging::fill(screen, 0x00FFFFFF);
    const double scale = displayScale();
    for (const LayerRecord& layer : stack_.layers()) {
        if (!layer.visible || layer.bitmap.isEmpty())
            continue;
        const imaging::PixelRect box{int(layer.x * scale), int(layer.y * scale),
                                     int(layer.x * scale) + int(layer.boxWidth() * scale),
                                     int(layer.y * scale) + int(layer.boxHeight() * scale)};
        if (box.isEmpty())
            continue;
        if (layer.backgroundHidden) {
            imaging::stretchKeyed(screen, layer.bitmap, box, layer.isPhoto() ? layer.color : kCaptionFill);
            continue;
        }
        const bool larger = box.width() > layer.bitmap.width() || box.height() > layer.bitmap.height();
        const imaging::DibImage fitted = larger ? imaging::stretchHalftone(layer.bitmap, box.width(), box.height())
                                                : imaging::reduceBitmap(layer.bitmap, box.width(), box.height());
        imaging::blit(screen, fitted, box.left, box.top);
    }
    shown_ = quillax::toQImage(screen);
    return true;
}

void LayoutCanvas::refresh() {
    stack_.sortByZOrder();
    composeScreen();
    update();
}

void LayoutCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, shown_);
}

} // namespace editor
