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

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        click(event->position().toPoint());
}

void ClickablePicture::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (mark_.x() < 0)
        return;
    QPainter painter(this);
    // Light on dark and dark on light: one pixel of each beside the other.
    for (const auto& [colour, shift] : {std::pair{Qt::white, 1}, {Qt::black, 0}}) {
        painter.setPen(colour);
        painter.drawLine(mark_.x() - 6 + shift, mark_.y() + shift, mark_.x() + 6 + shift,
                         mark_.y() + shift);
        painter.drawLine(mark_.x() + shift, mark_.y() - 6 + shift, mark_.x() + shift,
                         mark_.y() + 6 + shift);
    }
}

} // namespace editor
