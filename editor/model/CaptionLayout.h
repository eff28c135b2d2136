#pragma once
#include "editor/model/TextStyle.h"
#include "imaging/DibHeader.h"

#include <QString>

namespace editor {

// Everything the text page says about the selected caption.
struct CaptionSettings {
    QString face = QStringLiteral("Arial");
    QString text;
    int size = 36; // the font's cell height in page pixels
    TextStyle style;
    imaging::ColorRef textColour = 0x000000FF;
    bool opaque = false;
    imaging::ColorRef backgroundColour = 0x00E71258;
    double backgroundWidth = 0; // in the unit
    double backgroundHeight = 0;
};

// A caption's picture: its size, where its text starts and what fills the rest.
struct CaptionLayout {
    // Where a caption is see-through: composing keys this colour out.
    static constexpr imaging::ColorRef kTransparentFill = 0x00A5FFFF;
    // A new caption spans the page, a strip as high as this share of the page's width.
    static constexpr double kNewStripHeight = 0.09;

    int width = 0;
    int height = 0;
    int textX = 0;
    int textY = 0;
    imaging::ColorRef fill = kTransparentFill;

    // A line of text is as high as its font plus 12, and 500 wide unless the font size times
    // its length is 510 or more; turned for vertical text. An opaque background has its own
    // size, with the text centred by an estimate of its length.
    static CaptionLayout of(const CaptionSettings& caption, double windowUnitFactor);
    // Whether a picture this large may be made at all.
    bool fitsAPicture() const;
    // An opaque background's size once the text runs `vertical`ly or across: its longer side
    // along the text, turned when it lay the other way.
    struct Size {
        double width;
        double height;
        bool operator==(const Size&) const = default;
    };
    static Size backgroundAlongText(Size background, bool vertical);
    bool operator==(const CaptionLayout&) const = default;
};

} // namespace editor
