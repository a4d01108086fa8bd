// Room lights from scripts: the light records of each game version and the vertex shading.
#include "script/room_lights.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "byte_builder.h"
#include "level_fixture.h"
#include "script/script_compiler.h"

namespace rw {
namespace {

using test::ByteBuilder;
using test::bytes_of;
using test::script_level;

constexpr int16_t kUnlit = 0x1234;
constexpr uint16_t kUnlitColour = 0x7FFF;

struct VertexCase {
    int16_t x, y, z;  // relative to room 1, which lies at x = 1024
    int value;        // the light value it should get, or -1 for none
};

// Room 1 holding the given vertices, all of them unlit so far.
std::unique_ptr<Ttrlevel> lit_level(int32_t version, const std::vector<VertexCase>& vertices) {
    auto level = script_level(version);
    troom& room = level->rooms[0];
    room.num_vertices = static_cast<uint16_t>(vertices.size());
    for (size_t i = 0; i < vertices.size(); ++i) {
        const VertexCase& v = vertices[i];
        room.vertices[i] = tr_vertex{v.x, v.y, v.z, kUnlit};
        room.vertices2[i] = tr_vertex2{v.x, v.y, v.z, kUnlit, 16, kUnlitColour};
    }
    return level;
}

int32_t compile(Ttrlevel& level, const std::string& script, std::string* error = nullptr) {
    ScriptCompiler compiler;
    const int32_t result = compiler.scp_compile_text(script, level);
    if (error != nullptr) *error = compiler.scp_error();
    return result;
}

// A light on the floor of sector (3, 3), centred at (2560, 2560) in the room: ring 1 is the
// square through the sector's corners (512 away), ring 2 the square 1536 away. Bands go down
// from y = 0.
// clang-format off
const std::vector<VertexCase> kGreyCases = {
    {2048, 0, 2048, 30},
    {3072, 0, 3072, 30},
    {2560, 0, 2048, 30},     // a ring is the whole square, not only its corners
    {2560, 0, 2304, -1},     // inside the first ring
    {1024, 0, 2048, 20},
    {4096, 0, 4096, 20},
    {0, 0, 2048, -1},        // ring 3 is beyond a range of 3
    {2048, 1024, 3072, 20},  // on the border of two bands: the lower band is lit last
    {1024, 1024, 1024, 14},
    {2048, 2048, 2048, 10},
    {4096, 2048, 3072, 7},
    {3072, 3072, 2048, 10},  // the bottom of the last band
    {2048, 3073, 2048, -1},  // below the bands
    {2048, -1, 2048, -1},    // above the light
};
// clang-format on

TEST(PutSpotLight, ShadesVerticesOnRingsAndBandsWithFadingValues) {
    for (int32_t version : {kTR1, kTUB, kTR2, kTRG}) {
        SCOPED_TRACE(version);
        auto level = lit_level(version, kGreyCases);
        ASSERT_EQ(compile(*level, "Put_Spot_Light(1,3,3,0,30,3)\n"), 0);
        const troom& room = level->rooms[0];
        for (size_t i = 0; i < kGreyCases.size(); ++i) {
            const VertexCase& c = kGreyCases[i];
            SCOPED_TRACE(testing::Message() << c.x << "," << c.y << "," << c.z);
            const int16_t expected = c.value < 0 ? kUnlit : static_cast<int16_t>(c.value << 8);
            EXPECT_EQ(room.vertices[i].lighting, expected);
            EXPECT_EQ(room.vertices2[i].lighting, expected);
            EXPECT_EQ(room.vertices2[i].lighting2, kUnlitColour);
        }
    }
}

TEST(PutSpotLight, WritesTheLightRecordOfEachGreyGameVersion) {
    struct Case {
        const char* line;
        int32_t y;
        uint16_t intensity;
        uint32_t fade;
    };
    const Case cases[] = {
        {"Put_Spot_Light(1,3,3,0,30,3)", 0, 0x0100, 3072},
        {"Put_Spot_Light(1,3,3,2)", -512, 0x0F00, 1024},           // intensity 16, range 1
        {"Put_Spot_Light(1,3,3,0,300,2,1)", 0, 0x0000, 2048},      // low byte 44, clamped to 31
        {"Put_Spot_Light(1,3,3,0,31,-1)", 0, 0x0000, 0xFFFFFC00},  // a negative range wraps
    };
    for (int32_t version : {kTR1, kTUB, kTR2, kTRG}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << " " << c.line);
            auto level = lit_level(version, {});
            ASSERT_EQ(compile(*level, std::string(c.line) + "\n"), 0);
            const troom& room = level->rooms[0];
            ASSERT_EQ(room.num_lights, 1);
            ByteBuilder b;
            b.i32(1024 + 2 * 1024 + 512).i32(c.y).i32(2560);
            if (version <= kTUB) {
                b.u16(c.intensity).u32(c.fade);
                EXPECT_EQ(bytes_of(room.lights1[0]), b.data());
            } else {
                b.u16(c.intensity).u16(c.intensity).u32(c.fade).u32(0);
                EXPECT_EQ(bytes_of(room.lights[0]), b.data());
            }
        }
    }
}

