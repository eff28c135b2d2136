#include "editor/model/TextStyle.h"

#include <gtest/gtest.h>

using editor::TextStyle;

TEST(TextStyle, StoredValuesShowTheirButtons) {
    const struct {
        int stored;
        TextStyle shown;
    } cases[] = {
        {0, {false, false, false, false}}, {1, {false, false, false, true}},
        {10, {true, false, false, false}}, {30, {false, true, false, false}},
        {50, {false, false, true, false}}, {60, {true, false, true, false}},
        {61, {true, false, true, true}},   {20, {false, false, false, false}},
        {71, {false, false, false, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextStyle::fromCode(c.stored), c.shown) << c.stored;
}

TEST(TextStyle, EveryButtonCombinationSurvivesStoring) {
    EXPECT_EQ((TextStyle{true, false, true, true}).code(), 61) << "bold, underline, vertical";
    for (int bits = 0; bits < 16; ++bits) {
        const TextStyle style{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8)};
        EXPECT_EQ(TextStyle::fromCode(style.code()), style) << style.code();
    }
}

#include "editor/model/CaptionText.h"

TEST(CaptionText, TheFaceEndsAtTheFirstComma) {
    const struct {
        const char* content;
        const char* face;
        const char* text;
        const char* why;
    } cases[] = {
        {"Arial,Summer 2026", "Arial", "Summer 2026", "the plain case"},
        {"Arial,Rome, Paris, Oslo", "Arial", "Rome, Paris, Oslo", "commas in the text stay"},
        {"DejaVu Sans,", "DejaVu Sans", "", "an empty text"},
        {",untitled", "", "untitled", "no face"},
    };
    for (const auto& c : cases) {
        const auto parsed = editor::CaptionText::parse(c.content);
        ASSERT_TRUE(parsed) << c.why;
        EXPECT_EQ(parsed->face, c.face) << c.why;
        EXPECT_EQ(parsed->text, c.text) << c.why;
        EXPECT_EQ(parsed->content(), c.content) << c.why;
    }
    EXPECT_FALSE(editor::CaptionText::parse("no comma at all"));
}

TEST(CaptionText, TheFontFollowsTheBoxHeight) {
    EXPECT_EQ(editor::CaptionText::scaledFontSize(36, 96, 48), 72) << "twice as high";
    EXPECT_EQ(editor::CaptionText::scaledFontSize(36, 47, 48), 35) << "truncated: 35.25";
    EXPECT_EQ(editor::CaptionText::scaledFontSize(36, 10, 0), 36) << "no old height: unchanged";
}
