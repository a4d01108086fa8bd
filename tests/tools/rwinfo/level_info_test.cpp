// rwinfo on game level files, checked on the bundled sample levels.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "mini_json.h"
#include "rwinfo.h"
#include "rwinfo_outcome.h"
#include "temp_dir.h"

namespace rw::info {
namespace {

using test::Json;
using test::JsonParser;

using test::Outcome;
using test::run;

std::string sample(const std::string& file) {
    return std::string(RW_SAMPLES_DIR) + "/" + file;
}

TEST(RwinfoLevel, SummaryNamesTheGameVersionTableCountsAndRooms) {
    const struct {
        const char* file;
        int version;
    } cases[] = {{"sample.phd", 1},     {"sample.tub", 2}, {"sample.tr2", 3}, {"sample.trg", 4},
                 {"sample_tr3.tr2", 5}, {"sample.tr4", 6}, {"sample.trc", 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Outcome r = run({sample(c.file)});
        ASSERT_EQ(r.code, kPrinted) << r.err;
        EXPECT_EQ(r.err, "");
        const Json json = JsonParser::parse(r.out);
        EXPECT_EQ(json["kind"].text(), "level");
        EXPECT_EQ(json["game_version"].integer(), c.version);
        EXPECT_EQ(json["num_rooms"].integer(), 3);
        EXPECT_EQ(json["num_items"].integer(), 1);
        EXPECT_EQ(json["num_cameras"].integer(), 0);
        ASSERT_EQ(json["rooms"].size(), 3u);
        const Json& hall = json["rooms"][0];
        EXPECT_EQ(hall["number"].integer(), 1);
        EXPECT_EQ(hall["num_x_sectors"].integer(), 6);
        EXPECT_EQ(hall["num_z_sectors"].integer(), 6);
        EXPECT_EQ(hall["alternate_room"].integer(), -1);
        EXPECT_FALSE(hall["water"].flag());
        EXPECT_TRUE(json["rooms"][2]["water"].flag());
        EXPECT_FALSE(hall.has("sectors"));
        EXPECT_FALSE(json.has("items"));
    }
}

TEST(RwinfoLevel, FullAddsSectorsStaticsItemsCamerasAndFloorData) {
    for (const char* file : {"sample.phd", "sample.tr4"}) {
        SCOPED_TRACE(file);
        const Outcome r = run({"--full", sample(file)});
        ASSERT_EQ(r.code, kPrinted) << r.err;
        const Json json = JsonParser::parse(r.out);
        const Json& hall = json["rooms"][0];
        ASSERT_EQ(hall["sectors"].size(), 36u);
        EXPECT_EQ(hall["sectors"][0]["column"].integer(), 1);
        EXPECT_EQ(hall["sectors"][1]["row"].integer(), 2);  // column-major, as stored
        EXPECT_EQ(hall["room_statics"].size(),
                  static_cast<size_t>(hall["num_room_statics"].integer()));
        ASSERT_EQ(json["items"].size(), 1u);
        EXPECT_EQ(json["items"][0]["object_id"].integer(), 0);  // Lara
        EXPECT_EQ(json["items"][0]["room"].integer(), 0);
        EXPECT_EQ(json["cameras"].size(), 0u);
        EXPECT_EQ(json["floor_data"].size(), static_cast<size_t>(json["num_floor_data"].integer()));
    }
}

TEST(RwinfoLevel, SummaryHoldsEveryCountTheTextureBlocksAndEachRoomsFlags) {
    const char* const counts[] = {"num_rooms",
                                  "num_floor_data",
                                  "num_mesh_data",
                                  "num_mesh_pointers",
                                  "num_animations",
                                  "num_state_changes",
                                  "num_anim_dispatches",
                                  "num_anim_commands",
                                  "num_mesh_hierarchy",
                                  "num_frames",
                                  "num_moveables",
                                  "num_static_meshes",
                                  "num_object_textures",
                                  "num_sprite_textures",
                                  "num_sprite_sequences",
                                  "num_cameras",
                                  "num_flyby_cameras",
                                  "num_sound_sources",
                                  "num_boxes",
                                  "num_overlaps",
                                  "num_zones",
                                  "num_animated_textures",
                                  "num_items",
                                  "num_ai_objects",
                                  "num_demo_data",
                                  "num_sound_details",
                                  "num_sample_indices",
                                  "samples_size",
                                  "num_textiles",
                                  "textile8_bytes"};
    for (const char* file : {"sample.phd", "sample.tr4", "sample.trc"}) {
        SCOPED_TRACE(file);
        const Outcome r = run({sample(file)});
        ASSERT_EQ(r.code, kPrinted) << r.err;
        const Json json = JsonParser::parse(r.out);
        for (const char* name : counts)
            EXPECT_TRUE(json.has(name)) << name;
        EXPECT_EQ(json["num_object_textures"].integer(), 112);
        EXPECT_EQ(json["num_textiles"].integer(), 8);
        const Json& cistern = json["rooms"][2];
        EXPECT_EQ(cistern["room_flags"][0].integer(), 1);
        EXPECT_EQ(cistern["y_bottom"].integer(), 2048);
    }
    const Json tr4 = JsonParser::parse(run({sample("sample.tr4")}).out);
    EXPECT_EQ(tr4["version_word_hex"].text(), "0x00345254");
    EXPECT_EQ(tr4["textile32_size"].integer(), 4 * tr4["textile8_bytes"].integer());
    EXPECT_EQ(tr4["num_room_textiles"].integer(), 6);
    EXPECT_TRUE(tr4["rooms"][0].has("water_scheme"));

    const Json tr5 = JsonParser::parse(run({sample("sample.trc")}).out);
    const Json& hall = tr5["rooms"][0];
    EXPECT_EQ(hall["num_layers"].integer(), 1);
    EXPECT_EQ(hall["layers"][0]["num_vertices"].integer(), hall["num_vertices"].integer());
    EXPECT_EQ(tr5["tr5_level_size"].integer(), tr5["tr5_level_size2"].integer());
}

TEST(RwinfoLevel, FullAddsPortalsLightsBoxesOverlapsAndZonesInEachVersionsForm) {
    const struct {
        const char* file;
        const char* light_field;  // a field only this version's lights have
        size_t zone_arrays;
    } cases[] = {{"sample.phd", "fade", 6},
                 {"sample.tr2", "fade2", 10},
                 {"sample_tr3.tr2", "red", 10},
                 {"sample.tr4", "bytes", 10},
                 {"sample.trc", "bytes", 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Outcome r = run({"--full", sample(c.file)});
        ASSERT_EQ(r.code, kPrinted) << r.err;
        const Json json = JsonParser::parse(r.out);
        const Json& gallery = json["rooms"][1];
        ASSERT_EQ(gallery["portals"].size(), 2u);
        EXPECT_EQ(gallery["portals"][0]["adjoining_room"].integer(), 0);
        EXPECT_EQ(gallery["portals"][1]["adjoining_room"].integer(), 2);
        EXPECT_EQ(gallery["portals"][1]["vertices"].size(), 4u);
        ASSERT_EQ(gallery["lights"].size(), 1u);
        EXPECT_TRUE(gallery["lights"][0].has(c.light_field));
        const auto boxes = static_cast<size_t>(json["num_boxes"].integer());
        ASSERT_EQ(json["boxes"].size(), boxes);
        EXPECT_TRUE(json["boxes"][0].has("overlap_index"));
        EXPECT_EQ(json["overlaps"].size(), static_cast<size_t>(json["num_overlaps"].integer()));
        EXPECT_EQ(json["zones"].size(), c.zone_arrays);
        EXPECT_EQ(json["zones"]["fly_alternate"].size(), boxes);
    }
}

TEST(RwinfoLevel, RefusedAndMissingLevelsPrintTheCauseOnStandardErrorOnly) {
    test::TempDir dir;
    const std::string garbage = dir.path("garbage.tr4");
    const std::string text = "not a level";
    test::write_file(garbage, {text.begin(), text.end()});
    Outcome r = run({garbage});
    EXPECT_EQ(r.code, kRefused);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(garbage), std::string::npos);

    const std::string missing = dir.path("missing.TRC");
    r = run({missing});
    EXPECT_EQ(r.code, kFailed);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(missing), std::string::npos);
}

TEST(RwinfoLevel, DamagedLevelPrintsWhatWasFoundWrong) {
    test::TempDir dir;
    auto bytes = test::read_file(sample("sample.phd"));
    bytes.resize(bytes.size() / 2 + 1000);  // beyond the tiles, inside the rooms or tables
    const std::string cut = dir.path("cut.phd");
    test::write_file(cut, bytes);
    const Outcome r = run({cut});
    EXPECT_EQ(r.code, kRefused);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Damaged or unsupported level file: "), std::string::npos) << r.err;
}

}  // namespace
}  // namespace rw::info
