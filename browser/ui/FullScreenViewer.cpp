#include "browser/ui/FullScreenViewer.h"

#include "browser/ui/CopyMoveDialog.h"
#include "browser/ui/FileCommands.h"
#include "browser/ui/ImagePropertiesDialog.h"
#include "shared/FullScreenPicture.h"
#include "shared/Prompts.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <cmath>

namespace browser {

namespace {

QRect screenArea(QScreen* screen) {
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

FullScreenViewer::FullScreenViewer(Mode mode, SlideShow show, QScreen* screen,
                                   quillax::Prompts& prompts, quillax::FileTransfer& transfer,
                                   ViewerPictures::Decoder decoder, QWidget* parent)
    // Not kept on top: the questions of its commands come up over it.
    : QDialog(parent, Qt::FramelessWindowHint), mode_(mode), show_(std::move(show)),
      prompts_(prompts), transfer_(transfer),
      pictures_(screenArea(screen).size(), std::move(decoder)) {
    setObjectName("fullScreenViewer");
    setModal(true);
    setMouseTracking(true);
    // The keys are the viewer's: no list behind it acts on Delete meanwhile.
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(screenArea(screen));
    setWindowState(Qt::WindowFullScreen);
    screen_ = QImage(screenArea(screen).size(), QImage::Format_RGB32);
    screen_.fill(Qt::black);
    connect(&pictures_, &ViewerPictures::ready, this, &FullScreenViewer::pictureRead);
    // The first picture is read during the wait before it comes up.
    showShown();
    wait_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, &FullScreenViewer::start);
    wait_.start(kWaitMs);
    // The pointer goes when it has not moved for two seconds, and comes back when it does.
    pointerIdle_.setSingleShot(true);
    connect(&pointerIdle_, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
    pointerIdle_.start(2000);
    infoShown_.setSingleShot(true);
    connect(&infoShown_, &QTimer::timeout, this, [this] { update(); });
    connect(&autoStep_, &QTimer::timeout, this, [this] {
        if (!stepForward())
            autoStep_.stop();
    });
}

void FullScreenViewer::start() {
    if (started_)
        return;
    started_ = true;
    if (show_.isOnEndPicture() || !picture_.isNull() || !pictureFailed_.isEmpty())
        draw(true);
}

void FullScreenViewer::showShown() {
    zoom_.reset();
    infoShown_.start(2000);
    if (show_.isOnEndPicture()) {
        picture_ = QImage();
        pictureFailed_.clear();
        if (started_)
            draw(false);
        return;
    }
    pictures_.want(show_.shownPath());
    pictures_.readAhead(show_.nextPath());
}

// A picture stepped past meanwhile is not drawn; a file that cannot be read shows its name,
// so that what the commands act on is always what is on screen.
void FullScreenViewer::pictureRead(const QString& path, const QImage& picture) {
    if (path != show_.shownPath())
        return;
    picture_ = picture;
    pictureFailed_ = picture.isNull() ? path : QString();
    if (started_)
        draw(!drawnOnce_);
}

bool FullScreenViewer::stepForward() {
    if (isSingle() || !show_.forward())
        return false;
    showShown();
    return true;
}

bool FullScreenViewer::stepBack() {
    if (isSingle() || !show_.back())
        return false;
    showShown();
    return true;
}

void FullScreenViewer::drawHelp(QPainter& painter, bool first) const {
    const int W = screen_.width(), H = screen_.height();
    painter.setPen(Qt::white);
    const int ascent = painter.fontMetrics().ascent();
    if (first) {
        quillax::FullScreenPicture::drawFirstHints(painter, W, H);
        return;
    }
    const char* const lines[] = {"UP  ARROW  or LEFT  ARROW  --     Previous Image",
                                 "DOWN ARROW or RIGHT ARROW--     Next Image",
                                 "BACKSPACE  or Click   --           Next Image",
                                 "Right    Click            --    Show Shortcut Menu",
                                 "ESC      key              --      Return",
                                 "Drag in to zoom out , drag out to zoom in!"};
    int y = H / 2 - 100;
    for (const char* line : lines) {
        painter.drawText(W / 2 - 165, y + ascent, tr(line));
        y += 40;
    }
}

void FullScreenViewer::draw(bool first) {
    drawnOnce_ = true;
    // A transition still coming in (a key pressed during it) stops where it is.
    const int generation = ++drawing_;
    const int W = screen_.width(), H = screen_.height();
    {
        QPainter painter(&screen_);
        painter.fillRect(screen_.rect(), Qt::black);
        drawHelp(painter, first || isSingle());
        painter.setPen(Qt::white);
        // Below the help lines, which stand in the middle.
        const QRect below(0, H / 2 + 140, W, 80);
        if (show_.isOnEndPicture())
            painter.drawText(below, Qt::AlignCenter,
                             tr("The end: no more pictures.\nLeft or Up goes back, Escape "
                                "returns to the browser."));
        else if (!pictureFailed_.isEmpty())
            painter.drawText(below, Qt::AlignCenter,
                             tr("%1\ncould not be read as a picture.")
                                 .arg(QFileInfo(pictureFailed_).fileName()));
    }
    if (picture_.isNull()) {
        update();
        return;
    }
    const int w = picture_.width(), h = picture_.height();
    zoom_.emplace(W, H, quillax::ZoomView::Size{w, h});
    const QPoint at((W - w) / 2, (H - h) / 2);
    if (!first) {
        QPainter(&screen_).drawImage(at, picture_);
        update();
        return;
    }
    update();
    quillax::FullScreenPicture::bringIn(
        screen_, picture_, at, transition_, *this,
        [this, generation] { return closing_ || generation != drawing_; },
        [this](const QRect& part) { update(part); });
}

void FullScreenViewer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activateWindow();
    setFocus();
}

void FullScreenViewer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), screen_, event->rect());
    // "3 / 120" and the name, for a moment after each step.
    if (!infoOn_ || !infoShown_.isActive() || isSingle() || show_.isOnEndPicture())
        return;
    const QString info = show_.positionText() + "   " + QFileInfo(show_.shownPath()).fileName();
    const QRect box = painter.fontMetrics().boundingRect(info).adjusted(-8, -4, 8, 4);
    const QRect place = box.translated(12 - box.left(), height() - box.height() - 12 - box.top());
    painter.fillRect(place, QColor(0, 0, 0, 160));
    painter.setPen(Qt::white);
    painter.drawText(place, Qt::AlignCenter, info);
}

