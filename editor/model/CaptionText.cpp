#include "editor/model/CaptionText.h"

#include <cstdint>

namespace editor {

std::optional<CaptionText> CaptionText::parse(const QString& content) {
    const qsizetype comma = content.indexOf(',');
    if (comma < 0)
        return std::nullopt;
    return CaptionText{content.left(comma), content.mid(comma + 1)};
}

int CaptionText::scaledFontSize(int fontSize, int newHeight, int oldHeight) {
    if (oldHeight <= 0)
        return fontSize;
    return int(int64_t(fontSize) * newHeight / oldHeight);
}

} // namespace editor
