#pragma once
#include "shared/ZoomView.h"

#include <QImage>
#include <QPoint>
#include <functional>

class QDialog;
class QPainter;

namespace quillax {

// What the editor's full-screen preview and the browser's viewer draw alike: the two hints
// of the first picture, the picture brought in by a transition, and the picture zoomed.
class FullScreenPicture {
  public:
    static void drawFirstHints(QPainter& painter, int screenWidth, int screenHeight);
    // Brings `picture` onto `screen` with its top-left at `at`, by transition `r` (0 to 5; a
    // random one when negative). `shown` repaints what changed; once `stopped` says so (the
    // window closing, or another picture drawn) nothing more is drawn or waited for. The
    // waits between steps keep `window` painting and answering.
    static void bringIn(QImage& screen, const QImage& picture, QPoint at, int r, QDialog& window,
                        const std::function<bool()>& stopped,
                        const std::function<void(const QRect&)>& shown);
    // The part of `picture` the zoom shows, stretched where it goes, on black.
    static void drawZoomed(QImage& screen, const QImage& picture, const ZoomView& zoom);
};

} // namespace quillax
