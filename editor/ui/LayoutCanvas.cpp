#include "editor/ui/LayoutCanvas.h"

#include "editor/model/PageComposer.h"
#include "editor/model/Rounding.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/Prompts.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace editor {

namespace {

// The outline that follows the pointer while a layer is moved.
const QColor kMoveOutline(0x33, 0xF6, 0x06);

} // namespace

LayoutCanvas::LayoutCanvas(PageDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
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
    document_.setDisplayScale(scale);
}

void LayoutCanvas::setPagePicture(const imaging::DibImage& picture) {
    shown_ = quillax::toQImage(picture);
    update();
}

void LayoutCanvas::composeLayers(imaging::EffectImage& screen, int skipId) const {
    PageComposer::composeLayers(
        screen, stack(), displayScale(), skipId,
        [](const LayerRecord& layer) -> const imaging::DibImage* { return &layer.bitmap; });
}

bool LayoutCanvas::composeScreen() {
    if (stack().isEmpty())
        return false;
    imaging::EffectImage screen;
    if (!screen.create(std::max(width(), 1), std::max(height(), 1), 24))
        return false;
    imaging::fill(screen, 0x00FFFFFF);
    composeLayers(screen, -1);
    shown_ = quillax::toQImage(screen);
    return true;
}

void LayoutCanvas::refresh() {
    composeScreen();
    update();
}

