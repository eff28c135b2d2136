#pragma once
#include <QLabel>

namespace editor {

// A picture that tells where it was clicked and marks the last click with a dark green
// cross, drawn over the picture rather than into it, so that nothing past the control's
// edge is read or written to restore what the mark covered.
class ClickablePicture : public QLabel {
    Q_OBJECT
  public:
    explicit ClickablePicture(QWidget* parent = nullptr);
    // Clicks, in the control's own pixels.
    void click(QPoint at);
    void clearMark();

  signals:
    void clicked(QPoint at);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint mark_{-1, -1};
};

} // namespace editor
