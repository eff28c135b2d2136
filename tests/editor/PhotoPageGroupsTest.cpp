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
    using G = PhotoPageGroups;
    EXPECT_EQ(G::shownFor(Tab::Paper, &photo, true), G{}) << "the Paper page has its own controls";
    const auto shown = [](const editor::LayerRecord* selected, bool opaque) {
        return G::shownFor(Tab::Photo, selected, opaque);
    };
    EXPECT_EQ(shown(nullptr, true), G{.list = true}) << "nothing selected: only the list";
    EXPECT_EQ(shown(&photo, true), (G{.list = true, .position = true, .photo = true}))
        << "a photo: its place and its buttons";
    EXPECT_EQ(shown(&caption, false), (G{.list = true, .position = true, .text = true}))
        << "a see-through caption: its text";
    EXPECT_EQ(shown(&caption, true),
              (G{.list = true, .position = true, .text = true, .background = true}))
        << "an opaque caption: and its background";
}
