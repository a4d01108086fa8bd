#pragma once
// Which corner of a texture's picture meets which vertex: every OpenGL texture holds its object
// texture's bounding rectangle unturned, and the corner coordinate bytes (1 low end, 255 high
// end) choose 0 or 1 per axis.

#include <array>

#include "levelfile/trlevel.h"

namespace rw {

struct TexCorner {
    double s = 0, t = 0;
};
using TexCorners = std::array<TexCorner, 4>;

inline constexpr TexCorners kDefaultTexCorners{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

// Corners of object texture `index` (0-based); the default corners outside the table.
inline TexCorners object_tex_corners(const Ttrlevel& level, int index) {
    if (index < 0 || index >= level.num_object_textures ||
        static_cast<size_t>(index) >= level.object_textures.size())
        return kDefaultTexCorners;
    TexCorners result;
    const auto& corners = level.object_textures[static_cast<size_t>(index)].corners;
    for (size_t k = 0; k < 4; ++k)
        result[k] = {corners[k].x_coordinate > 1 ? 1.0 : 0.0,
                     corners[k].y_coordinate > 1 ? 1.0 : 0.0};
    return result;
}

}  // namespace rw
