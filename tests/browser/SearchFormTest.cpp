// From the search dialog's fields to what the search tests. The combos' indices are told by the
// whole searches of ImageSearch's tests, where a wrong comparison finds other pictures.
#include "browser/model/SearchForm.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <gtest/gtest.h>
#include <time.h>

using browser::SearchForm;

TEST(SearchForm, SizesAreKilobytesOf1024BytesDatesCoverWholeDaysAndAFolderIsNeeded) {
    EXPECT_EQ(SearchForm::startingAt("  ").problem(), "Please choose a folder to look in.")
        << "an empty field would search the whole disk";
    SearchForm form = SearchForm::startingAt("/photos/");
    EXPECT_EQ(form.problem(), "");
    form.bySize = true;
    form.minKilobytes = 1;
    form.maxKilobytes = 3000000;
    form.byDate = true;
    form.from = form.to = QDate(2026, 12, 7);
    {
        const testsupport::ScopedEnv utc("TZ", "UTC");
        tzset();
        const browser::SearchCriteria criteria = form.criteria();
        EXPECT_EQ(criteria.finder.base, "/photos");
        EXPECT_EQ(criteria.finder.size->first, 1024);
        EXPECT_EQ(criteria.finder.size->second, 3072000000LL) << "past 32 bits";
        EXPECT_EQ(criteria.finder.modified->first, 1796601600) << "00:00 of the first day";
        EXPECT_EQ(criteria.finder.modified->second, 1796687999) << "23:59:59 of the last";
    }
    tzset(); // back to the machine's own zone for the tests after this one

    form.bySize = form.byDate = false;
    form.lookIn = "/";
    EXPECT_EQ(form.criteria().finder.base, "/");
    form.lookIn = "Pictures";
    EXPECT_EQ(QString::fromStdString(form.criteria().finder.base), QDir::homePath() + "/Pictures")
        << "a relative folder starts at home";
    EXPECT_FALSE(form.criteria().finder.size);
    EXPECT_FALSE(form.criteria().finder.modified);
}
