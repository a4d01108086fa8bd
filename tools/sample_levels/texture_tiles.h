#pragma once
// The sample texture tiles and colour tables in every form the game versions store, and their
// placement into a level of a given version.

#include <array>
#include <cstdint>
#include <vector>

#include "levelfile/trlevel.h"

namespace rw::samples {

struct SampleTileSet {
    std::array<uint8_t, 768> palette{};     // 256 x red, green, blue, 0-63 each
    std::array<uint8_t, 1024> palette16{};  // 256 x red, green, blue (0-255), 0
    std::array<uint8_t, 8192> light_map{};  // 32 rows of 256 indices; row 0 is full light
    std::vector<uint8_t> tiles8;            // palette indices
    std::vector<uint8_t> tiles16;           // 1-5-5-5 with bit 15 set, little-endian
    std::vector<uint8_t> tiles32;           // blue, green, red, alpha
    std::vector<uint8_t> misc32;            // the misc tiles, blue, green, red, alpha
};

// Made once per process.
const SampleTileSet& sample_tile_set();

// The palette index of a shade of a tile picture.
constexpr uint8_t palette_index(int picture, int shade) {
    return static_cast<uint8_t>(1 + picture * 31 + shade);
}

// Fills the tile blocks, their sizes and counts, the palettes and the light map that the
// level's game_version stores.
void put_texture_tiles(Ttrlevel& level);

}  // namespace rw::samples
