#include "builder/build_level.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "build_fixture.h"
#include "level_cases.h"
#include "level_fixture.h"
#include "levelfile/level_file.h"
#include "recording_sinks.h"
#include "temp_dir.h"

namespace rw {
namespace {

using Lines = std::vector<std::string>;

struct RecordingListener : BaseLevelListener {
    void base_level_loaded(const std::string& path) override { loaded.push_back(path); }
    void base_level_lost() override { ++lost; }
    Lines loaded;
    int lost = 0;
};

// A base level of one game version written to a temporary folder, and a one-room document
// that names it and a new level beside it.
struct LevelBuild {
    explicit LevelBuild(const test::version_case& version = test::kVersionCases[5])
        : base(dir.path(version.file_name)),
          out(dir.path(std::string("built_") + version.file_name)) {
        test::fixture_level plan;
        plan.version = version.version;
        test::write_file(base, test::level_file(plan));
        test::add_room(*doc, {4, 3, 4, 1, 1, 1});
        doc->base_level_path.assign(base);
        doc->new_level_path.assign(out);
    }
    bool run(const std::string& open_base = "") {
        return build_level(*doc, *level, open_base, compiler,
                           {&log, &progress, &messages, &listener});
    }
    std::unique_ptr<Ttrlevel> read_back() const {
        auto built = std::make_unique<Ttrlevel>();
        std::string refusal;
        EXPECT_EQ(load_level(*built, out, &refusal), kLoadOk) << refusal;
        return built;
    }

