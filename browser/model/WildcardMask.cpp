#include "browser/model/WildcardMask.h"

namespace browser {

namespace {

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where the character starting at `at` ends: `?` stands for a whole character, so it takes
// the continuation bytes of an accented letter with its first byte.
size_t nextCharacter(std::string_view text, size_t at) {
    ++at;
    while (at < text.size() && isContinuationByte(text[at]))
        ++at;
    return at;
}

// The usual single-pass match with one remembered star: on a mismatch the last star takes one
// character more. Linear for the masks a search builds, quadratic at worst. `next` steps over
// one character of the name, `same` compares a letter of the mask with one of the name.
template <typename Mask, typename Name, typename Next, typename Same>
bool matchWildcards(const Mask& mask, const Name& name, Next next, Same same) {
    const size_t maskSize = size_t(mask.size()), nameSize = size_t(name.size());
    constexpr size_t kNoStar = size_t(-1);
    size_t m = 0, n = 0, starMask = kNoStar, starName = 0;
    while (n < nameSize) {
        if (m < maskSize && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < maskSize && mask[m] == '?') {
            ++m;
            n = next(name, n);
        } else if (m < maskSize && same(mask[m], name[n])) {
            ++m;
            ++n;
        } else if (starMask != kNoStar) {
            m = starMask + 1;
            n = starName = next(name, starName);
        } else {
            return false;
        }
    }
    while (m < maskSize && mask[m] == '*')
        ++m;
    return m == maskSize;
}

} // namespace

WildcardMask::WildcardMask(const QString& pattern) : pattern_(pattern) {
    for (QChar c : pattern)
        ascii_ = ascii_ && c.unicode() < 0x80;
    if (ascii_)
        for (QChar c : pattern)
            asciiPattern_.push_back(lowered(char(c.unicode())));
    else
        folded_ = pattern.toCaseFolded().toUcs4();
}

WildcardMask WildcardMask::containing(const QString& fragment) {
    return WildcardMask("*" + fragment + "*");
}

bool WildcardMask::matches(std::string_view name) const {
    if (ascii_)
        return matchWildcards(std::string_view(asciiPattern_), name, nextCharacter,
                              [](char m, char n) { return m == lowered(n); });
    // Masks with letters beyond ASCII match whole characters, case-folded.
    const QList<uint> text =
        QString::fromUtf8(name.data(), qsizetype(name.size())).toCaseFolded().toUcs4();
    return matchWildcards(
        folded_, text, [](const QList<uint>&, size_t at) { return at + 1; },
        [](uint m, uint n) { return m == n; });
}

} // namespace browser