void LayoutCanvas::composeBackground() {
    imaging::EffectImage screen;
    if (!screen.create(std::max(width(), 1), std::max(height(), 1), 24))
        return;
    imaging::fill(screen, 0x00FFFFFF);
    composeLayers(screen, selection().currentId());
    background_ = quillax::toQImage(screen);

    dragPicture_ = QImage();
    if (const LayerRecord* selected = selection().selected()) {
        boxWidth_ = selected->boxWidth();
        boxHeight_ = selected->boxHeight();
        const double scale = displayScale();
        dragPicture_ = quillax::toQImage(PageComposer::fitted(
            selected->bitmap, int(boxWidth_ * scale), int(boxHeight_ * scale)));
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
    if (stack().isEmpty())
        return false;
    const ScreenFrame& f = selection().frame();
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
    const LayerRecord* selected = selection().selected();
    if (selected == nullptr)
        return;
    document_.setSelectionFrame(selection().frameOf(*selected));
    aspect_ =
        selected->bitmapHeight > 0 ? double(selected->bitmapWidth) / selected->bitmapHeight : 1.0;
    composeBackground();
    drawSelection();
}

bool LayoutCanvas::showLayer(Shown how) {
    if (selection().selected() == nullptr)
        return false;
    if (how == Shown::BroughtToTop)
        document_.bringSelectedToTop();
    const LayerRecord& record = *selection().selected();
    document_.setSelectionFrame(selection().frameOf(record));
    aspect_ = record.bitmapHeight > 0 ? double(record.bitmapWidth) / record.bitmapHeight : 1.0;
    emit positionShown(record.x, record.y, true);
    if (record.isPhoto())
        emit sizeShown(record.boxWidth(), record.boxHeight(), true);
    emit layerShown(record.id, how == Shown::PickedOnCanvas);
    composeBackground();
    drawSelection();
    return true;
}

void LayoutCanvas::nudge(int dx, int dy) {
    const LayerRecord* selected = selection().selected();
    if (selected == nullptr)
        return;
    ScreenFrame f = selection().frame();
    f.left += dx;
    f.top += dy;
    document_.setSelectionFrame(f);
    const double scale = displayScale();
    const int x = dx != 0 ? int(f.left / scale) : selected->x;
    const int y = dy != 0 ? int(f.top / scale) : selected->y;
    document_.moveSelected(x, y);
    // The frame stays where the keys put it, so small steps add up on screen.
    document_.setSelectionFrame(f);
    drawSelection();
    emit positionShown(x, y, false);
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
    if (selection().selected() != nullptr) {
        hitZone_ = CanvasGeometry::hitZone(p.x(), p.y(), selection().frame());
        if (isHandle(hitZone_)) {
            setCursorForZone(hitZone_);
            return;
        }
    }
    const int before = selection().currentId();
    const int hit = document_.pickAt(p.x(), p.y());
    if (hit < 0) {
        layerHit_ = false;
        emit selectionCleared();
        return;
    }
    layerHit_ = true;
    if (hit == before)
        return;
    emit layerPicked(hit);
    showLayer(Shown::PickedOnCanvas);
}

void LayoutCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (stack().isEmpty())
        return;
    const QPoint p = event->position().toPoint();
    const bool selected = selection().selected() != nullptr;
    if (buttonDown_ && selected && !rect().contains(p)) {
        // A press whose first move already leaves the canvas never started a drag.
        if (dragMode_ == kOutside) {
            buttonDown_ = false;
            return;
        }
        finishDragOutside();
        return;
    }
    if (buttonDown_ && selected) {
        dragMode_ = isHandle(hitZone_) ? hitZone_ : kBody;
    } else {
        hitZone_ = selected ? CanvasGeometry::hitZone(p.x(), p.y(), selection().frame()) : kOutside;
        setCursorForZone(hitZone_);
        dragMode_ = kOutside;
    }
    const double scale = displayScale();
    if (dragMode_ == kBody) {
        ScreenFrame f = selection().frame();
        f.left += p.x() - lastPoint_.x();
        f.top += p.y() - lastPoint_.y();
        document_.setSelectionFrame(f);
        drawMoving();
        lastPoint_ = p;
        emit positionShown(int(f.left / scale), int(f.top / scale), false);
    } else if (isHandle(dragMode_)) {
        setCursorForZone(dragMode_);
        const auto rect =
            CanvasGeometry::resizeStep(dragMode_, p.x(), p.y(), selection().frame(), aspect_);
        if (!rect)
            return;
        const LayerRecord& layer = *selection().selected();
        pending_ =
            CanvasGeometry::pageGeometry(dragMode_, *rect, layer.x, layer.y, scale, unitFactor());
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
    finishDrag(rect().contains(event->position().toPoint()));
    hitZone_ = selection().selected()
                   ? CanvasGeometry::hitZone(lastPoint_.x(), lastPoint_.y(), selection().frame())
                   : kOutside;
}

void LayoutCanvas::finishDragOutside() {
    finishDrag(true);
}

void LayoutCanvas::finishDrag(bool dropInside) {
    buttonDown_ = false;
    const HitZone mode = std::exchange(dragMode_, kOutside);
    if (mode == kBody)
        finishMove(dropInside);
    else if (isHandle(mode))
        finishResize();
}

void LayoutCanvas::finishMove(bool dropInside) {
    const LayerRecord* selected = selection().selected();
    if (selected == nullptr)
        return;
    if (dropInside) {
        const ScreenFrame& f = selection().frame();
        document_.moveSelected(int(f.left / displayScale()), int(f.top / displayScale()));
        drawSelection();
    } else {
        // Dropped outside: the layer stays, and so does its frame.
        document_.setSelectionFrame(selection().frameOf(*selected));
        drawSelection();
    }
}

void LayoutCanvas::finishResize() {
    const LayerRecord* selected = selection().selected();
    if (selected == nullptr || !pendingValid_) {
        drawSelection();
        return;
    }
    pendingValid_ = false;
    if (cropMode_ && selected->isPhoto()) {
        if (!cropSelected(pending_)) {
            drawSelection();
            return;
        }
    } else {
        document_.resizeSelected(pending_);
    }
    rebuildSelected();
    emit positionShown(pending_.x, pending_.y, false);
    emit sizeShown(pending_.width, pending_.height, false);
    emit resizeFinished();
}

bool LayoutCanvas::cropSelected(const PageGeometry& g) {
    switch (document_.cropSelected(g)) {
    case PageDocument::EditStatus::Done:
        emit cropFinished();
        return true;
    case PageDocument::EditStatus::Unreadable:
        if (prompts_)
            prompts_->message(tr("The photo's file could not be read, so it was not cropped."));
        return false;
    case PageDocument::EditStatus::CannotWrite:
        if (prompts_)
            prompts_->message(
                tr("The cropped photo could not be saved; the photo was left as it was."));
        return false;
    case PageDocument::EditStatus::Refused:
    case PageDocument::EditStatus::Unusable:
        break;
    }
    return false;
}

void LayoutCanvas::drawMoving() {
    const ScreenFrame& f = selection().frame();
    shown_ = background_.copy();
    QPainter painter(&shown_);
    painter.setPen(QPen(kMoveOutline, 1, Qt::DashLine));
    painter.drawRect(f.left, f.top, f.width - 1, f.height - 1);
    painter.end();
    update();
}

void LayoutCanvas::drawResizing(const ScreenRect& r) {
    const ScreenFrame& f = selection().frame();
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
