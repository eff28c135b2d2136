// From the search dialog's fields to what the search tests.
#include "browser/model/SearchForm.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <gtest/gtest.h>
#include <time.h>

using browser::PixelCriteria;
using browser::SearchForm;

TEST(SearchForm, StartsWhereTheBrowserIsAndRefusesAnEmptyFolder) {
    const SearchForm form = SearchForm::startingAt("/home/ann/Pictures");
    EXPECT_EQ(form.lookIn, "/home/ann/Pictures");
    EXPECT_EQ(std::pair(form.from, form.to), std::pair(QDate::currentDate(), QDate::currentDate()));
    EXPECT_EQ(form.problem(), "");
    EXPECT_EQ(SearchForm::startingAt("  ").problem(), "Please choose a folder to look in.")
        << "an empty field would search the whole disk";
}

TEST(SearchForm, SizesAreKilobytesOf1024BytesAndDatesCoverWholeDays) {
    testsupport::ScopedEnv utc("TZ", "UTC");
    tzset();
    SearchForm form = SearchForm::startingAt("/photos/");
    form.bySize = true;
    form.minKilobytes = 1;
    form.maxKilobytes = 3000000;
    form.byDate = true;
    form.from = form.to = QDate(2026, 12, 7);
    const browser::SearchCriteria criteria = form.criteria();
    EXPECT_EQ(criteria.finder.base, "/photos");
    EXPECT_EQ(criteria.finder.size->first, 1024);
    EXPECT_EQ(criteria.finder.size->second, 3072000000LL) << "past 32 bits";
    EXPECT_EQ(criteria.finder.modified->first, 1796601600) << "00:00 of the first day";
    EXPECT_EQ(criteria.finder.modified->second, 1796687999) << "23:59:59 of the last";
    EXPECT_FALSE(criteria.pixels.isOn());

    form.bySize = form.byDate = false;
    form.lookIn = "/";
    EXPECT_EQ(form.criteria().finder.base, "/");
    form.lookIn = "~/Pictures";
    EXPECT_EQ(QString::fromStdString(form.criteria().finder.base), QDir::homePath() + "/Pictures");
    EXPECT_FALSE(form.criteria().finder.size);
    EXPECT_FALSE(form.criteria().finder.modified);
    tzset();
}

TEST(SearchForm, TheCombosIndicesBecomeComparisons) {
    SearchForm form = SearchForm::startingAt("/p");
    form.byDimensions = true;
    form.widthCompare = 0;
    form.width = 1000;
    form.heightCompare = 2;
    form.height = 600;
    form.byColours = true;
    form.colourCompare = 1;
    form.depth = 4;
    const PixelCriteria pixels = form.criteria().pixels;
    ASSERT_TRUE(pixels.dimensions && pixels.colours);
    EXPECT_EQ(pixels.dimensions->widthCompare, PixelCriteria::Compare::Greater);
    EXPECT_EQ(pixels.dimensions->width, 1000);
    EXPECT_EQ(pixels.dimensions->heightCompare, PixelCriteria::Compare::Equal);
    EXPECT_EQ(pixels.colours->compare, PixelCriteria::Compare::Less);
    EXPECT_EQ(pixels.colours->depthIndex, 4);
}
