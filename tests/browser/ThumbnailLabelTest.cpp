#include "browser/model/ThumbnailLabel.h"

#include <gtest/gtest.h>

using browser::ThumbnailLabel;

// Every character 10 wide, labels 100 wide: ten characters a line.
TEST(ThumbnailLabel, LongNamesTakeTwoLinesAndKeepTheirEnds) {
    const auto measure = [](const QString& s) { return int(s.size()) * 10; };
    const struct {
        const char* name;
        const char* label;
        const char* why;
    } rows[] = {
        {"a.jpg", "a.jpg", "short names stay on one line"},
        {"abcdefghij", "abcdefghij", "a name as wide as the cell still fits"},
        {"abcdefghijk", "abcdefghij\nk", "one more breaks inside the word: it has no space"},
        {"beach 1.jpg", "beach\n1.jpg", "broken after the space, not at the edge"},
        {"sunset at the beach 1.jpg", "sunset at\nthe \u20261.jpg",
         "the middle goes; the number stays, so that the photos of a shoot still differ"},
        {"IMG_20240512_183055.jpg", "IMG_202405\n12_1\u20265.jpg", "a camera name has no space"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ThumbnailLabel::lines(QString::fromUtf8(row.name), 100, measure),
                  QString::fromUtf8(row.label))
            << row.why;
    EXPECT_EQ(ThumbnailLabel::elideMiddle("abcdef", 5, measure), QString::fromUtf8("\u2026"))
        << "narrower than anything: the ellipsis alone";
}
