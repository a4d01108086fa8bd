#include "builder/level_finish.h"

#include <gtest/gtest.h>

#include "build_fixture.h"
#include "recording_sinks.h"

namespace rw {
namespace {

TEST(FinishFloorData, AppendsAZeroWordAndStoresTheLengthInTheFirstWord) {
    auto level = test::empty_level(kTR4, 0);
    level->set_num_floor_data(9);
    level->floor_data[8] = 0x8005;
    finish_floor_data(*level);
    EXPECT_EQ(level->num_floor_data, 10);
    EXPECT_EQ(level->floor_data.size(), 10u);
    EXPECT_EQ(level->floor_data[0], 10);
    EXPECT_EQ(level->floor_data[8], 0x8005);
    EXPECT_EQ(level->floor_data[9], 0);
}

// A level of one room with one vertex (light byte 10), one item and one box.
std::unique_ptr<Ttrlevel> converted(int32_t version, uint8_t room_flags) {
    auto level = test::empty_level(version, 1);
    troom& room = level->rooms[0];
    room.num_vertices = 1;
    room.vertices[0] = {100, -200, 300, 0x0A34};
    room.room_flags = {room_flags, 0};
    room.ambient = {0, 16, 7, 7};
    level->set_num_items(1);
    level->items1[0] = {5, 1, 10, 20, 30, 0x4000, 0x12AB, 0x0100};
    level->set_num_boxes(1);
    level->boxes1[0] = {2048, 3072, 1024, 4096, 384, 6};
    level->set_num_zones(1);
    for (auto& zone : level->zones)
        zone[0] = 9;
    convert_level_data(*level);
    return level;
}

TEST(ConvertLevelData, SecondVertexFormTakesPositionAndLightingWithVersionColours) {
    struct Case {
        int32_t version;
        uint8_t flags;
        uint16_t lighting2, attributes;
    };
    const uint16_t shade = 21;  // 31 - 10
    const uint16_t colour = shade * 1024 + shade * 32 + shade;
    const Case cases[] = {
        {kTR1, 0, 0xFFFF, 0},
        {kTRG, 0x01, 0xFFFF, 0},
        {kTR3, 0, colour, 0x0010},
        {kTR3, 0x01, colour, 0x6010},
        {kTR4, 0x01, shade * 32 + shade, 0x6010},
        {kTR5, 0x01, shade * 32 + shade, 0x6010},
        {kTR4, 0x80, colour, 0x2010},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << "version " << tc.version << " flags " << int{tc.flags});
        auto level = converted(tc.version, tc.flags);
        const tr_vertex2& v = level->rooms[0].vertices2[0];
        EXPECT_EQ(v.x, 100);
        EXPECT_EQ(v.y, -200);
        EXPECT_EQ(v.z, 300);
        EXPECT_EQ(v.lighting, 0x0A34);
        EXPECT_EQ(v.lighting2, tc.lighting2);
        EXPECT_EQ(v.attributes, tc.attributes);
    }
}

TEST(ConvertLevelData, RoomLightFieldsFollowTheVersion) {
    struct Case {
        int32_t version;
        uint8_t flags;
        std::array<uint8_t, 4> ambient;
    };
    const Case cases[] = {
        {kTR1, 0, {0, 16, 0xFF, 0xFF}}, {kTR2, 0, {0, 16, 0xFF, 0xFF}}, {kTR3, 0, {0, 16, 0, 0}},
        {kTR4, 0, {120, 120, 120, 0}},  {kTR4, 0x01, {120, 120, 0, 0}}, {kTR5, 0, {0, 16, 0, 0}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << "version " << tc.version);
        auto level = converted(tc.version, tc.flags);
        EXPECT_EQ(level->rooms[0].ambient, tc.ambient);
        EXPECT_EQ(level->rooms[0].light_mode, 3);
    }
}

TEST(ConvertLevelData, ItemsGetTheLaterFormWithBothIntensityBytesRepeated) {
    for (const int32_t version : test::kAllVersions) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        auto level = converted(version, 0);
        const tr_item& item = level->items[0];
        EXPECT_EQ(item.object_id, 5);
        EXPECT_EQ(item.room, 1);
        EXPECT_EQ(item.x, 10);
        EXPECT_EQ(item.y, 20);
        EXPECT_EQ(item.z, 30);
        EXPECT_EQ(item.angle, 0x4000);
        EXPECT_EQ(item.flags, 0x0100);
        if (version >= kTR4) {
            EXPECT_EQ(item.intensity1, -1);
            EXPECT_EQ(item.intensity2, 0);
        } else {
            EXPECT_EQ(static_cast<uint16_t>(item.intensity1), 0xABAB);
            EXPECT_EQ(item.intensity2, 0x1212);
        }
    }
}

