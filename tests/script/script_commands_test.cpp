// Top-level commands that add records to the level or floor data to a sector.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "byte_builder.h"
#include "level_fixture.h"
#include "script/floor_data.h"
#include "script/script_commands.h"
#include "script/script_compiler.h"

namespace rw {
namespace {

using test::ByteBuilder;
using test::bytes_of;
using test::floor_bytes;
using test::script_level;

constexpr int kAmbientShade = 12;

// Two 5 x 5 rooms; sector (2, 3) of room 1 has its floor 4 clicks up, and room 1's ambient
// value has 12 as its second byte.
std::unique_ptr<Ttrlevel> command_level(int32_t game_version) {
    auto level = script_level(game_version);
    level->rooms[0].sector_at(2, 3)->floor = -4;
    level->rooms[0].ambient = {0x00, kAmbientShade, 0x00, 0x00};
    return level;
}

int32_t compile(Ttrlevel& level, const std::string& script, std::string* error = nullptr) {
    ScriptCompiler compiler;
    const int32_t result = compiler.scp_compile_text(script, level);
    if (error != nullptr) *error = compiler.scp_error();
    return result;
}

struct ItemValues {
    uint16_t flags;
    int copies;
    int shade1, shade2, shade3;
    int16_t ocb;
};

// Put_Item(1,2,3,1,5,1,1): room 1 sector (2, 3), one click above its floor, object 5, a
// quarter turn, moved to the +Z edge.
std::vector<uint8_t> expected_item(int32_t version, const ItemValues& v) {
    ByteBuilder b;
    b.i16(5).i16(0).i32(1024 + 1024 + 512).i32(-4 * 256 - 256).i32(2 * 1024 + 512 + 512);
    b.u16(0x4000);
    const int colour = v.shade3 * 1024 + v.shade2 * 32 + v.shade1;
    if (version <= kTUB) {
        b.u16(v.shade1 << 8 | 0xFF);
    } else if (version == kTR3) {
        b.u16(colour).u16(colour);
    } else if (version >= kTR4) {
        b.u16(0xFF00 | v.shade1).i16(v.ocb);
    } else {
        b.u16(0xFF00 | v.shade1).u16(0xFF0F);
    }
    return b.u16(v.flags << 8).take();
}

TEST(PutItem, FillsOptionalArgumentsByCountInEveryGameVersion) {
    struct Case {
        const char* tail;
        ItemValues values;
    };
    const Case cases[] = {
        {"", {0, 1, 16, 16, 16, 0}},
        {",3", {3, 1, 16, 16, 16, 0}},
        {",3,2", {3, 2, kAmbientShade, kAmbientShade, kAmbientShade, 0}},
        {",0,1,20", {0, 1, 20, 20, 20, 0}},
        {",0,1,1,2", {0, 1, 1, 2, 2, 0}},
        {",0,1,1,2,3", {0, 1, 1, 2, 3, 0}},
        {",0,1,1,2,3,77", {0, 1, 1, 2, 3, 77}},
    };
    for (int32_t version = kTR1; version <= kTR5; ++version) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << " tail " << c.tail);
            auto level = command_level(version);
            ASSERT_EQ(compile(*level, std::string("Put_Item(1,2,3,1,5,1,1") + c.tail + ")\n"), 0);
            ASSERT_EQ(level->num_items, c.values.copies);
            for (size_t i = 0; i < static_cast<size_t>(c.values.copies); ++i) {
                const auto actual =
                    version <= kTUB ? bytes_of(level->items1[i]) : bytes_of(level->items[i]);
                EXPECT_EQ(actual, expected_item(version, c.values));
            }
        }
    }
}

