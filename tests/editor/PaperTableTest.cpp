#include "editor/model/PaperTable.h"

#include <gtest/gtest.h>

using editor::PaperTable;

TEST(PaperTable, ThePageStartsOnThePrintersPaperOrTheBuiltInA4) {
    const QStringList forms{"Letter", "A4", "A4 Small", "A5"};
    const struct {
        bool printer;
        int kind, defaultForm, paperIndex, shownRow;
        qsizetype rows;
        const char* why;
    } cases[] = {
        {true, 1, 2, 2, 2, 5, "the printer's default form, the forms and one more row"},
        {true, 1, -1, 1, 1, 5, "no default: \"A4\", not \"A4 Small\" (too long)"},
        {false, 1, -1, -1, 5, 15, "no printer: the 14 built-in papers on A4"},
        {true, 2, 3, 5, 5, 15, "a platform without forms: built-in, the printer on A4"},
    };
    for (const auto& c : cases) {
        const auto choice = PaperTable::choose(c.printer, c.kind, forms, c.defaultForm);
        EXPECT_EQ(choice.paperIndex, c.paperIndex) << c.why;
        EXPECT_EQ(choice.shownRow, c.shownRow) << c.why;
        EXPECT_EQ(choice.names.size(), c.rows) << c.why;
        EXPECT_EQ(choice.names.last(), "User-defined Size") << c.why;
    }
    const auto twoA4 = PaperTable::choose(true, 1, {"A4", "Letter", "A4", "A4 Extra"}, -1);
    EXPECT_EQ(twoA4.paperIndex, 2) << "no default: the last short \"A4\" entry";
    const auto noA4 = PaperTable::choose(true, 1, {"Letter", "Legal"}, -1);
    EXPECT_EQ(noA4.paperIndex, -1) << "no usable form";
    EXPECT_EQ(noA4.names.at(5), "A4");
}
