#pragma once
#include "imaging/DibHeader.h"
#include "imaging/DibImage.h"

#include <QDialog>

class QPushButton;

namespace editor {

class ClickablePicture;

// "Transparent color": the photo, fitted into 270 x 200, and the colour last clicked on it,
// read from the full-size picture so that the colour is the photo's own and not the
// reduced copy's.
class TransparentColourDialog : public QDialog {
    Q_OBJECT
  public:
    TransparentColourDialog(const imaging::DibImage& fullSize, imaging::ColorRef start,
                            QWidget* parent = nullptr);

    imaging::ColorRef colour() const { return colour_; }
    ClickablePicture* picture() const { return picture_; }

    // The control's size for a picture of width x height: 270 wide, or 200 high when that
    // would be higher, at least a pixel each way.
    static QSize controlSize(int width, int height);

  private:
    void picked(QPoint at);
    void showSwatch();

    const imaging::DibImage& fullSize_;
    imaging::ColorRef colour_;
    ClickablePicture* picture_;
    QPushButton* swatch_;
};

} // namespace editor
