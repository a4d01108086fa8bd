#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>

#include "levelfile/little_endian.h"
#include "sample_cache.h"

namespace rw::samples::test {
namespace {

constexpr size_t kPixels = 256 * 256;

struct Colour {
    int red, green, blue;  // 0-255
};

Colour palette_colour(const Ttrlevel& level, uint8_t index) {
    const size_t i = index * 3u;
    return {level.palette[i] * 4, level.palette[i + 1] * 4, level.palette[i + 2] * 4};
}

Colour pixel32(const Ttrlevel& level, size_t pixel) {
    const uint8_t* p = level.textile32.data() + pixel * 4;
    return {p[2], p[1], p[0]};
}

TEST(SampleLevelTiles, EveryVersionHoldsEightTilesInTheFormsItStores) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        EXPECT_EQ(level.num_textiles, kSampleTileCount);
        EXPECT_EQ(level.textile8_bytes, kSampleTileCount * kPixels);
        EXPECT_EQ(level.textile8.size(), v <= kTR3 ? kSampleTileCount * kPixels : 0u);
        EXPECT_EQ(level.textile16.size(), v >= kTR2 ? kSampleTileCount * kPixels * 2 : 0u);
        if (v >= kTR4) {
            EXPECT_EQ(level.textile32.size(), kSampleTileCount * kPixels * 4);
            EXPECT_EQ(level.textile32_size, level.textile32.size());
            EXPECT_EQ(level.textile16_size, level.textile16.size());
            EXPECT_EQ(level.misc_textile.size(), kSampleMiscTiles * kPixels * 4);
            EXPECT_EQ(level.misc_textile_size, level.misc_textile.size());
            EXPECT_EQ(level.num_room_textiles + level.num_obj_textiles + level.num_bump_textiles,
                      level.num_textiles);
            EXPECT_EQ(level.num_room_textiles, kSampleRoomTiles);
        } else {
            EXPECT_TRUE(level.textile32.empty());
            EXPECT_TRUE(level.misc_textile.empty());
        }
    }
}

TEST(SampleLevelTiles, PaletteStaysInSixBitsAndKeepsIndexZeroBlackAndUnused) {
    const Ttrlevel& level = sample_level(kTR1);
    for (const uint8_t component : level.palette)
        ASSERT_LE(component, 63);
    EXPECT_EQ(level.palette[0] + level.palette[1] + level.palette[2], 0);
    for (const uint8_t index : level.textile8)
        ASSERT_NE(index, 0);
    for (const int32_t v : {kTR2, kTR3}) {
        const Ttrlevel& coloured = sample_level(v);
        for (int i = 0; i < 256; ++i) {
            const Colour c = palette_colour(coloured, static_cast<uint8_t>(i));
            const uint8_t* p16 = coloured.palette16.data() + i * 4;
            EXPECT_EQ(p16[0] >> 2, c.red / 4);
            EXPECT_EQ(p16[1] >> 2, c.green / 4);
            EXPECT_EQ(p16[2] >> 2, c.blue / 4);
        }
    }
}

// The 8-bit tiles of TR3 and the 16- and 32-bit tiles of TR4 are the same pictures.
TEST(SampleLevelTiles, EveryTileFormShowsTheSamePicture) {
    const Ttrlevel& tr3 = sample_level(kTR3);
    const Ttrlevel& tr4 = sample_level(kTR4);
    ASSERT_EQ(tr3.textile16, tr4.textile16);
    for (size_t i = 0; i < kSampleTileCount * kPixels; ++i) {
        const Colour indexed = palette_colour(tr3, tr3.textile8[i]);
        const Colour full = pixel32(tr4, i);
        const auto p16 = load_le<uint16_t>(tr4.textile16.data() + i * 2);
        ASSERT_EQ(tr4.textile32[i * 4 + 3], 255) << i;
        ASSERT_NE(p16 & 0x8000, 0) << i;
        ASSERT_EQ(full.red / 4 * 4, indexed.red) << i;
        ASSERT_EQ(full.green / 4 * 4, indexed.green) << i;
        ASSERT_EQ(full.blue / 4 * 4, indexed.blue) << i;
        ASSERT_EQ((p16 >> 10) & 31, full.red >> 3) << i;
        ASSERT_EQ((p16 >> 5) & 31, full.green >> 3) << i;
        ASSERT_EQ(p16 & 31, full.blue >> 3) << i;
    }
}

