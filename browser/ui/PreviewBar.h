#pragma once
#include <QPixmap>
#include <QWidget>

namespace browser {

class CVistaRamblerDoc;

// The canvas inside the preview bar: sized to the picture's fitted rectangle, white, with the
// current image drawn into it.
class PreviewCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewCanvas(const CVistaRamblerDoc& doc, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const CVistaRamblerDoc& doc_;
    QPixmap scaled_; // the current image at the canvas's size, made once per image and size
    qint64 scaledImage_ = 0;
    QSize scaledSize_;
};

// The "Photo Preview" bar's contents: the current image as large as the bar allows, centred.
class PreviewBar : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewBar(const CVistaRamblerDoc& doc, QWidget* parent = nullptr);
    PreviewCanvas* canvas() const { return canvas_; }
    // Places the canvas for the bar's size and the current image.
    void layoutCanvas();
    QSize sizeHint() const override { return {150, 500}; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    const CVistaRamblerDoc& doc_;
    PreviewCanvas* canvas_;
};

} // namespace browser