TEST(PutSpotLight, LeavesVerticesAloneWithNoShadingOrARangeOfOne) {
    for (const char* line : {"Put_Spot_Light(1,3,3,0,30,3,1)", "Put_Spot_Light(1,3,3,0,30,1)",
                             "Put_Spot_Light(1,3,3,0,30,0)"}) {
        SCOPED_TRACE(line);
        auto level = lit_level(kTR1, kGreyCases);
        ASSERT_EQ(compile(*level, std::string(line) + "\n"), 0);
        for (size_t i = 0; i < kGreyCases.size(); ++i)
            EXPECT_EQ(level->rooms[0].vertices[i].lighting, kUnlit);
    }
}

TEST(RoomLights, ALightOfTheOtherGameFamilyDoesNothingWhateverItsArguments) {
    auto tr4 = lit_level(kTR4, kGreyCases);
    EXPECT_EQ(compile(*tr4, "Put_Spot_Light(1)\nPut_Spot_Light(1,3,3,0,30,3)\n"), 0);
    EXPECT_EQ(tr4->rooms[0].num_lights, 0);
    EXPECT_EQ(tr4->rooms[0].vertices[0].lighting, kUnlit);

    auto tr1 = lit_level(kTR1, kGreyCases);
    EXPECT_EQ(compile(*tr1, "Put_RGB_Light()\nPut_RGB_Light(1,3,3,0,1,2,3,4,3)\n"), 0);
    EXPECT_EQ(tr1->rooms[0].num_lights, 0);
    EXPECT_EQ(tr1->rooms[0].vertices2[0].lighting2, kUnlitColour);
}

TEST(RoomLights, RefuseAFiftyFirstLightInARoom) {
    for (int32_t version : {kTR1, kTR3, kTR5}) {
        SCOPED_TRACE(version);
        auto level = lit_level(version, {});
        level->rooms[0].num_lights = kRoomMaxLights;
        const std::string line =
            version == kTR1 ? "Put_Spot_Light(1,1,1,0)" : "Put_RGB_Light(1,1,1,0,1,1,1)";
        std::string error;
        EXPECT_EQ(compile(*level, line + "\n", &error), -1);
        EXPECT_EQ(error, "Too many lights in the room:->" + line);
        EXPECT_EQ(level->rooms[0].num_lights, kRoomMaxLights);
    }
}

uint16_t colour(int red, int green, int blue) {
    return static_cast<uint16_t>(red * 1024 + green * 32 + blue);
}

