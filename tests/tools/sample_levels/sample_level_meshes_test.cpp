#include <gtest/gtest.h>

#include <algorithm>

#include "levelfile/little_endian.h"
#include "mesh_walker.h"
#include "sample_cache.h"

namespace rw::samples::test {
namespace {

std::vector<WalkedMesh> walk(const Ttrlevel& level) {
    std::string error;
    auto meshes = MeshWalker(level).walk_all(error);
    EXPECT_EQ(error, "");
    return meshes;
}

TEST(SampleLevelMeshes, MeshDataHoldsOnePaddedMeshPerPointerUpToItsEnd) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        EXPECT_EQ(level.num_mesh_data, static_cast<int32_t>(level.mesh_data.size()));
        const auto meshes = walk(level);
        ASSERT_EQ(meshes.size(), static_cast<size_t>(kSampleMeshCount));
        ASSERT_EQ(level.num_mesh_pointers, kSampleMeshCount);
        for (size_t i = 0; i < meshes.size(); ++i) {
            EXPECT_EQ(meshes[i].offset % 4, 0u) << i;
            EXPECT_EQ(level.mesh_pointers[i], static_cast<int32_t>(meshes[i].offset)) << i;
        }
        EXPECT_EQ(level.mesh_data.size() * 2 % 4, 0u);
    }
}

TEST(SampleLevelMeshes, StaticMeshesReachTheirMeshesThroughTheIndexAtByteFour) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        ASSERT_EQ(level.num_static_meshes, kSampleStaticMeshCount);
        for (int i = 0; i < kSampleStaticMeshCount; ++i) {
            const tr_static_mesh& s = level.static_meshes[static_cast<size_t>(i)];
            EXPECT_EQ(s.id, static_cast<uint32_t>(i));
            EXPECT_EQ(s.mesh, i + 1);
            uint8_t stored[32];
            std::memcpy(stored, &s, sizeof stored);
            EXPECT_EQ(load_le<uint16_t>(stored + 4), i + 1);
        }
    }
}

struct Extent {
    int width_x, height, width_z;
};

Extent extent(const WalkedMesh& m) {
    int lo[3] = {32767, 32767, 32767}, hi[3] = {-32768, -32768, -32768};
    for (const auto& v : m.vertices) {
        for (size_t k = 0; k < 3; ++k) {
            lo[k] = std::min<int>(lo[k], v[k]);
            hi[k] = std::max<int>(hi[k], v[k]);
        }
    }
    return {hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]};
}

TEST(SampleLevelMeshes, MeshesAreSizedForSectorsOf1024UnitsAndStandOnTheFloor) {
    const auto meshes = walk(sample_level(kTR4));
    ASSERT_EQ(meshes.size(), static_cast<size_t>(kSampleMeshCount));
    struct Case {
        int kind;
        Extent expected;
    };
    const Case cases[] = {
        {kCrateMesh, {512, 512, 512}},    {kPillarMesh, {384, 1792, 384}},
        {kLowWallMesh, {1024, 384, 128}}, {kBarrelMesh, {354, 512, 354}},
        {kPlinthMesh, {768, 384, 768}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const WalkedMesh& m = meshes[static_cast<size_t>(c.kind + 1)];
        const Extent e = extent(m);
        EXPECT_EQ(e.width_x, c.expected.width_x);
        EXPECT_EQ(e.height, c.expected.height);
        EXPECT_EQ(e.width_z, c.expected.width_z);
        int lowest = -32768;
        for (const auto& v : m.vertices)
            lowest = std::max<int>(lowest, v[1]);
        EXPECT_EQ(lowest, 0);  // y points down: the base is the largest y
        EXPECT_GE(m.radius, e.height / 2);
    }
}

TEST(SampleLevelMeshes, FacesIndexTheirMeshVerticesAndExistingTextures) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        for (const WalkedMesh& m : walk(level)) {
            for (const auto* list :
                 {&m.rectangles, &m.triangles, &m.coloured_rectangles, &m.coloured_triangles}) {
                for (const WalkedFace& f : *list) {
                    for (const uint16_t index : f.vertices)
                        EXPECT_LT(index, m.vertices.size());
                }
            }
            for (const auto* list : {&m.rectangles, &m.triangles}) {
                for (const WalkedFace& f : *list)
                    EXPECT_LT(f.value & 0x0FFF, level.num_object_textures);
            }
            for (const auto* list : {&m.coloured_rectangles, &m.coloured_triangles}) {
                for (const WalkedFace& f : *list)
                    EXPECT_NE(f.value & 0xFF, 0);  // index 0 is the unused black
            }
        }
    }
}

// TR4 and TR5 have no coloured faces: the barrel's top and the plinth's step are textured there.
TEST(SampleLevelMeshes, ColouredFacesExistOnlyBeforeTr4AndBecomeTexturedAfter) {
    auto count = [](const std::vector<WalkedMesh>& meshes, auto member) {
        size_t n = 0;
        for (const WalkedMesh& m : meshes)
            n += (m.*member).size();
        return n;
    };
    const auto older = walk(sample_level(kTR3));
    const auto newer = walk(sample_level(kTR4));
    EXPECT_EQ(count(older, &WalkedMesh::coloured_triangles), 8u);
    EXPECT_EQ(count(older, &WalkedMesh::coloured_rectangles), 1u);
    EXPECT_EQ(count(newer, &WalkedMesh::coloured_triangles), 0u);
    EXPECT_EQ(count(newer, &WalkedMesh::triangles), count(older, &WalkedMesh::triangles) + 8);
    EXPECT_EQ(count(newer, &WalkedMesh::rectangles), count(older, &WalkedMesh::rectangles) + 1);
}

TEST(SampleLevelMeshes, OlderVersionsStoreLightValuesAndNewerOnesNormals) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        for (const WalkedMesh& m : walk(sample_level(v))) {
            const auto n = static_cast<int>(m.vertices.size());
            EXPECT_EQ(m.normal_count, v >= kTR4 ? n : -n);
        }
    }
}

TEST(SampleLevelMeshes, EveryVersionCarriesTheSameShapes) {
    const auto reference = walk(sample_level(kTR1));
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const auto meshes = walk(sample_level(v));
        ASSERT_EQ(meshes.size(), reference.size());
        for (size_t i = 0; i < meshes.size(); ++i) {
            EXPECT_EQ(meshes[i].vertices, reference[i].vertices);
            EXPECT_EQ(meshes[i].radius, reference[i].radius);
        }
    }
}

}  // namespace
}  // namespace rw::samples::test
