#include "levelfile/mesh_list.h"

#include <gtest/gtest.h>

#include "byte_builder.h"
#include "level_fixtures.h"
#include "recording_sinks.h"

namespace rw {
namespace {

using test::ByteBuilder;

struct Face {
    std::vector<int> vertices;
    int texture;
};

struct MeshParts {
    std::vector<std::array<int, 3>> vertices;
    int normal_count = 0;  // negative: light values
    std::vector<Face> tex_rects, tex_tris, col_rects, col_tris;
};

// One mesh in the packed form of `version`, field by field.
void put_mesh(ByteBuilder& b, const MeshParts& m, int version) {
    const size_t start = b.size();
    b.i16(1).i16(2).i16(3).i32(500);
    b.i16(static_cast<int>(m.vertices.size()));
    for (const auto& v : m.vertices)
        b.i16(v[0]).i16(v[1]).i16(v[2]);
    b.i16(m.normal_count);
    if (m.normal_count >= 0) {
        b.fill(static_cast<size_t>(m.normal_count) * 6, 1);
    } else {
        for (int i = 0; i < -m.normal_count; ++i)
            b.i16(100 + i);
    }
    const bool long_faces = version >= kTR4;
    auto faces = [&](const std::vector<Face>& list, bool textured) {
        b.i16(static_cast<int>(list.size()));
        for (const Face& f : list) {
            for (int v : f.vertices)
                b.u16(static_cast<uint32_t>(v));
            b.u16(static_cast<uint32_t>(f.texture));
            if (textured && long_faces) b.u16(0);
        }
    };
    faces(m.tex_rects, true);
    faces(m.tex_tris, true);
    if (!long_faces) {
        faces(m.col_rects, false);
        faces(m.col_tris, false);
    }
    if ((b.size() - start) % 4 != 0) b.u16(0);
}

Ttrlevel& level_with(Ttrlevel& level, int version, const std::vector<uint8_t>& bytes,
                     std::vector<int32_t> pointers = {}) {
    level.game_version = version;
    test::set_mesh_bytes(level, bytes);
    level.set_num_mesh_pointers(static_cast<int32_t>(pointers.size()));
    level.mesh_pointers = pointers;
    return level;
}

MeshParts small_mesh() {
    MeshParts m;
    m.vertices = {{0, 0, 0}, {100, 0, 0}, {0, -100, 0}};
    m.normal_count = 2;
    m.tex_tris = {{{0, 1, 2}, 7}};
    return m;
}

TEST(BuildMeshList, AMeshOf58BytesIsPaddedSoTheNextStartsAt60) {
    ByteBuilder b;
    put_mesh(b, small_mesh(), kTR4);
    put_mesh(b, small_mesh(), kTR4);
    ASSERT_EQ(b.size(), 120u);
    Ttrlevel level;
    Tmesh_list list;
    build_mesh_list(list, level_with(level, kTR4, b.data()));
    ASSERT_EQ(list.mesh_count, 2);
    EXPECT_EQ(list.meshes[0].data_offset, 0);
    EXPECT_EQ(list.meshes[1].data_offset, 60);
    EXPECT_EQ(list.meshes[1].radius, 500);
    EXPECT_EQ(list.meshes[1].center, (std::array<int16_t, 3>{1, 2, 3}));
    ASSERT_EQ(list.meshes[1].tex_tris.size(), 1u);
    EXPECT_EQ(list.meshes[1].tex_tris[0].texture, 7);
}

TEST(BuildMeshList, ANegativeNormalCountStoresLightValues) {
    MeshParts m = small_mesh();
    m.normal_count = -5;
    ByteBuilder b;
    put_mesh(b, m, kTR4);
    Ttrlevel level;
    Tmesh_list list;
    build_mesh_list(list, level_with(level, kTR4, b.data()));
    ASSERT_EQ(list.mesh_count, 1);
    EXPECT_EQ(list.meshes[0].normal_count, -5);
    EXPECT_TRUE(list.meshes[0].normals.empty());
    EXPECT_EQ(list.meshes[0].shades, (std::vector<int16_t>{100, 101, 102, 103, 104}));
}

TEST(BuildMeshList, ReadsColouredFacesOnlyBeforeTR4) {
    MeshParts m = small_mesh();
    m.col_tris = {{{2, 1, 0}, 9}};
    m.col_rects = {{{0, 1, 2, 0}, 4}};
    for (int version : {kTR1, kTR3}) {
        SCOPED_TRACE(version);
        ByteBuilder b;
        put_mesh(b, m, version);
        Ttrlevel level;
        Tmesh_list list;
        build_mesh_list(list, level_with(level, version, b.data()));
        ASSERT_EQ(list.mesh_count, 1);
        ASSERT_EQ(list.meshes[0].col_tris.size(), 1u);
        EXPECT_EQ(list.meshes[0].col_tris[0].texture, 9);
        EXPECT_EQ(list.meshes[0].col_rects.size(), 1u);
    }
    for (int version : {kTR4, kTR5}) {
        SCOPED_TRACE(version);
        ByteBuilder b;
        put_mesh(b, m, version);  // the long form has no coloured faces
        Ttrlevel level;
        Tmesh_list list;
        build_mesh_list(list, level_with(level, version, b.data()));
        ASSERT_EQ(list.mesh_count, 1);
        EXPECT_TRUE(list.meshes[0].col_tris.empty());
        EXPECT_TRUE(list.meshes[0].col_rects.empty());
    }
}

TEST(BuildMeshList, MapsEachMeshPointerToTheEntryStartingThere) {
    ByteBuilder b;
    put_mesh(b, small_mesh(), kTR4);
    put_mesh(b, small_mesh(), kTR4);
    Ttrlevel level;
    Tmesh_list list;
    build_mesh_list(list, level_with(level, kTR4, b.data(), {60, 0, 30, 60}));
    EXPECT_EQ(list.pointer_to_mesh, (std::vector<int32_t>{1, 0, 0, 1}));
    EXPECT_EQ(find_mesh_by_offset(list, 60), 1);
    EXPECT_EQ(find_mesh_by_offset(list, 61), 0);
}

TEST(MeshBounds, BoxAndCenteringComeFromTheVerticesTheFacesUse) {
    MeshParts m;
    m.vertices = {{-200, 50, 100}, {600, -150, 300}, {0, 0, 0}, {5000, 5000, 5000}};
    m.tex_rects = {{{0, 1, 2, 0}, 1}};  // vertex 3 is used by no face
    ByteBuilder b;
    put_mesh(b, m, kTR4);
    Ttrlevel level;
    Tmesh_list list;
    build_mesh_list(list, level_with(level, kTR4, b.data()));
    const MeshEntry& e = list.meshes.at(0);
    EXPECT_DOUBLE_EQ(e.box_min[0], -2.0);
    EXPECT_DOUBLE_EQ(e.box_max[0], 6.0);
    EXPECT_DOUBLE_EQ(e.centering[0], -2.0);
    EXPECT_DOUBLE_EQ(e.box_min[1], -0.5);  // y turns round
    EXPECT_DOUBLE_EQ(e.box_max[1], 1.5);
    EXPECT_DOUBLE_EQ(e.box_min[2], -3.0);
    EXPECT_DOUBLE_EQ(e.box_max[2], 0.0);
    EXPECT_DOUBLE_EQ(e.centering[2], 1.5);
}

TEST(BuildMeshList, KeepsAtMost501OfAKindAndStillFindsTheNextMesh) {
    MeshParts big;
    for (int i = 0; i < 600; ++i)
        big.vertices.push_back({i, 0, 0});
    big.normal_count = 520;
    for (int i = 0; i < 510; ++i)
        big.tex_tris.push_back({{0, 599, 1}, 3});  // vertex 599 lies beyond what is kept
    ByteBuilder b;
    put_mesh(b, big, kTR4);
    const auto second = static_cast<int32_t>(b.size());
    put_mesh(b, small_mesh(), kTR4);
    Ttrlevel level;
    Tmesh_list list;
    test::RecordingLog log;
    build_mesh_list(list, level_with(level, kTR4, b.data(), {second}), &log);
    ASSERT_EQ(list.mesh_count, 2);
    const MeshEntry& e = list.meshes[0];
    EXPECT_EQ(e.mesh_vertices.size(), 501u);
    EXPECT_EQ(e.normals.size(), 501u);
    EXPECT_EQ(e.tex_tris.size(), 501u);
    EXPECT_TRUE(e.clipped);
    EXPECT_DOUBLE_EQ(e.box_max[0], 0.01);  // only vertices 0 and 1 count
    EXPECT_EQ(list.meshes[1].data_offset, second);
    EXPECT_EQ(list.pointer_to_mesh[0], 1);
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST(BuildMeshList, AMeshRunningPastTheEndOfTheDataEndsTheList) {
    struct Case {
        const char* name;
        size_t cut;  // bytes of the second mesh kept
    };
    const Case cases[] = {
        {"truncated_header", 6}, {"vertex_count_past_end", 20}, {"face_count_past_end", 48}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ByteBuilder b;
        put_mesh(b, small_mesh(), kTR4);
        ByteBuilder second;
        put_mesh(second, small_mesh(), kTR4);
        std::vector<uint8_t> bytes = b.data();
        bytes.insert(bytes.end(), second.data().begin(),
                     second.data().begin() + static_cast<std::ptrdiff_t>(c.cut));
        Ttrlevel level;
        Tmesh_list list;
        test::RecordingLog log;
        build_mesh_list(list, level_with(level, kTR4, bytes, {0, 60}), &log);
        EXPECT_EQ(list.mesh_count, 1);
        EXPECT_EQ(list.pointer_to_mesh, (std::vector<int32_t>{0, 0}));
        EXPECT_EQ(log.lines.size(), 1u);
    }
}

TEST(BuildMeshList, AHugeVertexCountInATinyMeshIsRefusedWithoutReading) {
    ByteBuilder b;
    b.i16(0).i16(0).i16(0).i32(0).i16(32767);
    Ttrlevel level;
    Tmesh_list list;
    build_mesh_list(list, level_with(level, kTR1, b.data()));
    EXPECT_EQ(list.mesh_count, 0);
}

}  // namespace
}  // namespace rw
