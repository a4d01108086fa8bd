#include "levelfile/bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "levelfile/little_endian.h"

namespace rw {

namespace {

uint8_t expand5(uint32_t v) {
    return static_cast<uint8_t>((v << 3) | (v >> 2));
}
uint8_t expand6(uint32_t v) {
    return static_cast<uint8_t>((v << 2) | (v >> 4));
}

uint8_t nearest_index(const Palette& palette, Rgb c) {
    int best = 0;
    int best_distance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const Rgb& p = palette[static_cast<size_t>(i)];
        const int dr = p.r - c.r, dg = p.g - c.g, db = p.b - c.b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < best_distance) {
            best_distance = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

}  // namespace

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
    set_size(width, height);
}

int Bitmap::bytes_per_pixel() const {
    switch (format_) {
        case PixelFormat::k8:
            return 1;
        case PixelFormat::k24:
            return 3;
        case PixelFormat::k32:
            return 4;
        default:
            return 2;
    }
}

void Bitmap::set_size(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_) *
                       static_cast<size_t>(bytes_per_pixel()),
                   0);
}

void Bitmap::set_format(PixelFormat format) {
    if (format == format_) return;
    Bitmap converted(width_, height_, format);
    converted.palette_ = palette_;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            converted.set_pixel(x, y, pixel(x, y));
    *this = std::move(converted);
}

uint16_t Bitmap::word_at(int x, int y) const {
    return load_le<uint16_t>(scan_line(y) + x * 2);
}

void Bitmap::set_word(int x, int y, uint16_t value) {
    store_le<uint16_t>(scan_line(y) + x * 2, value);
}

Rgb Bitmap::pixel(int x, int y) const {
    const uint8_t* p = scan_line(y) + x * bytes_per_pixel();
    switch (format_) {
        case PixelFormat::k8:
            return palette_[p[0]];
        case PixelFormat::k15: {
            const uint16_t v = load_le<uint16_t>(p);
            return {expand5((v >> 10) & 31u), expand5((v >> 5) & 31u), expand5(v & 31u)};
        }
        case PixelFormat::k16: {
            const uint16_t v = load_le<uint16_t>(p);
            return {expand5(v >> 11), expand6((v >> 5) & 63u), expand5(v & 31u)};
        }
        case PixelFormat::k24:
        case PixelFormat::k32:
            return {p[2], p[1], p[0]};
    }
    return {};
}

void Bitmap::set_pixel(int x, int y, Rgb c) {
    uint8_t* p = scan_line(y) + x * bytes_per_pixel();
    switch (format_) {
        case PixelFormat::k8:
            p[0] = nearest_index(palette_, c);
            break;
        case PixelFormat::k15:
            store_le<uint16_t>(
                p, static_cast<uint16_t>(((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3)));
            break;
        case PixelFormat::k16:
            store_le<uint16_t>(
                p, static_cast<uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3)));
            break;
        case PixelFormat::k24:
            p[0] = c.b, p[1] = c.g, p[2] = c.r;
            break;
        case PixelFormat::k32:
            p[0] = c.b, p[1] = c.g, p[2] = c.r, p[3] = 255;
            break;
    }
}

void Bitmap::fill(Rgb colour) {
    if (empty()) return;
    set_pixel(0, 0, colour);
    const int bpp = bytes_per_pixel();
    for (size_t at = static_cast<size_t>(bpp); at < pixels_.size(); at += static_cast<size_t>(bpp))
        std::memcpy(pixels_.data() + at, pixels_.data(), static_cast<size_t>(bpp));
}

void copy_rect(const Bitmap& source, int left, int top, int right, int bottom, Bitmap& target,
               int x, int y) {
    const bool same_format =
        source.format() == target.format() && source.format() != PixelFormat::k8;
    const int bpp = source.bytes_per_pixel();
    for (int sy = top; sy <= bottom; ++sy) {
        const int ty = y + sy - top;
        if (sy < 0 || sy >= source.height() || ty < 0 || ty >= target.height()) continue;
        // Clip the run to both pictures.
        const int from = std::max({left, 0, left - x});
        const int to = std::min({right, source.width() - 1, target.width() - 1 - x + left});
        if (from > to) continue;
        if (same_format) {
            std::memcpy(target.scan_line(ty) + (x + from - left) * bpp,
                        source.scan_line(sy) + from * bpp,
                        static_cast<size_t>((to - from + 1) * bpp));
        } else {
            for (int sx = from; sx <= to; ++sx)
                target.set_pixel(x + sx - left, ty, source.pixel(sx, sy));
        }
    }
}

