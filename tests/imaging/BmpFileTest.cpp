#include "imaging/BmpFile.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>
#include <tuple>

using imaging::DibImage;
using testsupport::asSpan;

namespace {

uint32_t le32(const std::string& b, size_t at) {
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

} // namespace

TEST(BmpFile, TwoByTwoTrueColourPictureIs86Bytes) {
    testsupport::Sandbox box;
    const DibImage image = testsupport::picture24({{0x0000FF, 0x00FF00}, {0xFF0000, 0xFFFFFF}});
    ASSERT_TRUE(imaging::saveAsBmp(image, box.stdPath("two.bmp")));
    const std::string b = testsupport::readFile(box.path("two.bmp")).toStdString();
    ASSERT_EQ(b.size(), 86u);
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(le32(b, 2), 86u);
    EXPECT_EQ(le32(b, 6), 0u);
    EXPECT_EQ(le32(b, 10), 70u) << "pixels after the 16 reserved bytes";
    EXPECT_EQ(le32(b, 14), 40u) << "a 40-byte header on disk";
    EXPECT_EQ(le32(b, 18), 2u);
    EXPECT_EQ(le32(b, 22), 2u);
    EXPECT_EQ(b.substr(54, 16), std::string(16, '\0'));
    // Bottom row first: (0xFF0000, 0xFFFFFF) as B, G, R.
    EXPECT_EQ(uint8_t(b[70]), 0x00);
    EXPECT_EQ(uint8_t(b[72]), 0xFF);
    EXPECT_EQ(uint8_t(b[73]), 0xFF);
}

TEST(BmpFile, PaletteFilesCarryTheirWholeColourTable) {
    // 13 x 7 at 8 bits: rows of 16 bytes, after 256 entries of 4 bytes.
    const std::string b = imaging::encodeBmp(testsupport::everyValuePicture(8));
    EXPECT_EQ(b.size(), 54u + 1024 + 7 * 16);
    EXPECT_EQ(le32(b, 10), 54u + 1024);
}

TEST(BmpFile, EveryDepthRoundTrips) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const DibImage image = testsupport::everyValuePicture(bits);
        const std::string file = imaging::encodeBmp(image);
        const auto header = imaging::peekBmp(asSpan(file.substr(0, 54)));
        ASSERT_TRUE(header) << "the header alone tells size and depth";
        EXPECT_EQ(std::tuple(header->width, header->height, header->bitsPerPixel),
                  std::tuple(13, 7, bits));
        const auto back = imaging::decodeBmp(asSpan(file));
        ASSERT_TRUE(back) << bits << " bits";
        EXPECT_EQ(back->bitsPerPixel(), bits);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x)
                ASSERT_EQ(back->pixelColour(x, y), image.pixelColour(x, y))
                    << bits << " bits at " << x << "," << y;
    }
}

TEST(BmpFile, ReadsTopDownFilesAndUnusualBitFields) {
    DibImage image = testsupport::picture24({{0x112233, 0x445566}, {0x778899, 0xAABBCC}});
    std::string b = imaging::encodeBmp(image);
    // Turn it into a top-down file: negative height, rows swapped.
    const int32_t negative = -2;
    std::memcpy(b.data() + 22, &negative, 4);
    std::string top = b.substr(70, 8), bottom = b.substr(78, 8);
    b.replace(70, 8, bottom);
    b.replace(78, 8, top);
    auto back = imaging::decodeBmp(asSpan(b));
    ASSERT_TRUE(back);
    EXPECT_EQ(testsupport::rgbGrid(*back), testsupport::rgbGrid(image));

    // 32 bits with the red and blue masks exchanged.
    DibImage masked;
    const imaging::BitMasks swapped{0x000000FF, 0x0000FF00, 0x00FF0000};
    ASSERT_TRUE(masked.create(1, 1, 32, imaging::kBitFields, &swapped));
    masked.row(0)[0] = 0x10; // red under these masks
    masked.row(0)[2] = 0x30; // blue
    back = imaging::decodeBmp(asSpan(imaging::encodeBmp(masked)));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bitsPerPixel(), 24);
    EXPECT_EQ(testsupport::rgbAt(*back, 0, 0), 0x100030u);
}

TEST(BmpFile, ReadsRunLengthEncodedPalettePictures) {
    // 4 x 2, 8 bits: bottom row "3 x colour 1, 1 x colour 2", top row absolute 2,1,2,1.
    const std::string b = testsupport::rle8Bmp();
    const auto back = imaging::decodeBmp(asSpan(b));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixelValue(0, 1), 1u);
    EXPECT_EQ(back->pixelValue(3, 1), 2u);
    EXPECT_EQ(back->pixelValue(0, 0), 2u);
    EXPECT_EQ(back->pixelValue(1, 0), 1u);
}

TEST(BmpFile, CutShortAndOversizedFilesAreRefused) {
    const std::string good = imaging::encodeBmp(testsupport::pattern24(17, 9));
    ASSERT_TRUE(imaging::decodeBmp(asSpan(good)));
    for (size_t cut = 0; cut + 1 < good.size(); cut += 7)
        EXPECT_FALSE(imaging::decodeBmp(asSpan(good.substr(0, cut)))) << "cut at " << cut;

    std::string huge = good;
    const int32_t side = 100000;
    std::memcpy(huge.data() + 18, &side, 4);
    std::memcpy(huge.data() + 22, &side, 4);
    EXPECT_FALSE(imaging::decodeBmp(asSpan(huge)));

    // Found by fuzzing: 0 bits per pixel need no pixel data, so a header alone claiming
    // 3560 x 19712 pixels passed the size check and became a 70-megapixel picture.
    std::string depthless = good;
    const int32_t wide = 3560, tall = 19712;
    std::memcpy(depthless.data() + 18, &wide, 4);
    std::memcpy(depthless.data() + 22, &tall, 4);
    depthless[28] = depthless[29] = 0;
    EXPECT_FALSE(imaging::decodeBmp(asSpan(depthless)));
    EXPECT_FALSE(imaging::peekBmp(asSpan(depthless)));

    EXPECT_FALSE(imaging::decodeBmp(asSpan(std::string("BM"))));
    EXPECT_FALSE(imaging::readBmp("/no/such/file.bmp"));
    // Found by fuzzing the project reader: a folder opens, and its end lies past any memory.
    EXPECT_FALSE(imaging::readBmp("/tmp"));
    EXPECT_FALSE(imaging::readBmp("/dev/zero")) << "nor is a device read";
}

TEST(BmpFile, AFailedWriteKeepsThePreviousFileAndSaysSo) {
    testsupport::Sandbox box;
    const DibImage empty;
    EXPECT_FALSE(imaging::saveAsBmp(empty, box.stdPath("empty.bmp")));
    EXPECT_FALSE(QFile::exists(box.path("empty.bmp")));

    EXPECT_FALSE(
        imaging::saveAsBmp(testsupport::solid24(2, 2, 0), box.stdPath("missing-folder/x.bmp")));

    // A name of 255 bytes, the most a file system takes: the ".part" written beside it first
    // cannot be made, so this write fails, and the file of that name must stay as it was.
    const QString kept = box.path(QString(251, 'k') + ".bmp");
    ASSERT_TRUE(testsupport::writeFile(kept, "the previous picture"));
    EXPECT_FALSE(imaging::saveAsBmp(testsupport::solid24(5, 5, 0x654321), kept.toStdString()));
    EXPECT_EQ(testsupport::readFile(kept), "the previous picture");
}
