#include "levelfile/texture_table.h"

#include <algorithm>

namespace rw {

namespace {

constexpr Rgb kWhite{255, 255, 255};

const tr_object_texture* object_texture(const Ttrlevel& level, int index) {
    if (index < 0 || index >= level.num_object_textures ||
        static_cast<size_t>(index) >= level.object_textures.size())
        return nullptr;
    return &level.object_textures[static_cast<size_t>(index)];
}

// Atlas from 8-bit tiles: palette indices through the level's palette, then to 5-6-5.
void fill_from_textile8(const Ttrlevel& level, int tiles, Bitmap& atlas) {
    const Palette palette = MakePalette(std::span<const uint8_t, 768>(level.palette));
    const size_t pixels = static_cast<size_t>(tiles) * kTileBytes8;
    for (size_t at = 0; at < pixels; ++at) {
        const Rgb& c = palette[level.textile8[at]];
        const int x = static_cast<int>(at % kTileSize), y = static_cast<int>(at / kTileSize);
        atlas.set_word(x, y,
                       static_cast<uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3)));
    }
}

void fill_from_textile16(const Ttrlevel& level, int tiles, Bitmap& atlas) {
    const size_t bytes = static_cast<size_t>(tiles) * kTileBytes16;
    std::copy_n(level.textile16.begin(), bytes, atlas.bytes().begin());
    Convert555To565(atlas);
}

}  // namespace

Bitmap build_tile_atlas(const Ttrlevel& level) {
    const bool eight_bit = level.game_version == kTR1 || level.game_version == kTUB;
    const size_t held =
        eight_bit ? level.textile8.size() / kTileBytes8 : level.textile16.size() / kTileBytes16;
    const int tiles = static_cast<int>(
        std::min<size_t>(held, static_cast<size_t>(std::max(level.num_textiles, 0))));
    Bitmap atlas(kTileSize, tiles * kTileSize, PixelFormat::k16);
    if (eight_bit) {
        fill_from_textile8(level, tiles, atlas);
    } else {
        fill_from_textile16(level, tiles, atlas);
    }
    return atlas;
}

bool is_triangle_texture(const Ttrlevel& level, int index) {
    const tr_object_texture* t = object_texture(level, index);
    if (t == nullptr) return false;
    const tr_texture_corner& c4 = t->corners[3];
    return (c4.x_pixel == 0 && c4.y_pixel == 0) || (c4.x_coordinate == 0 && c4.y_coordinate == 0);
}

TextureBounds texture_bounds(const Ttrlevel& level, int index) {
    const tr_object_texture* t = object_texture(level, index);
    if (t == nullptr) return {};
    auto corners = t->corners;
    if (is_triangle_texture(level, index)) corners[3] = corners[2];
    TextureBounds b{255, 255, 0, 0};
    for (const tr_texture_corner& c : corners) {
        b.left = std::min<int>(b.left, c.x_pixel);
        b.right = std::max<int>(b.right, c.x_pixel);
        b.top = std::min<int>(b.top, c.y_pixel);
        b.bottom = std::max<int>(b.bottom, c.y_pixel);
    }
    return b;
}

TextureBounds atlas_bounds(const Ttrlevel& level, int index) {
    TextureBounds b = texture_bounds(level, index);
    const tr_object_texture* t = object_texture(level, index);
    if (t == nullptr) return b;
    const int offset = (t->tile & 0x0FFF) * kTileSize;
    b.top += offset;
    b.bottom += offset;
    return b;
}

TextureMirroring texture_mirroring(const Ttrlevel& level, int index) {
    const tr_object_texture* t = object_texture(level, index);
    if (t == nullptr) return {};
    const tr_texture_corner& c1 = t->corners[0];
    const tr_texture_corner& c3 = t->corners[2];
    if (!is_triangle_texture(level, index)) return {c1.x_coordinate == 255, c1.y_coordinate == 255};
    return {c1.x_coordinate == 255 && c3.x_coordinate != 255,
            c1.y_coordinate == 255 && c3.y_coordinate != 255};
}

void apply_mirroring(Bitmap& picture, TextureMirroring mirroring) {
    if (mirroring.left_right) MirrorBitmap(picture);
    if (mirroring.top_bottom) FlipBitmap(picture);
}

void build_texture_table(const Ttrlevel& level, Ttabla_textures& table) {
    table.marker = kBuiltMarker;
    table.texture_count = level.num_object_textures;
    // No texture is held yet, so the first request of any texture draws it.
    table.image_index = -1;
    table.image = Bitmap(0, 0, PixelFormat::k16);
    table.atlas = build_tile_atlas(level);
    table.level = &level;
}

const Bitmap& texture_image(int index, Ttabla_textures& table, bool mark_triangles) {
    if (index >= 0 && index == table.image_index) return table.image;
    if (index < 0 || index >= table.texture_count || table.level == nullptr) {
        table.image = Bitmap(4, 4, PixelFormat::k16);
        table.image.fill(kWhite);
        table.image_index = -1;  // the picture no longer shows the texture named before
        return table.image;
    }
    const Ttrlevel& level = *table.level;
    const TextureBounds b = atlas_bounds(level, index);
    table.image = Bitmap(b.width(), b.height(), PixelFormat::k16);
    copy_rect(table.atlas, b.left, b.top, b.right, b.bottom, table.image);
    apply_mirroring(table.image, texture_mirroring(level, index));
    if (mark_triangles && is_triangle_texture(level, index))
        draw_line(table.image, 0, 0, table.image.width(), table.image.height(), kWhite);
    table.image_index = index;
    return table.image;
}

}  // namespace rw
