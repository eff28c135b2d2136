#pragma once

namespace editor {

// A layer's outline on the page in page pixels; right and bottom are exclusive.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PageRect&) const = default;
};

} // namespace editor
