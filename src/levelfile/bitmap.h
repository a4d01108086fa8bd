#pragma once
// A picture in memory with one of the pixel formats the editor's textures pass through: 8-bit
// palette indices, 15-bit (1-5-5-5), 16-bit (5-6-5), 24-bit (blue, green, red) and 32-bit (blue,
// green, red, alpha). Rows are stored top row first without padding. Only the windows convert
// these to toolkit images.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace rw {

enum class PixelFormat : uint8_t { k8, k15, k16, k24, k32 };

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

using Palette = std::array<Rgb, 256>;

class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, PixelFormat format);

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat format() const { return format_; }
    int bytes_per_pixel() const;
    int row_bytes() const { return width_ * bytes_per_pixel(); }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // Resizes to width x height, all pixels zero (black, or palette entry 0).
    void set_size(int width, int height);
    // Switches the pixel format, converting every pixel.
    void set_format(PixelFormat format);

    uint8_t* scan_line(int y) { return pixels_.data() + static_cast<size_t>(y) * row_bytes(); }
    const uint8_t* scan_line(int y) const {
        return pixels_.data() + static_cast<size_t>(y) * row_bytes();
    }
    std::span<uint8_t> bytes() { return pixels_; }
    std::span<const uint8_t> bytes() const { return pixels_; }

    Palette& palette() { return palette_; }
    const Palette& palette() const { return palette_; }

    // Colour of one pixel, and setting one from a colour (to the nearest the format holds;
    // 8-bit pictures take the palette entry's index as given by set_index).
    Rgb pixel(int x, int y) const;
    void set_pixel(int x, int y, Rgb colour);
    uint8_t index_at(int x, int y) const { return scan_line(y)[x]; }
    void set_index(int x, int y, uint8_t index) { scan_line(y)[x] = index; }
    // The raw 16-bit value of a 15- or 16-bit pixel.
    uint16_t word_at(int x, int y) const;
    void set_word(int x, int y, uint16_t value);

    void fill(Rgb colour);

  private:
    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::k16;
    std::vector<uint8_t> pixels_;
    Palette palette_{};
};

// Copies the rectangle of `source` with corners (left, top) and (right, bottom), both included,
// into `target` at (x, y). Pixels outside either picture are skipped.
void copy_rect(const Bitmap& source, int left, int top, int right, int bottom, Bitmap& target,
               int x = 0, int y = 0);

// Draws the whole of `source` scaled onto the rectangle (x0, y0)-(x1, y1) of `target`, right
// and bottom edges excluded, nearest pixel; the part outside `target` is cut off.
void draw_scaled(const Bitmap& source, Bitmap& target, int x0, int y0, int x1, int y1);

// A line from (x0, y0) towards (x1, y1), the end point itself not drawn.
void draw_line(Bitmap& target, int x0, int y0, int x1, int y1, Rgb colour);

// ---- The routines the texture code is built from ----

// 256 entries of a level's palette (0-63 per component) scaled to 0-252.
Palette MakePalette(std::span<const uint8_t, 768> palette);

// Copies n bytes of rows, top row first, from the bitmap into the buffer (rows = n / row bytes,
// at least one, a single short row when n is less than a row). Never copies more than the
// bitmap or the buffer holds.
void BitmapToBuffer(const Bitmap& bitmap, int n, std::span<uint8_t> buffer);
void BufferToBitmap(Bitmap& bitmap, int n, std::span<const uint8_t> buffer);

void MirrorBitmap(Bitmap& bitmap);  // left-right
void FlipBitmap(Bitmap& bitmap);    // top-bottom

// 1-5-5-5 pixels of a 16-bit bitmap to 5-6-5 (green moves up one bit, bit 15 dropped).
void Convert555To565(Bitmap& bitmap);
uint16_t convert_555_to_565(uint16_t c);

}  // namespace rw
