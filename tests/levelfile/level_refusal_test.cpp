#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "level_cases.h"
#include "level_fixture.h"
#include "levelfile/errors.h"
#include "levelfile/level_file.h"
#include "temp_dir.h"

namespace rw {
namespace {

using test::fixture_level;
using test::fixture_room;
using test::level_file;

std::vector<uint8_t> fixture(int32_t version) {
    fixture_level plan;
    plan.version = version;
    return level_file(plan);
}

const char* name_of(int32_t version) {
    for (const auto& c : test::kVersionCases) {
        if (c.version == version) return c.file_name;
    }
    return "";
}

int load(Ttrlevel& level, int32_t version, const std::vector<uint8_t>& bytes,
         std::string* refusal = nullptr) {
    return load_level_from_bytes(level, name_of(version), bytes.data(), bytes.size(), refusal);
}

// Where the level data of a code 6-7 file begins, and where the samples begin.
size_t packed_rest_start(const std::vector<uint8_t>& file, int32_t version) {
    return file.size() - test::split_packed_file(file, version == kTR4).rest.size();
}

TEST(LevelRefusals, WritingAnInstanceThatNeverLoadedALevelTouchesNoFile) {
    test::TempDir dir;
    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    EXPECT_EQ(save_level(*level, dir.path("x.phd"), &refusal), kSaveNothingLoaded);
    EXPECT_EQ(refusal, kSaveNothingLoadedMessage);
    EXPECT_FALSE(std::filesystem::exists(dir.path("x.phd")));
}

TEST(LevelRefusals, LevelWhoseCountsDisagreeWithItsTablesIsNotWritten) {
    struct Case {
        const char* fault;
        std::function<void(Ttrlevel&)> spoil;
        const char* reason;
    };
    const Case cases[] = {
        {"item_count_beyond_its_table", [](Ttrlevel& l) { l.num_items = 5; }, "items"},
        {"room_vertex_count_over_capacity",
         [](Ttrlevel& l) { l.rooms[1].num_vertices = kRoomMaxVertices + 1; }, "room 1: vertices"},
        {"sector_grid_over_32_columns", [](Ttrlevel& l) { l.rooms[0].num_x_sectors = 33; },
         "room 0: sector columns"},
        {"zone_shorter_than_the_boxes", [](Ttrlevel& l) { l.zones[kZoneFly].resize(1); }, "zones"},
        {"texture_bytes_not_matching_the_tiles", [](Ttrlevel& l) { l.textile8_bytes = 100; },
         "texture tiles"},
        {"samples_beyond_their_block", [](Ttrlevel& l) { l.samples_size = 1000; }, "samples"},
    };
    test::TempDir dir;
    const auto bytes = fixture(kTR1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        auto level = std::make_unique<Ttrlevel>();
        ASSERT_EQ(load(*level, kTR1, bytes), kLoadOk);
        c.spoil(*level);
        std::string refusal;
        EXPECT_EQ(save_level(*level, dir.path("out.phd"), &refusal), kSaveInconsistent);
        EXPECT_NE(refusal.find(c.reason), std::string::npos) << refusal;
        EXPECT_EQ(refusal.rfind(kSaveInconsistentMessage, 0), 0u) << refusal;
        EXPECT_FALSE(std::filesystem::exists(dir.path("out.phd")));
    }
}

TEST(LevelRefusals, SaveIntoAFolderThatDoesNotExistRaisesWithThePath) {
    test::TempDir dir;
    const auto bytes = fixture(kTR1);
    auto level = std::make_unique<Ttrlevel>();
    ASSERT_EQ(load(*level, kTR1, bytes), kLoadOk);
    const std::string path = dir.path("no/such/folder/out.phd");
    try {
        save_level(*level, path);
        ADD_FAILURE() << "no error raised";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), path);
    }
}

TEST(LevelRefusals, MissingFileAndUnknownVersionWordHaveTheirOwnResults) {
    test::TempDir dir;
    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    EXPECT_EQ(load_level(*level, dir.path("none.phd"), &refusal), kLoadNoFile);
    EXPECT_EQ(refusal, kLoadNoFileMessage);
    std::filesystem::create_directory(dir.path("folder.phd"));
    EXPECT_EQ(load_level(*level, dir.path("folder.phd")), kLoadNoFile);

    level->version_word = 0x20;
    const std::vector<uint8_t> unknown = {0x21, 0, 0, 0, 1, 2, 3, 4};
    EXPECT_EQ(load(*level, kTR1, unknown, &refusal), kLoadUnknownVersion);
    EXPECT_EQ(refusal, kLoadUnknownVersionMessage);
    EXPECT_EQ(level->version_word, 0u);
    const std::vector<uint8_t> short_word = {0x20, 0};
    EXPECT_EQ(load(*level, kTR1, short_word), kLoadUnknownVersion);
}

