#include "browser/ui/PreviewBar.h"

#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/ThumbnailGeometry.h"
#include "shared/ImageFile.h"

#include <QPainter>

namespace browser {

PreviewCanvas::PreviewCanvas(const CVistaRamblerDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc) {
    setObjectName("Photo Preview Canvas");
    setAccessibleName("Photo Preview Canvas");
}

void PreviewCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const auto& image = doc_.currentImage();
    if (!image || !image->isValid() || width() <= 0 || height() <= 0)
        return;
    // Scaling a large photo for every paint would be slow: keep it for this size and image.
    if (image->image.cacheKey() != scaledImage_ || size() != scaledSize_ || scaled_.isNull()) {
        scaled_ = QPixmap::fromImage(quillax::ImageFile::scaledSmoothly(image->image, size()));
        scaledImage_ = image->image.cacheKey();
        scaledSize_ = size();
    }
    painter.drawPixmap(0, 0, scaled_);
}

PreviewBar::PreviewBar(const CVistaRamblerDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), canvas_(new PreviewCanvas(doc, this)) {
    setObjectName("previewBar");
    connect(&doc, &CVistaRamblerDoc::currentImageChanged, this, &PreviewBar::layoutCanvas);
    layoutCanvas();
}

void PreviewBar::layoutCanvas() {
    const auto& image = doc_.currentImage();
    QRect place;
    if (image && image->isValid())
        place = PreviewLayout::fit(image->image.width(), image->image.height(), width(), height());
    canvas_->setGeometry(place);
    canvas_->setVisible(!place.isEmpty());
    canvas_->update();
}

void PreviewBar::resizeEvent(QResizeEvent*) {
    layoutCanvas();
}

} // namespace browser
