// What the full-screen viewer shows, step by step, and its pictures read ahead.
#include "browser/model/SlideShow.h"
#include "browser/model/ViewerPictures.h"

#include <QMutex>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using browser::SlideShow;

TEST(SlideShow, StepsStopAtTheEndsAndAPictureGoneGivesWayToTheNext) {
    SlideShow show({"/p/a.jpg", "/p/B.JPG", "/p/c.jpg"}, 1);
    EXPECT_EQ(show.shownPath(), "/p/B.JPG") << "it starts at the index given";
    EXPECT_TRUE(show.back());
    EXPECT_FALSE(show.back()) << "nothing before the first";
    EXPECT_TRUE(show.toLast());
    EXPECT_EQ(show.nextPath(), "");
    EXPECT_TRUE(show.forward());
    EXPECT_TRUE(show.isOnEndPicture());
    EXPECT_EQ(show.shownPath(), "") << "commands act on nothing here";
    EXPECT_FALSE(show.forward()) << "past the end does not keep counting";
    EXPECT_TRUE(show.back());
    EXPECT_EQ(show.shownPath(), "/p/c.jpg") << "one step back from the end is the last";
    EXPECT_TRUE(show.toFirst());
    EXPECT_EQ(show.nextPath(), "/p/B.JPG");

    EXPECT_EQ(SlideShow({"/p/a.jpg"}, 7).shownPath(), "/p/a.jpg") << "out of range: the first";

    // With a, b, c, d, deleting b shows c, the picture that took its place, not d.
    show = SlideShow({"a", "b", "c", "d"}, 1);
    ASSERT_TRUE(show.removeShown());
    EXPECT_EQ(show.shownPath(), "c");
    EXPECT_EQ(show.positionText(), "2 / 3");
    ASSERT_TRUE(show.toLast());
    ASSERT_TRUE(show.removeShown());
    EXPECT_TRUE(show.isOnEndPicture()) << "the last gone: the end picture";
    EXPECT_FALSE(show.removeShown()) << "nothing to take out on the end picture";
    EXPECT_EQ(show.paths(), (QStringList{"a", "c"}));
}

// The first picture is held until the user has stepped on; it is dropped when it comes. The
// one read ahead is shown at once, and read only once.
TEST(ViewerPictures, ReadAheadShowsAtOnceAndStalePicturesAreDropped) {
    QSemaphore release;
    QMutex lock;
    QStringList decoded;
    browser::ViewerPictures pictures(QSize(800, 600), [&](const QString& path, QSize) {
        if (path == "slow")
            release.acquire();
        QMutexLocker locked(&lock);
        decoded << path;
        return QImage(4, 3, QImage::Format_RGB32);
    });
    QSignalSpy ready(&pictures, &browser::ViewerPictures::ready);
    pictures.want("slow");
    pictures.want("quick");
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(ready.takeFirst().at(0).toString(), "quick");
    pictures.readAhead("next");
    QTRY_VERIFY(pictures.isKept("next"));
    pictures.want("next");
    ASSERT_EQ(ready.count(), 1) << "at once, from what was read ahead";
    EXPECT_EQ(ready.takeFirst().at(0).toString(), "next");
    release.release();
    // The worker must be done with this test's locals before they go.
    const auto decodedNow = [&] {
        QMutexLocker locked(&lock);
        return decoded;
    };
    QTRY_VERIFY(decodedNow().contains("slow"));
    QTest::qWait(50);
    EXPECT_TRUE(ready.isEmpty()) << "the slow one was stepped past";
    EXPECT_EQ(decodedNow().count("next"), 1);
}