void FullScreenViewer::drawZoomed() {
    ++drawing_; // a transition still coming in stops
    quillax::FullScreenPicture::drawZoomed(screen_, picture_, *zoom_);
    update();
}

void FullScreenViewer::closeViewer() {
    closing_ = true;
    wait_.stop();
    autoStep_.stop();
    accept();
}

void FullScreenViewer::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setCursor(Qt::SizeAllCursor);
    dragStart_ = event->position().toPoint();
}

void FullScreenViewer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (isSingle() && started_)
            closeViewer();
        else if (!isSingle())
            showContextMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    setCursor(Qt::ArrowCursor);
    const QPoint end = event->position().toPoint();
    // A drag before the picture is up zooms nothing, and is no click either.
    const bool moved = std::hypot(end.x() - dragStart_.x(), end.y() - dragStart_.y()) > 4.0;
    if (moved && !zoom_)
        return;
    const bool click = !moved || zoom_->release(dragStart_.x(), dragStart_.y(), end.x(), end.y()) ==
                                     quillax::ZoomView::Release::Click;
    if (!click)
        drawZoomed();
    else if (isSingle() && started_)
        closeViewer();
    else
        stepForward();
}

void FullScreenViewer::mouseMoveEvent(QMouseEvent* event) {
    if (cursor().shape() == Qt::BlankCursor)
        setCursor(Qt::ArrowCursor);
    pointerIdle_.start(2000);
    QDialog::mouseMoveEvent(event);
}

void FullScreenViewer::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (event->angleDelta().y() > 0)
        stepBack();
    else if (event->angleDelta().y() < 0)
        stepForward();
}

void FullScreenViewer::keyPressEvent(QKeyEvent* event) {
    // Keys act when let go, once a press however long it is held.
    event->accept();
    if (!event->isAutoRepeat())
        pressedKey_ = event->key();
}

void FullScreenViewer::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    // Only a key pressed here: the Enter that answered a question was pressed in its box.
    if (event->isAutoRepeat() || event->key() != pressedKey_)
        return;
    pressedKey_ = 0;
    if (!started_)
        return;
    if (isSingle() || event->key() == Qt::Key_Escape) {
        closeViewer();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        stepBack();
        break;
    case Qt::Key_Home:
        if (show_.toFirst())
            showShown();
        break;
    case Qt::Key_End:
        if (show_.toLast())
            showShown();
        break;
    case Qt::Key_I:
        infoOn_ = !infoOn_;
        update();
        break;
    case Qt::Key_S: // every five seconds on, or off again
        if (autoStep_.isActive())
            autoStep_.stop();
        else
            autoStep_.start(5000);
        break;
    case Qt::Key_Delete:
        deleteShown();
        break;
    default:
        stepForward();
    }
}

void FullScreenViewer::closeEvent(QCloseEvent* event) {
    closing_ = true;
    wait_.stop();
    autoStep_.stop();
    QDialog::closeEvent(event);
}

// Nothing is done to a file the user cannot see: on the end picture there is none.
void FullScreenViewer::deleteShown() {
    const QString path = show_.shownPath();
    if (path.isEmpty() || !FileCommands::askAndDelete(prompts_, path))
        return;
    show_.removeShown();
    showShown();
}

void FullScreenViewer::copyOrMoveShown(bool move) {
    const QString path = show_.shownPath();
    if (path.isEmpty())
        return;
    CopyMoveDialog dialog(move ? CopyMoveDialog::Mode::Move : CopyMoveDialog::Mode::Copy, path,
                          prompts_, transfer_, this);
    prompts_.runDialog(dialog);
    if (dialog.moved() && show_.removeShown())
        showShown();
}

void FullScreenViewer::showContextMenu(const QPoint& at) {
    QMenu menu(this);
    QAction* browse = menu.addAction(tr("&Browse"), this, &FullScreenViewer::closeViewer);
    QFont bold = browse->font();
    bold.setBold(true);
    browse->setFont(bold);
    menu.addAction(tr("&Edit"), this, &FullScreenViewer::closeViewer);
    menu.addAction(tr("&Add"))->setEnabled(false);
    const bool onFile = !show_.isOnEndPicture();
    menu.addAction(tr("&Copy to"), this, [this] { copyOrMoveShown(false); })->setEnabled(onFile);
    menu.addAction(tr("&Move to"), this, [this] { copyOrMoveShown(true); })->setEnabled(onFile);
    menu.addAction(tr("&Rename"))->setEnabled(false);
    menu.addAction(tr("&Delete"), this, &FullScreenViewer::deleteShown)->setEnabled(onFile);
    menu.addAction(tr("&Properties"), this,
                   [this] {
                       ImagePropertiesDialog dialog(show_.shownPath(), this);
                       prompts_.runDialog(dialog);
                   })
        ->setEnabled(onFile);
    menu.exec(at);
}

} // namespace browser