TEST(LevelRefusals, FailedReloadLeavesNoLevelToWriteWhateverTheFailure) {
    test::TempDir dir;
    const auto good = fixture(kTR4);
    auto damaged = good;
    damaged.resize(200);
    test::write_file(dir.path("bad.tr4"), {0x11, 0x22, 0x33, 0x44, 0x55});
    struct Case {
        const char* failure;
        std::function<int(Ttrlevel&)> reload;
        int expected;
    };
    const Case cases[] = {
        {"missing file", [&](Ttrlevel& l) { return load_level(l, dir.path("none.tr4")); },
         kLoadNoFile},
        {"unknown version word", [&](Ttrlevel& l) { return load_level(l, dir.path("bad.tr4")); },
         kLoadUnknownVersion},
        {"damaged file", [&](Ttrlevel& l) { return load(l, kTR4, damaged); }, kLoadDamaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failure);
        auto level = std::make_unique<Ttrlevel>();
        ASSERT_EQ(load(*level, kTR4, good), kLoadOk);
        EXPECT_EQ(c.reload(*level), c.expected);
        EXPECT_FALSE(level->is_loaded());
        EXPECT_EQ(level->num_rooms, 0);  // nothing of the old level or of the damaged one
        EXPECT_EQ(level->num_items, 0);
        EXPECT_TRUE(level->textile32.empty());
        EXPECT_EQ(c.reload(*level), c.expected);  // the blocks are not released a second time
        EXPECT_EQ(save_level(*level, dir.path("out.tr4")), kSaveNothingLoaded);
        EXPECT_FALSE(std::filesystem::exists(dir.path("out.tr4")));
        ASSERT_EQ(load(*level, kTR4, good), kLoadOk);  // the instance stays usable
    }
}

// Where the texture tiles end, in a fixture of one tile.
size_t tiles_end(const std::vector<uint8_t>& file, int32_t version) {
    if (version >= kTR4) return packed_rest_start(file, version);
    return 4 + (version >= kTR2 ? 768 + 1024 + 4 + 65536 + 131072 : 4 + 65536);
}

TEST(LevelRefusals, FileCutShortAnywhereInItsLevelDataIsRefused) {
    for (const auto& [version, name] : test::kVersionCases) {
        SCOPED_TRACE(name);
        fixture_level plan;
        plan.version = version;
        const auto bytes = level_file(plan);
        // Codes 6-7 keep whatever follows the level data as samples, so a cut there is no damage.
        const size_t end =
            version >= kTR4 ? bytes.size() - static_cast<size_t>(plan.samples) : bytes.size();
        const size_t fine_from = tiles_end(bytes, version);
        auto level = std::make_unique<Ttrlevel>();
        for (size_t cut = 4; cut < end; cut += cut < fine_from ? 4999 : 3) {
            std::string refusal;
            ASSERT_EQ(load_level_from_bytes(*level, name, bytes.data(), cut, &refusal),
                      kLoadDamaged)
                << "cut at " << cut;
            ASSERT_EQ(refusal.rfind(kLoadDamagedMessage, 0), 0u) << refusal;
        }
    }
}