TEST(PutItem, MovesToTheMiddleOfAnEdgeAndTurnsByQuarters) {
    struct Case {
        const char* line;
        int32_t x, y, z;
        uint16_t angle;
    };
    // Sector (2, 3) of room 1 (at x = 1024) is centred at x 2560, z 2560 with its floor 4
    // clicks up; sector (1, 3) has its floor at 0.
    const Case cases[] = {
        {"Put_Item(1,2,3,0,5,0,0)", 2560, -1024, 2560, 0x0000},
        {"Put_Item(1,2,3,0,5,1,1)", 2560, -1024, 3072, 0x4000},
        {"Put_Item(1,2,3,0,5,2,2)", 2560, -1024, 2048, 0x8000},
        {"Put_Item(1,2,3,0,5,3,3)", 2048, -1024, 2560, 0xC000},
        {"Put_Item(1,2,3,0,5,4,4)", 3072, -1024, 2560, 0x0000},
        {"Put_Item(1,2,3,0,5,5,5)", 2560, -1024, 2560, 0x4000},
        {"Put_Item(1,2,3,0,5,-1,-1)", 2560, -1024, 2560, 0xC000},
        {"Put_Item(1,0,3,0,5,0,0)", 1536, 0, 2560, 0x0000},  // column 0 stands for column 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        auto level = command_level(kTR2);
        ASSERT_EQ(compile(*level, std::string(c.line) + "\n"), 0);
        const tr_item& item = level->items[0];
        EXPECT_EQ(item.x, c.x);
        EXPECT_EQ(item.z, c.z);
        EXPECT_EQ(item.y, c.y);
        EXPECT_EQ(item.angle, c.angle);
    }
}

TEST(PutItem, AppendsNothingForCopiesBelowOneAndRefusesCopiesPastTheItemLimit) {
    auto level = command_level(kTR4);
    EXPECT_EQ(compile(*level, "Put_Item(1,1,1,0,1,0,0,0,0)\nPut_Item(1,1,1,0,1,0,0,0,-5)\n"), 0);
    EXPECT_EQ(level->num_items, 0);

    std::string error;
    EXPECT_EQ(compile(*level, "Put_Item(1,1,1,0,1,0,0,0,2147483647)\n", &error), -1);
    EXPECT_EQ(error, "Too many items:->Put_Item(1,1,1,0,1,0,0,0,2147483647)");
    EXPECT_EQ(level->num_items, 0);
}

TEST(AddCamera, AppendsACameraAtTheSectorCentreWithItsFlags) {
    auto level = command_level(kTR2);
    ASSERT_EQ(compile(*level, "Add_Camera(2,1,1,2)\nAdd_Camera(1,2,3,0,9)\nAdd_Camera(1,0,1,0)\n"),
              0);
    ASSERT_EQ(level->num_cameras, 3);
    EXPECT_EQ(bytes_of(level->cameras[0]),
              ByteBuilder().i32(2048 + 512).i32(-512).i32(512).i16(1).u16(0).take());
    EXPECT_EQ(bytes_of(level->cameras[1]),
              ByteBuilder().i32(2560).i32(-1024).i32(2560).i16(0).u16(9).take());
    // Column 0 stands for column 1.
    EXPECT_EQ(bytes_of(level->cameras[2]),
              ByteBuilder().i32(1536).i32(0).i32(512).i16(0).u16(0).take());
}

TEST(AddSink, StoresTheForceInTheCameraRoomField) {
    auto level = command_level(kTR3);
    ASSERT_EQ(compile(*level, "Add_Sink(1,2,3,1,40)\nAdd_Sink(2,5,5,0,7,3)\n"), 0);
    ASSERT_EQ(level->num_cameras, 2);
    EXPECT_EQ(bytes_of(level->cameras[0]),
              ByteBuilder().i32(2560).i32(-1280).i32(2560).i16(40).u16(0).take());
    EXPECT_EQ(
        bytes_of(level->cameras[1]),
        ByteBuilder().i32(2048 + 4 * 1024 + 512).i32(0).i32(4 * 1024 + 512).i16(7).u16(3).take());
}

TEST(PutAlternate, LinksBothRoomsAndRefusesARoomOutsideTheLevel) {
    auto level = command_level(kTR4);
    ASSERT_EQ(compile(*level, "Put_Alternate(2,1)\n"), 0);
    EXPECT_EQ(level->rooms[0].alternate_room, 1);
    EXPECT_EQ(level->rooms[1].alternate_room, 0);

    for (const char* line : {"Put_Alternate(1,3)", "Put_Alternate(0,1)", "Put_Alternate(1,-4)"}) {
        SCOPED_TRACE(line);
        auto fresh = command_level(kTR4);
        std::string error;
        EXPECT_EQ(compile(*fresh, std::string(line) + "\n", &error), -1);
        EXPECT_EQ(error, std::string("Room out of range:->") + line);
        EXPECT_EQ(fresh->rooms[0].alternate_room, -1);
        EXPECT_EQ(fresh->rooms[1].alternate_room, -1);
    }
}

