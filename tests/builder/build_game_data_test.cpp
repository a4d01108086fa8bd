#include <gtest/gtest.h>

#include "build_fixture.h"
#include "builder/build_level.h"
#include "byte_builder.h"
#include "recording_sinks.h"
#include "temp_dir.h"

namespace rw {
namespace {

using Lines = std::vector<std::string>;

// A document and a level of one game version, built with recording sinks.
struct Build {
    explicit Build(int32_t version = kTR4) : level(test::empty_level(version, 0)) {}
    bool run() {
        return build_game_data(*doc, *level, compiler, {&log, &progress, &messages, nullptr});
    }
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::unique_ptr<Ttrlevel> level;
    ScriptCompiler compiler;
    test::RecordingLog log;
    test::RecordingProgress progress;
    test::RecordingMessages messages;
};

const Lines kRoomSteps = {"generating rooms's meshes & colisional data...",
                          "building boxes...",
                          "Total Boxes used in level------>1",
                          "Total Overlaps used in level--->1",
                          "Building Portals, adding step sounds...",
                          "Adding Lara item...",
                          "Converting data..."};

TEST(BuildGameData, OneRoomLogsEachStepInOrder) {
    Build b;
    test::add_room(*b.doc, {});
    ASSERT_TRUE(b.run());
    EXPECT_EQ(b.log.lines, kRoomSteps);
    EXPECT_EQ(b.progress.values, (std::vector<int>{0, 100, 0, 100}));
    EXPECT_TRUE(b.messages.messages.empty());
    EXPECT_EQ(b.level->num_rooms, 1);
    EXPECT_EQ(b.level->num_items, 1);
    EXPECT_EQ(b.level->floor_data.front(), b.level->num_floor_data);
}

TEST(BuildGameData, TR5AddsTheLayerStepWeatherAndASecondLaraWithObject434) {
    Build b(kTR5);
    test::add_room(*b.doc, {});
    b.doc->tr5_weather = 2;
    ASSERT_TRUE(b.run());
    Lines expected = kRoomSteps;
    expected.push_back("building TR5 layer...");
    EXPECT_EQ(b.log.lines, expected);
    ASSERT_EQ(b.level->num_items, 2);
    EXPECT_EQ(b.level->items[0].object_id, 0);
    EXPECT_EQ(b.level->items[1].object_id, 434);
    EXPECT_EQ(b.level->items[1].x, b.level->items[0].x);
    EXPECT_EQ(load_le<uint16_t>(b.level->tr5_header.data() + 2), 2);
    EXPECT_EQ(b.level->rooms[0].layer_headers.size(), 1u);
}

TEST(BuildGameData, LaraInARoomBeyondTheCountStartsInRoomOne) {
    Build b;
    for (int n = 0; n < 3; ++n)
        test::add_room(*b.doc, {3, 3, 4, 4 * n, 0, 1});
    b.doc->lara_room = 7;
    ASSERT_TRUE(b.run());
    EXPECT_EQ(b.doc->lara_room, 1);
    EXPECT_EQ(b.level->items[0].room, 0);
    EXPECT_EQ(b.level->items[0].x, 1024 + 512);
}

TEST(BuildGameData, RoomsBoxesAndPortalsAreMadeForEveryRoom) {
    Build b(kTR3);
    test::add_room(*b.doc, {4, 4, 4, 0, 0, 1}).tiled_boxes = 1;
    Room& second = test::add_room(*b.doc, {3, 3, 4, 3, 0, 1});
    second.portal_views[0] = {kFacingLeft, 0, 1, 1, 2, 2, 1};
    second.portal_view_count = 1;
    second.sector(1, 2).room_side = 1;
    second.sector(2, 2).step_sound = 2;
    ASSERT_TRUE(b.run());
    EXPECT_EQ(b.level->num_boxes, 5);  // four tiled, one for the room
    EXPECT_EQ(b.level->rooms[1].num_portals, 1);
    const tr_sector& middle = *b.level->rooms[1].sector_at(2, 2);
    EXPECT_EQ(middle.box_index, (4 << 4) | 13);
    const tr_sector& portal = *b.level->rooms[1].sector_at(1, 2);
    EXPECT_EQ(b.level->floor_data[portal.fd_index], 0x8001);
    EXPECT_EQ(b.level->floor_data[portal.fd_index + 1u], 0);
    EXPECT_EQ(b.level->boxes[4].x_min, 4);
}

TEST(BuildGameData, AMissingScriptStopsTheBuild) {
    Build b;
    test::add_room(*b.doc, {});
    b.doc->script_path.assign(" /no/such/script.scp ");
    EXPECT_FALSE(b.run());
    EXPECT_EQ(b.messages.messages, (Lines{"Scripting program file /no/such/script.scp not found"}));
    Lines expected = kRoomSteps;
    expected.insert(expected.end(),
                    {"Compiling TR Scripting Program  /no/such/script.scp ...",
                     "TR Scripting Program HAS ERRORS!!!", "***Levels WAS NOT BUILT***"});
    EXPECT_EQ(b.log.lines, expected);
}

TEST(BuildGameData, AScriptErrorIsShownAndTheBuildGoesOn) {
    test::TempDir dir;
    test::write_file(dir.path("bad.scp"),
                     test::ByteBuilder().text("; a comment\r\nNo_Such_Command(1)\r\n").take());
    Build b;
    test::add_room(*b.doc, {});
    b.doc->script_path.assign(dir.path("bad.scp"));
    EXPECT_TRUE(b.run());
    EXPECT_EQ(b.messages.messages,
              (Lines{"Error at line 2 --> Invalid Command:->No_Such_Command(1)"}));
    EXPECT_EQ(b.log.lines.back(), "Was FOUND ERRORS in scp file");
}

TEST(BuildGameData, AMissingOrFaultyMeshFileIsReportedAndTheBuildGoesOn) {
    test::TempDir dir;
    test::write_file(dir.path("bad.msh"), test::ByteBuilder().text("not a mesh file").take());
    struct Case {
        std::string path;
        Lines messages;
        Lines extra_lines;
    };
    const Case cases[] = {
        {dir.path("none.msh"),
         {"Polysmith Meshes file " + dir.path("none.msh") + " not found"},
         {",Using Polysmith Geometry & texture & light file " + dir.path("none.msh") + "...",
          "Polysmith Msh file WAS NOT USED"}},
        {dir.path("bad.msh"),
         {"Error en MSH file!"},
         {",Using Polysmith Geometry & texture & light file " + dir.path("bad.msh") + "..."}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.path);
        Build b;
        test::add_room(*b.doc, {});
        b.doc->mesh_file_path.assign(tc.path);
        EXPECT_TRUE(b.run());
        EXPECT_EQ(b.messages.messages, tc.messages);
        Lines expected = kRoomSteps;
        expected.insert(expected.end(), tc.extra_lines.begin(), tc.extra_lines.end());
        EXPECT_EQ(b.log.lines, expected);
    }
}

TEST(BuildGameData, ARefusedRoomStopsTheBuildWithAMessageAndALogLine) {
    Build b;
    test::add_room(*b.doc, {});
    test::open_all(test::add_room(*b.doc, {31, 31, 4, 0, 0, 1}));
    EXPECT_FALSE(b.run());
    ASSERT_EQ(b.messages.messages.size(), 1u);
    EXPECT_EQ(b.messages.messages[0].rfind("Room 2 needs ", 0), 0u);
    EXPECT_EQ(b.log.lines, (Lines{"generating rooms's meshes & colisional data...",
                                  b.messages.messages[0], "***Levels WAS NOT BUILT***"}));
}

TEST(BuildGameData, MoreBoxesThanTR3OnwardsCanNumberAreRefusedAndTR2TakesThem) {
    for (const int32_t version : {kTR2, kTR4}) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        Build b(version);
        for (int n = 0; n < 13; ++n)  // 18 x 18 open sectors each
            test::add_room(*b.doc, {20, 20, 4, 20 * n, 0, 1}).tiled_boxes = 1;
        if (version == kTR2) {
            EXPECT_TRUE(b.run());
            EXPECT_EQ(b.level->num_boxes, 13 * 324);
        } else {
            EXPECT_FALSE(b.run());
            EXPECT_EQ(
                b.messages.messages,
                (Lines{"Room 13 brings the level to 4212 boxes; a level holds at most 4095"}));
        }
    }
}

TEST(BuildGameData, FloorDataBeyondWhatASectorCanAddressIsRefused) {
    Build b;
    for (int n = 0; n < 23; ++n) {
        Room& room = test::add_room(*b.doc, {20, 20, 4, 20 * n, 0, 1});
        for (int c = 2; c < 20; ++c) {
            for (int r = 2; r < 20; ++r) {
                Sector& s = room.sector(c, r);
                s.floor_front = 1;
                s.death = 1;
                s.climb_front = s.climb_back = 1;
            }
        }
    }
    EXPECT_FALSE(b.run());
    ASSERT_EQ(b.messages.messages.size(), 1u);
    EXPECT_NE(b.messages.messages[0].find("needs floor data beyond word 65535"), std::string::npos);
}

TEST(BuildGameData, ADocumentBeyondItsOwnCapacitiesIsRefusedBeforeAnythingIsBuilt) {
    Build b;
    test::add_room(*b.doc, {}).portal_view_count = 25;
    EXPECT_FALSE(b.run());
    EXPECT_EQ(b.log.lines, (Lines{"Room 1 needs 25 portal views; a room holds at most 20",
                                  "***Levels WAS NOT BUILT***"}));
    EXPECT_EQ(b.level->num_rooms, 0);
}

TEST(BuildGameData, ASectorJoiningARoomTheLevelDoesNotHaveStopsTheBuildBeforeAnythingIsBuilt) {
    Build b;
    test::add_room(*b.doc, {});
    test::add_room(*b.doc, {}).sector(2, 2).room_below = 3;
    EXPECT_FALSE(b.run());
    const std::string refusal =
        "Room 2 (column 2, row 2) joins room 3 below; the level has 2 rooms";
    EXPECT_EQ(b.messages.messages, (Lines{refusal}));
    EXPECT_EQ(b.log.lines, (Lines{refusal, "***Levels WAS NOT BUILT***"}));
    EXPECT_EQ(b.level->num_rooms, 0);
}

}  // namespace
}  // namespace rw
