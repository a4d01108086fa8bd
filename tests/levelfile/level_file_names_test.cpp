#include <gtest/gtest.h>

#include <memory>

#include "level_fixture.h"
#include "levelfile/level_file.h"

namespace rw {
namespace {

using test::fixture_level;
using test::level_file;

std::vector<uint8_t> fixture(int32_t version) {
    fixture_level plan;
    plan.version = version;
    return level_file(plan);
}

std::vector<uint8_t> rewritten(const std::vector<uint8_t>& input, const std::string& read_as,
                               const std::string& write_as) {
    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    EXPECT_EQ(load_level_from_bytes(*level, read_as, input.data(), input.size(), &refusal), kLoadOk)
        << refusal;
    std::vector<uint8_t> out;
    EXPECT_EQ(save_level_to_bytes(*level, write_as, out, &refusal), kSaveOk) << refusal;
    return out;
}

TEST(LevelFileNames, TheOutputNameMovesTheTombRaiderPaletteBetweenItsTwoPlaces) {
    const auto phd = fixture(kTR1);
    const auto tub = fixture(kTUB);
    ASSERT_NE(phd, tub);
    struct Case {
        const std::vector<uint8_t>& input;
        const char* read_as;
        const char* write_as;
        const std::vector<uint8_t>& expected;
    };
    const Case cases[] = {
        {phd, "a.phd", "b.tub", tub},
        {phd, "a.phd", "B.TUB", tub},
        {tub, "a.tub", "b.phd", phd},
        {tub, "A.TUB", "b.PHD", phd},
        {phd, "a.phd", "b.Tub", phd},              // only the two spellings name the other version
        {tub, "x.tub/a.tub", "x.tub/b.phd", tub},  // anywhere in the name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.read_as) + " -> " + c.write_as);
        EXPECT_TRUE(rewritten(c.input, c.read_as, c.write_as) == c.expected);
    }
}

TEST(LevelFileNames, TombRaiderPaletteIsReadFromThePlaceTheNameSays) {
    auto level = std::make_unique<Ttrlevel>();
    for (const auto& [version, name] : {std::pair{kTR1, "a.phd"}, std::pair{kTUB, "a.tub"}}) {
        SCOPED_TRACE(name);
        const auto bytes = fixture(version);
        ASSERT_EQ(load_level_from_bytes(*level, name, bytes.data(), bytes.size()), kLoadOk);
        EXPECT_EQ(level->game_version, version);
        EXPECT_EQ(std::vector<uint8_t>(level->palette.begin(), level->palette.end()),
                  test::pattern(768, 16));
    }
}

TEST(LevelFileNames, TrgNameGivesItsOwnCodeForTheSameLayoutAsTr2) {
    const auto tr2 = fixture(kTR2);
    EXPECT_TRUE(fixture(kTRG) == tr2);
    auto level = std::make_unique<Ttrlevel>();
    for (const auto& [name, expected] : {std::pair{"a.trg", kTRG}, std::pair{"A.TRG", kTRG},
                                         std::pair{"a.tr2", kTR2}, std::pair{"a.Trg", kTR2}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(load_level_from_bytes(*level, name, tr2.data(), tr2.size()), kLoadOk);
        EXPECT_EQ(level->game_version, expected);
    }
    EXPECT_TRUE(rewritten(tr2, "a.tr2", "b.trg") == tr2);
}

TEST(LevelFileNames, TrcNameReadsATr4FileWithTheTr5Layout) {
    const auto tr4 = fixture(kTR4);
    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    // Read as TR5, the level data chunk's lengths are taken for the plain level data's length.
    EXPECT_EQ(load_level_from_bytes(*level, "a.trc", tr4.data(), tr4.size(), &refusal),
              kLoadDamaged);
    EXPECT_NE(refusal.find("level data length"), std::string::npos) << refusal;
    EXPECT_FALSE(level->is_loaded());

    const auto tr5 = fixture(kTR5);
    for (const auto& [name, expected] :
         {std::pair{"a.trc", kLoadOk}, std::pair{"A.TRC", kLoadOk}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(load_level_from_bytes(*level, name, tr5.data(), tr5.size()), expected);
        EXPECT_EQ(level->game_version, kTR5);
    }
}

TEST(LevelFileNames, Tr4LevelWrittenUnderTrcNameIsATr5FileWithBuiltLayerHeaders) {
    const auto tr4 = fixture(kTR4);
    auto level = std::make_unique<Ttrlevel>();
    ASSERT_EQ(load_level_from_bytes(*level, "a.tr4", tr4.data(), tr4.size()), kLoadOk);
    ASSERT_TRUE(level->rooms[0].layer_headers.empty());
    std::vector<uint8_t> trc;
    ASSERT_EQ(save_level_to_bytes(*level, "b.trc", trc), kSaveOk);
    EXPECT_EQ(level->game_version, kTR5);

    auto again = std::make_unique<Ttrlevel>();
    std::string refusal;
    ASSERT_EQ(load_level_from_bytes(*again, "b.trc", trc.data(), trc.size(), &refusal), kLoadOk)
        << refusal;
    ASSERT_EQ(again->num_rooms, 2);
    const troom& room = again->rooms[0];
    ASSERT_EQ(room.num_layers, 1);
    const auto rest = room.layer_headers[0].rest;
    EXPECT_EQ(load_le<uint32_t>(rest.data() + 44 - 10), 0x0036362Cu);
    EXPECT_EQ(load_le<float>(rest.data() + 28 - 10), room.num_x_sectors * 1024.0f);
    EXPECT_EQ(room.num_portals, 1);
    EXPECT_EQ(room.num_x_sectors, 3);
}

TEST(LevelFileNames, Tr4LevelWrittenUnderTrcNameKeepsItsRoomGeometry) {
    const auto tr4 = fixture(kTR4);
    const auto trc = rewritten(tr4, "a.tr4", "b.trc");
    // The first room of the TR5 level data: after tr5_header, the two level sizes, a zero and
    // the room count.
    const auto rest = test::split_packed_file(trc, false).rest;
    const size_t room = 32 + 8 + 8;
    const size_t data = room + test::kTr5RoomDataStart;
    auto u32 = [&](size_t at) { return load_le<uint32_t>(rest.data() + at); };
    auto f32 = [&](size_t at) { return load_le<float>(rest.data() + at); };
    auto u16 = [&](size_t at) { return load_le<uint16_t>(rest.data() + at); };
    EXPECT_EQ(u32(room + 144), 1u);  // tr5_num_triangles
    EXPECT_EQ(u32(room + 148), 1u);  // tr5_num_rectangles

    // The fixture's first room (seed 1): vertex i at (i * 1024 + 1, -256 i, 512 i) with light
    // byte 16 (i % 8); a water room, so its vertices carry no red.
    const size_t vertices = data + u32(room + 184);
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const size_t v = vertices + i * 28;
        EXPECT_EQ(f32(v), static_cast<float>(i * 1024 + 1));
        EXPECT_EQ(f32(v + 4), -256.0f * static_cast<float>(i));
        EXPECT_EQ(f32(v + 8), 512.0f * static_cast<float>(i));
        const auto shade = static_cast<uint8_t>((31 - 16 * static_cast<int>(i % 8)) * 8);
        EXPECT_EQ(rest[v + 24], shade);  // blue
        EXPECT_EQ(rest[v + 25], shade);  // green
        EXPECT_EQ(rest[v + 26], 0);      // red
        EXPECT_EQ(rest[v + 27], 0xFF);
    }
    const size_t faces = data + u32(room + 188);
    const uint16_t rectangle[6] = {0, 1, 2, 3, 1, 0};  // indices, texture, flags
    const uint16_t triangle[5] = {3, 2, 1, 101, 0};
    for (size_t k = 0; k < 6; ++k)
        EXPECT_EQ(u16(faces + 2 * k), rectangle[k]) << "rectangle value " << k;
    for (size_t k = 0; k < 5; ++k)
        EXPECT_EQ(u16(faces + 12 + 2 * k), triangle[k]) << "triangle value " << k;

    // Read back as TR5, the level holds the same rooms and writes the same bytes again.
    EXPECT_TRUE(rewritten(trc, "b.trc", "c.trc") == trc);
}

TEST(LevelFileNames, Tr4LevelReadOverATr5LevelKeepsNothingOfItsLayersOrRecords) {
    fixture_level tr5_spec;
    tr5_spec.version = kTR5;
    tr5_spec.rooms[0].tr5_records = 3;
    const auto tr5 = level_file(tr5_spec);
    const auto tr4 = fixture(kTR4);
    auto level = std::make_unique<Ttrlevel>();
    ASSERT_EQ(load_level_from_bytes(*level, "a.trc", tr5.data(), tr5.size()), kLoadOk);
    ASSERT_EQ(load_level_from_bytes(*level, "b.tr4", tr4.data(), tr4.size()), kLoadOk);
    EXPECT_EQ(level->rooms[0].num_tr5_records, 0);
    EXPECT_TRUE(level->rooms[0].layer_headers.empty());

    auto fresh = std::make_unique<Ttrlevel>();
    ASSERT_EQ(load_level_from_bytes(*fresh, "b.tr4", tr4.data(), tr4.size()), kLoadOk);
    std::vector<uint8_t> from_reused, from_fresh;
    ASSERT_EQ(save_level_to_bytes(*level, "c.trc", from_reused), kSaveOk);
    ASSERT_EQ(save_level_to_bytes(*fresh, "c.trc", from_fresh), kSaveOk);
    EXPECT_TRUE(from_reused == from_fresh);
}

}  // namespace
}  // namespace rw
