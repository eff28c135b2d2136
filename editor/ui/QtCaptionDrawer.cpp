#include "editor/ui/QtCaptionDrawer.h"

#include "shared/DibConversion.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace editor {

namespace {

// A caption's size is the height of its font's whole cell, ascent and descent together, as
// the editor has always measured it; Qt sizes a font by its em. Below 1 the face's default
// size is kept.
QFont captionFont(const CaptionSettings& caption) {
    QFont font(caption.face);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(caption.style.bold);
    font.setItalic(caption.style.italic);
    font.setUnderline(caption.style.underline);
    if (caption.size >= 1) {
        font.setPixelSize(100);
        const qreal cell = QFontMetricsF(font).height();
        font.setPixelSize(std::max(1, int(caption.size * 100 / (cell > 0 ? cell : 100))));
    }
    return font;
}

} // namespace

imaging::DibImage QtCaptionDrawer::draw(const CaptionSettings& caption,
                                        const CaptionLayout& layout) const {
    QImage picture(layout.width, layout.height, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(quillax::toQColor(layout.fill));
    {
        QPainter painter(&picture);
        QFont font = captionFont(caption);
        // A see-through caption is keyed out by its exact fill colour: smoothed edges, half
        // text and half fill, would stay on the page as a yellow fringe.
        const bool keyedOut = layout.fill == CaptionLayout::kTransparentFill;
        font.setStyleStrategy(keyedOut ? QFont::NoAntialias : QFont::PreferAntialias);
        painter.setRenderHint(QPainter::TextAntialiasing, !keyedOut);
        painter.setFont(font);
        painter.setPen(quillax::toQColor(caption.textColour));
        // (textX, textY) is the top-left corner of the text's cell; vertical text turns a
        // quarter to the left about it and runs upwards.
        painter.translate(layout.textX, layout.textY);
        if (caption.style.vertical)
            painter.rotate(-90);
        painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), caption.text);
    }
    return quillax::fromQImage(picture, 24);
}

} // namespace editor
