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

} // namespace

QString ThumbnailLabel::elideMiddle(const QString& text, int width, const Measure& measure) {
    if (measure(text) <= width)
        return text;
    for (int kept = int(text.size()) - 1; kept > 0; --kept) {
        // The end keeps the larger half: it holds the number and the ending that tell
        // photos apart.
        const int tail = safeCut(text, int(text.size()) - (kept + 1) / 2);
        const int head = safeCut(text, kept / 2);
        const QString candidate = text.left(head) + kEllipsis + text.mid(tail);
        if (measure(candidate) <= width)
            return candidate;
    }
    return kEllipsis;
}

QString ThumbnailLabel::lines(const QString& name, int width, const Measure& measure) {
    if (measure(name) <= width)
        return name;
    int fits = 0;
    while (fits < name.size() && measure(name.left(fits + 1)) <= width)
        ++fits;
    fits = safeCut(name, fits);
    // A break after the last space of the first line reads better than one inside a word.
    const int space = int(name.left(fits).lastIndexOf(QLatin1Char(' ')));
    const int cut = space > 0 ? space + 1 : std::max(fits, 1);
    const QString first = name.left(cut).trimmed();
    const QString rest = name.mid(cut).trimmed();
    return first + QLatin1Char('\n') + elideMiddle(rest, width, measure);
}

} // namespace browser
