#pragma once
#include "browser/model/SlideShow.h"
#include "browser/model/ViewerPictures.h"
#include "shared/ZoomView.h"

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <optional>

class QScreen;

namespace quillax {
class FileTransfer;
class Prompts;
} // namespace quillax

namespace browser {

// Pictures alone on a black screen. In single mode it shows one and any click or key (once
// it is up) returns; in a slide show the keys, clicks and the wheel step through the list,
// with a context menu for the file commands. The first picture comes up with one of the six
// transitions; dragging zooms, outwards in and inwards out. Pictures are read ahead on a
// worker, so a step shows the next one at once.
class FullScreenViewer : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Single, SlideShow };
    static constexpr int kWaitMs = 600;

    FullScreenViewer(Mode mode, SlideShow show, QScreen* screen, quillax::Prompts& prompts,
                     quillax::FileTransfer& transfer, ViewerPictures::Decoder decoder = {},
                     QWidget* parent = nullptr);

    // Which transition brings the first picture (0 to 5); by default one at random.
    void setTransition(int r) { transition_ = r; }
    const SlideShow& slideShow() const { return show_; }
    // What the window shows, for tests and screenshots.
    const QImage& screenPicture() const { return screen_; }
    bool isStarted() const { return started_; }
    // The end of the wait: the first picture comes up. Later calls do nothing.
    void start();
    // Steps as the keys do; each says whether another picture is shown.
    bool stepForward();
    bool stepBack();
    // The shown file's commands, as the context menu gives them.
    void deleteShown();
    void copyOrMoveShown(bool move);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void showShown();
    void pictureRead(const QString& path, const QImage& picture);
    void draw(bool first);
    void drawHelp(QPainter& painter, bool first) const;
    void drawZoomed();
    void showContextMenu(const QPoint& at);
    void closeViewer();
    bool isSingle() const { return mode_ == Mode::Single; }

    Mode mode_;
    SlideShow show_;
    quillax::Prompts& prompts_;
    quillax::FileTransfer& transfer_;
    ViewerPictures pictures_;
    QImage picture_;        // the shown picture, fitted to the screen; null on the end picture
    QString pictureFailed_; // the file that could not be read, when that is what shows
    QImage screen_;
    QTimer wait_;
    QTimer pointerIdle_;
    QTimer infoShown_;
    QTimer autoStep_;
    bool started_ = false;
    bool drawnOnce_ = false;
    bool closing_ = false;
    bool infoOn_ = true;
    int transition_ = -1;
    int drawing_ = 0;    // counts the drawings, so that a transition overtaken stops
    int pressedKey_ = 0; // the key pressed in this window and not yet let go
    std::optional<quillax::ZoomView> zoom_;
    QPoint dragStart_;
};

} // namespace browser
