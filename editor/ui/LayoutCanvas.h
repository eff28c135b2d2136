#pragma once
#include "editor/model/LayerSelection.h"
#include "editor/model/LayerStack.h"
#include "imaging/DibImage.h"

#include <QImage>
#include <QWidget>

namespace editor {

// Shows the page with its visible layers scaled to the screen. All drawing goes into an
// off-screen picture; painting only copies it to the window.
class LayoutCanvas : public QWidget {
    Q_OBJECT
public:
    explicit LayoutCanvas(QWidget* parent = nullptr);

    LayerStack& stack() { return stack_; }
    const LayerStack& stack() const { return stack_; }
    LayerSelection& selection() { return selection_; }

    double displayScale() const { return selection_.displayScale(); }
    void setDisplayScale(double scale);

    // Shows a plain page picture (the empty page) until layers are drawn.
    void setPagePicture(const imaging::DibImage& picture);
    // Draws every visible layer, bottom first, into the shown picture; false when empty.
    bool composeScreen();
    // Sorts the stack by stacking order, composes and repaints.
    void refresh();

    const QImage& shownPicture() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LayerStack stack_;
    LayerSelection selection_{stack_};
    QImage shown_;
};

} // namespace editor
