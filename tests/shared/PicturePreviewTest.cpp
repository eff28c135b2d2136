#include "shared/PicturePreview.h"
#include "shared/CBmpDialog.h"
#include "tests/support/Sandbox.h"

#include <QCheckBox>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using quillax::PicturePreview;

TEST(PicturePreview, ThumbnailFitsTheAreaBothWaysAndOnlyPicturesShow) {
    const QRect area(10, 20, 135, 125);
    const struct {
        QSize picture;
        QRect expected;
        const char* why;
    } rows[] = {
        {{1000, 1000}, {15, 20, 125, 125}, "square counts as upright: as tall, centred"},
        {{1000, 2000}, {46, 20, 62, 125}, "upright: width 125 x 1000 / 2000 = 62, left (135-62)/2"},
        {{2000, 1000}, {10, 49, 135, 67}, "wide: height 135 x 1000 / 2000 = 67, top (125-67)/2"},
        {{1010, 1000}, {14, 20, 126, 125}, "just wider: as wide would be 133 tall, so as tall"},
        {{5000, 1}, {10, 82, 135, 1}, "a line stays one pixel high"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PicturePreview::thumbnailRect(area, row.picture), row.expected) << row.why;

    // A file is read by that rule; one whose ending names no picture shows nothing.
    testsupport::Sandbox box;
    const QString photo = box.writePicture("Holiday Photo.JPG", 1200, 800);
    EXPECT_EQ(PicturePreview::thumbnailOf(photo).size(), QSize(135, 90))
        << "as wide as the area, 135 x 800 / 1200 high";

    const QString renamed = box.folder() + "photo.xyz";
    ASSERT_TRUE(QFile::copy(photo, renamed));
    EXPECT_EQ(PicturePreview::textsOf(renamed), PicturePreview::Texts{}) << "unknown ending";
}

TEST(PreviewLoader, OnlyTheNewestRequestIsHandedBack) {
    // The first decode is held until the user has moved on twice; the one passed over in
    // between is never decoded, and the held one is dropped.
    QSemaphore release;
    QStringList decoded;
    QMutex decodedLock;
    quillax::PreviewLoader loader(nullptr, [&](const QString& path) {
        if (path == "first")
            release.acquire();
        QMutexLocker lock(&decodedLock);
        decoded << path;
        return QImage(2, 2, QImage::Format_RGB32);
    });
    QSignalSpy loaded(&loader, &quillax::PreviewLoader::loaded);
    loader.request("first");
    loader.request("passed over");
    loader.request("last");
    release.release();
    ASSERT_TRUE(loaded.wait(5000));
    QTest::qWait(50);
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded.at(0).at(0).toString(), "last");
    QMutexLocker lock(&decodedLock);
    EXPECT_EQ(decoded, (QStringList{"first", "last"}));
}

TEST(CBmpDialog, SelectionFillsThePanelAndShowPreviewIsRemembered) {
    testsupport::Sandbox box;
    const QString photo = box.writePicture("photo.png", 300, 200);
    {
        quillax::CBmpDialog dialog(nullptr, "Add Photo");
        emit dialog.currentChanged(photo);
        EXPECT_EQ(dialog.panelTexts().first(), "Width: 300 pixels");
        QTRY_VERIFY(dialog.hasThumbnail());

        dialog.showPreviewBox()->setChecked(false);
        EXPECT_EQ(dialog.panelTexts(), (QStringList{"", "", "", ""}));
        EXPECT_FALSE(dialog.hasThumbnail());
    }
    quillax::CBmpDialog next;
    EXPECT_FALSE(next.showPreviewBox()->isChecked()) << "remembered for the run";
    emit next.currentChanged(photo);
    EXPECT_EQ(next.panelTexts(), (QStringList{"", "", "", ""}));
    next.showPreviewBox()->setChecked(true); // as it was, for the other tests

    // The folder a picture was chosen in is where the next dialog starts.
    next.selectFile(photo);
    next.accept();
    EXPECT_EQ(quillax::CBmpDialog(nullptr).directory().absolutePath(),
              QDir(box.folder()).absolutePath());
}
