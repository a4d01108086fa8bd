#include "builder/room_statics.h"

#include <gtest/gtest.h>

#include "build_fixture.h"
#include "recording_sinks.h"

namespace rw {
namespace {

// A 3 x 3 room at blocks (2, 3) whose middle floor lies on the room's bottom (124 clicks), in a
// level of three static mesh kinds with ids 100, 101 and 102.
struct StaticsRoom {
    explicit StaticsRoom(int32_t version = kTR4) : level(test::empty_level(version, 1)) {
        test::add_room(*doc, {3, 3, 4, 2, 3, 1});
        level->set_num_static_meshes(3);
        for (uint32_t i = 0; i < 3; ++i)
            level->static_meshes[i].id = 100 + i;
    }
    Ornament& add(int32_t mesh, int32_t column = 2, int32_t row = 2) {
        Room& room = doc->room(1);
        Ornament& o = room.ornaments[static_cast<size_t>(room.ornament_count++)];
        o = {};
        o.mesh = mesh;
        o.column = column;
        o.row = row;
        return o;
    }
    void build(LogSink* log = nullptr) {
        test::prepare_game_room(*level, *doc, 1);
        build_room_statics(*level, doc->room(1), 1, log);
    }
    const troom& game() const { return level->rooms[0]; }
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::unique_ptr<Ttrlevel> level;
};

TEST(RoomStatics, AlignmentMovesTheMeshHalfABlockFromTheSectorsCentre) {
    struct Case {
        uint8_t alignment;
        int32_t x, z;
    };
    for (const Case tc : {Case{0, 3584, 4608}, Case{1, 3584, 5120}, Case{2, 3584, 4096},
                          Case{3, 3072, 4608}, Case{4, 4096, 4608}, Case{9, 3584, 4608}}) {
        SCOPED_TRACE(testing::Message() << "alignment " << int{tc.alignment});
        StaticsRoom room;
        Ornament& o = room.add(1);
        o.alignment = tc.alignment;
        o.lift = 4;
        o.rotation = 3;
        room.build();
        ASSERT_EQ(room.game().num_room_statics, 1);
        const tr_room_static& st = room.game().room_statics[0];
        EXPECT_EQ(st.x, tc.x);
        EXPECT_EQ(st.z, tc.z);
        EXPECT_EQ(st.y, (124 - 4) * 256);
        EXPECT_EQ(st.rotation, 0x6000);
        EXPECT_EQ(st.mesh_id, 101);
    }
}

TEST(RoomStatics, ARotationOfAnyStoredSizeTurnsByItsEighthsModuloAWholeTurn) {
    struct Case {
        int32_t rotation;
        uint16_t stored;
    };
    for (const Case tc : {Case{11, 0x6000}, Case{-1, 0xE000}, Case{INT32_MAX, 0xE000},
                          Case{INT32_MIN, 0x0000}, Case{INT32_MIN + 5, 0xA000}}) {
        SCOPED_TRACE(tc.rotation);
        StaticsRoom room;
        room.add(0).rotation = tc.rotation;
        room.build();
        ASSERT_EQ(room.game().num_room_statics, 1);
        EXPECT_EQ(room.game().room_statics[0].rotation, tc.stored);
    }
}

TEST(RoomStatics, IntensityFormDependsOnTheGameVersion) {
    for (const int32_t version : test::kAllVersions) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        StaticsRoom room(version);
        Ornament& o = room.add(2);
        o.red = 5;
        o.green = 6;
        o.blue = 7;
        room.build();
        ASSERT_EQ(room.game().num_room_statics, 1);
        if (version <= kTUB) {
            const tr_room_static1& st = room.game().room_statics1[0];
            EXPECT_EQ(st.intensity, 5 * 256);
            EXPECT_EQ(st.mesh_id, 102);
            EXPECT_EQ(st.y, 124 * 256);
            continue;
        }
        const tr_room_static& st = room.game().room_statics[0];
        const uint16_t colour = version == kTR2 ? 5 * 256 : 7 * 1024 + 6 * 32 + 5;
        EXPECT_EQ(st.intensity1, colour);
        EXPECT_EQ(st.intensity2, version == kTR5 ? 1 : colour);
    }
}

TEST(RoomStatics, NegativeRedTakesTheRoomsAmbientLightForAllThreeColours) {
    StaticsRoom room;
    Ornament& o = room.add(0);
    o.red = -1;
    o.green = 3;
    room.build();
    EXPECT_EQ(room.game().room_statics[0].intensity1, 16 * 1024 + 16 * 32 + 16);
}

TEST(RoomStatics, AnUnknownMeshEndsThePlacingOfTheRoomsLaterOrnaments) {
    for (const int32_t unknown : {3, -1}) {
        SCOPED_TRACE(unknown);
        StaticsRoom room;
        room.add(0);
        room.add(unknown);
        room.add(1);
        room.build();
        EXPECT_EQ(room.game().num_room_statics, 1);
    }
}

TEST(RoomStatics, AnOrnamentOutsideTheGridIsLeftOutWithALogLine) {
    StaticsRoom room;
    room.add(0, 4, 2);
    room.add(0, 0, 2);
    room.add(1);
    test::RecordingLog log;
    room.build(&log);
    EXPECT_EQ(room.game().num_room_statics, 1);
    EXPECT_EQ(room.game().room_statics[0].mesh_id, 101);
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "Room 1: ornament 1 stands outside the room and was left out",
                             "Room 1: ornament 2 stands outside the room and was left out"}));
}

}  // namespace
}  // namespace rw
