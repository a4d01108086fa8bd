#include "levelfile/bitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace rw {
namespace {

TEST(Convert555To565, MovesGreenUpOneBitAndDropsBit15) {
    struct Case {
        uint16_t in, out;
    };
    const Case cases[] = {
        {0x7FFF, 0xFFDF}, {0x03E0, 0x07C0}, {0x7C00, 0xF800},
        {0x001F, 0x001F}, {0x8000, 0x0000}, {0xFFFF, 0xFFDF},
    };
    Bitmap bitmap(static_cast<int>(std::size(cases)), 1, PixelFormat::k16);
    for (int i = 0; i < bitmap.width(); ++i)
        bitmap.set_word(i, 0, cases[i].in);
    Convert555To565(bitmap);
    for (int i = 0; i < bitmap.width(); ++i) {
        SCOPED_TRACE(testing::Message() << std::hex << cases[i].in);
        EXPECT_EQ(bitmap.word_at(i, 0), cases[i].out);
    }
}

TEST(MakePalette, ScalesEachComponentByFour) {
    std::array<uint8_t, 768> raw{};
    raw[3] = 63, raw[4] = 0, raw[5] = 32;
    const Palette palette = MakePalette(raw);
    EXPECT_EQ(palette[1], (Rgb{252, 0, 128}));
    EXPECT_EQ(palette[0], (Rgb{0, 0, 0}));
}

Bitmap numbered_24bit(int w, int h) {
    Bitmap b(w, h, PixelFormat::k24);
    for (size_t i = 0; i < b.bytes().size(); ++i)
        b.bytes()[i] = static_cast<uint8_t>(i + 1);
    return b;
}

TEST(BitmapToBuffer, ACountShorterThanARowCopiesExactlyThatManyBytesOfRowZero) {
    const Bitmap b = numbered_24bit(4, 2);  // 12 bytes a row
    std::vector<uint8_t> buffer(24, 0xEE);
    BitmapToBuffer(b, 5, buffer);
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 5),
              (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(buffer[5], 0xEE);
}

TEST(BitmapToBuffer, CopiesWholeRowsOnlyAndNeverMoreThanTheBitmapOrBufferHold) {
    const Bitmap b = numbered_24bit(4, 2);
    std::vector<uint8_t> buffer(40, 0xEE);
    BitmapToBuffer(b, 20, buffer);  // one whole row; the part row is not copied
    EXPECT_EQ(buffer[11], 12);
    EXPECT_EQ(buffer[12], 0xEE);

    std::fill(buffer.begin(), buffer.end(), 0xEE);
    BitmapToBuffer(b, 36, buffer);  // three rows asked of a two-row bitmap
    EXPECT_EQ(buffer[23], 24);
    EXPECT_EQ(buffer[24], 0xEE);

    std::vector<uint8_t> small(8, 0xEE);
    BitmapToBuffer(b, 24, small);  // the buffer is shorter than the count
    EXPECT_EQ(small[7], 8);
}

TEST(BufferToBitmap, IsTheReverseOfBitmapToBuffer) {
    const Bitmap source = numbered_24bit(4, 3);
    std::vector<uint8_t> buffer(36);
    BitmapToBuffer(source, 36, buffer);
    Bitmap target(4, 3, PixelFormat::k24);
    BufferToBitmap(target, 36, buffer);
    EXPECT_TRUE(std::equal(source.bytes().begin(), source.bytes().end(), target.bytes().begin()));
}

TEST(MirrorAndFlip, TurnThePictureAboutTheMiddle) {
    Bitmap b(3, 2, PixelFormat::k16);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            b.set_word(x, y, static_cast<uint16_t>(10 * y + x));
    MirrorBitmap(b);
    EXPECT_EQ(b.word_at(0, 0), 2);
    EXPECT_EQ(b.word_at(2, 1), 10);
    FlipBitmap(b);
    EXPECT_EQ(b.word_at(0, 0), 12);
    EXPECT_EQ(b.word_at(2, 1), 0);
}

TEST(SetFormat, ConvertsPalettePicturesThroughTheirPalette) {
    Bitmap b(1, 1, PixelFormat::k8);
    b.palette()[7] = {252, 0, 128};
    b.set_index(0, 0, 7);
    b.set_format(PixelFormat::k16);
    EXPECT_EQ(b.word_at(0, 0), (31 << 11) | 16);
    b.set_format(PixelFormat::k24);
    EXPECT_EQ(b.pixel(0, 0), (Rgb{255, 0, 132}));
}

TEST(DrawScaled, CutsOffWhatFallsOutsideTheTarget) {
    Bitmap source(2, 2, PixelFormat::k24);
    source.set_pixel(0, 0, {10, 0, 0});
    source.set_pixel(1, 1, {20, 0, 0});
    Bitmap target(3, 3, PixelFormat::k24);
    draw_scaled(source, target, 0, 0, 4, 4);  // each source pixel becomes 2 x 2
    EXPECT_EQ(target.pixel(1, 1).r, 10);
    EXPECT_EQ(target.pixel(2, 2).r, 20);
}

}  // namespace
}  // namespace rw