TEST(ConvertLevelData, BoxesBecomeSectorsAndZonesAreCleared) {
    auto level = converted(kTR4, 0);
    const tr_box& box = level->boxes[0];
    EXPECT_EQ(box.z_min, 2);
    EXPECT_EQ(box.z_max, 3);
    EXPECT_EQ(box.x_min, 1);
    EXPECT_EQ(box.x_max, 4);
    EXPECT_EQ(box.true_floor, 384);
    EXPECT_EQ(box.overlap_index, 6);
    for (const auto& zone : level->zones)
        EXPECT_EQ(zone, (std::vector<uint16_t>{0}));
}

struct LaraLevel {
    LaraLevel() : level(test::empty_level(kTR4, 3)) {
        for (int n = 1; n <= 3; ++n) {
            test::add_room(*doc, {5, 5, 4, 2 * n, 3, 1});
            test::prepare_game_room(*level, *doc, n);
        }
    }
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::unique_ptr<Ttrlevel> level;
};

TEST(LaraItem, ARoomBeyondTheRoomCountOrBelowOneBecomesRoomOneInTheDocumentToo) {
    for (const int32_t room : {7, 0, -3}) {
        SCOPED_TRACE(room);
        LaraLevel l;
        l.doc->lara_room = room;
        place_lara_inside(*l.doc, *l.level, nullptr);
        add_lara_item(*l.level, *l.doc);
        EXPECT_EQ(l.doc->lara_room, 1);
        EXPECT_EQ(l.level->items1[0].room, 0);
        EXPECT_EQ(l.level->items1[0].x, 2 * 1024 + 1024 + 512);
    }
}

TEST(LaraItem, StandsOnTheCentreOfHerSectorAtTheRoomsBottom) {
    LaraLevel l;
    l.doc->lara_room = 3;
    l.doc->lara_column = 4;
    l.doc->lara_row = 2;
    l.level->set_num_cameras(2);
    l.level->set_num_sound_sources(2);
    l.level->set_num_flyby_cameras(2);
    add_lara_item(*l.level, *l.doc);
    ASSERT_EQ(l.level->num_items, 1);
    const tr_item1& lara = l.level->items1[0];
    EXPECT_EQ(lara.object_id, 0);
    EXPECT_EQ(lara.room, 2);
    EXPECT_EQ(lara.x, 6 * 1024 + 3 * 1024 + 512);
    EXPECT_EQ(lara.y, 31744);
    EXPECT_EQ(lara.z, 3 * 1024 + 1024 + 512);
    EXPECT_EQ(lara.angle, 0);
    EXPECT_EQ(static_cast<uint16_t>(lara.intensity), 0xFFFF);
    EXPECT_EQ(l.level->num_cameras + l.level->num_sound_sources + l.level->num_flyby_cameras, 0);
}

TEST(LaraItem, AStartOutsideTheRoomIsBroughtInsideWithALogLine) {
    struct Case {
        const char* name;
        int32_t column, row;
        bool wall_at_2_2;
        int32_t to_column, to_row;
    };
    const Case cases[] = {
        {"beyond the columns", 40, 3, false, 2, 2},
        {"before the first row", 3, 0, false, 2, 2},
        {"(2, 2) is a wall", 10, 4, true, 4, 4},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        LaraLevel l;
        l.doc->lara_room = 2;
        l.doc->lara_column = tc.column;
        l.doc->lara_row = tc.row;
        if (tc.wall_at_2_2) {
            tr_sector& s = *l.level->rooms[1].sector_at(2, 2);
            s.floor = s.ceiling;
        }
        test::RecordingLog log;
        place_lara_inside(*l.doc, *l.level, &log);
        EXPECT_EQ(l.doc->lara_column, tc.to_column);
        EXPECT_EQ(l.doc->lara_row, tc.to_row);
        EXPECT_EQ(log.lines,
                  (std::vector<std::string>{
                      "Lara's start (column " + std::to_string(tc.column) + ", row " +
                      std::to_string(tc.row) + ") lies outside room 2; moved to column " +
                      std::to_string(tc.to_column) + ", row " + std::to_string(tc.to_row)}));
    }
}

TEST(LaraItem, AStartInsideTheRoomIsKeptEvenOnAWall) {
    LaraLevel l;
    l.doc->lara_column = 1;
    l.doc->lara_row = 5;
    test::RecordingLog log;
    place_lara_inside(*l.doc, *l.level, &log);
    EXPECT_EQ(l.doc->lara_column, 1);
    EXPECT_EQ(l.doc->lara_row, 5);
    EXPECT_TRUE(log.lines.empty());
}

TEST(LaraItem, TR5LevelsGetACopyWithObject434) {
    LaraLevel l;
    add_lara_item(*l.level, *l.doc);
    convert_level_data(*l.level);
    add_tr5_lara_copy(*l.level);
    ASSERT_EQ(l.level->num_items, 2);
    tr_item expected = l.level->items[0];
    expected.object_id = 434;
    EXPECT_EQ(std::memcmp(&l.level->items[1], &expected, sizeof(tr_item)), 0);
}

}  // namespace
}  // namespace rw
