#include "editor/model/MissingPhoto.h"

#include "editor/model/PhotoImporter.h"
#include "shared/DibConversion.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace editor {

imaging::DibImage MissingPhoto::picture(const QString& fileName, int boxWidth, int boxHeight) {
    const QSize box(std::max(1, boxWidth), std::max(1, boxHeight));
    const QSize size =
        box.scaled(PhotoImporter::kWorkingWidth, PhotoImporter::kWorkingHeight, Qt::KeepAspectRatio)
            .expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    QPainter painter(&image);
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    // Text needs the fonts of a running graphical application; without one (a script's
    // export) the grey box alone says it.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        painter.end();
        return quillax::fromQImage(image);
    }
    QFont font = painter.font();
    font.setPixelSize(std::clamp(size.height() / 12, 8, 28));
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWrapAnywhere,
                     QCoreApplication::translate("MissingPhoto", "Missing photo") +
                         QLatin1Char('\n') + fileName);
    painter.end();
    return quillax::fromQImage(image);
}

} // namespace editor
