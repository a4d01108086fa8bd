#include "texture_tiles.h"

#include <iterator>

#include "levelfile/little_endian.h"
#include "pictures.h"
#include "sample_contents.h"

namespace rw::samples {

namespace {

static_assert(1 + kSampleTileCount * kShades <= 249, "the tile pictures share one palette");
constexpr int kFirstGrey = 249;

void put_colour(SampleTileSet& set, int index, Rgb c) {
    const auto i = static_cast<size_t>(index);
    set.palette[i * 3] = static_cast<uint8_t>(c.red >> 2);
    set.palette[i * 3 + 1] = static_cast<uint8_t>(c.green >> 2);
    set.palette[i * 3 + 2] = static_cast<uint8_t>(c.blue >> 2);
    set.palette16[i * 4] = c.red;
    set.palette16[i * 4 + 1] = c.green;
    set.palette16[i * 4 + 2] = c.blue;
}

void make_palettes(SampleTileSet& set) {
    for (int p = 0; p < kSampleTileCount; ++p) {
        for (int s = 0; s < kShades; ++s)
            put_colour(set, palette_index(p, s), shade_colour(p, s));
    }
    // Dark greys, so that the light map's darker rows find colours to turn to.
    constexpr uint8_t kGreys[] = {4, 8, 16, 24, 36, 48, 64};
    static_assert(std::size(kGreys) == 256 - kFirstGrey);
    for (int i = kFirstGrey; i < 256; ++i) {
        const uint8_t g = kGreys[i - kFirstGrey];
        put_colour(set, i, {g, g, g});
    }
}

// Row L maps each colour to the palette colour nearest to it darkened by L / 32. Index 0 stays 0.
void make_light_map(SampleTileSet& set) {
    for (int row = 0; row < 32; ++row) {
        for (int i = 1; i < 256; ++i) {
            int target[3];
            for (int k = 0; k < 3; ++k)
                target[k] = set.palette[static_cast<size_t>(i * 3 + k)] * (32 - row) / 32;
            int best = 1, best_distance = 1 << 30;
            for (int j = 1; j < 256; ++j) {
                int distance = 0;
                for (int k = 0; k < 3; ++k) {
                    const int d = set.palette[static_cast<size_t>(j * 3 + k)] - target[k];
                    distance += d * d;
                }
                if (distance < best_distance) {
                    best_distance = distance;
                    best = j;
                }
            }
            set.light_map[static_cast<size_t>(row * 256 + i)] = static_cast<uint8_t>(best);
        }
    }
}

uint16_t pixel16(Rgb c) {
    return static_cast<uint16_t>(0x8000 | (c.red >> 3) << 10 | (c.green >> 3) << 5 | c.blue >> 3);
}

void append_pixel32(std::vector<uint8_t>& out, Rgb c) {
    out.insert(out.end(), {c.blue, c.green, c.red, 255});
}

void make_tiles(SampleTileSet& set) {
    set.tiles8.reserve(kSampleTileCount * kTilePixels);
    set.tiles16.resize(static_cast<size_t>(kSampleTileCount) * kTilePixels * 2);
    set.tiles32.reserve(static_cast<size_t>(kSampleTileCount) * kTilePixels * 4);
    size_t at16 = 0;
    for (int p = 0; p < kSampleTileCount; ++p) {
        for (const uint8_t shade : picture_shades(p)) {
            const Rgb c = shade_colour(p, shade);
            set.tiles8.push_back(palette_index(p, shade));
            store_le<uint16_t>(set.tiles16.data() + at16, pixel16(c));
            at16 += 2;
            append_pixel32(set.tiles32, c);
        }
    }
    for (const int p : {kSkyPicture, kGridPicture}) {
        for (const uint8_t shade : picture_shades(p))
            append_pixel32(set.misc32, shade_colour(p, shade));
    }
}

}  // namespace

const SampleTileSet& sample_tile_set() {
    static const SampleTileSet set = [] {
        SampleTileSet s;
        make_palettes(s);
        make_light_map(s);
        make_tiles(s);
        return s;
    }();
    return set;
}

void put_texture_tiles(Ttrlevel& level) {
    const SampleTileSet& set = sample_tile_set();
    const int32_t version = level.game_version;
    level.num_textiles = kSampleTileCount;
    level.textile8_bytes = static_cast<uint32_t>(kSampleTileCount * kTileBytes8);
    if (version <= kTR3) {
        level.textile8 = set.tiles8;
        level.palette = set.palette;
        level.light_map = set.light_map;
    }
    if (version >= kTR2) level.textile16 = set.tiles16;
    if (version >= kTR2 && version <= kTR3) level.palette16 = set.palette16;
    if (version >= kTR4) {
        level.num_room_textiles = kSampleRoomTiles;
        level.num_obj_textiles = kSampleObjectTiles;
        level.num_bump_textiles = 0;
        level.textile32 = set.tiles32;
        level.textile32_size = static_cast<uint32_t>(set.tiles32.size());
        level.textile16_size = static_cast<uint32_t>(set.tiles16.size());
        level.misc_textile = set.misc32;
        level.misc_textile_size = static_cast<uint32_t>(set.misc32.size());
    }
}

}  // namespace rw::samples
