#include <gtest/gtest.h>

#include <memory>

#include "level_cases.h"
#include "level_fixture.h"
#include "levelfile/concurrent.h"
#include "levelfile/level_file.h"
#include "temp_dir.h"

namespace rw {
namespace {

using test::fixture_level;
using test::level_file;
using test::version_case;

class EveryVersion : public testing::TestWithParam<version_case> {};

TEST_P(EveryVersion, LevelReadFromAFileIsWrittenBackByteForByte) {
    const auto [version, name] = GetParam();
    fixture_level plan;
    plan.version = version;
    const auto input = level_file(plan);
    test::TempDir dir;
    test::write_file(dir.path(name), input);

    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    ASSERT_EQ(load_level(*level, dir.path(name), &refusal), kLoadOk) << refusal;
    EXPECT_EQ(level->game_version, version);
    EXPECT_TRUE(level->is_loaded());
    const std::string out_name = dir.path(std::string("out_") + name);
    ASSERT_EQ(save_level(*level, out_name, &refusal), kSaveOk) << refusal;
    const auto output = test::read_file(out_name);

    if (version == kTR4) {
        // The chunks are compared inflated: only their content is the level's.
        const auto in_parts = test::split_packed_file(input, true);
        const auto out_parts = test::split_packed_file(output, true);
        EXPECT_EQ(out_parts.head, in_parts.head);
        EXPECT_EQ(out_parts.unpacked_lengths, in_parts.unpacked_lengths);
        EXPECT_TRUE(out_parts.chunks == in_parts.chunks);
        EXPECT_EQ(out_parts.rest, in_parts.rest);
    } else {
        ASSERT_EQ(output.size(), input.size());
        EXPECT_TRUE(output == input);
    }
}

TEST_P(EveryVersion, LevelWrittenBackReadsAgainIntoTheSameCounts) {
    const auto [version, name] = GetParam();
    fixture_level plan;
    plan.version = version;
    plan.rooms.resize(3);
    plan.rooms[2].vertices = 7;
    plan.rooms[2].lights = 3;
    const auto input = level_file(plan);
    auto first = std::make_unique<Ttrlevel>();
    ASSERT_EQ(load_level_from_bytes(*first, name, input.data(), input.size()), kLoadOk);
    std::vector<uint8_t> written;
    ASSERT_EQ(save_level_to_bytes(*first, name, written), kSaveOk);
    auto second = std::make_unique<Ttrlevel>();
    ASSERT_EQ(load_level_from_bytes(*second, name, written.data(), written.size()), kLoadOk);
    EXPECT_EQ(second->num_rooms, 3);
    EXPECT_EQ(second->rooms[2].num_vertices, 7);
    EXPECT_EQ(second->rooms[2].num_lights, 3);
    EXPECT_EQ(second->num_items, first->num_items);
    EXPECT_EQ(second->num_object_textures, 2);
    EXPECT_EQ(second->samples_size, first->samples_size);
    EXPECT_EQ(second->num_textiles, 1);
}

TEST(LevelWriter, ChunksDeflatedOnAllCoresGiveTheBytesOfOneThread) {
    for (int32_t version : {kTR4, kTR5}) {
        SCOPED_TRACE(version);
        fixture_level plan;
        plan.version = version;
        plan.tiles = 2;
        const auto input = level_file(plan);
        const char* name = version == kTR4 ? "a.tr4" : "a.trc";
        auto level = std::make_unique<Ttrlevel>();
        ASSERT_EQ(load_level_from_bytes(*level, name, input.data(), input.size()), kLoadOk);
        std::vector<uint8_t> serial, concurrent;
        set_max_threads(1);
        ASSERT_EQ(save_level_to_bytes(*level, name, serial), kSaveOk);
        set_max_threads(4);
        ASSERT_EQ(save_level_to_bytes(*level, name, concurrent), kSaveOk);
        set_max_threads(0);
        EXPECT_TRUE(concurrent == serial);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, EveryVersion, testing::ValuesIn(test::kVersionCases),
                         [](const auto& info) { return test::version_label(info.param.version); });

}  // namespace
}  // namespace rw
