#include "rwinfo.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "document/editor_state.h"
#include "document/project_file.h"
#include "mini_json.h"
#include "rwinfo_outcome.h"
#include "temp_dir.h"

namespace rw::info {
namespace {

using test::Json;
using test::JsonParser;

using test::Outcome;
using test::run;

// Two rooms with odd bytes in the texts and every list in use.
std::unique_ptr<LevelDocument> two_room_document() {
    auto doc = std::make_unique<LevelDocument>();
    doc->level_description.assign("Tomb \"of\" tests");
    doc->comments.assign("line 1\nline 2");
    doc->base_level_path.assign(R"(C:\levels\base.tr4)");
    doc->items_table_path.assign("items.itm");
    doc->mesh_file_path.assign("meshes.msh");
    doc->script_path.assign("level.scp");
    doc->new_level_path.assign("out.tr4");
    doc->current_room = 2;
    doc->room_count = 2;
    doc->lara_room = 2;
    doc->lara_column = 3;
    doc->lara_row = 4;
    doc->tr5_weather = 2;
    for (int n = 1; n <= 2; ++n) {
        Room& room = doc->room(n);
        room.columns = static_cast<uint16_t>(3 + n);
        room.rows = static_cast<uint16_t>(5 + n);
        room.height = 4;
        room.pos_x = 10 * n;
        room.pos_z = 20 * n;
        room.pos_y = n;
        room.ambient = 16 + n;
        room.default_floor_texture = 7;
        InitRoomSectors(*doc, n);
    }
    Room& first = doc->room(1);
    first.name.assign("Caf\xe9 \xff");
    first.water = 1;
    first.tiled_boxes = 1;
    first.spare_flag = 9;
    first.sector(2, 3).floor_split = 2;
    first.sector(2, 3).room_side = 2;
    first.sector(4, 6).floor_raise = -3;
    first.portal_view_count = 1;
    first.portal_views[0] = {kFacingRight, 0, 2, 4, 3, 5, 4};
    first.reserved_count = 2;
    first.ornament_count = 2;
    first.ornaments[1].mesh = 3;
    first.ornaments[1].red = -1;
    first.ornaments[1].alignment = 4;
    first.current_ornament = 2;
    doc->room(2).name.assign("Second");
    return doc;
}

std::string write_project(const test::TempDir& dir, const LevelDocument& doc) {
    const std::string path = dir.path("level.rmw");
    WriteProjectFile(doc, path);
    return path;
}

TEST(Rwinfo, SummaryNamesEveryHeaderFieldAndEveryRoomFieldWithListCounts) {
    test::TempDir dir;
    const auto path = write_project(dir, *two_room_document());
    const Outcome r = run({path});
    ASSERT_EQ(r.code, kPrinted) << r.err;
    EXPECT_EQ(r.err, "");
    const Json json = JsonParser::parse(r.out);
    EXPECT_EQ(json["kind"].text(), "project");
    EXPECT_TRUE(json["magic_accepted"].flag());
    EXPECT_EQ(json["version"].integer(), 9);
    EXPECT_EQ(json["level_description"].text(), "Tomb \"of\" tests");
    EXPECT_EQ(json["comments"].text(), "line 1\nline 2");
    EXPECT_EQ(json["base_level_path"].text(), R"(C:\levels\base.tr4)");
    EXPECT_EQ(json["items_table_path"].text(), "items.itm");
    EXPECT_EQ(json["mesh_file_path"].text(), "meshes.msh");
    EXPECT_EQ(json["script_path"].text(), "level.scp");
    EXPECT_EQ(json["new_level_path"].text(), "out.tr4");
    EXPECT_EQ(json["current_room"].integer(), 2);
    EXPECT_EQ(json["room_count"].integer(), 2);
    EXPECT_EQ(json["lara_room"].integer(), 2);
    EXPECT_EQ(json["lara_column"].integer(), 3);
    EXPECT_EQ(json["lara_row"].integer(), 4);
    EXPECT_EQ(json["tr5_weather"].integer(), 2);

    ASSERT_EQ(json["rooms"].size(), 2u);
    const Json& room = json["rooms"][0];
    const std::pair<const char*, int64_t> fields[] = {
        {"rows", 6},
        {"columns", 4},
        {"height", 4},
        {"pos_x", 10},
        {"pos_z", 20},
        {"pos_y", 1},
        {"water", 1},
        {"outdoor", 0},
        {"quicksand", 0},
        {"sky", 0},
        {"spare_flag", 9},
        {"tiled_boxes", 1},
        {"ambient", 17},
        {"default_floor_texture", 7},
        {"default_floor_wall_texture", 0},
        {"default_ceiling_texture", 0},
        {"default_ceiling_wall_texture", 0},
        {"current_ornament", 2},
        {"portal_view_count", 1},
        {"reserved_count", 2},
        {"ornament_count", 2},
    };
    for (const auto& [name, value] : fields) {
        SCOPED_TRACE(name);
        EXPECT_EQ(room[name].integer(), value);
    }
    EXPECT_EQ(room["name"].text(), "Caf\xe9 \xff");  // odd bytes come back as Latin-1 escapes
    EXPECT_FALSE(room.has("sectors"));
    EXPECT_EQ(json["rooms"][1]["name"].text(), "Second");
}

TEST(Rwinfo, FullListsEveryInUseSectorColumnMajorAndEveryPortalViewAndOrnament) {
    test::TempDir dir;
    const auto path = write_project(dir, *two_room_document());
    const Outcome r = run({"--full", path});
    ASSERT_EQ(r.code, kPrinted) << r.err;
    const Json json = JsonParser::parse(r.out);
    const Json& room = json["rooms"][0];
    const Json& sectors = room["sectors"];
    ASSERT_EQ(sectors.size(), 4u * 6u);
    EXPECT_EQ(sectors[0]["column"].integer(), 1);
    EXPECT_EQ(sectors[0]["row"].integer(), 1);
    EXPECT_EQ(sectors[0]["floor_base"].integer(), 4);  // border wall
    EXPECT_EQ(sectors[6]["column"].integer(), 2);
    EXPECT_EQ(sectors[6]["row"].integer(), 1);
    const Json& split = sectors[8];  // column 2, row 3
    EXPECT_EQ(split["floor_split"].integer(), 2);
    EXPECT_EQ(split["room_side"].integer(), 2);
    EXPECT_EQ(split["floor_texture"].integer(), 7);
    EXPECT_EQ(split.size(), 2u + 40u);                    // column, row and every stored field
    EXPECT_EQ(sectors[23]["floor_raise"].integer(), -3);  // column 4, row 6

    ASSERT_EQ(room["portal_views"].size(), 1u);
    const Json& view = room["portal_views"][0];
    EXPECT_EQ(view["facing"].integer(), 3);
    EXPECT_EQ(view["view_room"].integer(), 2);
    EXPECT_EQ(view["width"].integer(), 4);
    EXPECT_EQ(view["view_height"].integer(), 3);
    EXPECT_EQ(view["row"].integer(), 5);
    EXPECT_EQ(view["column"].integer(), 4);

    ASSERT_EQ(room["ornaments"].size(), 2u);
    const Json& ornament = room["ornaments"][1];
    EXPECT_EQ(ornament["mesh"].integer(), 3);
    EXPECT_EQ(ornament["red"].integer(), -1);
    EXPECT_EQ(ornament["alignment"].integer(), 4);
    for (const char* name : {"row", "column", "lift", "rotation", "green", "blue"}) {
        EXPECT_TRUE(ornament.has(name)) << name;
    }
    EXPECT_EQ(json["rooms"][1]["sectors"].size(), 5u * 7u);
    EXPECT_EQ(json["rooms"][1]["ornaments"].size(), 0u);
}

TEST(Rwinfo, RefusedFilesPrintTheRefusalOnStandardErrorOnly) {
    test::TempDir dir;
    const auto path = write_project(dir, *two_room_document());
    TZfile f;
    zf_assign(f, path);
    zf_reset(f, 1);
    const std::vector<uint8_t> good(f.buffer, f.buffer + f.size);
    zf_close(f, false);

    struct Case {
        const char* fault;
        size_t at;
        uint8_t value;
        const char* message;
    };
    const Case cases[] = {
        {"wrong_magic", 1, 'z', kInvalidProjectMessage},
        {"version_5", 17, 5, kOldProjectMessage},
        {"room_count_above_150", 876, 151, kOverfullProjectMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        auto bytes = good;
        bytes[c.at] = c.value;
        test::write_file(dir.path("bad.rmw"), bytes);
        const Outcome r = run({"--full", dir.path("bad.rmw")});
        EXPECT_EQ(r.code, kRefused);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, std::string(c.message) + "\n");
    }
}

TEST(Rwinfo, UnreadableOrDamagedFilesPrintTheCauseWithThePath) {
    test::TempDir dir;
    test::write_file(dir.path("damaged.rmw"),
                     {'Z', 'L', 'I', 'B', 8, 0, 0, 0, 100, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8});
    for (const std::string& path : {dir.path("absent.rmw"), dir.path("damaged.rmw")}) {
        SCOPED_TRACE(path);
        const Outcome r = run({path});
        EXPECT_EQ(r.code, kFailed);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
    }
}

TEST(Rwinfo, BadArgumentsAndUnknownKindsOfFilePrintUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"--full"}, {"--verbose", "a.rmw"}, {"a.rmw", "b.rmw"}, {"level.xyz"}};
    for (const auto& args : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, kUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
}

int program_exit_code(const std::string& arguments) {
    const std::string command = std::string(RWINFO_PROGRAM) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Rwinfo, ProgramExitsWithZeroOnTheSampleAndNonZeroOnARefusedFile) {
    test::TempDir dir;
    test::write_file(dir.path("bad.rmw"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'r', 'o', 'j'});
    EXPECT_EQ(program_exit_code(std::string(RW_SAMPLES_DIR) + "/sample.rmw"), 0);
    EXPECT_EQ(program_exit_code("--full '" + dir.path("bad.rmw") + "'"), kRefused);
}

}  // namespace
}  // namespace rw::info
