#include "editor/model/UnitValues.h"

#include <gtest/gtest.h>

using editor::UnitValues;

TEST(UnitValues, PositionTruncatesSizeRoundsAndMillimetresSnapToWhole) {
    const double f = 1403.0 / 297.0; // A4 portrait, fitted by its height
    EXPECT_DOUBLE_EQ(UnitValues::position(100, f), 21.1);
    EXPECT_NEAR(UnitValues::size(400, f), 84.7, 1e-9);
    EXPECT_NEAR(UnitValues::size(47, f), 9.9, 1e-9);
    EXPECT_EQ(UnitValues::snapToWhole(21.1, 4.7244), 21.0);
    EXPECT_EQ(UnitValues::snapToWhole(9.9, 4.7244), 10.0);
    EXPECT_EQ(UnitValues::snapToWhole(9.5, 4.7244), 9.5);
    EXPECT_EQ(UnitValues::snapToWhole(9.9, 120.0), 9.9) << "inches keep their tenths";
    EXPECT_EQ(UnitValues::snapToWhole(9.9, 1.0), 9.9);
}

TEST(UnitValues, ConversionsUseTheEditorsRoundedFactors) {
    using U = UnitValues;
    const double inches = U::convert(210, U::kMillimetre, U::kInch);
    EXPECT_NEAR(inches, 8.2677, 1e-12);
    EXPECT_NEAR(U::convert(inches, U::kInch, U::kMillimetre), 209.99958, 1e-9)
        << "0.03937 and 25.4 are not exact inverses";
    EXPECT_NEAR(U::convert(U::convert(297, U::kMillimetre, U::kInch), U::kInch, U::kMillimetre),
                296.999406, 1e-9)
        << "shown to eight digits as 296.99941";
    EXPECT_EQ(U::convert(210, U::kMillimetre, U::kPixel), 992) << "992.124, truncated";
    EXPECT_EQ(U::convert(8.5, U::kInch, U::kPixel), 1020);
    EXPECT_NEAR(U::convert(992, U::kPixel, U::kMillimetre), 209.973664, 1e-9);
}

TEST(UnitValues, CanvasSizesShowAtTheirUnitsPrecision) {
    EXPECT_EQ(UnitValues::shown(8.499983, UnitValues::kInch), 8.5) << "Letter, 215.9 mm wide";
    EXPECT_EQ(UnitValues::shown(215.8995682, UnitValues::kMillimetre), 215.9);
    EXPECT_EQ(UnitValues::shown(991.6, UnitValues::kPixel), 992.0);
}
