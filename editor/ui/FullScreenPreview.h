#pragma once
#include "shared/ZoomView.h"

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <optional>

class QScreen;

namespace imaging {
class DibImage;
}

namespace editor {

// The composed page alone on a black screen: it comes up with one of six transitions chosen
// at random, zooms when dragged (outwards in, inwards out) and goes with any click or key,
// but only once it has been shown.
class FullScreenPreview : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTickMs = 600;

    FullScreenPreview(const imaging::DibImage& page, QScreen* screen, QWidget* parent = nullptr);

    // Which transition comes (0 to 5); by default one at random.
    void setTransition(int r) { transition_ = r; }
    bool isShown() const { return shown_; }
    // What the window shows, for tests and screenshots.
    const QImage& screenPicture() const { return screen_; }
    // The timer's first tick: the page comes up. Later ticks do nothing.
    void tick();
    const quillax::ZoomView* zoomView() const { return zoom_ ? &*zoom_ : nullptr; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void showPicture();
    void drawZoomed();
    void closeWhenShown();

    QImage picture_; // the page, fitted to the screen
    QImage screen_;  // what the window shows, drawn into and painted from
    QTimer timer_;
    bool shown_ = false;
    bool closing_ = false;
    int transition_ = -1;
    std::optional<quillax::ZoomView> zoom_;
    QPoint dragStart_;
};

} // namespace editor
