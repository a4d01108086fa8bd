#pragma once
// In-memory base levels for the texture and mesh tests: tiles of known pixels, object textures
// placed by rectangle, meshes assembled word by word.

#include <cstdint>
#include <functional>
#include <vector>

#include "levelfile/trlevel.h"

namespace rw::test {

// A 1-5-5-5 pixel.
inline uint16_t rgb555(int r, int g, int b) {
    return static_cast<uint16_t>((r << 10) | (g << 5) | b);
}

// Gives a 16-bit level `tiles` tiles whose pixels come from `pixel` (tile, x, y).
inline void set_tiles16(Ttrlevel& level, int tiles,
                        const std::function<uint16_t(int, int, int)>& pixel) {
    level.num_textiles = tiles;
    level.textile16.assign(static_cast<size_t>(tiles) * kTileBytes16, 0);
    for (int t = 0; t < tiles; ++t) {
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const uint16_t v = pixel(t, x, y);
                const size_t at = (static_cast<size_t>(t) * 65536 + static_cast<size_t>(y) * 256 +
                                   static_cast<size_t>(x)) *
                                  2;
                level.textile16[at] = static_cast<uint8_t>(v);
                level.textile16[at + 1] = static_cast<uint8_t>(v >> 8);
            }
        }
    }
}

inline tr_texture_corner corner(uint8_t xc, uint8_t xp, uint8_t yc, uint8_t yp) {
    return {xc, xp, yc, yp};
}

// A quad texture covering w x h pixels from (x, y) of `tile`; mirrored left-right when
// `mirror_x`, so that corner 1 lies on the right.
inline tr_object_texture quad_texture(int tile, int x, int y, int w, int h, bool mirror_x = false) {
    tr_object_texture t{};
    t.tile = static_cast<uint16_t>(tile);
    const auto l = static_cast<uint8_t>(x), r = static_cast<uint8_t>(x + w - 1);
    const auto top = static_cast<uint8_t>(y), bottom = static_cast<uint8_t>(y + h - 1);
    if (!mirror_x) {
        t.corners = {corner(1, l, 1, top), corner(255, r, 1, top), corner(255, r, 255, bottom),
                     corner(1, l, 255, bottom)};
    } else {
        t.corners = {corner(255, r, 1, top), corner(1, l, 1, top), corner(1, l, 255, bottom),
                     corner(255, r, 255, bottom)};
    }
    return t;
}

// A triangle over the upper-left half of the w x h rectangle at (x, y).
inline tr_object_texture triangle_texture(int tile, int x, int y, int w, int h) {
    tr_object_texture t{};
    t.tile = static_cast<uint16_t>(tile);
    const auto l = static_cast<uint8_t>(x), r = static_cast<uint8_t>(x + w - 1);
    const auto top = static_cast<uint8_t>(y), bottom = static_cast<uint8_t>(y + h - 1);
    t.corners = {corner(1, l, 1, top), corner(255, r, 1, top), corner(1, l, 255, bottom),
                 corner(0, 0, 0, 0)};
    return t;
}

inline void set_object_textures(Ttrlevel& level, const std::vector<tr_object_texture>& textures) {
    level.set_num_object_textures(static_cast<int32_t>(textures.size()));
    level.object_textures = textures;
}

// mesh_data words from little-endian bytes.
inline void set_mesh_bytes(Ttrlevel& level, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> even = bytes;
    if (even.size() % 2 != 0) even.push_back(0);
    level.set_num_mesh_data(static_cast<int32_t>(even.size() / 2));
    for (size_t i = 0; i < level.mesh_data.size(); ++i)
        level.mesh_data[i] = static_cast<uint16_t>(even[2 * i] | (even[2 * i + 1] << 8));
}

}  // namespace rw::test
