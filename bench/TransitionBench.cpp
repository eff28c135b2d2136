// How long each full-screen transition takes at 1920 x 1080 and 3840 x 2160, against the time
// its own waits add up to: the drawing must add little on top, even on a 4K screen.
// Draws into a screen-sized picture as the preview window does, with the waits slept.
#include "shared/Transitions.h"
#include "shared/ZoomView.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const char* names[] = {"interlace columns", "wipe up", "box out",
                           "top and bottom",    "blocks",  "interlace rows"};
    for (const QSize screenSize : {QSize(1920, 1080), QSize(3840, 2160)}) {
        // An A4 page, fitted to the screen as the preview fits it.
        const auto fitted =
            quillax::ZoomView::fit(2480, 3508, screenSize.width(), screenSize.height());
        QImage picture(fitted.width, fitted.height, QImage::Format_RGB32);
        picture.fill(QColor(90, 140, 200));
        QImage screen(screenSize, QImage::Format_RGB32);
        const QPoint at((screenSize.width() - fitted.width) / 2,
                        (screenSize.height() - fitted.height) / 2);
        std::printf("%d x %d (page %d x %d):\n", screenSize.width(), screenSize.height(),
                    fitted.width, fitted.height);
        for (int r = 0; r < 6; ++r) {
            screen.fill(Qt::black);
            long long waited = 0;
            const quillax::TransitionTarget target{
                [&](int x, int y, int w, int h) {
                    const QRect part = QRect(x, y, w, h).intersected(picture.rect());
                    if (part.isEmpty())
                        return;
                    QPainter painter(&screen);
                    painter.drawImage(part.topLeft() + at, picture, part);
                },
                [&](int ms) {
                    waited += ms;
                    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                }};
            QElapsedTimer clock;
            clock.start();
            quillax::Transitions::run(r, target, fitted.width, fitted.height, 1);
            const double took = clock.nsecsElapsed() / 1e6;
            std::printf("  %-18s %7.0f ms (its waits %5lld ms, drawing %5.0f ms)\n", names[r], took,
                        waited, took - double(waited));
        }
    }
    return 0;
}