struct TileStatistics {
    std::array<double, 3> mean{};
    double luminance_spread = 0.0;  // standard deviation
};

TileStatistics statistics(const Ttrlevel& level, int tile) {
    TileStatistics s;
    double sum = 0.0, squares = 0.0;
    for (size_t i = 0; i < kPixels; ++i) {
        const Colour c = pixel32(level, tile * kPixels + i);
        s.mean[0] += c.red;
        s.mean[1] += c.green;
        s.mean[2] += c.blue;
        const double y = 0.3 * c.red + 0.59 * c.green + 0.11 * c.blue;
        sum += y;
        squares += y * y;
    }
    for (double& m : s.mean)
        m /= kPixels;
    const double mean = sum / kPixels;
    s.luminance_spread = std::sqrt(squares / kPixels - mean * mean);
    return s;
}

TEST(SampleLevelTiles, TilePicturesAreClearlyDistinctAndNotFlat) {
    const Ttrlevel& level = sample_level(kTR4);
    std::array<TileStatistics, kSampleTileCount> tiles;
    for (int t = 0; t < kSampleTileCount; ++t) {
        tiles[static_cast<size_t>(t)] = statistics(level, t);
        EXPECT_GT(tiles[static_cast<size_t>(t)].luminance_spread, 12.0) << "tile " << t;
    }
    for (size_t a = 0; a < tiles.size(); ++a) {
        for (size_t b = a + 1; b < tiles.size(); ++b) {
            double distance = 0.0;
            for (size_t k = 0; k < 3; ++k)
                distance += std::abs(tiles[a].mean[k] - tiles[b].mean[k]);
            EXPECT_GT(distance, 30.0) << "tiles " << a << " and " << b;
        }
    }
}

TEST(SampleLevelTiles, LightMapRowsDarkenTowardsTheLastRow) {
    const Ttrlevel& level = sample_level(kTR2);
    auto brightness = [&](uint8_t index) {
        const Colour c = palette_colour(level, index);
        return c.red + c.green + c.blue;
    };
    for (int i = 1; i < 256; ++i) {
        const auto index = static_cast<uint8_t>(i);
        EXPECT_EQ(brightness(level.light_map[static_cast<size_t>(i)]), brightness(index)) << i;
        EXPECT_LT(brightness(level.light_map[31 * 256 + static_cast<size_t>(i)]),
                  brightness(index) / 2 + 8)
            << i;
    }
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(level.light_map[static_cast<size_t>(row * 256)], 0);
}

struct PanelSize {
    int width, height;
    bool triangle;
    bool operator==(const PanelSize&) const = default;
};

// Width and height as the texture panels measure them.
PanelSize panel_size(const tr_object_texture& t) {
    const auto& c = t.corners;
    const bool triangle = (c[3].x_pixel == 0 && c[3].y_pixel == 0) ||
                          (c[3].x_coordinate == 0 && c[3].y_coordinate == 0);
    return {std::abs(c[1].x_pixel - c[0].x_pixel) + 1, std::abs(c[2].y_pixel - c[1].y_pixel) + 1,
            triangle};
}

TEST(SampleLevelObjectTextures, QuadsOfTheFourPanelSizesAndTrianglesSitWhereListed) {
    const Ttrlevel& level = sample_level(kTR1);
    ASSERT_EQ(level.num_object_textures, kSampleObjectTextureCount);
    for (int i = 0; i < kQuad64Count; ++i)
        EXPECT_EQ(panel_size(level.object_textures[static_cast<size_t>(i)]),
                  (PanelSize{64, 64, false}))
            << i;
    const PanelSize slots[kSmallTexturesPerTile] = {{64, 48, false}, {64, 32, false},
                                                    {64, 16, false}, {64, 16, false},
                                                    {64, 64, true},  {64, 64, true}};
    for (int tile = 0; tile < kSampleTileCount; ++tile) {
        for (int slot = 0; slot < kSmallTexturesPerTile; ++slot) {
            const auto& t = level.object_textures[static_cast<size_t>(small_texture(tile, slot))];
            EXPECT_EQ(panel_size(t).triangle, slots[slot].triangle) << tile << "/" << slot;
            if (!slots[slot].triangle) {
                EXPECT_EQ(panel_size(t), slots[slot]) << tile << "/" << slot;
            }
            EXPECT_EQ(t.tile & 0x0FFF, tile);
        }
    }
}

