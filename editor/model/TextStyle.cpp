#include "editor/model/TextStyle.h"

namespace editor {

TextStyle TextStyle::fromCode(int textStyle) {
    TextStyle style;
    style.vertical = textStyle % 10 != 0;
    switch (textStyle / 10) {
    case 1:
        style.bold = true;
        break;
    case 3:
        style.italic = true;
        break;
    case 4:
        style.bold = style.italic = true;
        break;
    case 5:
        style.underline = true;
        break;
    case 6:
        style.bold = style.underline = true;
        break;
    case 8:
        style.italic = style.underline = true;
        break;
    case 9:
        style.bold = style.italic = style.underline = true;
        break;
    default:
        break;
    }
    return style;
}

} // namespace editor
