// The full-screen preview on the offscreen screen: the page comes up whole and centred,
// keys and clicks close it only once it is shown, and dragging zooms.
#include "editor/ui/FullScreenPreview.h"
#include "imaging/DibImage.h"
#include "shared/DibConversion.h"
#include "tests/support/Pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Whether the page stands whole at the centre of what the window shows.
bool showsWhole(const editor::FullScreenPreview& preview, const QImage& page) {
    const QImage& shown = preview.screenPicture();
    const QPoint at((shown.width() - page.width()) / 2, (shown.height() - page.height()) / 2);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if ((shown.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) != (page.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

} // namespace

TEST(FullScreenPreview, ThePageComesUpWholeAndGoesOnlyOnceShown) {
    const imaging::DibImage page = testsupport::pattern24(120, 20);
    const QImage expected = quillax::toQImage(page).convertToFormat(QImage::Format_RGB32);
    // Each of the six, with its real waits: about four seconds in all on this small page.
    for (int transition = 0; transition < 6; ++transition) {
        editor::FullScreenPreview preview(page, QGuiApplication::primaryScreen());
        preview.setTransition(transition);
        preview.show();
        QTest::keyClick(&preview, Qt::Key_Escape);
        EXPECT_TRUE(preview.isVisible()) << "a key before the page is shown is lost";
        preview.tick();
        EXPECT_TRUE(showsWhole(preview, expected)) << "transition " << transition;
        const QPoint centre = preview.rect().center();
        QTest::mouseClick(&preview, Qt::LeftButton, {}, centre);
        EXPECT_FALSE(preview.isVisible()) << "a click closes it now";
    }
}

TEST(FullScreenPreview, ALargePageIsReducedAndZoomsWhenDragged) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    editor::FullScreenPreview preview(testsupport::pattern24(screen.width() * 2, 50),
                                      QGuiApplication::primaryScreen());
    preview.setTransition(4);
    preview.show();
    preview.tick();
    ASSERT_NE(preview.zoomView(), nullptr);
    // A drag towards the centre zooms out from 2.0 to 1.0: the fitted page again.
    const QPoint centre(screen.width() / 2, screen.height() / 2);
    QTest::mousePress(&preview, Qt::LeftButton, {}, centre + QPoint(100, 100));
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, centre + QPoint(50, 50));
    EXPECT_EQ(preview.zoomView()->zoom(), 1.0);
    EXPECT_TRUE(preview.isVisible());
    QTest::mouseClick(&preview, Qt::RightButton, {}, centre);
    EXPECT_FALSE(preview.isVisible()) << "a right click closes it";
}
