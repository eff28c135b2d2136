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
// character more. Linear for the masks a search builds, quadratic at worst.
bool matchAscii(std::string_view mask, std::string_view name) {
    size_t m = 0, n = 0;
    size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && mask[m] == '?') {
            ++m;
            n = nextCharacter(name, n);
        } else if (m < mask.size() && mask[m] == lowered(name[n])) {
            ++m;
            ++n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = starName = nextCharacter(name, starName);
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

// The same match on whole characters, case-folded, for masks with letters beyond ASCII.
bool matchCharacters(const QList<uint>& mask, const QList<uint>& name) {
    qsizetype m = 0, n = 0;
    qsizetype starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
            ++m;
            ++n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
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
        return matchAscii(asciiPattern_, name);
    const QString text = QString::fromUtf8(name.data(), qsizetype(name.size()));
    return matchCharacters(folded_, text.toCaseFolded().toUcs4());
}

} // namespace browser
