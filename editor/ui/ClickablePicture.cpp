#include "editor/ui/ClickablePicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace editor {

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::CrossCursor);
}

void ClickablePicture::click(QPoint at) {
    mark_ = at;
    update();
    emit clicked(at);
}

void ClickablePicture::clearMark() {
    mark_ = {-1, -1};
    update();
}

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        click(event->position().toPoint());
}

void ClickablePicture::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (mark_.x() < 0)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x21, 0x4E, 0x12), 2));
    painter.drawLine(mark_.x() - 15, mark_.y(), mark_.x() + 15, mark_.y());
    painter.drawLine(mark_.x(), mark_.y() - 15, mark_.x(), mark_.y() + 15);
}

} // namespace editor
