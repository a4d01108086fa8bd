#include "levelfile/mesh_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "byte_builder.h"
#include "levelfile/errors.h"
#include "levelfile/tr5_layer.h"
#include "temp_dir.h"

namespace rw {
namespace {

using test::ByteBuilder;

std::unique_ptr<Ttrlevel> level_of(int32_t version, int rooms, int zones = 0) {
    auto level = std::make_unique<Ttrlevel>();
    level->game_version = version;
    level->set_num_rooms(rooms);
    for (auto& room : level->rooms) {
        room.num_vertices = 7;  // as the build left it
        room.vertices2[0].x = 99;
    }
    level->set_num_boxes(zones);
    level->set_num_zones(zones);
    for (auto& zone : level->zones)
        std::fill(zone.begin(), zone.end(), uint16_t{0x7777});
    return level;
}

ByteBuilder header(uint32_t version_code, uint16_t rooms) {
    ByteBuilder b;
    b.u8(16).text("Zorvath MSH file").u32(version_code).u16(rooms);
    return b;
}

// A code 3-6 room: two 12-byte vertices, one rectangle, one triangle, light bytes 1 2 3.
void classic_room(ByteBuilder& b, int16_t x = 10) {
    b.u16(2);
    b.i16(x).i16(-20).i16(30).i16(0x1F00).u16(0x10).u16(0x7FFF);
    b.i16(40).i16(50).i16(60).i16(0x0800).u16(0x10).u16(0x1234);
    b.u16(1).u16(0).u16(1).u16(1).u16(0).u16(5);
    b.u16(1).u16(0).u16(1).u16(0).u16(6);
    b.u8(1).u8(2).u8(3);
}

int import(Ttrlevel& level, const ByteBuilder& b) {
    return import_mesh_image(level, b.data().data(), b.size());
}

TEST(MeshFile, RoomsAreCopiedInTheLevelsRecordFormsAndLaterRoomsKeepTheirGeometry) {
    auto level = level_of(kTR4, 2);
    ByteBuilder b = header(6, 1);
    classic_room(b);
    ASSERT_EQ(import(*level, b), kMeshImported);
    const troom& room = level->rooms[0];
    EXPECT_EQ(room.num_vertices, 2);
    EXPECT_EQ(room.vertices2[0].x, 10);
    EXPECT_EQ(room.vertices2[0].y, -20);
    EXPECT_EQ(room.vertices2[0].lighting, 0x1F00);
    EXPECT_EQ(room.vertices2[1].lighting2, 0x1234);
    EXPECT_EQ(room.num_rectangles, 1);
    EXPECT_EQ(room.rectangles[0].vertices, (std::array<uint16_t, 4>{0, 1, 1, 0}));
    EXPECT_EQ(room.rectangles[0].texture, 5);
    EXPECT_EQ(room.num_triangles, 1);
    EXPECT_EQ(room.triangles[0].texture, 6);
    EXPECT_EQ(room.ambient[0], 1);
    EXPECT_EQ(room.ambient[2], 3);
    EXPECT_EQ(level->rooms[1].num_vertices, 7);
}

TEST(MeshFile, TheTwoFirstGamesReadEachOthersFilesAndOtherVersionsAreRefused) {
    struct Case {
        uint32_t file_code;
        int32_t level_version;
        int result;
    };
    for (const Case tc : {Case{1, kTUB, kMeshImported}, Case{2, kTR1, kMeshImported},
                          Case{0xFFFFFF01, kTR1, kMeshImported}, Case{3, kTR3, kMeshOtherVersion},
                          Case{6, kTR5, kMeshOtherVersion}}) {
        SCOPED_TRACE(testing::Message() << tc.file_code << " into " << tc.level_version);
        auto level = level_of(tc.level_version, 1);
        ByteBuilder b = header(tc.file_code, 0);
        EXPECT_EQ(import(*level, b), tc.result);
    }
}

TEST(MeshFile, AFileWithoutTheMagicIsNotAMeshFile) {
    auto level = level_of(kTR4, 1);
    ByteBuilder b;
    b.u8(16).text("Zorvath RMW file").u32(6).u16(0);
    EXPECT_EQ(import(*level, b), kMeshNotAMeshFile);
    EXPECT_EQ(import_mesh_image(*level, nullptr, 0), kMeshNotAMeshFile);
}

TEST(MeshFile, ThreeRoomsReplaceTheFirstThreeOfFive) {
    auto level = level_of(kTR2, 5);
    ByteBuilder b = header(3, 3);
    for (int16_t x : {1, 2, 3})
        classic_room(b, x);
    ASSERT_EQ(import(*level, b), kMeshImported);
    for (size_t n = 0; n < 3; ++n)
        EXPECT_EQ(level->rooms[n].vertices2[0].x, static_cast<int16_t>(n + 1));
    EXPECT_EQ(level->rooms[3].num_vertices, 7);
    EXPECT_EQ(level->rooms[4].vertices2[0].x, 99);
}

TEST(MeshFile, ZoneArraysFollowTheRoomsWhenBytesRemain) {
    struct Case {
        int32_t version;
        std::vector<int> zones;
    };
    const Case cases[] = {
        {kTR1, {kZoneGround1, kZoneGround2, kZoneFly}},
        {kTR4, {kZoneGround1, kZoneGround2, kZoneGround3, kZoneGround4, kZoneFly}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << "version " << tc.version);
        auto level = level_of(tc.version, 0, 2);
        ByteBuilder b = header(static_cast<uint32_t>(tc.version), 0);
        b.u32(2);
        for (uint32_t z = 0; z < tc.zones.size(); ++z)
            b.u16(100 + z).u16(200 + z);
        ASSERT_EQ(import(*level, b), kMeshImported);
        for (uint32_t z = 0; z < tc.zones.size(); ++z) {
            EXPECT_EQ(level->zones[static_cast<size_t>(tc.zones[z])],
                      (std::vector<uint16_t>{static_cast<uint16_t>(100 + z),
                                             static_cast<uint16_t>(200 + z)}));
        }
        EXPECT_EQ(level->zones[kZoneGround1Alt][0], 0x7777);
        if (tc.version == kTR1) {
            EXPECT_EQ(level->zones[kZoneGround3][0], 0x7777);
        }
    }
}

TEST(MeshFile, AFileEndingAfterItsLastRoomLeavesTheZonesAlone) {
    auto level = level_of(kTR4, 1, 2);
    ByteBuilder b = header(6, 1);
    classic_room(b);
    ASSERT_EQ(import(*level, b), kMeshImported);
    for (const auto& zone : level->zones)
        EXPECT_EQ(zone, (std::vector<uint16_t>{0x7777, 0x7777}));
}

TEST(MeshFile, ZoneArraysLongerThanTheLevelsAreCutEachAtItsOwnStart) {
    auto level = level_of(kTR1, 0, 1);
    ByteBuilder b = header(1, 0);
    b.u32(2).u16(11).u16(12).u16(21).u16(22).u16(31).u16(32);
    ASSERT_EQ(import(*level, b), kMeshImported);
    EXPECT_EQ(level->zones[kZoneGround1], (std::vector<uint16_t>{11}));
    EXPECT_EQ(level->zones[kZoneGround2], (std::vector<uint16_t>{21}));
    EXPECT_EQ(level->zones[kZoneFly], (std::vector<uint16_t>{31}));
}

TEST(MeshFile, RoomsBeyondTheLevelsAreSkippedBeforeTheZoneBlock) {
    auto level = level_of(kTR4, 1, 1);
    ByteBuilder b = header(6, 2);
    classic_room(b, 5);
    classic_room(b, 6);
    b.u32(1).u16(1).u16(2).u16(3).u16(4).u16(5);
    ASSERT_EQ(import(*level, b), kMeshImported);
    EXPECT_EQ(level->rooms[0].vertices2[0].x, 5);
    EXPECT_EQ(level->zones[kZoneGround1][0], 1);
    EXPECT_EQ(level->zones[kZoneFly][0], 5);
}

TEST(MeshFile, TR5VerticesGiveTheOlderFormsTheirPositionLightAndColour) {
    auto level = level_of(kTR5, 1);
    ByteBuilder b = header(7, 1);
    b.u16(1);
    b.f32(100.7f).f32(-50.2f).f32(1024.9f).f32(0).f32(0).f32(0);
    b.u8(80).u8(160).u8(248).u8(255);  // blue, green, red, alpha
    b.u16(1).u16(0).u16(0).u16(0).u16(0).u16(9).u16(0);
    b.u16(1).u16(0).u16(0).u16(0).u16(8).u16(0);
    b.u8(128).u8(128).u8(128);
    ASSERT_EQ(import(*level, b), kMeshImported);
    troom& room = level->rooms[0];
    EXPECT_EQ(room.vertices[0].x, 100);
    EXPECT_EQ(room.vertices[0].y, -50);
    EXPECT_EQ(room.vertices[0].z, 1024);
    EXPECT_EQ(room.vertices2[0].x, 100);
    EXPECT_EQ(room.vertices2[0].lighting2, 31 * 1024 + 20 * 32 + 10);
    EXPECT_EQ(room.rectangles[0].texture, 9);
    EXPECT_EQ(room.triangles[0].texture, 8);

    // The TR5 layer step rebuilds the TR5 forms from these and keeps the imported geometry.
    build_tr5_layer(*level);
    EXPECT_EQ(room.vertices5[0].x, 100.0f);
    EXPECT_EQ(room.vertices5[0].z, 1024.0f);
    EXPECT_EQ(room.vertices5[0].green, (31 - (31 - (80 + 160 + 248) / 3 / 8)) * 8);
    EXPECT_EQ(room.rectangles5[0].texture, 9);
    EXPECT_EQ(room.tr5_room_colour & 0xFF, 128u);
}

TEST(MeshFile, RefusalsLeaveTheLevelUnchanged) {
    struct Case {
        const char* name;
        ByteBuilder file;
    };
    std::vector<Case> cases;
    {
        ByteBuilder b = header(6, 2);
        classic_room(b);
        b.u16(1501).fill(1501 * 12).u16(0).u16(0).fill(3);
        cases.push_back({"vertices over capacity", std::move(b)});
    }
    {
        ByteBuilder b = header(6, 1);
        b.u16(0).u16(2001).fill(2001 * 10).u16(0).fill(3);
        cases.push_back({"rectangles over capacity", std::move(b)});
    }
    {
        ByteBuilder b = header(6, 1);
        b.u16(0).u16(0).u16(1251).fill(1251 * 8).fill(3);
        cases.push_back({"triangles over capacity", std::move(b)});
    }
    {
        ByteBuilder b = header(6, 2);
        classic_room(b);
        b.u16(3).fill(20);
        cases.push_back({"file ends inside a room", std::move(b)});
    }
    {
        ByteBuilder b = header(6, 1);
        classic_room(b);
        b.u32(4).u16(1);
        cases.push_back({"file ends inside the zones", std::move(b)});
    }
    {
        ByteBuilder b;
        b.u8(16).text("Zorvath MSH file").u16(6);
        cases.push_back({"file ends inside the header", std::move(b)});
    }
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        auto level = level_of(kTR4, 2, 4);
        EXPECT_EQ(import(*level, tc.file), kMeshRefused);
        EXPECT_EQ(level->rooms[0].num_vertices, 7);
        EXPECT_EQ(level->rooms[0].vertices2[0].x, 99);
        EXPECT_EQ(level->zones[kZoneGround1][0], 0x7777);
    }
}

TEST(MeshFile, ARoomOverCapacityBeyondTheLevelsRoomsIsOnlySkipped) {
    auto level = level_of(kTR4, 1);
    ByteBuilder b = header(6, 2);
    classic_room(b);
    b.u16(1501).fill(1501 * 12).u16(0).u16(0).fill(3);
    EXPECT_EQ(import(*level, b), kMeshImported);
}

TEST(MeshFile, ImportReadsTheNamedFile) {
    test::TempDir dir;
    ByteBuilder b = header(6, 1);
    classic_room(b, 321);
    test::write_file(dir.path("level.msh"), b.data());
    auto level = level_of(kTR4, 1);
    ASSERT_EQ(import_mesh_file(*level, dir.path("level.msh")), kMeshImported);
    EXPECT_EQ(level->rooms[0].vertices2[0].x, 321);
    EXPECT_THROW(import_mesh_file(*level, dir.path("missing.msh")), FileError);
}

TEST(MeshFileLayout, DescribesEveryRoomBlockAndTheZones) {
    ByteBuilder b = header(6, 2);
    classic_room(b);
    classic_room(b);
    b.u32(1).fill(10);
    const MeshFileLayout layout = scan_mesh_file(b.data().data(), b.size(), kTR4, 0);
    EXPECT_EQ(layout.result, kMeshImported);
    EXPECT_EQ(layout.version_code, 6u);
    ASSERT_EQ(layout.rooms.size(), 2u);
    EXPECT_EQ(layout.rooms[1].offset, 23u + 2 + 24 + 2 + 10 + 2 + 8 + 3);
    EXPECT_EQ(layout.rooms[1].num_rectangles, 1);
    EXPECT_EQ(layout.rooms[1].light, (std::array<uint8_t, 3>{1, 2, 3}));
    EXPECT_TRUE(layout.has_zones);
    EXPECT_EQ(layout.zone_count, 1u);
    EXPECT_EQ(layout.zone_arrays, 5);
}

}  // namespace
}  // namespace rw
