#pragma once
#include <QString>
#include <functional>

namespace browser {

// How a file name fits under its thumbnail: on one line when it can, else over two, broken
// after a space where one falls on the first line, the rest elided in the middle. Names that
// differ only in their ends ("beach 1.jpg", "beach 2.jpg") then still look different.
class ThumbnailLabel {
  public:
    // The width a text takes, in the same units as the width given.
    using Measure = std::function<int(const QString& text)>;

    // The label, its two lines parted by "\n".
    static QString lines(const QString& name, int width, const Measure& measure);
    // The text with its middle given up for "…" until it fits; "…" alone at the least.
    static QString elideMiddle(const QString& text, int width, const Measure& measure);
};

} // namespace browser
