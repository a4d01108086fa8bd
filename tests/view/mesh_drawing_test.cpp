#include "view/mesh_drawing.h"

#include <gtest/gtest.h>

#include "level_fixtures.h"
#include "recording_gl.h"

namespace rw {
namespace {

using test::RecordingGl;

struct MeshDrawing : testing::Test {
    MeshDrawing() {
        MeshEntry m;
        m.mesh_vertices = {{0, 0, 0}, {200, 0, 0}, {0, -100, 300}, {100, 100, 100}};
        m.tex_rects = {{{0, 1, 2, 3}, 0x8002, 0}};  // object texture 2 in the low 12 bits
        m.tex_tris = {{{0, 1, 9, 0}, 1, 0}};        // vertex 9 is not in the mesh: skipped
        m.col_tris = {{{0, 1, 2, 0}, 33, 0}};
        m.centering = {-1, 0.5, 2};
        list.meshes = {m};
        list.mesh_count = 1;
        std::vector<tr_object_texture> textures(3, test::quad_texture(0, 0, 0, 8, 8));
        textures[2] = test::quad_texture(0, 0, 0, 8, 8, true);
        test::set_object_textures(level, textures);
    }
    Tmesh_list list;
    Ttrlevel level;
    RecordingGl gl;
};

TEST_F(MeshDrawing, BindsTheFacesTextureAndMapsItsCorners) {
    level.game_version = kTR4;
    draw_mesh(gl, list, level, 0, 1, 2, 3, 90, 1, false, true);
    ASSERT_EQ(gl.primitives.size(), 1u);
    const auto& quad = gl.primitives[0];
    EXPECT_EQ(quad.texture, 3u);
    EXPECT_TRUE(quad.linear);
    EXPECT_TRUE(quad.texturing);
    EXPECT_EQ(quad.vertices[0].s, 1);  // mirrored: corner 1 lies right
    EXPECT_EQ(quad.vertices[1].s, 0);
    EXPECT_EQ(quad.vertices[1].x, 2);
    EXPECT_EQ(quad.vertices[2].y, 1);
    EXPECT_EQ(quad.vertices[2].z, -3);
    EXPECT_EQ(gl.count_calls("translate 1 2 3"), 1u);
    EXPECT_EQ(gl.count_calls("rotate 90 0 1 0"), 1u);
    EXPECT_EQ(gl.count_calls("pop"), 1u);
}

TEST_F(MeshDrawing, ColouredFacesAreDrawnUntexturedBeforeTR4Only) {
    level.game_version = kTR3;
    draw_mesh(gl, list, level, 0, 0, 0, 0, 0, 1, false, false);
    ASSERT_EQ(gl.primitives.size(), 2u);
    EXPECT_FALSE(gl.primitives[1].texturing);
    EXPECT_EQ(gl.primitives[1].name, 0u);
}

TEST_F(MeshDrawing, CenteredMeshesUseTheCenteringWithoutATransform) {
    level.game_version = kTR4;
    draw_mesh(gl, list, level, 0, 5, 5, 5, 45, 0.1, true, false);
    EXPECT_EQ(gl.count_calls("translate"), 0u);
    const auto& v = gl.primitives.at(0).vertices;
    EXPECT_DOUBLE_EQ(v[1].x, -1 + 200 / 1000.0);  // scale 0.1: divided by 1000
    EXPECT_DOUBLE_EQ(v[2].z, 2 - 300 / 1000.0);
}

TEST_F(MeshDrawing, AnEntryBeyondTheListDrawsNothing) {
    draw_mesh(gl, list, level, 1, 0, 0, 0, 0, 1, false, false);
    draw_mesh(gl, list, level, -1, 0, 0, 0, 0, 1, false, false);
    EXPECT_TRUE(gl.primitives.empty());
    EXPECT_TRUE(gl.calls.empty());
}

}  // namespace
}  // namespace rw