void draw_scaled(const Bitmap& source, Bitmap& target, int x0, int y0, int x1, int y1) {
    const int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0 || source.empty()) return;
    const bool same_format =
        source.format() == target.format() && source.format() != PixelFormat::k8;
    const int bpp = source.bytes_per_pixel();
    for (int ty = std::max(y0, 0); ty < std::min(y1, target.height()); ++ty) {
        const int sy = static_cast<int>(static_cast<int64_t>(ty - y0) * source.height() / h);
        for (int tx = std::max(x0, 0); tx < std::min(x1, target.width()); ++tx) {
            const int sx = static_cast<int>(static_cast<int64_t>(tx - x0) * source.width() / w);
            if (same_format) {
                std::memcpy(target.scan_line(ty) + tx * bpp, source.scan_line(sy) + sx * bpp,
                            static_cast<size_t>(bpp));
            } else {
                target.set_pixel(tx, ty, source.pixel(sx, sy));
            }
        }
    }
}

void draw_line(Bitmap& target, int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        if (x >= 0 && y >= 0 && x < target.width() && y < target.height())
            target.set_pixel(x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
    }
}

Palette MakePalette(std::span<const uint8_t, 768> palette) {
    Palette result;
    for (size_t i = 0; i < 256; ++i) {
        result[i] = {static_cast<uint8_t>(palette[i * 3] * 4),
                     static_cast<uint8_t>(palette[i * 3 + 1] * 4),
                     static_cast<uint8_t>(palette[i * 3 + 2] * 4)};
    }
    return result;
}

namespace {

// The row transfer shared by both directions: which rows and how many bytes of each.
template <class Copy>
void transfer_rows(const Bitmap& bitmap, int n, size_t buffer_size, Copy copy) {
    const int row_bytes = bitmap.row_bytes();
    if (row_bytes <= 0 || n <= 0) return;
    const int rows = std::max(n / row_bytes, 1);
    const int bytes = std::min(n, row_bytes);
    for (int row = 0; row < rows && row < bitmap.height(); ++row) {
        const size_t at = static_cast<size_t>(row) * static_cast<size_t>(row_bytes);
        if (at >= buffer_size) return;
        copy(row, at, std::min(static_cast<size_t>(bytes), buffer_size - at));
    }
}

}  // namespace

void BitmapToBuffer(const Bitmap& bitmap, int n, std::span<uint8_t> buffer) {
    transfer_rows(bitmap, n, buffer.size(), [&](int row, size_t at, size_t bytes) {
        std::memcpy(buffer.data() + at, bitmap.scan_line(row), bytes);
    });
}

void BufferToBitmap(Bitmap& bitmap, int n, std::span<const uint8_t> buffer) {
    transfer_rows(bitmap, n, buffer.size(), [&](int row, size_t at, size_t bytes) {
        std::memcpy(bitmap.scan_line(row), buffer.data() + at, bytes);
    });
}

void MirrorBitmap(Bitmap& bitmap) {
    const Bitmap copy = bitmap;
    const int bpp = bitmap.bytes_per_pixel();
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            std::memcpy(bitmap.scan_line(y) + x * bpp,
                        copy.scan_line(y) + (bitmap.width() - 1 - x) * bpp,
                        static_cast<size_t>(bpp));
}

void FlipBitmap(Bitmap& bitmap) {
    const Bitmap copy = bitmap;
    for (int y = 0; y < bitmap.height(); ++y)
        std::memcpy(bitmap.scan_line(y), copy.scan_line(bitmap.height() - 1 - y),
                    static_cast<size_t>(bitmap.row_bytes()));
}

uint16_t convert_555_to_565(uint16_t c) {
    const uint32_t red = (c >> 10) & 31u, green = (c >> 5) & 31u, blue = c & 31u;
    return static_cast<uint16_t>(red * 2048 + green * 64 + blue);
}

void Convert555To565(Bitmap& bitmap) {
    if (bitmap.bytes_per_pixel() != 2) return;
    const int n = bitmap.width() * bitmap.height() * 2;
    std::vector<uint8_t> buffer(static_cast<size_t>(n));
    BitmapToBuffer(bitmap, n, buffer);
    for (size_t at = 0; at + 1 < buffer.size(); at += 2)
        store_le<uint16_t>(buffer.data() + at,
                           convert_555_to_565(load_le<uint16_t>(buffer.data() + at)));
    BufferToBitmap(bitmap, n, buffer);
}

}  // namespace rw
