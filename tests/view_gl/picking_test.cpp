#include <gtest/gtest.h>

#include "gl_session.h"
#include "level_fixtures.h"

namespace rw {
namespace {

using test::GlSession;

Room& add_room(LevelDocument& doc, int columns, int rows, int height, int x, int z) {
    Room& room = doc.room(++doc.room_count);
    room.columns = static_cast<uint16_t>(columns);
    room.rows = static_cast<uint16_t>(rows);
    room.height = static_cast<uint16_t>(height);
    room.pos_x = x, room.pos_y = 0, room.pos_z = z;
    for (Sector& s : room.sectors) {
        s = Sector{};
        s.floor_texture = s.floor_texture2 = 1;
        s.ceiling_texture = s.ceiling_texture2 = 1;
    }
    return room;
}

// A flat square mesh 0.6 blocks wide, facing up, for an ornament.
void add_square_mesh(Ttrlevel& level, Tmesh_list& meshes) {
    level.set_num_static_meshes(1);
    level.static_meshes[0].mesh = 0;
    MeshEntry m;
    m.mesh_vertices = {{-300, -100, 300}, {300, -100, 300}, {300, -100, -300}, {-300, -100, -300}};
    m.tex_rects = {{{0, 1, 2, 3}, 0, 0}};
    meshes.meshes = {m};
    meshes.mesh_count = 1;
    meshes.pointer_to_mesh = {0};
}

struct Picking : testing::Test {
    void SetUp() override {
        REQUIRE_DISPLAY();
        session = std::make_unique<GlSession>();
        LevelDocument& doc = *session->doc;
        add_room(doc, 3, 3, 2, 0, 0);
        add_room(doc, 3, 3, 2, 3, 0);  // the neighbour, to the right
        Room& room = doc.room(1);
        room.ornament_count = 1;
        room.ornaments[0] = Ornament{};
        room.ornaments[0].column = 1, room.ornaments[0].row = 1;
        add_square_mesh(session->level, session->meshes);
        session->scene.scene_room = 1;
        session->scene.neighbour_room = 2;
        session->scene.render_mode = kSolid;
        session->look_down_on_current_room();
    }
    std::unique_ptr<GlSession> session;
};

TEST_F(Picking, AClickOnASectorPicksItsName) {
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 3; ++r) {
            if (c == 1 && r == 1) continue;  // the ornament lies there
            SCOPED_TRACE(testing::Message() << "column " << c << " row " << r);
            const auto at = session->screen_of(c - 0.5, 0, -(r - 0.5));
            EXPECT_EQ(session->pick_at(at), sector_pick_name(c, r, 3));
        }
    }
}

TEST_F(Picking, AClickOnTheNeighbourRoomPicks3000) {
    EXPECT_EQ(session->pick_at(session->screen_of(3.5, 0, -1.5)), 3000);
}

TEST_F(Picking, AClickOnAnOrnamentPicksItAbove4000) {
    EXPECT_EQ(session->pick_at(session->screen_of(0.5, 0.1, -0.5)), 4001);
    // Just beside the ornament the floor below is hit.
    EXPECT_EQ(session->pick_at(session->screen_of(0.1, 0, -0.1)), sector_pick_name(1, 1, 3));
}

TEST_F(Picking, AClickOnEmptySpacePicksNothing) {
    session->viewport.PickedName = 5;
    EXPECT_EQ(session->pick_at({3, 3}), 0);
}

TEST_F(Picking, PickingDoesNotDisturbTheNextFrame) {
    const QImage before = session->frame();
    session->pick_at(session->screen_of(1.5, 0, -1.5));
    session->viewport.Paint();
    const QImage after = session->panel.read_offscreen_frame();
    EXPECT_EQ(before, after);
}

}  // namespace
}  // namespace rw
