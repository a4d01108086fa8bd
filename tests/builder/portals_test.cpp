#include "builder/portals.h"

#include <gtest/gtest.h>

#include "build_fixture.h"
#include "builder/floor_entries.h"
#include "recording_sinks.h"

namespace rw {
namespace {

using Vertex = std::array<int16_t, 3>;
using Vertices = std::array<Vertex, 4>;

// A 4 x 4 room (height 4, pos_y 1: bottom 31744, top 27648) whose middle sectors are open, in
// a level of three rooms; its views join room 3.
struct PortalRoom {
    explicit PortalRoom(int32_t version = kTR4) : level(test::empty_level(version, 3)) {
        test::add_room(*doc, {4, 4, 4, 0, 0, 1});
    }
    PortalView& add_view(uint8_t facing, int32_t column = 2, int32_t row = 2) {
        Room& room = doc->room(1);
        PortalView& v = room.portal_views[static_cast<size_t>(room.portal_view_count++)];
        v = {facing, 0, 3, 2, 3, row, column};
        return v;
    }
    void build(LogSink* log = nullptr) {
        test::prepare_game_room(*level, *doc, 1);
        build_room_portals(*level, doc->room(1), 1, log);
    }
    const troom& game() const { return level->rooms[0]; }
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::unique_ptr<Ttrlevel> level;
};

TEST(RoomPortals, EachFacingHasItsNormalAndItsFourVertices) {
    // Reference sector (2, 2), 2 tiles wide, 3 high or long, standing on the floor at 31744.
    struct Case {
        uint8_t facing;
        std::array<int16_t, 3> normal;
        Vertices vertices;
    };
    const Case cases[] = {
        {0,
         {0, 0, -1},
         {{{1024, 31744, 1024}, {1024, 28672, 1024}, {3072, 28672, 1024}, {3072, 31744, 1024}}}},
        {1,
         {0, 0, 1},
         {{{3072, 31744, 2048}, {3072, 28672, 2048}, {1024, 28672, 2048}, {1024, 31744, 2048}}}},
        {2,
         {1, 0, 0},
         {{{2048, 31744, 1024}, {2048, 28672, 1024}, {2048, 28672, 3072}, {2048, 31744, 3072}}}},
        {3,
         {-1, 0, 0},
         {{{1024, 31744, 2048}, {1024, 28672, 2048}, {1024, 28672, 0}, {1024, 31744, 0}}}},
        {4,
         {0, 1, 0},
         {{{1024, 27648, -1024}, {1024, 27648, 2048}, {3072, 27648, 2048}, {3072, 27648, -1024}}}},
        {5,
         {0, -1, 0},
         {{{1024, 31744, -1024}, {1024, 31744, 2048}, {3072, 31744, 2048}, {3072, 31744, -1024}}}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << "facing " << int{tc.facing});
        PortalRoom p;
        p.add_view(tc.facing);
        p.build();
        ASSERT_EQ(p.game().num_portals, 1);
        const tr_portal& portal = p.game().portals[0];
        EXPECT_EQ(portal.adjoining_room, 2);
        EXPECT_EQ(portal.normal, tc.normal);
        EXPECT_EQ(portal.vertices, tc.vertices);
    }
}

TEST(RoomPortals, AWallPortalStandsOnTheReferenceSectorsFloor) {
    PortalRoom p;
    p.doc->room(1).sector(2, 2).floor_raise = 4;  // one block up: 120 clicks
    p.add_view(kFacingFront);
    p.build();
    EXPECT_EQ(p.game().portals[0].vertices[0][1], 120 * 256);
    EXPECT_EQ(p.game().portals[0].vertices[1][1], 120 * 256 - 3072);
}

TEST(RoomPortals, ViewsThatCannotBePlacedAreLeftOutWithALogLineAndLeaveNothingStale) {
    PortalRoom p;
    p.add_view(6);
    p.add_view(kFacingLeft, 9, 2);
    p.add_view(kFacingFloor, 9, 2);  // floor and ceiling views need no sector
    p.add_view(kFacingBack);
    p.add_view(kFacingFloor).view_room = 4;
    p.add_view(kFacingFloor).view_room = 0;
    p.level->rooms[0].portals[0].vertices[0] = {7, 7, 7};
    test::RecordingLog log;
    p.build(&log);
    ASSERT_EQ(p.game().num_portals, 2);
    EXPECT_EQ(p.game().portals[0].normal, (std::array<int16_t, 3>{0, -1, 0}));
    EXPECT_EQ(p.game().portals[0].vertices[0], (Vertex{8 * 1024, 31744, -1024}));
    EXPECT_EQ(p.game().portals[1].normal, (std::array<int16_t, 3>{0, 0, 1}));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{
                  "Room 1: portal view 1 has no facing (6); it was left out",
                  "Room 1: portal view 2 stands on a sector outside the room; it was left out",
                  "Room 1: portal view 5 joins room 4, which the level does not have; it was left "
                  "out",
                  "Room 1: portal view 6 joins room 0, which the level does not have; it was left "
                  "out"}));
}

TEST(WallPortal, EndsTheSectorsChainAfterACopyOfItsSlope) {
    PortalRoom p;
    Sector& s = p.doc->room(1).sector(2, 2);
    s.floor_front = 2;
    s.room_side = 4;
    test::prepare_game_room(*p.level, *p.doc, 1);
    build_floor_slope(*p.level, p.doc->room(1), 1, 2, 2);
    ASSERT_EQ(build_wall_portal(*p.level, p.doc->room(1), 1, 2, 2), InsertResult::kDone);
    EXPECT_EQ(p.game().sector_at(2, 2)->fd_index, 3);
    EXPECT_EQ(test::floor_words_from(*p.level, 1),
              (std::vector<uint16_t>{0x8002, 0xFE00, 0x0002, 0xFE00, 0x8001, 3}));
}

TEST(WallPortal, ASectorWithoutARoomOnItsSideGetsNoEntry) {
    PortalRoom p;
    test::prepare_game_room(*p.level, *p.doc, 1);
    build_wall_portal(*p.level, p.doc->room(1), 1, 2, 2);
    EXPECT_EQ(p.level->num_floor_data, 1);
}

TEST(StepSound, MaterialsOfTheFourSoundsAndOfOtherValues) {
    const std::pair<uint8_t, uint16_t> cases[] = {{0, 5}, {1, 12},  {2, 13}, {3, 3},
                                                  {4, 4}, {15, 15}, {16, 5}, {255, 5}};
    for (const auto& [sound, material] : cases) {
        SCOPED_TRACE(int{sound});
        EXPECT_EQ(step_sound_material(sound), material);
    }
}

TEST(StepSound, ReplacesTheBoxIndexsLowBitsFromTR3OnOnly) {
    for (const int32_t version : test::kAllVersions) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        PortalRoom p(version);
        p.doc->room(1).sector(2, 2).step_sound = 1;
        test::prepare_game_room(*p.level, *p.doc, 1);
        p.level->rooms[0].sector_at(2, 2)->box_index = 0x0025;
        build_step_sound(*p.level, p.doc->room(1), 1, 2, 2);
        EXPECT_EQ(p.game().sector_at(2, 2)->box_index, version >= kTR3 ? 0x002C : 0x0025);
    }
}

}  // namespace
}  // namespace rw
