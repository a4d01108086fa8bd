// rwinfo on game level files, checked on the bundled sample levels.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "mini_json.h"
#include "rwinfo.h"
#include "temp_dir.h"

namespace rw::info {
namespace {

using test::Json;
using test::JsonParser;

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = run_rwinfo(args, out, err);
    return {code, out.str(), err.str()};
}

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

}  // namespace
}  // namespace rw::info