TEST(SampleLevelObjectTextures, CornersUseTheEndBytesAndStayInsideTheirTiles) {
    const Ttrlevel& level = sample_level(kTR5);
    for (size_t i = 0; i < level.object_textures.size(); ++i) {
        SCOPED_TRACE(i);
        const tr_object_texture& t = level.object_textures[i];
        EXPECT_LT(t.tile & 0x0FFF, level.num_textiles);
        const int corners = panel_size(t).triangle ? 3 : 4;
        int low_x = 255, high_x = 0;
        for (int k = 0; k < corners; ++k) {
            const tr_texture_corner& c = t.corners[static_cast<size_t>(k)];
            EXPECT_TRUE(c.x_coordinate == 1 || c.x_coordinate == 255);
            EXPECT_TRUE(c.y_coordinate == 1 || c.y_coordinate == 255);
            if (c.x_coordinate == 1) low_x = std::min<int>(low_x, c.x_pixel);
            if (c.x_coordinate == 255) high_x = std::max<int>(high_x, c.x_pixel);
        }
        EXPECT_EQ(high_x - low_x, 63);  // every sample texture is 64 pixels wide
        if (corners == 3) {
            const tr_texture_corner& fourth = t.corners[3];
            EXPECT_EQ(fourth.x_coordinate | fourth.x_pixel | fourth.y_coordinate | fourth.y_pixel,
                      0);
        }
    }
}

TEST(SampleLevelObjectTextures, MirroredTexturesStartAtTheHighEnd) {
    const Ttrlevel& level = sample_level(kTR2);
    for (int tile = 0; tile < kSampleTileCount; ++tile) {
        for (int k = 0; k < kQuads64PerTile; ++k) {
            const auto& first =
                level.object_textures[static_cast<size_t>(quad64_texture(tile, k))].corners[0];
            EXPECT_EQ(first.x_coordinate == 255, quad64_mirrored_left_right(k)) << tile << "/" << k;
            EXPECT_EQ(first.y_coordinate == 255, quad64_mirrored_top_bottom(tile, k))
                << tile << "/" << k;
        }
        const auto& mirrored =
            level.object_textures[static_cast<size_t>(small_texture(tile, kSlot64x16Mirrored))];
        EXPECT_EQ(mirrored.corners[0].x_coordinate, 255);
        const auto& plain =
            level.object_textures[static_cast<size_t>(small_texture(tile, kSlot64x16))];
        EXPECT_EQ(plain.corners[0].x_coordinate, 1);
    }
    int mirrored_64 = 0;
    for (int i = 0; i < 40; ++i)
        mirrored_64 += level.object_textures[static_cast<size_t>(i)].corners[0].x_coordinate == 255;
    EXPECT_EQ(mirrored_64, 5);  // texture 7 of the first five tiles
}

TEST(SampleLevelObjectTextures, EveryVersionSharesTheSameTextureLayout) {
    const auto& reference = sample_level(kTR1).object_textures;
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const auto& textures = sample_level(v).object_textures;
        ASSERT_EQ(textures.size(), reference.size());
        for (size_t i = 0; i < textures.size(); ++i)
            EXPECT_EQ(std::memcmp(&textures[i], &reference[i], sizeof textures[i]), 0) << i;
    }
}

TEST(SampleLevelAnimatedTextures, TwoRangesOfWaterTexturesFillTheWholeList) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        const std::vector<uint16_t>& words = level.animated_textures;
        ASSERT_EQ(static_cast<int32_t>(words.size()), level.num_animated_textures);
        ASSERT_FALSE(words.empty());
        EXPECT_EQ(words[0], kAnimatedRangeCount);
        size_t at = 1;
        for (int r = 0; r < words[0]; ++r) {
            ASSERT_LT(at, words.size());
            const int count = words[at++] + 1;
            EXPECT_EQ(count, kAnimatedLength[r]);
            for (int i = 0; i < count; ++i) {
                ASSERT_LT(at, words.size());
                EXPECT_EQ(words[at], kAnimatedFirst[r] + i);
                EXPECT_EQ(level.object_textures[words[at]].tile, kWaterTile);
                ++at;
            }
        }
        EXPECT_EQ(at, words.size());
    }
}

}  // namespace
}  // namespace rw::samples::test
