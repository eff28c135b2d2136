#include "editor/ui/LayoutCanvas.h"

#include "editor/model/PageComposer.h"
#include "editor/model/Rounding.h"
#include "imaging/BmpFile.h"
#include "imaging/EditName.h"
#include "imaging/EffectImage.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/Prompts.h"

#include <QMouseEvent>
#include <QPainter>

namespace editor {

namespace {

// The outline that follows the pointer while a layer is moved.
const QColor kMoveOutline(0x33, 0xF6, 0x06);
// Working pictures fit this box; a crop's result is reduced to it like an added photo.
constexpr int kWorkingWidth = 600;
constexpr int kWorkingHeight = 450;

} // namespace

LayoutCanvas::LayoutCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("layoutCanvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    handle_ = quillax::toQImage(quillax::loadBmp(":/editor/handle.bmp"));
    if (handle_.isNull()) {
        handle_ = QImage(6, 6, QImage::Format_RGB32);
        handle_.fill(Qt::black);
    }
}

void LayoutCanvas::setDisplayScale(double scale) {
    selection_.setDisplayScale(scale);
}

void LayoutCanvas::setPagePicture(const imaging::DibImage& picture) {
    shown_ = quillax::toQImage(picture);
    update();
}

imaging::DibImage LayoutCanvas::fitted(const imaging::DibImage& picture, int width,
                                       int height) const {
    if (picture.isEmpty() || width <= 0 || height <= 0)
        return {};
    const bool larger = width > picture.width() || height > picture.height();
    return larger ? imaging::stretchHalftone(picture, width, height)
                  : imaging::reduceBitmap(picture, width, height);
}

void LayoutCanvas::composeLayers(imaging::DibImage& screen, int skipId) const {
    const double scale = displayScale();
    for (const LayerRecord& layer : stack_.layers()) {
        if (!layer.visible || layer.bitmap.isEmpty() || layer.id == skipId)
            continue;
        const int left = int(layer.x * scale);
        const int top = int(layer.y * scale);
        const imaging::PixelRect box{left, top, left + int(layer.boxWidth() * scale),
                                     top + int(layer.boxHeight() * scale)};
        if (box.isEmpty())
            continue;
        if (layer.backgroundHidden) {
            imaging::stretchKeyed(screen, layer.bitmap, box,
                                  layer.isPhoto() ? layer.color : kCaptionFill);
            continue;
        }
        imaging::blit(screen, fitted(layer.bitmap, box.width(), box.height()), box.left, box.top);
    }
}

bool LayoutCanvas::composeScreen() {
    if (stack_.isEmpty())
        return false;
    imaging::DibImage screen;
    if (!screen.create(std::max(width(), 1), std::max(height(), 1), 24))
        return false;
    imaging::fill(screen, 0x00FFFFFF);
    composeLayers(screen, -1);
    shown_ = quillax::toQImage(screen);
    return true;
}

void LayoutCanvas::refresh() {
    stack_.sortByZOrder();
    composeScreen();
    update();
}

void LayoutCanvas::composeBackground() {
    imaging::DibImage screen;
    if (!screen.create(std::max(width(), 1), std::max(height(), 1), 24))
        return;
    imaging::fill(screen, 0x00FFFFFF);
    composeLayers(screen, selection_.currentId());
    background_ = quillax::toQImage(screen);

    dragPicture_ = QImage();
    if (const LayerRecord* selected = selection_.selected()) {
        boxWidth_ = selected->boxWidth();
        boxHeight_ = selected->boxHeight();
        const double scale = displayScale();
        dragPicture_ = quillax::toQImage(
            fitted(selected->bitmap, int(boxWidth_ * scale), int(boxHeight_ * scale)));
    }
}

void LayoutCanvas::drawHandles(QImage& image, const ScreenRect& r) const {
    QPainter painter(&image);
    const QPoint points[8] = {
        {r.left, r.top},
        {r.left + r.width / 2, r.top},
        {r.left + r.width, r.top},
        {r.left + r.width, r.top + r.height / 2},
        {r.left + r.width, r.top + r.height},
        {r.left + r.width / 2, r.top + r.height},
        {r.left, r.top + r.height},
        {r.left, r.top + r.height / 2},
    };
    for (const QPoint& p : points)
        painter.drawImage(p - QPoint(3, 3), handle_);
}

bool LayoutCanvas::drawSelection() {
    if (stack_.isEmpty())
        return false;
    const ScreenFrame& f = selection_.frame();
    shown_ = background_.copy();
    {
        QPainter painter(&shown_);
        painter.drawImage(f.left, f.top, dragPicture_);
    }
    drawHandles(shown_, {f.left, f.top, f.width, f.height});
    update();
    return true;
}

void LayoutCanvas::showBackground() {
    composeBackground();
    shown_ = background_;
    update();
}

void LayoutCanvas::rebuildSelected() {
    const LayerRecord* selected = selection_.selected();
    if (selected == nullptr)
        return;
    selection_.setFrame(selection_.frameOf(*selected));
    aspect_ =
        selected->bitmapHeight > 0 ? double(selected->bitmapWidth) / selected->bitmapHeight : 1.0;
    composeBackground();
    drawSelection();
}

bool LayoutCanvas::showLayer(bool bringToTop, bool pickedOnCanvas) {
    if (selection_.selected() == nullptr)
        return false;
    if (bringToTop)
        stack_.bringToTop(selection_.currentId());
    const LayerRecord& record = *selection_.selected();
    selection_.setFrame(selection_.frameOf(record));
    aspect_ = record.bitmapHeight > 0 ? double(record.bitmapWidth) / record.bitmapHeight : 1.0;
    selection_.refreshCopy();
    emit positionShown(record.x, record.y, true);
    if (record.isPhoto())
        emit sizeShown(record.boxWidth(), record.boxHeight(), true);
    emit layerShown(record.id, pickedOnCanvas);
    composeBackground();
    drawSelection();
    return true;
}

void LayoutCanvas::moveSelectedTo(int x, int y) {
    const LayerRecord* selected = selection_.selected();
    if (selected == nullptr)
        return;
    selection_.place(x, y, selected->boxWidth(), selected->boxHeight());
    drawSelection();
}

void LayoutCanvas::nudge(int dx, int dy) {
    const LayerRecord* selected = selection_.selected();
    if (selected == nullptr)
        return;
    ScreenFrame f = selection_.frame();
    f.left += dx;
    f.top += dy;
    selection_.setFrame(f);
    const double scale = displayScale();
    const int x = dx != 0 ? int(f.left / scale) : selected->x;
    const int y = dy != 0 ? int(f.top / scale) : selected->y;
    selection_.place(x, y, selected->boxWidth(), selected->boxHeight());
    // The frame stays where the keys put it, so small steps add up on screen.
    selection_.setFrame(f);
    drawSelection();
    emit positionShown(x, y, false);
    emit changeFinished(selection_.selectedCopy());
}

void LayoutCanvas::setCursorForZone(int zone) {
    switch (zone) {
    case kTopLeft:
    case kBottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case kTopMiddle:
    case kBottomMiddle:
        setCursor(Qt::SizeVerCursor);
        break;
    case kTopRight:
    case kBottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case kRightMiddle:
    case kLeftMiddle:
        setCursor(Qt::SizeHorCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
    }
}

void LayoutCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    lastPoint_ = p;
    buttonDown_ = true;
    pendingValid_ = false;
    if (selection_.selected() != nullptr) {
        hitZone_ = CanvasGeometry::hitZone(p.x(), p.y(), selection_.frame());
        if (isHandle(hitZone_)) {
            setCursorForZone(hitZone_);
            return;
        }
    }
    const int hit = stack_.hitTest(p.x(), p.y(), displayScale());
    if (hit < 0) {
        selection_.setCurrentId(-1);
        layerHit_ = false;
        return;
    }
    layerHit_ = true;
    if (hit == selection_.currentId())
        return;
    selection_.setCurrentId(hit);
    emit layerPicked(hit);
    showLayer(false, true);
}

void LayoutCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (stack_.isEmpty())
        return;
    const QPoint p = event->position().toPoint();
    const bool selected = selection_.selected() != nullptr;
    if (buttonDown_ && selected && !rect().contains(p)) {
        if (dragMode_ == 0)
            dragMode_ = isHandle(hitZone_) ? hitZone_ : 1;
        finishDragOutside();
        return;
    }
    if (buttonDown_ && selected) {
        dragMode_ = isHandle(hitZone_) ? hitZone_ : 1;
    } else {
        hitZone_ = selected ? CanvasGeometry::hitZone(p.x(), p.y(), selection_.frame()) : kOutside;
        setCursorForZone(hitZone_);
        dragMode_ = 0;
    }
    const double scale = displayScale();
    if (dragMode_ == 1) {
        ScreenFrame f = selection_.frame();
        f.left += p.x() - lastPoint_.x();
        f.top += p.y() - lastPoint_.y();
        selection_.setFrame(f);
        drawMoving();
        lastPoint_ = p;
        emit positionShown(int(f.left / scale), int(f.top / scale), false);
    } else if (isHandle(dragMode_)) {
        setCursorForZone(dragMode_);
        const auto rect =
            CanvasGeometry::resizeStep(dragMode_, p.x(), p.y(), selection_.frame(), aspect_);
        if (!rect)
            return;
        const LayerRecord& layer = *selection_.selected();
        pending_ =
            CanvasGeometry::pageGeometry(dragMode_, *rect, layer.x, layer.y, scale, unitFactor_);
        pendingValid_ = true;
        drawResizing(*rect);
        lastPoint_ = p;
        emit positionShown(int(rect->left / scale), int(rect->top / scale), false);
        emit sizeShown(int(roundHalfUp(rect->width / scale)),
                       int(roundHalfUp(rect->height / scale)), false);
    }
}

void LayoutCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    buttonDown_ = false;
    if (dragMode_ == 1)
        finishMove(rect().contains(event->position().toPoint()));
    else if (isHandle(dragMode_))
        finishResize();
    if (dragMode_ != 0)
        emit changeFinished(selection_.selectedCopy());
    dragMode_ = 0;
    hitZone_ = selection_.selected()
                   ? CanvasGeometry::hitZone(lastPoint_.x(), lastPoint_.y(), selection_.frame())
                   : kOutside;
}

void LayoutCanvas::finishDragOutside() {
    buttonDown_ = false;
    if (dragMode_ == 1)
        finishMove(true);
    else if (isHandle(dragMode_))
        finishResize();
    if (dragMode_ != 0)
        emit changeFinished(selection_.selectedCopy());
    dragMode_ = 0;
}

void LayoutCanvas::finishMove(bool dropInside) {
    const LayerRecord* selected = selection_.selected();
    if (selected == nullptr)
        return;
    if (dropInside) {
        const ScreenFrame& f = selection_.frame();
        moveSelectedTo(int(f.left / displayScale()), int(f.top / displayScale()));
    } else {
        // Dropped outside: the layer stays, and so does its frame.
        selection_.setFrame(selection_.frameOf(*selected));
        drawSelection();
    }
}

