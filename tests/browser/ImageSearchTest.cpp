// A search from end to end: pictures only, the header tests, and the search thread.
#include "browser/model/ImageSearch.h"
#include "browser/model/SearchForm.h"
#include "tests/support/Sandbox.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using browser::FoundImage;
using browser::ImageSearch;
using browser::SearchForm;

namespace {

class Search : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::writeFile(box.path("tree/broken.jpg"), "not a picture"));
        ASSERT_TRUE(testsupport::writeFile(box.path("tree/notes.txt"), "a picture of words"));
        box.writePicture("tree/wide/Exactly100.JPG", 100, 50);
        box.writePicture("tree/wide/narrow.jpg", 99, 50);
        QImage mono(40, 30, QImage::Format_Mono);
        mono.fill(1);
        ASSERT_TRUE(mono.save(box.path("tree/mono.png")));
        QImage sixteen(40, 30, QImage::Format_Indexed8);
        sixteen.setColorTable(QList<QRgb>(16, qRgb(200, 0, 0)));
        sixteen.fill(3);
        ASSERT_TRUE(sixteen.save(box.path("tree/sixteen.png")));
    }
    SearchForm form() const {
        SearchForm f = SearchForm::startingAt(box.path("tree"));
        f.named = "";
        return f;
    }
    // The names found, sorted.
    QStringList names(const SearchForm& f) const {
        QStringList found;
        std::atomic<bool> stop{false};
        ImageSearch::searchTree(f.criteria(), stop,
                                {{}, [&](FoundImage&& image) { found << image.name(); }});
        found.sort();
        return found;
    }

    testsupport::Sandbox box;
};

} // namespace

TEST_F(Search, OnlyPicturesAreListedAndTheHeaderTestsReadWhatTheFileStores) {
    EXPECT_EQ(names(form()), (QStringList{"Exactly100.JPG", "broken.jpg", "mono.png", "narrow.jpg",
                                          "sixteen.png"}))
        << "without header tests a picture's name is enough";

    // Width "<" 1000 and, as the combos start, height ">" 0: with the two comparisons or the
    // two bounds swapped no picture would pass, and a file read as 0 x 0 would.
    SearchForm small = form();
    small.byDimensions = true;
    small.widthCompare = 1; // "<"
    small.width = 1000;
    EXPECT_EQ(names(small),
              (QStringList{"Exactly100.JPG", "mono.png", "narrow.jpg", "sixteen.png"}))
        << "the broken file has no width to be under 1000";

    // The colour test reads the depth the file stores.
    SearchForm mono = form();
    mono.byColours = true;
    mono.colourCompare = 2; // "=" monochromatic
    EXPECT_EQ(names(mono), QStringList{"mono.png"});

    SearchForm fewer = form();
    fewer.byColours = true;
    fewer.colourCompare = 1; // "<"
    fewer.depth = 4;         // 24 bit, which the JPEGs are
    EXPECT_EQ(names(fewer), (QStringList{"mono.png", "sixteen.png"}));
}

// Results come from the search thread (spelled as on disk, as the dialog's test tells), and the
// end is said once.
TEST_F(Search, RunsOnItsOwnThreadAndSaysWhenItEnds) {
    ImageSearch search;
    QSignalSpy finished(&search, &ImageSearch::finished);
    QStringList found;
    QObject::connect(&search, &ImageSearch::imagesFound, [&](const QList<FoundImage>& images) {
        for (const FoundImage& image : images)
            found << image.path;
    });
    search.start(form().criteria());
    EXPECT_TRUE(search.isRunning());
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(search.isRunning());
    EXPECT_EQ(found.size(), 5);

    // Cancelled at once: it ends there, once, and a late result from its thread goes nowhere.
    // The end of each search is counted: a second end of the first would show here too.
    found.clear();
    search.start(form().criteria());
    search.cancel();
    EXPECT_FALSE(search.isRunning());
    EXPECT_EQ(finished.size(), 2);
    const qsizetype kept = found.size();
    QTest::qWait(300);
    EXPECT_EQ(found.size(), kept);
    EXPECT_EQ(finished.size(), 2);

    // The dialog may close in the middle of a search; the thread ends by itself later.
    auto closing = std::make_unique<ImageSearch>();
    closing->start(form().criteria());
    closing.reset();
    QTest::qWait(300);
}