TEST(KillLaraAndMonkeySwing, InsertOneWordEntries) {
    for (int32_t version = kTR1; version <= kTR5; ++version) {
        SCOPED_TRACE(version);
        auto level = command_level(version);
        ASSERT_EQ(compile(*level, "Kill_Lara(1,1,1)\nMonkey_Swing(1,2,2)\n"), 0);
        ByteBuilder expected;
        expected.u16(0x8005);
        if (version >= kTR3) expected.u16(0x8013);  // no monkey swings before TR3
        EXPECT_EQ(floor_bytes(*level, 1), expected.data());
        EXPECT_EQ(level->rooms[0].sector_at(2, 2)->fd_index, version >= kTR3 ? 2 : 0);
    }
}

struct StaticValues {
    int32_t x;
    int shade1, shade2, shade3;
};

// Put_Static_Mesh(1,2,3,1,9,2...): mesh 9 turned half round, one click above the floor.
std::vector<uint8_t> expected_static(int32_t version, const StaticValues& v) {
    ByteBuilder b;
    b.i32(v.x).i32(-1280).i32(2560).u16(0x8000);
    const uint16_t grey = static_cast<uint16_t>(v.shade1 << 8);
    const uint16_t colour = static_cast<uint16_t>(v.shade3 * 1024 + v.shade2 * 32 + v.shade1);
    if (version <= kTUB) {
        b.u16(grey);
    } else if (version <= kTRG) {
        b.u16(grey).u16(grey);
    } else {
        b.u16(colour).u16(version == kTR5 ? 1 : colour);
    }
    return b.u16(9).take();
}

TEST(PutStaticMesh, FillsOptionalArgumentsByCountInEveryGameVersion) {
    struct Case {
        const char* tail;
        StaticValues values;
    };
    const Case cases[] = {
        {"", {2560, kAmbientShade, kAmbientShade, kAmbientShade}},
        {",4", {3072, kAmbientShade, kAmbientShade, kAmbientShade}},
        {",0,20", {2560, 20, 20, 20}},
        {",0,1,2", {2560, 1, 2, 2}},  // shade 3 follows shade 2
        {",0,1,2,3", {2560, 1, 2, 3}},
    };
    for (int32_t version = kTR1; version <= kTR5; ++version) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << " tail " << c.tail);
            auto level = command_level(version);
            ASSERT_EQ(compile(*level, std::string("Put_Static_Mesh(1,2,3,1,9,2") + c.tail + ")\n"),
                      0);
            const troom& room = level->rooms[0];
            ASSERT_EQ(room.num_room_statics, 1);
            const auto actual =
                version <= kTUB ? bytes_of(room.room_statics1[0]) : bytes_of(room.room_statics[0]);
            EXPECT_EQ(actual, expected_static(version, c.values));
        }
    }
}

TEST(PutStaticMesh, RefusesAFiftyFirstMeshInARoom) {
    auto level = command_level(kTR4);
    level->rooms[0].num_room_statics = kRoomMaxStatics;
    std::string error;
    EXPECT_EQ(compile(*level, "Put_Static_Mesh(1,1,1,0,1,0)\n", &error), -1);
    EXPECT_EQ(error, "Too many static meshes in the room:->Put_Static_Mesh(1,1,1,0,1,0)");
    EXPECT_EQ(level->rooms[0].num_room_statics, kRoomMaxStatics);
}

TEST(ClimbWall, MarksTheNeighbourFacingEachWallInBitOrder) {
    auto level = command_level(kTR4);
    ASSERT_EQ(compile(*level, "Climb_Wall(1,3,3,15)\n"), 0);
    const troom& room = level->rooms[0];
    EXPECT_EQ(room.sector_at(3, 2)->fd_index, 1);
    EXPECT_EQ(room.sector_at(2, 3)->fd_index, 2);
    EXPECT_EQ(room.sector_at(3, 4)->fd_index, 3);
    EXPECT_EQ(room.sector_at(4, 3)->fd_index, 4);
    EXPECT_EQ(room.sector_at(3, 3)->fd_index, 0);
    EXPECT_EQ(floor_bytes(*level, 1),
              ByteBuilder().u16(0x8106).u16(0x8206).u16(0x8406).u16(0x8806).take());
}