TEST(PutRgbLight, ColoursVerticesWithChannelsFadingLikeASpotLight) {
    // Red 255, green 128, blue 8 are 31, 16, 1 in five bits; a range of 2 has one ring and two
    // bands, the second starting at 31 - 15, 16 - 8 and 1 - 0.
    const std::vector<VertexCase> cases = {
        {2048, 0, 2048, colour(31, 16, 1)},
        {3072, 1024, 2048, colour(16, 8, 1)},
        {3072, 2048, 3072, colour(16, 8, 1)},
        {1024, 0, 2048, -1},
        {2048, -1, 2048, -1},
    };
    for (int32_t version : {kTR3, kTR4, kTR5}) {
        SCOPED_TRACE(version);
        auto level = lit_level(version, cases);
        ASSERT_EQ(compile(*level, "Put_RGB_Light(1,3,3,0,255,128,8,200,2)\n"), 0);
        for (size_t i = 0; i < cases.size(); ++i) {
            SCOPED_TRACE(i);
            const tr_vertex2& v = level->rooms[0].vertices2[i];
            EXPECT_EQ(v.lighting2, cases[i].value < 0 ? kUnlitColour : cases[i].value);
            EXPECT_EQ(v.lighting, kUnlit);
        }
    }
}

TEST(PutRgbLight, WritesTheTr3LightWithIntensityAndFadeDefaultsByCount) {
    struct Case {
        const char* line;
        uint32_t intensity, fade;
    };
    const Case cases[] = {
        {"Put_RGB_Light(1,3,3,1,255,128,8)", 128 * 256, 256},
        {"Put_RGB_Light(1,3,3,1,255,128,8,511)", 255 * 256, 256},
        {"Put_RGB_Light(1,3,3,1,255,128,8,200,2,1)", 200 * 256, 512},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        auto level = lit_level(kTR3, {});
        ASSERT_EQ(compile(*level, std::string(c.line) + "\n"), 0);
        const auto expected = ByteBuilder()
                                  .i32(3584)
                                  .i32(-256)
                                  .i32(2560)
                                  .u8(255)
                                  .u8(128)
                                  .u8(8)
                                  .u8(0)
                                  .u32(c.intensity)
                                  .u32(c.fade)
                                  .take();
        EXPECT_EQ(bytes_of(level->rooms[0].lights[0]), expected);
    }
}

TEST(PutRgbLight, WritesPositionAndColourIntoAnOtherwiseZeroTr4Light) {
    auto level = lit_level(kTR4, {});
    level->rooms[0].lights4[0].fill(0xAA);  // bytes of a light that was removed earlier
    ASSERT_EQ(compile(*level, "Put_RGB_Light(1,3,3,1,255,128,8,200,2,1)\n"), 0);
    ASSERT_EQ(level->rooms[0].num_lights, 1);
    const auto expected =
        ByteBuilder().i32(3584).i32(-256).i32(2560).u8(255).u8(128).u8(8).fill(31).take();
    EXPECT_EQ(bytes_of(level->rooms[0].lights4[0]), expected);
}

TEST(PutRgbLight, WritesPositionAndColourIntoAnOtherwiseZeroTr5Light) {
    auto level = lit_level(kTR5, {});
    level->rooms[0].light5[0].fill(0xAA);
    ASSERT_EQ(compile(*level, "Put_RGB_Light(1,3,3,1,255,128,8,200,2,1)\n"), 0);
    ASSERT_EQ(level->rooms[0].num_lights, 1);
    const auto expected = ByteBuilder()
                              .f32(3584)
                              .f32(-256)
                              .f32(2560)
                              .f32(1.0f)
                              .f32(128 / 255.0f)
                              .f32(8 / 255.0f)
                              .fill(36)  // separator, cone and range values, direction
                              .i32(3584)
                              .i32(-256)
                              .i32(2560)
                              .fill(13)  // integer direction, light type
                              .take();
    EXPECT_EQ(bytes_of(level->rooms[0].light5[0]), expected);
}

}  // namespace
}  // namespace rw