void LayoutCanvas::finishResize() {
    LayerRecord* selected = selection_.selected();
    if (selected == nullptr || !pendingValid_) {
        drawSelection();
        return;
    }
    pendingValid_ = false;
    if (cropMode_ && selected->isPhoto() && !cropSelected(pending_)) {
        drawSelection();
        return;
    }
    selection_.place(pending_.x, pending_.y, pending_.width, pending_.height);
    rebuildSelected();
    emit positionShown(pending_.x, pending_.y, false);
    emit sizeShown(pending_.width, pending_.height, false);
}

bool LayoutCanvas::cropSelected(const PageGeometry& g) {
    LayerRecord* layer = selection_.selected();
    const auto full = imaging::readBmp((projectFolder_ + layer->content).toStdString());
    if (!full || layer->boxWidth() <= 0 || layer->boxHeight() <= 0) {
        if (prompts_)
            prompts_->message(tr("The photo's file could not be read, so it was not cropped."));
        return false;
    }
    const int64_t fw = full->width();
    const int64_t fh = full->height();
    const int64_t bw = layer->boxWidth();
    const int64_t bh = layer->boxHeight();
    const int left = int(std::abs(g.x - layer->x) * fw / bw);
    const int top = int(std::abs(g.y - layer->y) * fh / bh);
    const imaging::PixelRect crop{left, top, left + int(g.width * fw / bw),
                                  top + int(g.height * fh / bh)};
    imaging::DibImage part;
    if (!imaging::EffectImage(*full).extract(&part, crop))
        return false;

    const std::string name = imaging::nextEditName(layer->content.toStdString());
    if (!imaging::saveAsBmp(part, (projectFolder_ + QString::fromStdString(name)).toStdString())) {
        if (prompts_)
            prompts_->message(
                tr("The cropped photo could not be saved; the photo was left as it was."));
        return false;
    }
    imaging::EffectImage working(part);
    if (working.width() > kWorkingWidth || working.height() > kWorkingHeight)
        working.resize(kWorkingWidth, kWorkingHeight, true, true);
    layer->setBitmap(working);
    selection_.setContent(QString::fromStdString(name));
    emit cropFinished();
    return true;
}

void LayoutCanvas::drawMoving() {
    const ScreenFrame& f = selection_.frame();
    shown_ = background_.copy();
    QPainter painter(&shown_);
    painter.setPen(QPen(kMoveOutline, 1, Qt::DashLine));
    painter.drawRect(f.left, f.top, f.width - 1, f.height - 1);
    painter.end();
    update();
}

void LayoutCanvas::drawResizing(const ScreenRect& r) {
    const ScreenFrame& f = selection_.frame();
    shown_ = background_.copy();
    {
        QPainter painter(&shown_);
        if (r.width > 0 && r.height > 0) {
            if (!cropMode_)
                painter.drawImage(QRect(r.left, r.top, r.width, r.height), dragPicture_);
            else
                painter.drawImage(QPoint(r.left, r.top), dragPicture_,
                                  QRect(r.left - f.left, r.top - f.top, r.width, r.height));
        }
    }
    drawHandles(shown_, r);
    update();
}

void LayoutCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
    if (shown_.width() < width() || shown_.height() < height()) {
        painter.fillRect(shown_.width(), 0, width() - shown_.width(), height(), Qt::white);
        painter.fillRect(0, shown_.height(), width(), height() - shown_.height(), Qt::white);
    }
}

} // namespace editor