TEST(LevelRefusals, RoomCountsOverTheRoomCapacitiesAreRefusedEvenWhenTheBytesArePresent) {
    struct Case {
        const char* fault;
        fixture_room room;
    };
    auto with = [](auto change) {
        fixture_room r;
        change(r);
        return r;
    };
    const Case cases[] = {
        {"vertex_count_over_capacity", with([](auto& r) { r.vertices = 1501; })},
        {"rectangle_count_over_capacity", with([](auto& r) { r.rectangles = 2001; })},
        {"triangle_count_over_capacity", with([](auto& r) { r.triangles = 1251; })},
        {"sprite_count_over_capacity", with([](auto& r) { r.sprites = 51; })},
        {"portal_count_over_capacity", with([](auto& r) { r.portals = 21; })},
        {"sector_rows_over_32", with([](auto& r) { r.z_sectors = 33; })},
        {"sector_columns_over_32", with([](auto& r) { r.x_sectors = 33; })},
        {"light_count_over_capacity", with([](auto& r) { r.lights = 51; })},
        {"static_count_over_capacity", with([](auto& r) { r.statics = 51; })},
    };
    for (const auto& [version, name] : test::kVersionCases) {
        for (const auto& c : cases) {
            if (version == kTR5 && std::string(c.fault) == "sprite_count_over_capacity") continue;
            SCOPED_TRACE(std::string(name) + " " + c.fault);
            fixture_level plan;
            plan.version = version;
            plan.rooms.push_back(c.room);
            auto level = std::make_unique<Ttrlevel>();
            std::string refusal;
            EXPECT_EQ(load(*level, version, level_file(plan), &refusal), kLoadDamaged);
            EXPECT_NE(refusal.find("room 2"), std::string::npos) << refusal;
        }
    }
}

TEST(LevelRefusals, CountsAskingForMoreBytesThanRemainAreRefusedBeforeAnythingIsSized) {
    struct Case {
        const char* fault;
        int32_t version;
        std::function<size_t(const std::vector<uint8_t>&)> at;  // where the count lies
        uint32_t value;
        const char* reason;  // what the refusal names
        int width = 4;
    };
    const size_t tr1_rooms = 4 + 4 + 65536;
    const Case cases[] = {
        {"sample_index_count_beyond_file", kTR1, [](const auto& b) { return b.size() - 12; },
         0x7FFFFFFF, "sample indices"},
        {"room_count_over_capacity", kTR1, [&](const auto&) { return tr1_rooms + 4; }, 0x1234,
         "rooms: count 4660", 2},
        {"texture_tile_count_beyond_file", kTR3, [](const auto&) { return 4 + 768 + 1024; },
         0x10000, "texture tiles"},
        {"tr4_chunk_length_beyond_file", kTR4, [](const auto&) { return 10 + 4; }, 0xFFFFFF00,
         "32-bit texture chunk"},
        {"tr5_level_length_beyond_file", kTR5,
         [](const auto& b) { return packed_rest_start(b, kTR5) + 32; }, 0x40000000,
         "level data length"},
        {"tr5_room_data_size_beyond_file", kTR5,
         [](const auto& b) { return packed_rest_start(b, kTR5) + 48 + 4; }, 0x40000000,
         "room 0: room data size"},
        {"tr5_room_count_over_capacity", kTR5,
         [](const auto& b) { return packed_rest_start(b, kTR5) + 44; }, 0x2000,
         "rooms: count 8192"},
        {"tr5_layer_count_over_capacity", kTR5,
         [](const auto& b) { return packed_rest_start(b, kTR5) + 48 + 176; }, 0x10000,
         "room 0: layers"},
        {"tr5_record_count_beyond_room", kTR5,
         [](const auto& b) { return packed_rest_start(b, kTR5) + 48 + 164; }, 0x7FFFFFFF,
         "room 0: room records"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        auto bytes = fixture(c.version);
        const size_t at = c.at(bytes);
        for (int i = 0; i < c.width; ++i)
            bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(c.value >> (8 * i));
        auto level = std::make_unique<Ttrlevel>();
        std::string refusal;
        EXPECT_EQ(load(*level, c.version, bytes, &refusal), kLoadDamaged);
        EXPECT_NE(refusal.find(c.reason), std::string::npos) << refusal;
    }
}

TEST(LevelRefusals, DamagedCompressedChunkRaisesACompressionErrorNamingTheFile) {
    test::TempDir dir;
    for (int32_t version : {kTR4, kTR5}) {
        SCOPED_TRACE(version);
        auto bytes = fixture(version);
        for (size_t i = 10 + 8 + 2; i < 10 + 8 + 40; ++i)
            bytes[i] ^= 0x5A;  // inside the first chunk's stream
        const std::string path = dir.path(name_of(version));
        test::write_file(path, bytes);
        auto level = std::make_unique<Ttrlevel>();
        try {
            load_level(*level, path);
            ADD_FAILURE() << "no error raised";
        } catch (const CompressionError& e) {
            EXPECT_EQ(e.path(), path);
        }
        EXPECT_FALSE(level->is_loaded());
    }
}

}  // namespace
}  // namespace rw
