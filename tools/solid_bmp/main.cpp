// Writes solid.bmp, the picture the editor's solid mode puts on every face, as a 24-bit BMP.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "levelfile/little_endian.h"
#include "view/editor_textures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: solid_bmp OUTPUT.bmp\n");
        return 2;
    }
    const rw::Bitmap picture = rw::solid_picture();
    const int w = picture.width(), h = picture.height();
    const int row_bytes = (w * 3 + 3) / 4 * 4;
    const uint32_t pixel_bytes = static_cast<uint32_t>(row_bytes * h);
    std::vector<uint8_t> file(54 + pixel_bytes, 0);
    auto put16 = [&](size_t at, uint16_t v) { rw::store_le<uint16_t>(file.data() + at, v); };
    auto put32 = [&](size_t at, uint32_t v) { rw::store_le<uint32_t>(file.data() + at, v); };
    file[0] = 'B', file[1] = 'M';
    put32(2, 54 + pixel_bytes);
    put32(10, 54);
    put32(14, 40);  // BITMAPINFOHEADER
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));  // rows stored bottom row first
    put16(26, 1);
    put16(28, 24);
    put32(34, pixel_bytes);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = file.data() + 54 + static_cast<size_t>((h - 1 - y) * row_bytes);
        for (int x = 0; x < w; ++x) {
            const rw::Rgb c = picture.pixel(x, y);
            row[x * 3] = c.b, row[x * 3 + 1] = c.g, row[x * 3 + 2] = c.r;
        }
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return out ? 0 : 1;
}
