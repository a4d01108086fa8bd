#include "levelfile/trlevel.h"

#include <gtest/gtest.h>

#include <memory>

#include "recording_sinks.h"

namespace rw {
namespace {

TEST(GameVersion, VersionWordAndFileNameChooseTheCode) {
    struct Case {
        uint32_t word;
        const char* name;
        int32_t expected;
    };
    const Case cases[] = {
        {kVersionWordTR1, "level1.phd", kTR1},
        {kVersionWordTR1, "LEVEL1.TUB", kTUB},
        {kVersionWordTR1, "level1.tub", kTUB},
        {kVersionWordTR1, "level1.Tub", kTR1},         // other spellings do not match
        {kVersionWordTR1, "dir.tub/level.phd", kTUB},  // anywhere in the name
        {kVersionWordTR2, "wall.tr2", kTR2},
        {kVersionWordTR2, "wall.trg", kTRG},
        {kVersionWordTR2, "WALL.TRG", kTRG},
        {kVersionWordTR3a, "jungle.tr2", kTR3},
        {kVersionWordTR3b, "jungle.trg", kTR3},
        {kVersionWordTR4, "angkor.tr4", kTR4},
        {kVersionWordTR4Demo, "angkor.tr4", kTR4},
        {kVersionWordTR4, "rome.trc", kTR5},
        {kVersionWordTR4, "ROME.TRC", kTR5},
        {kVersionWordTR4, "rome.tRc", kTR4},
        {0x12345678, "x.phd", 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(game_version_for(c.word, c.name, 42), c.expected);
    }
    EXPECT_FALSE(is_known_version_word(0x21));
}

TEST(Ttrlevel, NewInstanceIsEmpty) {
    Ttrlevel level;
    EXPECT_EQ(level.num_rooms, 0);
    EXPECT_EQ(level.game_version, 0);
    EXPECT_EQ(level.version_word, 0u);
    EXPECT_TRUE(level.signature.empty());
    EXPECT_FALSE(level.is_loaded());
    EXPECT_EQ(level.num_textiles, 0);
    EXPECT_EQ(level.gauge, nullptr);
}

TEST(Ttrlevel, SetNumItemsKeepsTheFirstEntriesInBothFormsAndZeroesNewOnes) {
    Ttrlevel level;
    level.set_num_items(5);
    for (int i = 0; i < 5; ++i) {
        level.items1[static_cast<size_t>(i)].object_id = static_cast<int16_t>(10 + i);
        level.items[static_cast<size_t>(i)].object_id = static_cast<int16_t>(20 + i);
    }
    level.set_num_items(3);
    EXPECT_EQ(level.num_items, 3);
    ASSERT_EQ(level.items1.size(), 3u);
    ASSERT_EQ(level.items.size(), 3u);
    EXPECT_EQ(level.items1[2].object_id, 12);
    EXPECT_EQ(level.items[2].object_id, 22);
    level.set_num_items(5);
    EXPECT_EQ(level.items1[3].object_id, 0);
    EXPECT_EQ(level.items[4].object_id, 0);
    EXPECT_EQ(level.items[4].x, 0);
}

TEST(Ttrlevel, VersionDependentTablesResizeTheFormOfTheVersion) {
    Ttrlevel level;
    level.game_version = kTR4;
    level.set_num_animations(4);
    EXPECT_EQ(level.animations4.size(), 4u);
    EXPECT_TRUE(level.animations.empty());
    level.set_num_ai_objects(2);
    EXPECT_EQ(level.ai_objects.size(), 2u);
    EXPECT_TRUE(level.cinematic_frames.empty());

    level.game_version = kTR3;
    level.set_num_animations(1);
    EXPECT_EQ(level.animations.size(), 1u);
    EXPECT_EQ(level.animations4.size(), 4u);
    EXPECT_EQ(level.num_animations, 1);
}

TEST(Ttrlevel, SetNumBoxesLeavesTheZonesAlone) {
    Ttrlevel level;
    level.set_num_zones(2);
    level.set_num_boxes(7);
    EXPECT_EQ(level.num_boxes, 7);
    EXPECT_EQ(level.boxes1.size(), 7u);
    EXPECT_EQ(level.boxes.size(), 7u);
    EXPECT_EQ(level.num_zones, 2);
    for (const auto& zone : level.zones)
        EXPECT_EQ(zone.size(), 2u);
}

TEST(Ttrlevel, NewRoomsAreAllZero) {
    Ttrlevel level;
    level.set_num_rooms(2);
    level.rooms[1].num_vertices = 9;
    level.rooms[1].layer_headers.resize(1);
    level.set_num_rooms(1);
    level.set_num_rooms(2);
    EXPECT_EQ(level.num_rooms, 2);
    EXPECT_EQ(level.rooms[1].num_vertices, 0);
    EXPECT_TRUE(level.rooms[1].layer_headers.empty());
    EXPECT_EQ(level.rooms[1].sectors[1023].fd_index, 0);
}

TEST(Ttrlevel, ClearedTablesAreThoseOfANewInstanceWhileRoomsAndGaugeStay) {
    test::RecordingProgress progress;
    Ttrlevel level;
    level.gauge = &progress;
    level.game_version = kTR5;
    level.signature = kLevelSignature;
    level.version_word = kVersionWordTR4;
    level.set_num_rooms(2);
    level.set_num_items(3);
    level.set_num_animations(4);
    level.set_num_ai_objects(5);
    level.set_num_zones(6);
    level.textile32.assign(100, 1);
    level.samples_size = 100;
    level.sound_map[449] = 7;
    level.tr5_header[31] = 1;
    level.clear_tables();

    EXPECT_FALSE(level.is_loaded());
    EXPECT_EQ(level.game_version, 0);
    EXPECT_EQ(level.version_word, 0u);
    EXPECT_EQ(level.num_rooms, 2);
    EXPECT_EQ(level.num_items, 0);
    EXPECT_TRUE(level.items.empty() && level.items1.empty());
    EXPECT_EQ(level.num_animations, 0);
    EXPECT_TRUE(level.animations4.empty());
    EXPECT_TRUE(level.ai_objects.empty());
    EXPECT_EQ(level.num_zones, 0);
    EXPECT_TRUE(level.textile32.empty());
    EXPECT_EQ(level.samples_size, 0);
    EXPECT_EQ(level.sound_map[449], 0);
    EXPECT_EQ(level.tr5_header[31], 0);
    EXPECT_EQ(level.gauge, &progress);
}

TEST(Troom, SectorsAreAddressedByColumnAndRowFromOne) {
    auto level = std::make_unique<Ttrlevel>();
    level->set_num_rooms(1);
    troom& room = level->rooms[0];
    room.num_x_sectors = 3;
    room.num_z_sectors = 5;
    EXPECT_EQ(room.sector_number(2, 1), 6);
    EXPECT_EQ(room.sector_number(0, 4), 4);  // a column of 0 counts as 1
    EXPECT_EQ(room.sector_at(2, 1), &room.sectors[5]);
    EXPECT_EQ(room.sector_at(0, 1), &room.sectors[0]);
    EXPECT_EQ(room.sector_at(4, 1), nullptr);
    EXPECT_EQ(room.sector_at(1, 6), nullptr);
    EXPECT_EQ(room.sector_at(1, 0), nullptr);
    EXPECT_EQ(room.sector_at(-1, 1), nullptr);
}

}  // namespace
}  // namespace rw
