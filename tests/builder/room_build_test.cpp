#include "builder/room_build.h"

#include <gtest/gtest.h>

#include "build_fixture.h"

namespace rw {
namespace {

TEST(RoomHeader, PositionHeightsLightAndFlagsComeFromTheDocumentRoom) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {5, 4, 3, 7, 9, 1});
    room.ambient = 0x1A;
    room.water = room.outdoor = room.quicksand = room.sky = 1;
    troom game{};
    game.num_sprites = game.num_portals = game.num_lights = game.num_room_statics = 9;
    setup_room_header(room, game);
    EXPECT_EQ(game.x, 7 * 1024);
    EXPECT_EQ(game.z, 9 * 1024);
    EXPECT_EQ(game.y_bottom, 31744);          // 124 clicks
    EXPECT_EQ(game.y_top, (127 - 15) * 256);  // 3 blocks higher
    EXPECT_EQ(game.num_sprites + game.num_portals + game.num_lights + game.num_room_statics, 0);
    EXPECT_EQ(game.ambient, (std::array<uint8_t, 4>{0, 0x1A, 0, 0}));
    EXPECT_EQ(game.light_mode, 0);
    EXPECT_EQ(game.room_flags, (std::array<uint8_t, 2>{0x01 | 0x20 | 0x80 | 0x08, 0}));
    EXPECT_EQ(game.alternate_room, -1);
    EXPECT_EQ(game.tr5_room_word, 64);
}

TEST(RoomHeader, HeightsWrapAsBytesForRoomsHighUp) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {3, 3, 2, 0, 0, 40});
    troom game{};
    setup_room_header(room, game);
    // 127 - 159 = -32 as a byte; 127 - 167 = -40.
    EXPECT_EQ(game.y_bottom, -32 * 256);
    EXPECT_EQ(game.y_top, -40 * 256);
}

TEST(InitialSector, FloorAndCeilingAreClicksCountedDownFromTheLevelsTop) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {3, 3, 4, 0, 0, 1});
    Sector& s = room.sector(2, 2);
    s.floor_base = 1;
    s.ceiling_base = 1;
    s.ceiling_raise = 2;
    s.room_below = 3;
    s.room_above = 0;
    const tr_sector g = initial_sector(room, 2, 2);
    EXPECT_EQ(g.floor, 120);  // 4 clicks above the bottom's 124
    EXPECT_EQ(g.ceiling, 127 - (4 * (4 + 1 - 1) - 2 - 1));
    EXPECT_EQ(g.pit_room, 2);
    EXPECT_EQ(g.sky_room, 255);
    EXPECT_EQ(g.fd_index, 0);
    EXPECT_EQ(g.box_index, 0xFFFF);
    const tr_sector wall = initial_sector(room, 1, 1);
    EXPECT_EQ(wall.floor, wall.ceiling) << "a border sector fills the room: a wall";
}

TEST(BuildRoom, FillsTheGridRunsTheEntriesAndStoresTheClimbMaskInTheDocument) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {4, 3, 4, 2, 3, 1});
    room.sector(2, 2).floor_front = 2;
    room.sector(3, 2).climb_left = 1;  // makes (2, 2) climbable towards the next column
    room.sector(3, 2).death = 1;
    auto level = test::empty_level(kTR4, 1);
    auto list = std::make_unique<face_list>();
    ASSERT_FALSE(build_room(*level, *doc, 1, *list, nullptr));
    const troom& game = level->rooms[0];
    EXPECT_EQ(game.num_x_sectors, 4);
    EXPECT_EQ(game.num_z_sectors, 3);
    EXPECT_GT(game.num_vertices, 0);
    EXPECT_EQ(room.sector(2, 2).climb_mask, 0x02);
    EXPECT_EQ(test::floor_words_from(*level, 0),
              (std::vector<uint16_t>{0, 0x8002, 0xFE00, 0x0002, 0xFE00, 0x8206, 0x8005}));
    EXPECT_EQ(game.sector_at(2, 2)->fd_index, 3);
    EXPECT_EQ(game.sector_at(3, 2)->fd_index, 6);
    EXPECT_TRUE(game.layer_headers.empty());
}

TEST(BuildRoom, TR5RoomsGetExactlyOneLayerHeader) {
    auto doc = test::empty_document();
    test::add_room(*doc, {3, 5, 4, 0, 0, 1});
    auto level = test::empty_level(kTR5, 1);
    auto list = std::make_unique<face_list>();
    ASSERT_FALSE(build_room(*level, *doc, 1, *list, nullptr));
    ASSERT_EQ(level->rooms[0].layer_headers.size(), 1u);
    EXPECT_EQ(load_le<float>(level->rooms[0].layer_headers[0].rest.data() + 28 - 10), 3072.0f);
}

TEST(BuildRoom, RefusesARoomWhoseFloorDataWouldStartBeyondWhatASectorAddresses) {
    auto doc = test::empty_document();
    test::add_room(*doc, {3, 3, 4, 0, 0, 1}).sector(2, 2).death = 1;
    auto level = test::empty_level(kTR4, 1);
    level->set_num_floor_data(0x10000);
    auto list = std::make_unique<face_list>();
    const Refusal refusal = build_room(*level, *doc, 1, *list, nullptr);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, "Room 1 needs floor data beyond word 65535; a level holds no more");
}

TEST(BuildRoom, RefusesAGridLargerThanARoomHoldsBeforeTouchingIt) {
    auto doc = test::empty_document();
    test::add_room(*doc, {3, 3, 4, 0, 0, 1}).columns = 40;
    auto level = test::empty_level(kTR4, 1);
    auto list = std::make_unique<face_list>();
    const Refusal refusal = build_room(*level, *doc, 1, *list, nullptr);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, "Room 1 has 40 columns; a room has 1 to 32");
    EXPECT_EQ(level->rooms[0].num_x_sectors, 0);
}

}  // namespace
}  // namespace rw
