#pragma once
#include "editor/model/CanvasGeometry.h"
#include "editor/model/PageDocument.h"
#include "imaging/EffectImage.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace quillax {
class Prompts;
}

namespace editor {

// A view of the page document: shows the page with its visible layers scaled to the screen,
// marks the selected layer with a frame and eight handles, and turns the mouse into picking,
// moving, resizing and cropping, which it hands to the document. All drawing goes into
// off-screen pictures; painting only copies the shown picture.
class LayoutCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit LayoutCanvas(PageDocument& document, QWidget* parent = nullptr);

    PageDocument& document() { return document_; }
    const LayerStack& stack() const { return document_.stack(); }
    const LayerSelection& selection() const { return document_.selection(); }

    double displayScale() const { return selection().displayScale(); }
    void setDisplayScale(double scale);
    // While on, a handle crops the photo instead of scaling it.
    void setCropMode(bool on) { cropMode_ = on; }
    void setPrompts(quillax::Prompts* prompts) { prompts_ = prompts; }

    // Shows a plain page picture (the empty page) until layers are drawn.
    void setPagePicture(const imaging::DibImage& picture);
    // Draws every visible layer, bottom first, into the shown picture; false when empty.
    bool composeScreen();
    // Sorts the stack by stacking order, composes and repaints.
    void refresh();
    // Makes the current id's layer the selected one and draws it with its handles; false when
    // the id names no layer. A layer chosen in the list comes to the top; one picked on the
    // canvas is there already, and the window hears it was picked there.
    enum class Shown { InPlace, BroughtToTop, PickedOnCanvas };
    bool showLayer(Shown how);
    // Copies the background and the selected layer into the shown picture with its handles.
    bool drawSelection();
    // Draws the others into the background picture and builds the selected layer's picture.
    void composeBackground();
    // Shows every layer but the selected one, without a frame (after a layer was removed).
    void showBackground();
    // Rebuilds the selected layer's picture after its picture or box changed, and redraws.
    void rebuildSelected();

    // Arrow-key nudging: the frame moves 2 screen pixels and the layer follows.
    void nudge(int dx, int dy);

    // The pointer left the canvas while dragging: finish at the last drawn frame.
    void finishDragOutside();

    bool isButtonDown() const { return buttonDown_; }
    bool lastPressHitLayer() const { return layerHit_; }
    void clearLayerHit() { layerHit_ = false; }
    // What the press started: nothing (kOutside), a move (kBody) or a resize by a handle.
    HitZone dragMode() const { return dragMode_; }
    HitZone hitZone() const { return hitZone_; }
    const QImage& shownPicture() const { return shown_; }

  signals:
    // A layer was picked with the mouse: the window shows the "Photo" page.
    void layerPicked(int id);
    // The selected layer was shown; its controls should be filled.
    void layerShown(int id, bool pickedOnCanvas);
    // Page values for the position and size edits; `whole` asks for whole-number snapping.
    void positionShown(int x, int y, bool whole);
    void sizeShown(int width, int height, bool whole);
    // A press on the empty page left no layer selected.
    void selectionCleared();
    // A crop was written; the effect choice goes back to none.
    void cropFinished();
    // A handle was let go and the layer took its new size.
    void resizeFinished();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void finishDrag(bool dropInside);
    void finishMove(bool dropInside);
    void finishResize();
    bool cropSelected(const PageGeometry& geometry);
    double unitFactor() const { return document_.project().unitFactor; }
    void drawResizing(const ScreenRect& rect);
    void drawMoving();
    void drawHandles(QImage& image, const ScreenRect& rect) const;
    void setCursorForZone(int zone);
    void composeLayers(imaging::EffectImage& target, int skipId) const;

    PageDocument& document_;
    bool cropMode_ = false;
    quillax::Prompts* prompts_ = nullptr;

    double aspect_ = 1.0;
    int boxWidth_ = 0;
    int boxHeight_ = 0;
    QImage shown_;
    QImage background_;
    QImage dragPicture_;
    QImage handle_;

    bool buttonDown_ = false;
    bool layerHit_ = false;
    HitZone hitZone_ = kOutside;
    HitZone dragMode_ = kOutside;
    QPoint lastPoint_;
    PageGeometry pending_;
    bool pendingValid_ = false;
};

} // namespace editor
