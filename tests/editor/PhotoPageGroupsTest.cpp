// Which controls the Photo page offers for what is selected.
#include "editor/model/PhotoPageGroups.h"
#include "editor/model/LayerRecord.h"

#include <gtest/gtest.h>

using editor::PhotoPageGroups;
using Tab = PhotoPageGroups::Tab;

TEST(PhotoPageGroups, EachSelectionShowsTheControlsThatActOnIt) {
    editor::LayerRecord photo;
    photo.thumbIndex = 8;
    editor::LayerRecord caption;
    caption.thumbIndex = 0;
    const struct {
        const char* why;
        Tab tab;
        const editor::LayerRecord* selected;
        bool opaque;
        PhotoPageGroups expected;
    } rows[] = {
        {"the Paper page has its own controls", Tab::Paper, &photo, true, {}},
        {"nothing selected: only the list to pick from", Tab::Photo, nullptr, true, {.list = true}},
        {"a photo: its place and its buttons",
         Tab::Photo,
         &photo,
         true,
         {.list = true, .position = true, .photo = true}},
        {"a see-through caption: its text",
         Tab::Photo,
         &caption,
         false,
         {.list = true, .position = true, .text = true}},
        {"an opaque caption: and its background",
         Tab::Photo,
         &caption,
         true,
         {.list = true, .position = true, .text = true, .background = true}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PhotoPageGroups::shownFor(row.tab, row.selected, row.opaque), row.expected)
            << row.why;
}
