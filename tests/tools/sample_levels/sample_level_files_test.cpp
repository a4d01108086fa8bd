#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "byte_builder.h"
#include "levelfile/level_file.h"
#include "sample_cache.h"
#include "temp_dir.h"

namespace rw::samples::test {
namespace {

using rw::test::ByteBuilder;
using rw::test::read_file;

std::string bundled(std::string_view name) {
    return std::string(RW_SAMPLES_DIR) + "/" + std::string(name);
}

std::vector<uint8_t> prefix(const std::vector<uint8_t>& bytes, size_t n) {
    return {bytes.begin(), bytes.begin() + static_cast<long>(std::min(n, bytes.size()))};
}

std::vector<uint8_t> suffix(const std::vector<uint8_t>& bytes, size_t n) {
    return {bytes.end() - static_cast<long>(std::min(n, bytes.size())), bytes.end()};
}

TEST(BundledSampleLevels, EveryFileLoadsBackAsItsGameVersionWithTheSampleContent) {
    for (const SampleLevelFile& f : kSampleLevelFiles) {
        SCOPED_TRACE(f.file_name);
        auto loaded = std::make_unique<Ttrlevel>();
        std::string refusal;
        ASSERT_EQ(load_level(*loaded, bundled(f.file_name), &refusal), kLoadOk) << refusal;
        const Ttrlevel& made = sample_level(f.game_version);
        EXPECT_EQ(loaded->game_version, f.game_version);
        EXPECT_EQ(loaded->num_textiles, kSampleTileCount);
        EXPECT_EQ(loaded->num_rooms, kSampleRoomCount);
        EXPECT_EQ(loaded->num_object_textures, kSampleObjectTextureCount);
        EXPECT_EQ(loaded->num_static_meshes, kSampleStaticMeshCount);
        EXPECT_EQ(loaded->num_mesh_pointers, kSampleMeshCount);
        EXPECT_EQ(loaded->num_boxes, kSampleBoxCount);
        EXPECT_EQ(loaded->num_items, 1);
        EXPECT_EQ(loaded->mesh_data, made.mesh_data);
        EXPECT_EQ(loaded->floor_data, made.floor_data);
        EXPECT_EQ(loaded->animated_textures, made.animated_textures);
        EXPECT_EQ(loaded->textile8, made.textile8);
        EXPECT_EQ(loaded->textile16, made.textile16);
        EXPECT_EQ(loaded->textile32, made.textile32);
        EXPECT_EQ(loaded->misc_textile, made.misc_textile);
        EXPECT_EQ(loaded->samples, made.samples);
        for (size_t r = 0; r < made.rooms.size(); ++r) {
            EXPECT_EQ(loaded->rooms[r].num_vertices, made.rooms[r].num_vertices);
            EXPECT_EQ(loaded->rooms[r].num_rectangles, made.rooms[r].num_rectangles);
            EXPECT_EQ(loaded->rooms[r].num_portals, made.rooms[r].num_portals);
            EXPECT_EQ(loaded->rooms[r].is_water(), made.rooms[r].is_water());
        }
    }
}

TEST(BundledSampleLevels, LoadingAndSavingAFileGivesItsBytesBack) {
    for (const SampleLevelFile& f : kSampleLevelFiles) {
        SCOPED_TRACE(f.file_name);
        const std::vector<uint8_t> original = read_file(bundled(f.file_name));
        auto level = std::make_unique<Ttrlevel>();
        ASSERT_EQ(load_level(*level, bundled(f.file_name)), kLoadOk);
        std::vector<uint8_t> written;
        ASSERT_EQ(save_level_to_bytes(*level, std::string(f.file_name), written), kSaveOk);
        EXPECT_TRUE(written == original) << written.size() << " bytes against " << original.size();
    }
}

// The files in the build tree are what the generator makes now, so they are never stale.
TEST(BundledSampleLevels, FilesHoldExactlyWhatTheGeneratorMakes) {
    for (const SampleLevelFile& f : kSampleLevelFiles) {
        SCOPED_TRACE(f.file_name);
        auto level = std::make_unique<Ttrlevel>();
        fill_sample_level(*level, f.game_version);
        std::vector<uint8_t> made;
        ASSERT_EQ(save_level_to_bytes(*level, std::string(f.file_name), made), kSaveOk);
        EXPECT_TRUE(made == read_file(bundled(f.file_name)));
    }
}

TEST(BundledSampleLevels, ClassicFilesStartWithTheirVersionWordAndTiles) {
    const std::vector<uint8_t> phd = read_file(bundled("sample.phd"));
    const auto tr1_start = ByteBuilder().u32(0x20).u32(kSampleTileCount).take();
    EXPECT_EQ(prefix(phd, tr1_start.size()), tr1_start);
    const std::vector<uint8_t>& tiles = sample_level(kTR1).textile8;
    EXPECT_EQ(prefix(std::vector<uint8_t>(phd.begin() + 8, phd.end()), tiles.size()), tiles);

    const Ttrlevel& tr3 = sample_level(kTR3);
    const auto tr3_start = ByteBuilder()
                               .u32(0xFF180038)
                               .raw(tr3.palette.data(), tr3.palette.size())
                               .raw(tr3.palette16.data(), tr3.palette16.size())
                               .u32(kSampleTileCount)
                               .take();
    EXPECT_EQ(prefix(read_file(bundled("sample_tr3.tr2")), tr3_start.size()), tr3_start);
    const auto tr2_start = ByteBuilder().u32(0x2D).take();
    EXPECT_EQ(prefix(read_file(bundled("sample.tr2")), 4), tr2_start);
    EXPECT_EQ(prefix(read_file(bundled("sample.trg")), 4), tr2_start);
}

TEST(BundledSampleLevels, PackedFilesCountTheirTilesAndLengthsInTheHeader) {
    for (const char* name : {"sample.tr4", "sample.trc"}) {
        SCOPED_TRACE(name);
        const auto header = ByteBuilder()
                                .u32(0x00345254)
                                .u16(kSampleRoomTiles)
                                .u16(kSampleObjectTiles)
                                .u16(0)
                                .u32(kSampleTileCount * 262144)
                                .take();
        EXPECT_EQ(prefix(read_file(bundled(name)), header.size()), header);
    }
    const auto tr4_end = ByteBuilder().u32(0).take();
    EXPECT_EQ(suffix(read_file(bundled("sample.tr4")), 4), tr4_end);
    // The TR5 level data ends with four filler bytes; the sample block adds two more and an
    // empty sample table.
    const auto tr5_end = ByteBuilder().fill(6, 0xCD).u32(0).take();
    EXPECT_EQ(suffix(read_file(bundled("sample.trc")), tr5_end.size()), tr5_end);
}

}  // namespace
}  // namespace rw::samples::test