TEST(ClimbWall, OnlySetBitsWriteAndAnExistingChainIsKept) {
    auto level = command_level(kTR1);
    ASSERT_EQ(compile(*level, "Kill_Lara(1,3,2)\nClimb_Wall(1,3,3,5)\n"), 0);
    EXPECT_EQ(level->rooms[0].sector_at(3, 2)->fd_index, 2);
    EXPECT_EQ(level->rooms[0].sector_at(3, 4)->fd_index, 4);
    EXPECT_EQ(floor_bytes(*level, 1),
              ByteBuilder().u16(0x8005).u16(0x0005).u16(0x8106).u16(0x8406).take());
}

TEST(ClimbWall, RefusesAWallWhoseNeighbourLiesOutsideTheRoom) {
    for (const char* line : {"Climb_Wall(1,1,1,1)", "Climb_Wall(1,1,3,2)", "Climb_Wall(1,5,3,8)",
                             "Climb_Wall(1,3,5,4)", "Climb_Wall(1,5,5,9)"}) {
        SCOPED_TRACE(line);
        auto level = command_level(kTR4);
        std::string error;
        EXPECT_EQ(compile(*level, std::string(line) + "\n", &error), -1);
        EXPECT_EQ(error, std::string("Sector out of range:->") + line);
        EXPECT_EQ(level->num_floor_data, 1);
    }
}

TEST(LevelCommands, RefuseRoomsAndSectorsOutsideTheLevelAndChangeNothing) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"Put_Item(3,1,1,0,1,0,0)", "Room out of range:->"},
        {"Put_Item(1,6,1,0,1,0,0)", "Sector out of range:->"},
        {"Kill_Lara(0,1,1)", "Room out of range:->"},
        {"Kill_Lara(1,1,6)", "Sector out of range:->"},
        {"Add_Camera(-1,1,1,0)", "Room out of range:->"},
        {"Add_Camera(1,-1,1,0)", "Sector out of range:->"},
        {"Add_Sink(1,1,0,0,5)", "Sector out of range:->"},
        {"Put_Static_Mesh(1,1,7,0,1,0)", "Sector out of range:->"},
        {"Put_Spot_Light(3,1,1,0)", "Room out of range:->"},
        {"Put_RGB_Light(2,9,1,0,1,1,1)", "Sector out of range:->"},
        {"Climb_Wall(3,2,2,1)", "Room out of range:->"},
        {"Monkey_Swing(1,1,2147483647)", "Sector out of range:->"},
        {"Copy_Trigger(5,1,1)", "Room out of range:->"},
    };
    for (int32_t version : {kTR1, kTR3}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << " " << c.line);
            const std::string line = c.line;
            // Commands of another game family do nothing at all, whatever their arguments.
            const bool does_nothing =
                version == kTR1 ? line.starts_with("Put_RGB") || line.starts_with("Monkey")
                                : line.starts_with("Put_Spot");
            auto level = command_level(version);
            std::string error;
            const int32_t result = compile(*level, line + "\n", &error);
            if (does_nothing) {
                EXPECT_EQ(result, 0);
                continue;
            }
            EXPECT_EQ(result, -1);
            EXPECT_EQ(error, std::string(c.message) + c.line);
            EXPECT_EQ(level->num_items, 0);
            EXPECT_EQ(level->num_cameras, 0);
            EXPECT_EQ(level->num_floor_data, 1);
            EXPECT_EQ(level->rooms[0].num_room_statics + level->rooms[0].num_lights, 0);
        }
    }
}

TEST(InsertFloorDataFromScripts, RefusesAChainThatASectorIndexCannotAddress) {
    auto level = command_level(kTR4);
    level->set_num_floor_data(kMaxFloorDataIndex + 1);
    std::string error;
    EXPECT_EQ(compile(*level, "Kill_Lara(1,1,1)\n", &error), -1);
    EXPECT_EQ(error, "Floor data full:->Kill_Lara(1,1,1)");
    EXPECT_EQ(level->num_floor_data, kMaxFloorDataIndex + 1);
}

}  // namespace
}  // namespace rw
