#pragma once
#include <QString>
#include <optional>

namespace editor {

// A caption's `content`: its face name, a comma, then its text, which may hold commas itself.
struct CaptionText {
    QString face;
    QString text;

    // Nothing when there is no comma to split at.
    static std::optional<CaptionText> parse(const QString& content);
    QString content() const { return face + ',' + text; }

    // The font size of a caption whose box went from oldHeight to newHeight page pixels: in
    // proportion, truncated; unchanged when the old height is not positive.
    static int scaledFontSize(int fontSize, int newHeight, int oldHeight);
};

} // namespace editor
