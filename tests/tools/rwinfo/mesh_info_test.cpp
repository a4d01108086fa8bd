// rwinfo on Polysmith mesh files, assembled field by field.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "byte_builder.h"
#include "mini_json.h"
#include "rwinfo.h"
#include "rwinfo_outcome.h"
#include "temp_dir.h"

namespace rw::info {
namespace {

using test::ByteBuilder;
using test::Json;
using test::JsonParser;

using test::Outcome;
using test::run;

// A TR4 mesh file of two rooms (two vertices and a rectangle; nothing) and a zone block that
// gives `zone_count` entries in each of its five arrays and holds `zone_bytes` bytes of them.
ByteBuilder tr4_mesh_file(uint32_t zone_count = 1, size_t zone_bytes = 10) {
    ByteBuilder b;
    b.u8(16).text("Zorvath MSH file").u32(6).u16(2);
    b.u16(2).fill(24).u16(1).fill(10).u16(0).u8(16).u8(8).u8(0);
    b.u16(0).u16(0).u16(0).u8(1).u8(2).u8(3);
    b.u32(zone_count).fill(zone_bytes);
    return b;
}

TEST(RwinfoMesh, SummaryNamesTheVersionAndEachRoomsCounts) {
    test::TempDir dir;
    const std::string path = dir.path("level.MSH");
    test::write_file(path, tr4_mesh_file().data());
    Outcome r = run({path});
    ASSERT_EQ(r.code, kPrinted) << r.err;
    EXPECT_EQ(r.err, "");
    const Json json = JsonParser::parse(r.out);
    EXPECT_EQ(json["kind"].text(), "mesh file");
    EXPECT_EQ(json["version_code"].integer(), 6);
    EXPECT_EQ(json["game_version"].integer(), 6);
    EXPECT_EQ(json["room_count"].integer(), 2);
    ASSERT_EQ(json["rooms"].size(), 2u);
    EXPECT_EQ(json["rooms"][0]["vertices"].integer(), 2);
    EXPECT_EQ(json["rooms"][0]["rectangles"].integer(), 1);
    EXPECT_EQ(json["rooms"][0]["triangles"].integer(), 0);
    EXPECT_EQ(json["rooms"][1]["light"][2].integer(), 3);
    EXPECT_FALSE(json["rooms"][0].has("offset"));
    EXPECT_TRUE(json["has_zones"].flag());
    EXPECT_EQ(json["zone_count"].integer(), 1);
    EXPECT_EQ(json["zone_arrays"].integer(), 5);

    r = run({"--full", path});
    ASSERT_EQ(r.code, kPrinted) << r.err;
    const Json full = JsonParser::parse(r.out);
    EXPECT_EQ(full["rooms"][0]["offset"].integer(), 23);
    EXPECT_EQ(full["rooms"][1]["offset"].integer(), 23 + 2 + 24 + 2 + 10 + 2 + 3);
    EXPECT_EQ(full["zone_offset"].integer(), 23 + 43 + 9 + 4);
}

TEST(RwinfoMesh, RefusedAndMissingFilesPrintTheCauseOnStandardErrorOnly) {
    test::TempDir dir;
    struct Case {
        const char* name;
        ByteBuilder bytes;
        const char* cause;
    };
    ByteBuilder unknown;
    unknown.u8(16).text("Zorvath MSH file").u32(9).u16(0);
    const ByteBuilder truncated = tr4_mesh_file(2, 10);
    ByteBuilder foreign;
    foreign.text("not a mesh file at all");
    const Case cases[] = {
        {"foreign.msh", foreign, "not a mesh file"},
        {"unknown.msh", unknown, "made for an unknown game version (9)"},
        {"truncated.msh", truncated, "the file ends inside its zone arrays"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::write_file(dir.path(c.name), c.bytes.data());
        const Outcome r = run({dir.path(c.name)});
        EXPECT_EQ(r.code, kRefused);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(dir.path(c.name)), std::string::npos);
        EXPECT_NE(r.err.find(c.cause), std::string::npos) << r.err;
    }
    const Outcome r = run({dir.path("missing.msh")});
    EXPECT_EQ(r.code, kFailed);
    EXPECT_NE(r.err.find(dir.path("missing.msh")), std::string::npos);
}

}  // namespace
}  // namespace rw::info
