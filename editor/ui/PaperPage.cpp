#include "editor/ui/PaperPage.h"

#include "shared/DibConversion.h"

#include <QPixmap>

namespace editor {

PaperPage::PaperPage(QWidget* parent) : QWidget(parent) {
    setupUi(this);
    // The banner is a BMP resource that only our own decoder reads; a form's pixmap property
    // would go through Qt's image readers.
    banner->setPixmap(
        QPixmap::fromImage(quillax::toQImage(quillax::loadBmp(":/editor/banner.bmp"))));
}

} // namespace editor
