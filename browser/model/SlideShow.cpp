#include "browser/model/SlideShow.h"

namespace browser {

SlideShow SlideShow::single(const QString& path) {
    return SlideShow({path}, 0);
}

SlideShow::SlideShow(QStringList paths, int first)
    : paths_(std::move(paths)), shown_(first >= 0 && first < paths_.size() ? first : 0) {
}

QString SlideShow::shownPath() const {
    return isOnEndPicture() ? QString() : paths_.at(shown_);
}

QString SlideShow::positionText() const {
    if (isOnEndPicture())
        return {};
    return QStringLiteral("%1 / %2").arg(shown_ + 1).arg(paths_.size());
}

bool SlideShow::forward() {
    if (isOnEndPicture())
        return false;
    ++shown_;
    return true;
}

bool SlideShow::back() {
    if (shown_ == 0)
        return false;
    --shown_;
    return true;
}

bool SlideShow::toFirst() {
    if (shown_ == 0)
        return false;
    shown_ = 0;
    return true;
}

bool SlideShow::toLast() {
    const int last = std::max(int(paths_.size()) - 1, 0);
    if (shown_ == last)
        return false;
    shown_ = last;
    return true;
}

bool SlideShow::removeShown() {
    if (isOnEndPicture())
        return false;
    paths_.removeAt(shown_);
    return true;
}

QString SlideShow::nextPath() const {
    return shown_ + 1 < paths_.size() ? paths_.at(shown_ + 1) : QString();
}

} // namespace browser
