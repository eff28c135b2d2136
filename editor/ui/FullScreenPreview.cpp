#include "editor/ui/FullScreenPreview.h"

#include "imaging/DibImage.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/FullScreenPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace editor {

FullScreenPreview::FullScreenPreview(const imaging::DibImage& page, QScreen* screen,
                                     QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("fullScreenPreview");
    setModal(true);
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area);
    screen_ = QImage(area.size(), QImage::Format_RGB32);
    screen_.fill(Qt::black);
    // Reduced once, by averaging, to what the screen can hold; never enlarged.
    const quillax::ZoomView::Size fitted =
        quillax::ZoomView::fit(page.width(), page.height(), area.width(), area.height());
    picture_ = quillax::toQImage(fitted.width == page.width() && fitted.height == page.height()
                                     ? page
                                     : imaging::reduceBitmap(page, fitted.width, fitted.height))
                   .convertToFormat(QImage::Format_RGB32);
    setCursor(Qt::ArrowCursor);
    connect(&timer_, &QTimer::timeout, this, &FullScreenPreview::tick);
    timer_.start(kTickMs);
}

void FullScreenPreview::tick() {
    if (shown_)
        return;
    shown_ = true;
    showPicture();
}

void FullScreenPreview::showPicture() {
    const int W = screen_.width();
    const int H = screen_.height();
    {
        QPainter painter(&screen_);
        painter.fillRect(screen_.rect(), Qt::black);
        quillax::FullScreenPicture::drawFirstHints(painter, W, H);
    }
    update();
    const int w = picture_.width();
    const int h = picture_.height();
    zoom_.emplace(W, H, quillax::ZoomView::Size{w, h});
    quillax::FullScreenPicture::bringIn(
        screen_, picture_, QPoint((W - w) / 2, (H - h) / 2), transition_, *this,
        [this] { return closing_; }, [this](const QRect& part) { update(part); });
}

void FullScreenPreview::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), screen_, event->rect());
}

void FullScreenPreview::drawZoomed() {
    quillax::FullScreenPicture::drawZoomed(screen_, picture_, *zoom_);
    update();
}

void FullScreenPreview::closeWhenShown() {
    if (!shown_)
        return;
    closing_ = true;
    timer_.stop();
    accept();
}

void FullScreenPreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setCursor(Qt::SizeAllCursor);
    dragStart_ = event->position().toPoint();
}

void FullScreenPreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        closeWhenShown();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    setCursor(Qt::ArrowCursor);
    if (!shown_ || !zoom_)
        return;
    const QPoint end = event->position().toPoint();
    if (zoom_->release(dragStart_.x(), dragStart_.y(), end.x(), end.y()) ==
        quillax::ZoomView::Release::Click)
        closeWhenShown();
    else
        drawZoomed();
}

void FullScreenPreview::keyPressEvent(QKeyEvent* event) {
    // Escape too waits for its release, and for the page: a key before it is shown is lost.
    event->accept();
}

void FullScreenPreview::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (!event->isAutoRepeat())
        closeWhenShown();
}

void FullScreenPreview::closeEvent(QCloseEvent* event) {
    closing_ = true;
    timer_.stop();
    QDialog::closeEvent(event);
}

} // namespace editor
