#include "shared/FullScreenPicture.h"

#include "shared/Transitions.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

namespace quillax {

void FullScreenPicture::drawFirstHints(QPainter& painter, int W, int H) {
    painter.setPen(Qt::white);
    const int ascent = painter.fontMetrics().ascent();
    painter.drawText(W / 2 - 85, 5 + ascent,
                     QCoreApplication::translate("FullScreenPicture", "Any click to return!"));
    painter.drawText(W / 2 - 120, H - 18 + ascent,
                     QCoreApplication::translate("FullScreenPicture",
                                                 "Drag in to zoom out, drag out to zoom in!"));
}

void FullScreenPicture::bringIn(QImage& screen, const QImage& picture, QPoint at, int r,
                                QDialog& window, const std::function<bool()>& stopped,
                                const std::function<void(const QRect&)>& shown) {
    const TransitionTarget target{
        [&](int x, int y, int cw, int ch) {
            const QRect part = QRect(x, y, cw, ch).intersected(picture.rect());
            if (stopped() || part.isEmpty())
                return;
            QPainter(&screen).drawImage(part.topLeft() + at, picture, part);
            shown(part.translated(at));
        },
        [&](int milliseconds) {
            if (milliseconds <= 0 || stopped())
                return;
            // The window keeps painting and answering while it waits: a click may close it.
            QEventLoop loop;
            QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
            QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
            loop.exec();
        }};
    const int which = r >= 0 ? r % 6 : int(QRandomGenerator::global()->bounded(6));
    Transitions::run(which, target, picture.width(), picture.height(),
                     QRandomGenerator::global()->generate());
}

void FullScreenPicture::drawZoomed(QImage& screen, const QImage& picture, const ZoomView& zoom) {
    const ZoomView::Rect s = zoom.source();
    const ZoomView::Rect v = zoom.view();
    QPainter painter(&screen);
    painter.fillRect(screen.rect(), Qt::black);
    painter.drawImage(QRect(v.left, v.top, v.width(), v.height()), picture,
                      QRect(s.left, s.top, s.width(), s.height()));
}

} // namespace quillax
