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
using testsupport::rgbGrid;

namespace {

uint32_t le32(const std::string& b, size_t at) {
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

// `file` with the 32-bit field at `at` set to `v`.
std::string with32(std::string file, size_t at, int32_t v) {
    return file.replace(at, 4, reinterpret_cast<const char*>(&v), 4);
}

} // namespace

TEST(BmpFile, TwoByTwoTrueColourPictureIs86Bytes) {
    testsupport::Sandbox box;
    const DibImage image = testsupport::picture24({{0x0000FF, 0x00FF00}, {0xFF0000, 0xFFFFFF}});
    ASSERT_TRUE(imaging::saveAsBmp(image, box.stdPath("two.bmp")));
    const std::string b = testsupport::readFile(box.path("two.bmp")).toStdString();
    ASSERT_EQ(b.size(), 86u);
    EXPECT_EQ(b.substr(0, 2), "BM");
    // The file's size, nothing reserved, the pixels after 16 reserved bytes, a 40-byte header
    // on disk, 2 x 2.
    const uint32_t fields[] = {86, 0, 70, 40, 2, 2};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(le32(b, 2 + 4 * i), fields[i]) << "at " << 2 + 4 * i;
    EXPECT_EQ(b.substr(54, 16), std::string(16, '\0'));
    // Bottom row first: (0xFF0000, 0xFFFFFF) as B, G, R.
    EXPECT_EQ(b.substr(70, 6), testsupport::bytes({0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(BmpFile, EveryDepthRoundTrips) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(testing::Message() << bits << " bits");
        const DibImage image = testsupport::everyValuePicture(bits);
        const std::string file = imaging::encodeBmp(image);
        if (bits == 8) { // 13 x 7: the whole table of 256 entries of 4 bytes, rows of 16 bytes
            EXPECT_EQ(le32(file, 10), 54u + 1024);
            EXPECT_EQ(file.size(), 54u + 1024 + 7 * 16);
        }
        const auto header = imaging::peekBmp(asSpan(file.substr(0, 54)));
        ASSERT_TRUE(header) << "the header alone tells size and depth";
        EXPECT_EQ(std::tuple(header->width, header->height, header->bitsPerPixel),
                  std::tuple(13, 7, bits));
        const auto back = imaging::decodeBmp(asSpan(file));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->bitsPerPixel(), bits);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x)
                ASSERT_EQ(back->pixelColour(x, y), image.pixelColour(x, y)) << x << "," << y;
    }
}

TEST(BmpFile, ReadsTopDownRunLengthAndBitFieldFiles) {
    // A top-down file: negative height, rows swapped.
    const DibImage image = testsupport::picture24({{0x112233, 0x445566}, {0x778899, 0xAABBCC}});
    std::string b = with32(imaging::encodeBmp(image), 22, -2);
    std::swap_ranges(b.begin() + 70, b.begin() + 78, b.begin() + 78);
    auto back = imaging::decodeBmp(asSpan(b));
    ASSERT_TRUE(back);
    EXPECT_EQ(rgbGrid(*back), rgbGrid(image));

    // Bottom row three of colour 1 (red) and one of colour 2 (green), top row absolute 2, 1, 2, 1.
    back = imaging::decodeBmp(asSpan(testsupport::rle8Bmp()));
    ASSERT_TRUE(back);
    EXPECT_EQ(rgbGrid(*back), (std::vector<uint32_t>{0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000,
                                                     0xFF0000, 0xFF0000, 0xFF0000, 0x00FF00}));

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

TEST(BmpFile, CutShortAndOversizedFilesAreRefused) {
    const std::string good = imaging::encodeBmp(testsupport::pattern24(17, 9));
    ASSERT_TRUE(imaging::decodeBmp(asSpan(good)));
    for (size_t cut = 0; cut + 1 < good.size(); cut += 7)
        EXPECT_FALSE(imaging::decodeBmp(asSpan(good.substr(0, cut)))) << "cut at " << cut;
    EXPECT_FALSE(imaging::decodeBmp(asSpan(with32(with32(good, 18, 100000), 22, 100000))));

    // Found by fuzzing: 0 bits per pixel need no pixel data, so a header alone claiming
    // 3560 x 19712 pixels passed the size check and became a 70-megapixel picture.
    std::string depthless = with32(with32(good, 18, 3560), 22, 19712);
    depthless[28] = depthless[29] = 0;
    EXPECT_FALSE(imaging::decodeBmp(asSpan(depthless)));
    EXPECT_FALSE(imaging::peekBmp(asSpan(depthless)));

    EXPECT_FALSE(imaging::readBmp("/no/such/file.bmp"));
    // Found by fuzzing the project reader: a folder opens, and its end lies past any memory.
    EXPECT_FALSE(imaging::readBmp("/tmp"));
    EXPECT_FALSE(imaging::readBmp("/dev/zero")) << "nor is a device read";
}

TEST(BmpFile, AFailedWriteKeepsThePreviousFileAndSaysSo) {
    testsupport::Sandbox box;
    EXPECT_FALSE(imaging::saveAsBmp(DibImage(), box.stdPath("empty.bmp")));
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
