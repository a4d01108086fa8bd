#pragma once
// What the bundled sample base levels hold. All seven game versions carry the same content, each
// in its own forms; it is made from code and deterministic, so tools and tests may rely on every
// number below.
//
// Texture tiles: eight 256 x 256 tiles, in this order: stone flagstones, red brick, wooden
// planks, grass, riveted metal plates (one plate per 64 x 64 cell), water, marble, crate sides
// (one per 64 x 64 cell). Tiles 0-5 count as room tiles and 6-7 as object tiles (the header
// counts of TR4 and TR5: 6 room, 2 object, 0 bump tiles). TR4 and TR5 add two misc tiles in the
// 32-bit form: a cloudy sky and a grid of glyph-like blocks.
//   8-bit tiles (codes 1-5): palette index 0 is black and unused by the pictures; the picture of
//   tile t uses the indices 1 + 31t to 31 + 31t for its 31 shades, dark to light; 249-255 are
//   dark greys for the light map, whose row L darkens every colour by L / 32. 16-bit tiles (codes
//   3-7) and 32-bit tiles (codes 6-7) show the same pictures.
//
// Object textures (112 in all):
//   0-63    64 x 64 quads, eight in the top half of each tile: texture 8t + k lies in tile t at
//           pixel x 64 * (k % 4), y 64 * (k / 4). k = 7 is mirrored left-right (corner 1's x
//           coordinate 255); in tiles 1, 3, 5 and 7, k = 6 is mirrored top-bottom (corner 1's y
//           coordinate 255). Floors and walls of the sample rooms use textures 0-39 only.
//   64-111  six more per tile, texture 64 + 6t + slot, in the tile's lower half:
//           slot 0  64 x 48 quad at (0, 128)
//           slot 1  64 x 32 quad at (0, 176)
//           slot 2  64 x 16 quad at (0, 208)
//           slot 3  64 x 16 quad at (0, 224), mirrored left-right
//           slot 4  triangle, the upper-left half of the 64 x 64 cell at (64, 128)
//           slot 5  triangle, the lower-right half of the same cell; its corner 1 is the
//                   top-right corner (x coordinate 255)
//   Quad corners run top-left, top-right, bottom-right, bottom-left (turned about by the
//   mirroring); a triangle's fourth corner is all zero. Pixel bytes address the first and last
//   pixel of the texture, so a 64-wide texture at x 0 has x pixels 0 and 63.
//
// Animated textures: two ranges of water textures, 40-43 and 44-46.
//
// Meshes: six meshes in mesh_data, one per mesh pointer. Mesh pointer 0 is a small marker (a
// pyramid) that no static mesh uses, so static meshes reach their meshes only through the index
// at byte 4 of their records. Static mesh kind i (id i) uses mesh pointer i + 1:
//   0 crate (512 cube), 1 pillar (on a base, with a pyramid cap: textured triangles), 2 low wall
//   (1024 x 384 x 128), 3 barrel (octagonal; its top is coloured triangles in codes 1-5),
//   4 plinth (two steps; its lower step's top is a coloured rectangle in codes 1-5).
// Codes 1-5 store light values (negative normal count), codes 6-7 normals.
//
// Rooms (world units; the y axis points down):
//   0 hall     6 x 6 sectors at (0, 0), floor 0, ceiling -3072; crate, two pillars, plinth.
//   1 gallery  8 x 5 sectors at (4096, 0), floor 0, ceiling -2048; low wall, barrel.
//   2 cistern  8 x 5 sectors at (4096, 0), floor 2048, ceiling 0; a water room; plinth.
//   Every room has a ring of wall sectors and one light. The hall and the gallery meet through a
//   wall portal two sectors wide (hall column 5, gallery column 0, rows 2-3); the gallery's
//   floor opens onto the cistern over columns 3-5, rows 1-3 (floor and ceiling portals,
//   pit_room and sky_room). Each side of a portal is a portal of its own room.
//   One box per room over its inner sectors (overlaps: hall-gallery, gallery-cistern), floor
//   data holding the two wall portals' entries after the dummy word, and Lara in the hall.
//
// Everything else is empty: no moveables, animations, sprites, cameras or sounds (the sound map
// is -1 wherever the version stores it). What follows the level data: nothing for codes 1-5, an
// empty sample table (a 32-bit count of 0) for TR4, and the bytes CD CD and then such a table
// for TR5.

#include <cstdint>

namespace rw::samples {

inline constexpr int kSampleTileCount = 8;
inline constexpr int kSampleRoomTiles = 6;
inline constexpr int kSampleObjectTiles = 2;
inline constexpr int kSampleMiscTiles = 2;

enum SampleTile : int {
    kStoneTile,
    kBrickTile,
    kWoodTile,
    kGrassTile,
    kMetalTile,
    kWaterTile,
    kMarbleTile,
    kCrateTile,
};

inline constexpr int kQuads64PerTile = 8;
inline constexpr int kQuad64Count = kQuads64PerTile * kSampleTileCount;  // textures 0-63
inline constexpr int kSmallTexturesPerTile = 6;
inline constexpr int kFirstSmallTexture = kQuad64Count;  // textures 64-111
inline constexpr int kSampleObjectTextureCount =
    kFirstSmallTexture + kSmallTexturesPerTile * kSampleTileCount;

enum SmallTextureSlot : int {
    kSlot64x48,
    kSlot64x32,
    kSlot64x16,
    kSlot64x16Mirrored,
    kSlotTriangle,
    kSlotTriangleFlipped,
};

constexpr int quad64_texture(int tile, int k) {
    return tile * kQuads64PerTile + k;
}
constexpr int small_texture(int tile, int slot) {
    return kFirstSmallTexture + tile * kSmallTexturesPerTile + slot;
}
constexpr bool quad64_mirrored_left_right(int k) {
    return k == 7;
}
constexpr bool quad64_mirrored_top_bottom(int tile, int k) {
    return k == 6 && tile % 2 == 1;
}

// The two animated ranges, as first texture and count.
inline constexpr int kAnimatedRangeCount = 2;
inline constexpr int kAnimatedFirst[kAnimatedRangeCount] = {quad64_texture(kWaterTile, 0),
                                                            quad64_texture(kWaterTile, 4)};
inline constexpr int kAnimatedLength[kAnimatedRangeCount] = {4, 3};

enum SampleStaticMesh : int {
    kCrateMesh,
    kPillarMesh,
    kLowWallMesh,
    kBarrelMesh,
    kPlinthMesh,
    kSampleStaticMeshCount
};
// Mesh pointer 0 is the unused marker; static mesh kind i uses mesh pointer i + 1.
inline constexpr int kSampleMeshCount = kSampleStaticMeshCount + 1;

enum SampleRoom : int { kHallRoom, kGalleryRoom, kCisternRoom, kSampleRoomCount };

inline constexpr int kSampleBoxCount = kSampleRoomCount;

}  // namespace rw::samples
