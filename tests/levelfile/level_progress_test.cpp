#include <gtest/gtest.h>

#include <memory>

#include "level_cases.h"
#include "level_fixture.h"
#include "levelfile/level_file.h"
#include "recording_sinks.h"
#include "temp_dir.h"

namespace rw {
namespace {

using test::fixture_level;
using test::RecordingProgress;
using Values = std::vector<int>;

std::vector<uint8_t> fixture(int32_t version, size_t rooms = 2) {
    fixture_level plan;
    plan.version = version;
    plan.rooms.resize(rooms);
    return test::level_file(plan);
}

TEST(LevelProgress, ReadingMovesThroughTheHeaderRoomByRoomAndTheTables) {
    struct Case {
        int32_t version;
        const char* name;
        Values expected;
    };
    auto with = [](std::initializer_list<int> head) {
        Values all(head);
        for (int v : {65, 80, 80, 85, 90, 100, 0})
            all.push_back(v);
        return all;
    };
    const Case cases[] = {
        {kTR1, "a.phd", with({0, 30, 50})},         {kTUB, "a.tub", with({0, 30, 50})},
        {kTR2, "a.tr2", with({0, 30, 50})},         {kTR3, "a.tr2", with({0, 30, 50})},
        {kTR4, "a.tr4", with({0, 20, 30, 40, 50})}, {kTR5, "a.trc", with({0, 20, 30, 40})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = fixture(c.version);
        auto level = std::make_unique<Ttrlevel>();
        RecordingProgress progress;
        level->gauge = &progress;
        ASSERT_EQ(load_level_from_bytes(*level, c.name, bytes.data(), bytes.size()), kLoadOk);
        EXPECT_EQ(progress.values, c.expected);

        // A reload first releases the level held, and says so.
        progress.values.clear();
        ASSERT_EQ(load_level_from_bytes(*level, c.name, bytes.data(), bytes.size()), kLoadOk);
        Values reload = {0, 10};
        for (size_t i = 1; i < c.expected.size(); ++i)
            reload.push_back(c.expected[i]);
        EXPECT_EQ(progress.values, reload);
    }
}

TEST(LevelProgress, RoomPhaseEndsOnEightyWhateverTheRoomCount) {
    const auto bytes = fixture(kTR1, 7);
    auto level = std::make_unique<Ttrlevel>();
    RecordingProgress progress;
    level->gauge = &progress;
    ASSERT_EQ(load_level_from_bytes(*level, "a.phd", bytes.data(), bytes.size()), kLoadOk);
    EXPECT_EQ(progress.values, (Values{0, 30, 50, 54, 58, 62, 67, 71, 75, 80, 80, 85, 90, 100, 0}));
}

TEST(LevelProgress, FailedReadsEndOnZero) {
    test::TempDir dir;
    const auto good = fixture(kTR1);
    const std::vector<uint8_t> unknown = {1, 2, 3, 4, 5};
    auto level = std::make_unique<Ttrlevel>();
    RecordingProgress progress;
    level->gauge = &progress;
    EXPECT_EQ(load_level(*level, dir.path("none.phd")), kLoadNoFile);
    EXPECT_EQ(progress.values, (Values{0, 0}));

    ASSERT_EQ(load_level_from_bytes(*level, "a.phd", good.data(), good.size()), kLoadOk);
    progress.values.clear();
    EXPECT_EQ(load_level_from_bytes(*level, "a.phd", unknown.data(), unknown.size()),
              kLoadUnknownVersion);
    EXPECT_EQ(progress.values, (Values{0, 10, 0}));

    progress.values.clear();
    EXPECT_EQ(load_level_from_bytes(*level, "a.phd", good.data(), 65600), kLoadDamaged);
    EXPECT_EQ(progress.values, (Values{0, 30, 50, 0}));
}

TEST(LevelProgress, WritingReportsAsReadingAndEndsOnZero) {
    struct Case {
        int32_t version;
        const char* name;
        Values expected;
    };
    const Case cases[] = {
        {kTR1, "a.phd", {0, 30, 50, 65, 80, 80, 85, 90, 100, 0}},
        {kTR3, "a.tr2", {0, 30, 50, 65, 80, 80, 85, 90, 100, 0}},
        // The header of codes 6-7 is put in front at the end, without steps of its own.
        {kTR4, "a.tr4", {0, 65, 80, 80, 85, 90, 100, 0}},
        {kTR5, "a.trc", {0, 65, 80, 80, 85, 90, 100, 0}},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = fixture(c.version);
        auto level = std::make_unique<Ttrlevel>();
        ASSERT_EQ(load_level_from_bytes(*level, c.name, bytes.data(), bytes.size()), kLoadOk);
        RecordingProgress progress;
        level->gauge = &progress;
        ASSERT_EQ(save_level(*level, dir.path(c.name)), kSaveOk);
        EXPECT_EQ(progress.values, c.expected);
    }
    auto empty = std::make_unique<Ttrlevel>();
    RecordingProgress progress;
    empty->gauge = &progress;
    EXPECT_EQ(save_level(*empty, dir.path("x.phd")), kSaveNothingLoaded);
    EXPECT_EQ(progress.values, (Values{0}));
}

}  // namespace
}  // namespace rw
