// The effects' description: limits measured on the picture and the previews' stand-in
// values, each row worked out by hand.
#include "editor/model/EffectCatalogue.h"

#include <gtest/gtest.h>

using editor::EffectCatalogue;
using editor::EffectValues;

namespace {
const editor::EffectSpec& effect(const char* name) {
    return *EffectCatalogue::forCommandName(name);
}
} // namespace

TEST(EffectCatalogue, BlockSizesAndWindLengthsAreLimitedByThePicture) {
    const struct {
        const char* effect;
        int width, height;
        bool fits;
        int max, start;
        const char* why;
    } rows[] = {
        {"smooth", 600, 450, true, 449, 5, "M = the smaller side less one"},
        {"smooth", 4, 3, true, 2, 2, "the start of 5 is limited to M"},
        {"smooth", 2, 600, false, 1, 2, "M = 1 is below the least block of 2: greyed"},
        {"wind", 600, 450, true, 598, 1, "N = the width less two"},
        {"wind", 3, 100, true, 1, 1, "N = 1"},
        {"wind", 2, 100, false, 0, 1, "N = 0: greyed"},
        {"sharpen", 1, 1, true, 50, 1, "a fixed range"},
    };
    for (const auto& [name, width, height, fits, max, start, why] : rows) {
        const editor::EffectParameter p = effect(name).parametersFor(width, height).front();
        EXPECT_EQ(effect(name).fits(width, height), fits) << why;
        EffectValues values;
        QString problem;
        EXPECT_EQ(EffectCatalogue::parse(name, width, height, values, problem) != nullptr, fits)
            << "the command line as the dialog: " << why;
        EXPECT_EQ(p.sliderMax, max) << why;
        EXPECT_EQ(p.sliderStart, start) << why;
    }
}

TEST(EffectCatalogue, PreviewsStandForTheWorkingPictureReduced) {
    const struct {
        int value, workingWidth, width, height, block;
        const char* why;
    } blocks[] = {
        {5, 600, 240, 180, 2, "scale 600 / 240 = 2: 5 / 2"},
        {3, 600, 240, 180, 2, "3 / 2 = 1 is raised to 2"},
        {449, 600, 240, 180, 179, "224 is cut to the preview's smaller side less one"},
        {5, 200, 240, 180, 5, "a preview larger than the picture: scale 1"},
    };
    const auto block = EffectCatalogue::smoothPreviewBlock;
    for (const auto& b : blocks)
        EXPECT_EQ(block(b.value, b.workingWidth, b.width, b.height), b.block) << b.why;
    const struct {
        int value, workingWidth, width, strength;
        const char* why;
    } lengths[] = {
        {1, 600, 240, 1, "1 x 240 / 600 = 0, yet OK applies wind 1: at least 1"},
        {300, 600, 240, 120, "300 x 240 / 600"},
        {598, 600, 240, 238, "239 is cut to the preview's width less two"},
        {5, 600, 1, 1, "a preview a pixel wide: no underflow"},
    };
    const auto strength = EffectCatalogue::windPreviewStrength;
    for (const auto& l : lengths)
        EXPECT_EQ(strength(l.value, l.workingWidth, l.width), l.strength) << l.why;
}
