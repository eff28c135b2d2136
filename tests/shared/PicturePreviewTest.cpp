#include "shared/PicturePreview.h"
#include "shared/CBmpDialog.h"
#include "shared/PreviewLoader.h"
#include "tests/support/Sandbox.h"

#include <QCheckBox>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

using quillax::PicturePreview;

TEST(PicturePreview, TextsFollowTheHeaderAndTheFileSize) {
    const PicturePreview::Texts texts = PicturePreview::textsFor({640, 480, 24}, 3000);
    EXPECT_EQ(texts, (PicturePreview::Texts{"Width: 640 pixels", "Height: 480 pixels",
                                            "Colors: 16 millions", "Size: 2 Kb"}))
        << "3000 bytes are 2 whole kilobytes of 1024";
    EXPECT_EQ(PicturePreview::textsFor({}, 3000), PicturePreview::Texts{}) << "no header";
    EXPECT_EQ(PicturePreview::textsFor({1, 1, 8}, 1023).size, "Size: 0 Kb");

    const std::pair<int, const char*> colours[] = {
        {4, "Colors: 16"},          {1, "Colors: 2 (monocromatic)"},
        {8, "Colors: 256"},         {32, ""},
        {16, "Colors: 65,536"},     {2, ""},
        {24, "Colors: 16 millions"}};
    for (const auto& [bits, text] : colours)
        EXPECT_EQ(PicturePreview::colourText(bits), text) << bits;
}

TEST(PicturePreview, ThumbnailFitsTheAreaBothWays) {
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
}

TEST(PicturePreview, FilesThatAreNoPictureShowNothing) {
    testsupport::Sandbox box;
    const QString photo = box.writePicture("Holiday Photo.JPG", 1200, 800);
    const PicturePreview::Texts texts = PicturePreview::textsOf(photo);
    EXPECT_EQ(texts.width, "Width: 1200 pixels");
    EXPECT_EQ(texts.colours, "Colors: 16 millions");
    EXPECT_EQ(PicturePreview::thumbnailOf(photo).size(), QSize(135, 90))
        << "as wide as the area, 135 x 800 / 1200 high";

    const QString renamed = box.folder() + "photo.xyz";
    ASSERT_TRUE(QFile::copy(photo, renamed));
    EXPECT_EQ(PicturePreview::textsOf(renamed), PicturePreview::Texts{}) << "unknown ending";

    // A FIFO never ends a read: it must be refused before it is opened for one.
    const QString fifo = box.path("pipe.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(PicturePreview::textsOf(fifo), PicturePreview::Texts{});
    EXPECT_TRUE(PicturePreview::thumbnailOf(fifo).isNull());
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
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"All Files (*.*)", "Bitmaps (*.bmp)",
                                                     "JPEG (*.jpg)", "CompuServe GIF(*.gif)"}));
        emit dialog.currentChanged(photo);
        EXPECT_EQ(dialog.panelTexts(), (QStringList{"Width: 300 pixels", "Height: 200 pixels",
                                                    "Colors: 16 millions", "Size: 0 Kb"}));
        QTRY_VERIFY(dialog.hasThumbnail());

        dialog.showPreviewBox()->setChecked(false);
        EXPECT_EQ(dialog.panelTexts(), (QStringList{"", "", "", ""}));
        EXPECT_FALSE(dialog.hasThumbnail());
    }
    quillax::CBmpDialog next;
    EXPECT_FALSE(next.showPreviewBox()->isChecked()) << "remembered for the run";
    emit next.currentChanged(photo);
    EXPECT_EQ(next.panelTexts(), (QStringList{"", "", "", ""}));
    next.showPreviewBox()->setChecked(true);
    EXPECT_TRUE(quillax::CBmpDialog::previewShown());

    // The folder a picture was chosen in is where the next dialog starts.
    next.selectFile(photo);
    next.accept();
    EXPECT_EQ(quillax::CBmpDialog(nullptr).directory().absolutePath(),
              QDir(box.folder()).absolutePath());
}
