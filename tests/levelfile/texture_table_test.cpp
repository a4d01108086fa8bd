#include "levelfile/texture_table.h"

#include <gtest/gtest.h>

#include "level_fixtures.h"

namespace rw {
namespace {

using test::quad_texture;
using test::rgb555;
using test::triangle_texture;

// Tile pixels that tell where they came from: red = x / 8, green = y / 8, blue = tile.
void set_position_tiles(Ttrlevel& level, int tiles) {
    level.game_version = kTR4;
    test::set_tiles16(level, tiles, [](int t, int x, int y) { return rgb555(x / 8, y / 8, t); });
}

uint16_t position_565(int tile, int x, int y) {
    return static_cast<uint16_t>(((x / 8) << 11) | ((y / 8) << 6) | tile);
}

TEST(TileAtlas, ConvertsSixteenBitTilesTo565OneUnderTheOther) {
    Ttrlevel level;
    set_position_tiles(level, 2);
    const Bitmap atlas = build_tile_atlas(level);
    ASSERT_EQ(atlas.width(), 256);
    ASSERT_EQ(atlas.height(), 512);
    EXPECT_EQ(atlas.word_at(255, 0), position_565(0, 255, 0));
    EXPECT_EQ(atlas.word_at(8, 256 + 16), position_565(1, 8, 16));
}

TEST(TileAtlas, DrawsEightBitTilesThroughThePalette) {
    Ttrlevel level;
    level.game_version = kTR1;
    level.num_textiles = 1;
    level.textile8.assign(kTileBytes8, 0);
    level.textile8[3] = 1;
    level.palette[3] = 63, level.palette[4] = 0, level.palette[5] = 32;
    const Bitmap atlas = build_tile_atlas(level);
    EXPECT_EQ(atlas.word_at(3, 0), (31 << 11) | 16);
    EXPECT_EQ(atlas.word_at(0, 0), 0);
}

TEST(TileAtlas, LeavesOutTilesTheLevelAnnouncesButDoesNotHold) {
    Ttrlevel level;
    set_position_tiles(level, 1);
    level.num_textiles = 5;
    EXPECT_EQ(build_tile_atlas(level).height(), 256);
}

TEST(TextureBounds, ATriangleTakesCornerThreeForCornerFour) {
    Ttrlevel level;
    test::set_object_textures(level,
                              {triangle_texture(0, 16, 32, 8, 4), quad_texture(2, 0, 8, 64, 48)});
    EXPECT_TRUE(is_triangle_texture(level, 0));
    const TextureBounds tri = texture_bounds(level, 0);
    EXPECT_EQ(tri.left, 16);
    EXPECT_EQ(tri.right, 23);
    EXPECT_EQ(tri.top, 32);
    EXPECT_EQ(tri.bottom, 35);
    EXPECT_FALSE(is_triangle_texture(level, 1));
    EXPECT_EQ(atlas_bounds(level, 1).top, 512 + 8);
    EXPECT_EQ(atlas_bounds(level, 1).bottom, 512 + 55);
    EXPECT_FALSE(is_triangle_texture(level, 2));  // out of range
}

struct TableFixture : testing::Test {
    void SetUp() override {
        set_position_tiles(level, 2);
        test::set_object_textures(
            level, {quad_texture(0, 0, 0, 64, 64), quad_texture(1, 64, 128, 64, 64, true),
                    triangle_texture(0, 0, 0, 16, 16)});
        build_texture_table(level, table);
    }
    Ttrlevel level;
    Ttabla_textures table;
};

TEST_F(TableFixture, TheFirstRequestOfTextureZeroDrawsIt) {
    const Bitmap& image = texture_image(0, table, false);
    ASSERT_EQ(image.width(), 64);
    ASSERT_EQ(image.height(), 64);
    EXPECT_EQ(image.word_at(63, 9), position_565(0, 63, 9));
    EXPECT_EQ(table.marker, "Valido");
    EXPECT_EQ(table.texture_count, 3);
}

TEST_F(TableFixture, ATextureWhoseCornerOneLiesRightIsShownMirrored) {
    const Bitmap& image = texture_image(1, table, false);
    EXPECT_EQ(image.word_at(0, 0), position_565(1, 127, 128));
    EXPECT_EQ(image.word_at(63, 0), position_565(1, 64, 128));
}

TEST_F(TableFixture, AnIndexOutsideTheTableGivesAFourByFourWhitePicture) {
    for (int index : {-1, 3}) {
        SCOPED_TRACE(index);
        const Bitmap& image = texture_image(index, table, false);
        EXPECT_EQ(image.width(), 4);
        EXPECT_EQ(image.height(), 4);
        EXPECT_EQ(image.pixel(3, 3), (Rgb{255, 255, 255}));
    }
}

TEST_F(TableFixture, AskingTwiceForOneTextureReusesThePicture) {
    const Bitmap& first = texture_image(0, table, false);
    const uint16_t before = first.word_at(5, 5);
    table.atlas.fill({0, 0, 0});  // a second copy would now come out black
    const Bitmap& second = texture_image(0, table, false);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.word_at(5, 5), before);
    texture_image(1, table, false);
    EXPECT_EQ(texture_image(0, table, false).word_at(5, 5), 0);
}

TEST_F(TableFixture, TheWhitePictureDoesNotStandForTheTextureAskedBefore) {
    texture_image(0, table, false);
    texture_image(-1, table, false);
    const Bitmap& again = texture_image(0, table, false);
    EXPECT_EQ(again.width(), 64);
    EXPECT_EQ(again.word_at(63, 9), position_565(0, 63, 9));
}

TEST_F(TableFixture, MarkedTrianglesAreCrossedByAWhiteDiagonal) {
    const Bitmap& plain = texture_image(2, table, false);
    EXPECT_EQ(plain.word_at(5, 5), position_565(0, 5, 5));
    const Bitmap& marked = texture_image(2, table, true);  // same index: the cached picture
    EXPECT_EQ(marked.word_at(5, 5), position_565(0, 5, 5));
    texture_image(0, table, true);
    const Bitmap& fresh = texture_image(2, table, true);
    EXPECT_EQ(fresh.pixel(5, 5), (Rgb{255, 255, 255}));
    EXPECT_EQ(fresh.pixel(15, 15), (Rgb{255, 255, 255}));
    EXPECT_EQ(fresh.word_at(6, 5), position_565(0, 6, 5));
}

}  // namespace
}  // namespace rw