    test::TempDir dir;
    std::string base, out;
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::unique_ptr<Ttrlevel> level = std::make_unique<Ttrlevel>();
    ScriptCompiler compiler;
    test::RecordingLog log;
    test::RecordingProgress progress;
    test::RecordingMessages messages;
    RecordingListener listener;
};

Lines one_room_log(const std::string& out, bool opens_base, bool tr5) {
    Lines lines = {"Building new level " + out, " "};
    if (opens_base) lines.push_back("Opening base Level...");
    lines.insert(
        lines.end(),
        {"generating rooms's meshes & colisional data...", "building boxes...",
         "Total Boxes used in level------>1", "Total Overlaps used in level--->1",
         "Building Portals, adding step sounds...", "Adding Lara item...", "Converting data..."});
    if (tr5) lines.push_back("building TR5 layer...");
    lines.insert(lines.end(), {" ", "writing new level...", "***** DONE *****"});
    return lines;
}

TEST(BuildLevel, OneRoomInEveryVersionLogsEachStepAndWritesALevelThatReadsBack) {
    for (const auto& version : test::kVersionCases) {
        SCOPED_TRACE(version.file_name + std::string(" ") + test::version_label(version.version));
        LevelBuild b(version);
        ASSERT_TRUE(b.run()) << (b.messages.messages.empty() ? "" : b.messages.messages[0]);
        EXPECT_EQ(b.log.lines, one_room_log(b.out, true, version.version == kTR5));
        EXPECT_TRUE(b.messages.messages.empty());
        EXPECT_EQ(b.listener.loaded, Lines{b.base});
        EXPECT_EQ(b.level->num_rooms, 0) << "the build drops its rooms after writing";

        auto built = b.read_back();
        EXPECT_EQ(built->game_version, version.version);
        ASSERT_EQ(built->num_rooms, 1);
        const troom& room = built->rooms[0];
        EXPECT_EQ(room.num_x_sectors, 4);
        EXPECT_EQ(room.num_z_sectors, 3);
        EXPECT_EQ(room.x, 1024);
        EXPECT_EQ(room.y_bottom, 31744);
        // The open 2 x 1 area has six corners, each at five heights (floor, block joints, ceiling).
        EXPECT_EQ(room.num_vertices, 6 * 5);
        EXPECT_EQ(built->num_boxes, 1);
        EXPECT_EQ(built->floor_data[0], built->num_floor_data);
        const int32_t lara_x = version.version <= kTUB ? built->items1[0].x : built->items[0].x;
        EXPECT_EQ(lara_x, 1024 + 1024 + 512);
        EXPECT_EQ(built->num_items, version.version == kTR5 ? 2 : 1);
        if (version.version == kTR5) {
            EXPECT_EQ(built->items[1].object_id, 434);
        }
    }
}

TEST(BuildLevel, TheBaseLevelAlreadyOpenIsUsedWithoutLoadingIt) {
    LevelBuild b;
    ASSERT_EQ(load_level(*b.level, b.base), kLoadOk);
    ASSERT_TRUE(b.run(b.base));
    EXPECT_EQ(b.log.lines, one_room_log(b.out, false, false));
    EXPECT_TRUE(b.listener.loaded.empty());
}

TEST(BuildLevel, WithoutRoomsNothingIsDone) {
    LevelBuild b;
    b.doc->room_count = 0;
    EXPECT_FALSE(b.run());
    EXPECT_EQ(b.messages.messages, Lines{"There is not any room to build in the level"});
    EXPECT_TRUE(b.log.lines.empty());
}

TEST(BuildLevel, AMissingBaseLevelStopsBeforeAnythingIsBuilt) {
    LevelBuild b;
    b.doc->base_level_path.assign(b.dir.path("none.tr4"));
    EXPECT_FALSE(b.run());
    EXPECT_EQ(b.messages.messages,
              Lines{"Base Level file " + b.dir.path("none.tr4") + "\n not found"});
    EXPECT_EQ(b.log.lines, (Lines{"Building new level " + b.out, " "}));
    EXPECT_FALSE(std::filesystem::exists(b.out));
}

TEST(BuildLevel, AnUnreadableBaseLevelIsReportedAndForgotten) {
    LevelBuild b;
    test::write_file(b.base, std::vector<uint8_t>(64, 0xAB));
    EXPECT_FALSE(b.run());
    EXPECT_EQ(b.messages.messages, Lines{" ERROR...Unable to Open TR file! "});
    EXPECT_EQ(b.log.lines.back(), "***Levels WAS NOT BUILT***");
    EXPECT_EQ(b.listener.lost, 1);
    EXPECT_FALSE(std::filesystem::exists(b.out));
}

TEST(BuildLevel, AMissingScriptWritesNothing) {
    LevelBuild b;
    b.doc->script_path.assign(b.dir.path("none.scp"));
    EXPECT_FALSE(b.run());
    EXPECT_EQ(b.log.lines.back(), "***Levels WAS NOT BUILT***");
    EXPECT_FALSE(std::filesystem::exists(b.out));
}

TEST(BuildLevel, AScriptIsCompiledIntoTheWrittenLevel) {
    LevelBuild b;
    test::write_file(b.dir.path("level.scp"),
                     test::ByteBuilder().text("Kill_Lara(1,2,2)\r\n").take());
    b.doc->script_path.assign(b.dir.path("level.scp"));
    ASSERT_TRUE(b.run());
    auto built = b.read_back();
    const tr_sector& s = *built->rooms[0].sector_at(2, 2);
    ASSERT_NE(s.fd_index, 0);
    EXPECT_EQ(built->floor_data[s.fd_index], 0x8005);
}

TEST(BuildLevel, ARefusedDocumentWritesNothing) {
    LevelBuild b;
    b.doc->room(1).ornament_count = 41;
    EXPECT_FALSE(b.run());
    EXPECT_EQ(b.messages.messages, Lines{"Room 1 needs 41 static meshes; a room holds at most 40"});
    EXPECT_FALSE(std::filesystem::exists(b.out));
}

TEST(BuildLevel, ProgressRunsThroughTheRoomPassesAndTheWrite) {
    LevelBuild b;
    test::add_room(*b.doc, {3, 3, 4, 6, 1, 1});
    ASSERT_TRUE(b.run());
    const std::vector<int>& v = b.progress.values;
    ASSERT_GE(v.size(), 7u);
    EXPECT_EQ((std::vector<int>(v.begin(), v.begin() + 7)),
              (std::vector<int>{0, 50, 100, 0, 50, 100, 0}));
    EXPECT_EQ(b.level->gauge, nullptr) << "the gauge is lent to the level for the write only";
}

}  // namespace
}  // namespace rw
