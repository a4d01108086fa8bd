#pragma once
// The base level's object textures as pictures: the tile atlas every texture is cut from, and
// the table that produces the image of one texture for the texture previews.

#include <cstdint>
#include <string>

#include "levelfile/bitmap.h"
#include "levelfile/trlevel.h"

namespace rw {

inline constexpr const char* kBuiltMarker = "Valido";
inline constexpr int kTileSize = 256;

// All texture tiles of the level, one under the other, as one 16-bit (5-6-5) picture 256 pixels
// wide. Tiles the level announces but whose pixels it does not hold are left out.
Bitmap build_tile_atlas(const Ttrlevel& level);

// Pixel bounds of object texture `index` within its tile, all four ends included.
struct TextureBounds {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};
TextureBounds texture_bounds(const Ttrlevel& level, int index);
// The same bounds moved to the texture's tile in the atlas.
TextureBounds atlas_bounds(const Ttrlevel& level, int index);

bool is_triangle_texture(const Ttrlevel& level, int index);

// Which way a texture's picture is turned when it is shown on its own.
struct TextureMirroring {
    bool left_right = false;
    bool top_bottom = false;
};
TextureMirroring texture_mirroring(const Ttrlevel& level, int index);
void apply_mirroring(Bitmap& picture, TextureMirroring mirroring);

struct Ttabla_textures {
    std::string marker;  // kBuiltMarker once built
    Bitmap atlas;
    Bitmap image{0, 0, PixelFormat::k16};  // the last texture asked for
    int32_t image_index = -1;              // the texture `image` holds, -1 none
    int32_t texture_count = 0;
    const Ttrlevel* level = nullptr;
};

void build_texture_table(const Ttrlevel& level, Ttabla_textures& table);

// The picture of object texture `index` (0-based), shown the right way round; a triangle is
// crossed by a white diagonal when `mark_triangles` is set. An index outside the table gives a
// 4 x 4 white picture. The returned picture is reused by the next call.
const Bitmap& texture_image(int index, Ttabla_textures& table, bool mark_triangles);

}  // namespace rw
