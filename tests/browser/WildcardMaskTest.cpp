// File-name masks as the search box builds them: `*` any run, `?` one character, any case.
#include "browser/model/WildcardMask.h"

#include <gtest/gtest.h>

using browser::WildcardMask;

TEST(WildcardMask, MatchesAsTheSearchBoxPromises) {
    const struct {
        const char* mask;
        const char* name;
        bool matches;
        const char* why;
    } cases[] = {
        {"*.jpg*", "IMG_0001.JPG", true, "letters match in either case"},
        {"*.jpg*", "holiday.jpg.bak", true, "the fragment may stand anywhere"},
        {"*.jpg*", "holiday.jpeg", false, "the whole fragment must be there"},
        {"**", "anything at all.png", true, "an empty fragment matches every name"},
        {"*a?c*", "xabcx", true, "? stands for one character"},
        {"*a?c*", "xacx", false, "? needs a character to stand for"},
        {"*a?c*", "aéc", true, "? takes an accented letter whole"},
        {"??", "é", false, "an accented letter is one character, not two"},
        {"a*b*c", "aXbYbc", true, "a star gives back what the rest needs"},
        {"a*b*c", "aXbYbd", false, "the end must still match"},
        {"*été*", "ÉTÉ 2026.jpg", true, "accented letters match in either case"},
        {"*été*", "ete.jpg", false, "an accent is not ignored"},
        {"*?*", "\xFF\xFE.jpg", true, "a name that is not UTF-8 is still a name"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMask(QString::fromUtf8(c.mask)).matches(c.name), c.matches)
            << c.mask << " on " << c.name << ": " << c.why;
}
