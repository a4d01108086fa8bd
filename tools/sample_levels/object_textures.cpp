#include "object_textures.h"

#include <vector>

#include "sample_contents.h"

namespace rw::samples {

namespace {

constexpr uint8_t kLowEnd = 1;
constexpr uint8_t kHighEnd = 255;

// A corner at the low or high end of a texture's pixel span on each axis.
struct Span {
    int first, last;
};

tr_texture_corner corner(Span x, bool x_high, Span y, bool y_high) {
    return {x_high ? kHighEnd : kLowEnd, static_cast<uint8_t>(x_high ? x.last : x.first),
            y_high ? kHighEnd : kLowEnd, static_cast<uint8_t>(y_high ? y.last : y.first)};
}

struct Placement {
    int tile, left, top, width, height;
};

tr_object_texture blank(int tile) {
    tr_object_texture t{};
    t.tile = static_cast<uint16_t>(tile);
    return t;
}

// Corners top-left, top-right, bottom-right, bottom-left; mirroring swaps the ends of an axis.
tr_object_texture quad(const Placement& p, bool mirror_x, bool mirror_y) {
    const Span x{p.left, p.left + p.width - 1}, y{p.top, p.top + p.height - 1};
    tr_object_texture t = blank(p.tile);
    t.corners = {corner(x, mirror_x, y, mirror_y), corner(x, !mirror_x, y, mirror_y),
                 corner(x, !mirror_x, y, !mirror_y), corner(x, mirror_x, y, !mirror_y)};
    return t;
}

// The upper-left half of a cell (top-left, top-right, bottom-left) or its lower-right half
// (top-right, bottom-right, bottom-left); the fourth corner stays all zero.
tr_object_texture triangle(const Placement& p, bool lower_right) {
    const Span x{p.left, p.left + p.width - 1}, y{p.top, p.top + p.height - 1};
    tr_object_texture t = blank(p.tile);
    if (lower_right) {
        t.corners = {corner(x, true, y, false), corner(x, true, y, true), corner(x, false, y, true),
                     tr_texture_corner{}};
    } else {
        t.corners = {corner(x, false, y, false), corner(x, true, y, false),
                     corner(x, false, y, true), tr_texture_corner{}};
    }
    return t;
}

std::vector<tr_object_texture> sample_object_textures() {
    std::vector<tr_object_texture> list;
    for (int tile = 0; tile < kSampleTileCount; ++tile) {
        for (int k = 0; k < kQuads64PerTile; ++k) {
            list.push_back(quad({tile, 64 * (k % 4), 64 * (k / 4), 64, 64},
                                quad64_mirrored_left_right(k),
                                quad64_mirrored_top_bottom(tile, k)));
        }
    }
    for (int tile = 0; tile < kSampleTileCount; ++tile) {
        list.push_back(quad({tile, 0, 128, 64, 48}, false, false));
        list.push_back(quad({tile, 0, 176, 64, 32}, false, false));
        list.push_back(quad({tile, 0, 208, 64, 16}, false, false));
        list.push_back(quad({tile, 0, 224, 64, 16}, true, false));
        list.push_back(triangle({tile, 64, 128, 64, 64}, false));
        list.push_back(triangle({tile, 64, 128, 64, 64}, true));
    }
    return list;
}

}  // namespace

void put_object_textures(Ttrlevel& level) {
    const std::vector<tr_object_texture> list = sample_object_textures();
    level.set_num_object_textures(static_cast<int32_t>(list.size()));
    level.object_textures = list;
}

// The list holds the number of ranges, then per range its length - 1 and its textures.
void put_animated_textures(Ttrlevel& level) {
    std::vector<uint16_t> words{kAnimatedRangeCount};
    for (int r = 0; r < kAnimatedRangeCount; ++r) {
        words.push_back(static_cast<uint16_t>(kAnimatedLength[r] - 1));
        for (int i = 0; i < kAnimatedLength[r]; ++i)
            words.push_back(static_cast<uint16_t>(kAnimatedFirst[r] + i));
    }
    level.set_num_animated_textures(static_cast<int32_t>(words.size()));
    level.animated_textures = words;
}

}  // namespace rw::samples
