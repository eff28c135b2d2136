#pragma once

namespace editor {

// A caption's style as stored in `textStyle`: (1 x bold + 3 x italic + 5 x underline) x 10 +
// direction (0 horizontal, 1 vertical).
struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool vertical = false;

    int code() const {
        return (int(bold) + 3 * int(italic) + 5 * int(underline)) * 10 + int(vertical);
    }
    // The buttons a stored value shows; a style code outside the known sums shows none.
    static TextStyle fromCode(int textStyle);
    bool operator==(const TextStyle&) const = default;
};

} // namespace editor
