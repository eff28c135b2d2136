#include "editor/ui/PhotoPage.h"

#include "shared/DibConversion.h"

#include <QPainter>

namespace editor {

// PhotoPage.ui lists these names, in this order, as the effect combo's items; the window finds
// an effect by its row, so keep the two lists the same.
QStringList PhotoPage::effectNames() {
    return {"Original source", "Brightness&Contrast",
            "Hue&Saturation",  "Adjust RGB",
            "Sharpen",         "Smoothen",
            "Emboss style",    "Wind style",
            "Mirror",          "Alpha blend",
            "Shadow optimize", "Mask",
            "Red eyes repair", "Multiple exposure ",
            "Rotate ",         "Crop"};
}

void PhotoPage::showSwatch(QToolButton* field, imaging::ColorRef colour) {
    QImage swatch = quillax::toQImage(quillax::loadBmp(":/editor/swatch.bmp"));
    if (swatch.isNull()) {
        swatch = QImage(15, 15, QImage::Format_RGB32);
        swatch.fill(Qt::gray);
    }
    QPainter painter(&swatch);
    painter.fillRect(QRect(2, 2, swatch.width() - 4, swatch.height() - 4),
                     quillax::toQColor(colour));
    painter.end();
    field->setIcon(QIcon(QPixmap::fromImage(swatch)));
}

PhotoPage::PhotoPage(QWidget* parent) : QWidget(parent) {
    setupUi(this);
    // No effect is chosen until the user picks one.
    effectCombo->setCurrentIndex(-1);
}

} // namespace editor
