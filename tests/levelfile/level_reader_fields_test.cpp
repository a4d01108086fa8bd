#include <gtest/gtest.h>

#include <memory>

#include "level_fixture.h"
#include "levelfile/level_file.h"

namespace rw {
namespace {

using test::fixture_level;
using test::level_file;
using test::pattern;

std::unique_ptr<Ttrlevel> loaded(int32_t version, const char* name, fixture_level plan = {}) {
    plan.version = version;
    const auto bytes = level_file(plan);
    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    EXPECT_EQ(load_level_from_bytes(*level, name, bytes.data(), bytes.size(), &refusal), kLoadOk)
        << refusal;
    return level;
}

template <class Record>
std::vector<uint8_t> bytes_of(const std::vector<Record>& table) {
    const auto* p = reinterpret_cast<const uint8_t*>(table.data());
    return {p, p + table.size() * sizeof(Record)};
}

TEST(LevelReaderFields, TombRaiderVerticesGainTheLaterFormWithFixedAttributes) {
    const auto level = loaded(kTR1, "a.phd");
    const troom& room = level->rooms[0];
    ASSERT_EQ(room.num_vertices, 4);
    const tr_vertex2& v = room.vertices2[2];
    EXPECT_EQ(v.x, room.vertices[2].x);
    EXPECT_EQ(v.y, -512);
    EXPECT_EQ(v.lighting, room.vertices[2].lighting);
    EXPECT_EQ(v.attributes, 16);
    EXPECT_EQ(v.lighting2, 0x3DEF);
}

TEST(LevelReaderFields, LaterVerticesAreCopiedToTheTombRaiderForm) {
    const auto level = loaded(kTR3, "a.tr2");
    const troom& room = level->rooms[1];
    EXPECT_EQ(room.vertices[3].x, 3 * 1024 + 11);
    EXPECT_EQ(room.vertices[3].z, 3 * 512);
    EXPECT_EQ(room.vertices2[3].lighting2, 0x7C03);
    EXPECT_EQ(room.water_scheme, 3);
    EXPECT_EQ(room.reverb, 4);
    EXPECT_EQ(room.alternate_group, 5);
    EXPECT_EQ(load_le<uint16_t>(room.ambient.data() + 2), 0x0506);
}

TEST(LevelReaderFields, ItemsAreHeldInBothFormsWithTheIntensityBytesSpreadOverTwoFields) {
    const auto tr1 = loaded(kTR1, "a.phd");
    ASSERT_EQ(tr1->num_items, 2);
    const tr_item1& old = tr1->items1[1];
    const tr_item& later = tr1->items[1];
    const auto intensity = static_cast<uint16_t>(old.intensity);
    EXPECT_EQ(later.x, static_cast<int32_t>(old.x));  // packed fields are read by value
    EXPECT_EQ(later.flags, static_cast<uint16_t>(old.flags));
    EXPECT_EQ(later.intensity1, intensity & 0xFF);
    EXPECT_EQ(later.intensity2, intensity >> 8);

    const auto tr3 = loaded(kTR3, "a.tr2");
    const tr_item& item = tr3->items[0];
    EXPECT_EQ(static_cast<uint16_t>(tr3->items1[0].intensity),
              (static_cast<uint16_t>(item.intensity1) & 0xFF) |
                  (static_cast<uint16_t>(item.intensity2) & 0xFF) << 8);
    EXPECT_EQ(static_cast<uint16_t>(tr3->items1[0].angle), item.angle);
}

TEST(LevelReaderFields, ZonesFillTheArraysTheVersionStores) {
    const auto tr1 = loaded(kTR1, "a.phd");
    ASSERT_EQ(tr1->num_zones, 2);
    const auto zones = pattern(6 * 4, 22);
    auto zone = [](const std::vector<uint16_t>& z) { return bytes_of(z); };
    EXPECT_EQ(zone(tr1->zones[kZoneFly]),
              std::vector<uint8_t>(zones.begin() + 8, zones.begin() + 12));
    EXPECT_EQ(zone(tr1->zones[kZoneFlyAlt]), std::vector<uint8_t>(zones.begin() + 20, zones.end()));
    EXPECT_EQ(tr1->zones[kZoneGround3], (std::vector<uint16_t>{0, 0}));

    const auto tr2 = loaded(kTR2, "a.tr2");
    const auto all = pattern(10 * 4, 22);
    EXPECT_EQ(zone(tr2->zones[kZoneGround4Alt]),
              std::vector<uint8_t>(all.begin() + 32, all.begin() + 36));
}

TEST(LevelReaderFields, ObjectTexturesFillTheInternalFormAsFarAsTheVersionStoresIt) {
    const int32_t versions[] = {kTR1, kTR3, kTR4, kTR5};
    const char* names[] = {"a.phd", "a.tr2", "a.tr4", "a.trc"};
    const size_t sizes[] = {20, 20, 38, 40};
    const int seeds[] = {12, 24, 24, 24};
    for (size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(names[k]);
        const auto level = loaded(versions[k], names[k]);
        ASSERT_EQ(level->num_object_textures, 2);
        const auto stored = pattern(2 * sizes[k], seeds[k]);
        const tr_object_texture& t = level->object_textures[1];
        const uint8_t* second = stored.data() + sizes[k];
        EXPECT_EQ(t.attribute, load_le<uint16_t>(second));
        const size_t corners = sizes[k] == 20 ? 4 : 6;
        EXPECT_EQ(t.corners[0].x_pixel, second[corners + 1]);
        EXPECT_EQ(t.corners[3].y_pixel, second[corners + 15]);
        if (sizes[k] >= 38) {
            EXPECT_EQ(t.extra[15], second[37]);
        }
        if (sizes[k] == 40) {
            EXPECT_EQ(t.extra5[1], second[39]);
        }
    }
}

TEST(LevelReaderFields, Tr4SamplesAreTheBytesAfterTheLevelDataChunk) {
    fixture_level plan;
    plan.samples = 300;
    const auto level = loaded(kTR4, "a.tr4", plan);
    EXPECT_EQ(level->samples, pattern(300, 58));
    EXPECT_EQ(level->samples_size, 300);
    EXPECT_EQ(level->num_textiles, 1);
    EXPECT_EQ(level->textile8_bytes, 65536u);
    EXPECT_EQ(level->textile16_size, 131072u);
    EXPECT_EQ(level->misc_textile_size, 2u * 262144);
    EXPECT_EQ(level->textile32, pattern(262144, 54));
    EXPECT_EQ(level->num_room_textiles, 1);
    EXPECT_EQ(level->num_obj_textiles, 2);
}

TEST(LevelReaderFields, Tr5SamplesAreTheBytesAfterTheLevelData) {
    fixture_level plan;
    plan.samples = 77;
    const auto level = loaded(kTR5, "a.trc", plan);
    EXPECT_EQ(level->samples, pattern(77, 58));
    EXPECT_EQ(level->tr5_header[31], pattern(32, 57)[31]);
    EXPECT_EQ(level->num_moveables, 1);
    EXPECT_EQ(bytes_of(level->moveables5), pattern(20, 10));
}

TEST(LevelWriter, Tr4TileChunksAreSizedByTheTileCountWhateverTheFileSaid) {
    fixture_level plan;
    plan.version = kTR4;
    plan.tiles = 1;
    plan.tiles32 = 2;  // the 32-bit chunk holds a tile more than the 16-bit one
    const auto bytes = level_file(plan);
    auto level = std::make_unique<Ttrlevel>();
    ASSERT_EQ(load_level_from_bytes(*level, "a.tr4", bytes.data(), bytes.size()), kLoadOk);
    EXPECT_EQ(level->textile32_size, 2u * 262144);
    std::vector<uint8_t> out;
    ASSERT_EQ(save_level_to_bytes(*level, "b.tr4", out), kSaveOk);
    const auto parts = test::split_packed_file(out, true);
    EXPECT_EQ(parts.unpacked_lengths[0], 262144u);  // 4 x textile8_bytes
    EXPECT_EQ(parts.unpacked_lengths[1], 131072u);  // 2 x textile8_bytes
    EXPECT_EQ(parts.unpacked_lengths[2], 2u * 262144);
    EXPECT_EQ(parts.chunks[0], pattern(262144, 54));
    EXPECT_EQ(level->textile32_size, 262144u);

    // A level whose 32-bit tiles fall short of the count is written with blank tiles.
    level->textile32.resize(1000);
    ASSERT_EQ(save_level_to_bytes(*level, "b.tr4", out), kSaveOk);
    const auto padded = test::split_packed_file(out, true);
    ASSERT_EQ(padded.chunks[0].size(), 262144u);
    EXPECT_EQ(padded.chunks[0][999], pattern(1000, 54)[999]);
    EXPECT_EQ(padded.chunks[0][1000], 0);
}

}  // namespace
}  // namespace rw
