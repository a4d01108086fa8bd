#pragma once
// The procedural pictures of the sample texture tiles. A picture is a 256 x 256 map of shades,
// 0 (dark) to 30 (light), that index the picture's own colour ramp; the 8-, 16- and 32-bit tile
// forms and the palette are all made from these, so every form shows the same picture.

#include <cstdint>
#include <vector>

namespace rw::samples {

inline constexpr int kTileSide = 256;
inline constexpr int kTilePixels = kTileSide * kTileSide;
inline constexpr int kShades = 31;

enum Picture : int {
    kStonePicture,   // grey flagstones with dark joints
    kBrickPicture,   // red bricks in offset rows with pale mortar
    kWoodPicture,    // brown planks with grain and joints
    kGrassPicture,   // green grass blades
    kMetalPicture,   // blue-grey riveted plates, one per 64 x 64 cell
    kWaterPicture,   // blue waves with bright caustics
    kMarblePicture,  // cream marble with dark veins
    kCratePicture,   // orange crate sides, one per 64 x 64 cell: frame, boards and a brace
    kSkyPicture,     // a sky darkening upwards with clouds
    kGridPicture,    // a grid of 16 x 16 cells holding glyph-like blocks
    kPictureCount
};

struct Rgb {
    uint8_t red, green, blue;
};

// The shades of a picture, row by row from the top; drawn once per process.
const std::vector<uint8_t>& picture_shades(int picture);

// The colour of a shade in a picture's ramp, 0-255 per component.
Rgb shade_colour(int picture, int shade);

}  // namespace rw::samples
