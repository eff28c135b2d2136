#include "browser/model/ThumbnailLabel.h"

#include <algorithm>

namespace browser {

namespace {

const QString kEllipsis = QStringLiteral("\u2026");

// Never between the two halves of a character outside the basic plane.
int safeCut(const QString& text, int at) {
    if (at > 0 && at < text.size() && text.at(at - 1).isHighSurrogate())
        --at;
    return at;
}

// The largest n in [low, high] for which fits(n) holds, fits being true up to some n and
// false after it; `low` when none does. A label is made at every paint, so each candidate
// width is measured log n times, not n times.
template <typename Fits> int largestFitting(int low, int high, Fits fits) {
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

} // namespace

QString ThumbnailLabel::elideMiddle(const QString& text, int width, const Measure& measure) {
    if (measure(text) <= width)
        return text;
    // The end keeps the larger half: it holds the number and the ending that tell photos
    // apart.
    const auto keeping = [&text](int kept) {
        const int tail = safeCut(text, int(text.size()) - (kept + 1) / 2);
        const int head = safeCut(text, kept / 2);
        return text.left(head) + kEllipsis + text.mid(tail);
    };
    const int kept = largestFitting(0, int(text.size()) - 1,
                                    [&](int n) { return n > 0 && measure(keeping(n)) <= width; });
    return kept > 0 ? keeping(kept) : kEllipsis;
}

QString ThumbnailLabel::lines(const QString& name, int width, const Measure& measure) {
    if (measure(name) <= width)
        return name;
    const int fits = safeCut(name, largestFitting(0, int(name.size()), [&](int n) {
                                 return measure(name.left(n)) <= width;
                             }));
    // A break after the last space of the first line reads better than one inside a word.
    const int space = int(name.left(fits).lastIndexOf(QLatin1Char(' ')));
    const int cut = space > 0 ? space + 1 : std::max(fits, 1);
    const QString first = name.left(cut).trimmed();
    const QString rest = name.mid(cut).trimmed();
    return first + QLatin1Char('\n') + elideMiddle(rest, width, measure);
}

} // namespace browser
