#pragma once
// A document of small rooms drawn by a scene into a recording GL.

#include <gtest/gtest.h>

#include <memory>

#include "level_fixtures.h"
#include "recording_gl.h"
#include "view/tr_scene.h"

namespace rw::test {

inline bool is_horizontal(const RecordedPrimitive& p) {
    for (const auto& v : p.vertices)
        if (v.y != p.vertices.front().y) return false;
    return !p.vertices.empty();
}

inline bool is_wall(const RecordedPrimitive& p) {
    if (p.kind != GlPrimitive::kQuads || is_horizontal(p)) return false;
    bool same_x = true, same_z = true;
    for (const auto& v : p.vertices) {
        same_x = same_x && v.x == p.vertices.front().x;
        same_z = same_z && v.z == p.vertices.front().z;
    }
    return same_x || same_z;
}

struct SceneFixture : testing::Test {
    SceneFixture() {
        scene.gl = &gl;
        scene.document = doc.get();
        scene.base_level = &level;
        scene.mesh_list = &meshes;
        scene.render_mode = kTextured;
        scene.scene_room = 1;
        scene.hide_grids = true;
        set_object_textures(level,
                            std::vector<tr_object_texture>(10, quad_texture(0, 0, 0, 64, 64)));
    }

    // A room whose sectors are open from floor to ceiling, with textures 1 (floor), 2 (floor
    // walls), 3 (ceiling) and 4 (ceiling walls).
    Room& add_room(int columns, int rows, int height, int x = 10, int y = 2, int z = 20) {
        const int n = ++doc->room_count;
        Room& room = doc->room(n);
        room.columns = static_cast<uint16_t>(columns);
        room.rows = static_cast<uint16_t>(rows);
        room.height = static_cast<uint16_t>(height);
        room.pos_x = x, room.pos_y = y, room.pos_z = z;
        for (Sector& s : room.sectors) {
            s = Sector{};
            s.floor_texture = s.floor_texture2 = 1;
            s.floor_wall_front = 2;
            s.floor_wall_back = s.floor_wall_left = s.floor_wall_right = 2;
            s.ceiling_texture = s.ceiling_texture2 = 3;
            s.ceiling_wall_front = 4;
            s.ceiling_wall_back = s.ceiling_wall_left = s.ceiling_wall_right = 4;
        }
        return room;
    }

    void draw() {
        gl.primitives.clear();
        gl.calls.clear();
        scene.Draw();
    }

    // Horizontal primitives of pick name `name` lying at height y.
    std::vector<RecordedPrimitive> tops(uint32_t name, double y) const {
        std::vector<RecordedPrimitive> out;
        for (const auto& p : gl.named(name))
            if (is_horizontal(p) && p.vertices.front().y == y) out.push_back(p);
        return out;
    }
    std::vector<RecordedPrimitive> walls(uint32_t name) const {
        std::vector<RecordedPrimitive> out;
        for (const auto& p : gl.named(name))
            if (is_wall(p)) out.push_back(p);
        return out;
    }

    std::unique_ptr<LevelDocument> doc = std::make_unique<LevelDocument>();
    Ttrlevel level;
    Tmesh_list meshes;
    RecordingGl gl;
    tr_scene scene;
};

}  // namespace rw::test
