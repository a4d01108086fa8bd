#include "view/tr_scene.h"

#include <gtest/gtest.h>

#include "scene_fixture.h"

namespace rw {
namespace {

using test::RecordedPrimitive;
using test::SceneFixture;

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kBlue{0, 0, 255};

using Scene = SceneFixture;

// Three sectors in a row: a step of 2 blocks from column 1 down to columns 2 and 3.
Room& step_room(SceneFixture& f) {
    Room& room = f.add_room(3, 1, 4);
    room.sector(1, 1).floor_base = 2;
    return room;
}

TEST_F(Scene, AWallIsDrawnOnlyOnTheHigherSideOfAStep) {
    step_room(*this);
    draw();
    ASSERT_EQ(walls(1).size(), 1u);  // sector 1's right wall
    EXPECT_TRUE(walls(2).empty());   // lower than its left neighbour, level with its right one
    EXPECT_TRUE(walls(3).empty());
    const RecordedPrimitive wall = walls(1)[0];
    EXPECT_EQ(wall.texture, 2u);
    // A straight part from the room bottom (y 2) to the base (y 4), the texture repeated once a
    // block, then a sloped part of no height since the sector has no raise.
    ASSERT_EQ(wall.vertices.size(), 8u);
    const double expected[4][5] = {
        {11, 4, -20, 0, 0}, {11, 4, -21, 1, 0}, {11, 2, -21, 1, 2}, {11, 2, -20, 0, 2}};
    for (size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const auto& v = wall.vertices[k];
        EXPECT_EQ(v.x, expected[k][0]);
        EXPECT_EQ(v.y, expected[k][1]);
        EXPECT_EQ(v.z, expected[k][2]);
        EXPECT_EQ(v.s, expected[k][3]);
        EXPECT_EQ(v.t, expected[k][4]);
    }
}

TEST_F(Scene, InWireframeAWallIsOneQuadFromTheRoomBottomToTheCorners) {
    Room& room = step_room(*this);
    room.sector(1, 1).floor_raise = 2;  // corners at 2.5 blocks
    scene.render_mode = kWireframe;
    draw();
    ASSERT_EQ(walls(1).size(), 1u);
    const RecordedPrimitive wall = walls(1)[0];
    ASSERT_EQ(wall.vertices.size(), 4u);
    EXPECT_EQ(wall.vertices[0].y, 4.5);
    EXPECT_EQ(wall.vertices[2].y, 2);
    EXPECT_EQ(wall.colour, kGreen);
    EXPECT_FALSE(wall.texturing);
    EXPECT_FALSE(wall.fill);
}

TEST_F(Scene, WallsAreHiddenTowardsPortalSectorsOfTheFirstRowOrColumn) {
    Room& room = add_room(2, 2, 4);
    // (1, 2) stands above its front neighbour (1, 1) and its right neighbour (2, 2).
    room.sector(1, 2).floor_base = 1;
    draw();
    const auto name = static_cast<uint32_t>(sector_pick_name(1, 2, 2));
    EXPECT_EQ(walls(name).size(), 2u);
    // In the first column a wall towards a portal sector is left out.
    room.sector(1, 1).room_side = 5;
    draw();
    ASSERT_EQ(walls(name).size(), 1u);
    EXPECT_EQ(walls(name)[0].vertices[0].x, 11);  // the right wall is left
}

TEST_F(Scene, AClosedSectorShowsNoTopUnlessWireframeAndItHasARoomBelow) {
    Room& room = add_room(1, 1, 3);
    room.sector(1, 1).floor_base = 3;
    for (uint8_t mode : {kWireframe, kSolid, kTextured}) {
        SCOPED_TRACE(static_cast<int>(mode));
        scene.render_mode = mode;
        draw();
        EXPECT_TRUE(tops(1, 5).empty());
    }
    room.sector(1, 1).room_below = 2;
    scene.render_mode = kTextured;
    draw();
    EXPECT_TRUE(tops(1, 5).empty());
    scene.render_mode = kWireframe;
    draw();
    EXPECT_EQ(tops(1, 5).size(), 1u);  // the floor; the ceiling stays hidden
}

TEST_F(Scene, AClosedSplitSectorShowsNeitherTriangle) {
    Room& room = add_room(1, 1, 3);
    room.sector(1, 1).floor_base = 3;
    room.sector(1, 1).floor_split = 2;
    draw();
    EXPECT_TRUE(tops(1, 5).empty());
}

TEST_F(Scene, SolidModeDrawsEveryFaceWithTheSolidTexture) {
    step_room(*this);
    scene.render_mode = kSolid;
    draw();
    for (const auto& p : gl.primitives)
        EXPECT_EQ(p.texture, 4000u);
    EXPECT_FALSE(gl.primitives.empty());
}

TEST_F(Scene, ShowFromHidesTheCurrentRoomsFloorsButEveryDrawnCeiling) {
    add_room(6, 1, 3);
    add_room(6, 1, 3, 10, 10, 20);
    scene.neighbour_room = 2;
    scene.show_from_column = 5;
    draw();
    for (uint32_t c = 1; c <= 6; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(tops(c, 2).size(), c >= 5 ? 1u : 0u);  // floors of the current room
        EXPECT_EQ(tops(c, 5).size(), c >= 5 ? 1u : 0u);  // its ceilings
    }
    EXPECT_EQ(tops(3000, 10).size(), 6u);  // all the neighbour's floors
    EXPECT_EQ(tops(3000, 13).size(), 2u);  // but only two of its ceilings
}

TEST_F(Scene, FloorTopColoursFollowStepSoundDeathAndPortals) {
    Room& room = add_room(4, 1, 3);
    room.sector(1, 1).step_sound = 2;
    room.sector(2, 1).step_sound = 2;
    room.sector(2, 1).death = 1;
    room.sector(3, 1).death = 1;
    room.sector(3, 1).room_below = 4;
    room.sector(4, 1).climb_right = 1;
    room.sector(4, 1).floor_base = 1;
    room.sector(3, 1).floor_base = 1;
    draw();
    EXPECT_EQ(tops(1, 2)[0].colour, kCyan);
    EXPECT_EQ(tops(2, 2)[0].colour, (Rgb{128, 0, 0}));
    EXPECT_EQ(tops(3, 3)[0].colour, kMagenta);
    EXPECT_EQ(tops(4, 3)[0].colour, kWhite);
}

TEST_F(Scene, CeilingTopColoursFollowMonkeySwingAndRoomAbove) {
    Room& room = add_room(2, 1, 3);
    room.sector(1, 1).climb_ceiling = 1;
    room.sector(2, 1).climb_ceiling = 1;
    room.sector(2, 1).room_above = 3;
    draw();
    EXPECT_EQ(tops(1, 5)[0].colour, (Rgb{128, 128, 128}));
    EXPECT_EQ(tops(2, 5)[0].colour, kMagenta);
}

TEST_F(Scene, TheNeighbourRoomIsWhiteAndPickedAs3000) {
    add_room(2, 2, 3);
    Room& other = add_room(2, 2, 3, 12, 2, 20);
    other.sector(1, 1).death = 1;
    other.sector(1, 1).selected = 1;
    scene.edit_mode = 1;
    scene.neighbour_room = 2;
    draw();
    const auto neighbour = gl.named(3000);
    ASSERT_EQ(neighbour.size(), 8u);  // four floors and four ceilings, no walls
    for (const auto& p : neighbour)
        EXPECT_EQ(p.colour, kWhite);
}

TEST_F(Scene, DrawsNothingWithoutRoomsAndEachRoomOnce) {
    draw();
    EXPECT_TRUE(gl.primitives.empty());
    add_room(1, 1, 3);
    draw();
    const size_t one_room = gl.primitives.size();
    scene.neighbour_room = 1;
    draw();
    EXPECT_EQ(gl.primitives.size(), one_room);
    scene.scene_room = 2;
    scene.neighbour_room = 0;
    draw();
    EXPECT_TRUE(gl.primitives.empty());
}

struct MarkerCase {
    const char* what;
    bool ceiling;
    uint16_t split;
    int side, triangle;
    bool selected;
    std::vector<uint32_t> textures;  // of the top's primitives, in drawing order
    Rgb colour;
};

TEST_F(Scene, SelectionModeMarksTheChosenSideOrTriangle) {
    const MarkerCase cases[] = {
        {"floor front", false, 0, 1, 0, true, {4001}, kWhite},
        {"floor right", false, 0, 4, 0, true, {4004}, kWhite},
        {"floor, no side", false, 0, 0, 0, true, {1}, kRed},
        {"not selected", false, 0, 1, 0, false, {1}, kCyan},
        {"ceiling front", true, 0, 1, 0, true, {4002}, kWhite},
        {"ceiling back", true, 0, 2, 0, true, {4001}, kWhite},
        // Floor triangle 1 is not the portal triangle here, so it takes the alternative colour.
        {"floor split 1, triangle 1", false, 1, 0, 1, true, {4007, 4007}, kBlue},
        {"floor split 2, triangle 2", false, 2, 0, 2, true, {4008, 4008}, kWhite},
        {"ceiling split 1, triangle 2", true, 1, 0, 2, true, {4008, 4008}, kWhite},
        {"ceiling split 2, triangle 1", true, 2, 0, 1, true, {4007, 4007}, kWhite},
        {"split, no triangle", false, 1, 3, 0, true, {1, 1}, kBlue},
    };
    Room& room = add_room(1, 1, 3);
    scene.edit_mode = 1;
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.what);
        Sector& s = room.sector(1, 1);
        s.selected = c.selected;
        s.floor_split = c.ceiling ? 0 : c.split;
        s.ceiling_split = c.ceiling ? c.split : 0;
        scene.marked_side = c.side;
        scene.marked_triangle = c.triangle;
        draw();
        const auto top = tops(1, c.ceiling ? 5 : 2);
        ASSERT_EQ(top.size(), c.textures.size());
        for (size_t i = 0; i < top.size(); ++i)
            EXPECT_EQ(top[i].texture, c.textures[i]);
        EXPECT_EQ(top[0].colour, c.colour);
    }
}

TEST_F(Scene, SplitTrianglesTakeTheAlternativeColourOnTheNonPortalSide) {
    Room& room = add_room(1, 1, 3);
    Sector& s = room.sector(1, 1);
    s.floor_split = 1;
    s.room_below = 2;  // top colour magenta; the alternative is white in sector editing
    for (uint8_t portal : {0, 1}) {
        SCOPED_TRACE(static_cast<int>(portal));
        s.floor_portal_triangle = portal;
        draw();
        const auto top = tops(1, 2);
        ASSERT_EQ(top.size(), 2u);
        EXPECT_EQ(top[0].colour, portal ? kMagenta : kWhite);  // triangle 1
        EXPECT_EQ(top[1].colour, portal ? kWhite : kMagenta);  // triangle 2
    }
}

TEST_F(Scene, TopCornersFollowTheObjectTexturesCornerBytes) {
    Room& room = add_room(2, 1, 3);
    level.object_textures[2] = test::quad_texture(0, 0, 0, 64, 64, true);  // name 3, mirrored
    room.sector(1, 1).floor_texture = 3;
    room.sector(2, 1).floor_texture = 10;  // equal to the texture count: the default corners
    level.object_textures[9] = test::quad_texture(0, 0, 0, 64, 64, true);
    draw();
    // The floor quad runs corners 4, 3, 2, 1 with texture corners 1, 2, 3, 4.
    const auto mirrored = tops(1, 2).at(0).vertices;
    EXPECT_EQ(mirrored[0].s, 1);
    EXPECT_EQ(mirrored[1].s, 0);
    EXPECT_EQ(mirrored[2].t, 1);
    EXPECT_EQ(mirrored[0].x, 10);
    EXPECT_EQ(mirrored[0].z, -21);
    const auto plain = tops(2, 2).at(0).vertices;
    EXPECT_EQ(plain[0].s, 0);
    EXPECT_EQ(plain[1].s, 1);
}

TEST_F(Scene, PortalViewsAreYellowQuadsNamedZero) {
    Room& room = add_room(4, 4, 4);
    room.sector(3, 2).floor_base = 1;
    room.sector(3, 2).floor_raise = 2;
    room.sector(3, 2).floor_back = 2;  // y = 2 + 1 + (2 + 2) / 4 = 4
    room.portal_view_count = 4;
    room.portal_views[0] = {kFacingFront, 0, 2, 2, 3, 2, 3};
    room.portal_views[1] = {kFacingCeiling, 0, 2, 2, 3, 2, 0x103};  // low byte of the column
    room.portal_views[2] = {kFacingFront, 0, 2, 2, 3, 0, 3};        // no row: not drawn
    room.portal_views[3] = {9, 0, 2, 2, 3, 2, 3};                   // unknown facing
    draw();
    std::vector<RecordedPrimitive> views;
    for (const auto& p : gl.named(0))
        if (p.colour == (Rgb{255, 255, 0})) views.push_back(p);
    ASSERT_EQ(views.size(), 2u);
    const double front[4][3] = {{12, 7, -22}, {14, 7, -22}, {14, 4, -22}, {12, 4, -22}};
    const double ceiling[4][3] = {{12, 6, -19}, {14, 6, -19}, {14, 6, -22}, {12, 6, -22}};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(views[0].vertices[k].x, front[k][0]);
        EXPECT_EQ(views[0].vertices[k].y, front[k][1]);
        EXPECT_EQ(views[0].vertices[k].z, front[k][2]);
        EXPECT_EQ(views[1].vertices[k].x, ceiling[k][0]);
        EXPECT_EQ(views[1].vertices[k].y, ceiling[k][1]);
        EXPECT_EQ(views[1].vertices[k].z, ceiling[k][2]);
    }
    EXPECT_TRUE(views[0].fill);
    EXPECT_FALSE(views[0].texturing);
}

TEST_F(Scene, TheGridNamesEverySectorAndTheAxisMarkerNothing) {
    add_room(2, 3, 4);
    scene.hide_grids = false;
    draw();
    std::vector<RecordedPrimitive> grid;
    for (const auto& p : gl.primitives)
        if (p.colour == kBlue && !p.fill) grid.push_back(p);
    ASSERT_EQ(grid.size(), 12u);  // a bottom and a top square per sector
    EXPECT_EQ(grid[0].name, 1u);
    EXPECT_EQ(grid[11].name, 6u);
    const auto axis = std::find_if(gl.primitives.begin(), gl.primitives.end(),
                                   [](const auto& p) { return p.kind == GlPrimitive::kLines; });
    ASSERT_NE(axis, gl.primitives.end());
    EXPECT_EQ(axis->name, 0u);
    EXPECT_EQ(axis->vertices[0].colour, kRed);
    EXPECT_DOUBLE_EQ(axis->vertices[1].z, -20 + 0.1 - 1);
}

TEST_F(Scene, TheLaraMarkerStandsOnTheHighestCornerOfHerSectorWithItsName) {
    Room& room = add_room(3, 3, 4);
    doc->lara_room = 1, doc->lara_column = 2, doc->lara_row = 3;
    room.sector(2, 3).floor_base = 1;
    room.sector(2, 3).floor_front = 4;  // corners 1 and 2 at 2 blocks
    scene.hide_grids = false;
    draw();
    const auto marker = std::find_if(gl.primitives.begin(), gl.primitives.end(), [](const auto& p) {
        return p.kind == GlPrimitive::kTriangles;
    });
    ASSERT_NE(marker, gl.primitives.end());
    EXPECT_EQ(marker->name, static_cast<uint32_t>(sector_pick_name(2, 3, 3)));
    ASSERT_EQ(marker->vertices.size(), 12u);
    EXPECT_EQ(marker->vertices[0].y, 2 + 2 + 0.5);  // the apex
    EXPECT_EQ(marker->vertices[0].colour, kRed);
    EXPECT_EQ(marker->vertices[3].colour, kGreen);
    EXPECT_EQ(marker->vertices[6].colour, kBlue);
    EXPECT_EQ(marker->vertices[9].colour, kMagenta);
    scene.hide_portals = true;
    draw();
    EXPECT_EQ(std::count_if(gl.primitives.begin(), gl.primitives.end(),
                            [](const auto& p) { return p.kind == GlPrimitive::kTriangles; }),
              0);
}

struct OrnamentScene : SceneFixture {
    OrnamentScene() {
        // One static mesh kind whose mesh is a single textured triangle.
        level.set_num_static_meshes(2);
        level.static_meshes[0].mesh = 1;
        level.static_meshes[1].mesh = 7;  // a pointer the level does not have
        MeshEntry m;
        m.mesh_vertices = {{0, 0, 0}, {100, 0, 0}, {0, -100, 0}};
        m.tex_tris = {{{0, 1, 2, 0}, 5, 0}};
        meshes.meshes = {MeshEntry{}, m};
        meshes.mesh_count = 2;
        meshes.pointer_to_mesh = {0, 1};
    }
    Ornament& add_ornament(Room& room, int mesh, int column, int row) {
        Ornament& o = room.ornaments[static_cast<size_t>(room.ornament_count++)];
        o = Ornament{};
        o.mesh = mesh, o.column = column, o.row = row;
        return o;
    }
};

TEST_F(OrnamentScene, AnOrnamentIsTurnedAndPlacedOnItsSector) {
    struct Case {
        int rotation, alignment;
        double angle, dx, dz;
    };
    const Case cases[] = {{2, 3, 270, 1, -0.5},
                          {0, 0, 0, 0.5, -0.5},
                          {7, 4, 45, 0.5, -1},
                          {1, 1, 315, 0, -0.5},
                          {4, 2, 180, 0.5, 0}};
    Room& room = add_room(4, 4, 4);
    room.sector(2, 3).floor_base = 1;
    room.sector(2, 3).floor_raise = 2;  // highest corner 1.5
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "rotation " << c.rotation << " alignment " << c.alignment);
        room.ornament_count = 0;
        Ornament& o = add_ornament(room, 0, 2, 3);
        o.lift = 2;
        o.rotation = c.rotation;
        o.alignment = static_cast<uint8_t>(c.alignment);
        draw();
        char translate[80], rotate[40];
        std::snprintf(translate, sizeof translate, "translate %g %g %g", 11 + c.dx, 2 + 1.5 + 0.5,
                      -22 + c.dz);
        std::snprintf(rotate, sizeof rotate, "rotate %g 0 1 0", c.angle);
        EXPECT_EQ(gl.count_calls(translate), 1u);
        EXPECT_EQ(gl.count_calls(rotate), 1u);
        const auto mesh = gl.named(4001);
        ASSERT_EQ(mesh.size(), 1u);
        EXPECT_EQ(mesh[0].texture, 6u);  // object texture 5
    }
}

TEST_F(OrnamentScene, OrnamentColoursComeFromTheirChannelsAndHalveWhenCurrent) {
    Room& room = add_room(3, 3, 4);
    Ornament& a = add_ornament(room, 0, 2, 2);
    a.red = 10, a.green = 20, a.blue = 31;
    Ornament& b = add_ornament(room, 0, 2, 2);
    b.red = -1;
    draw();
    EXPECT_EQ(gl.named(4001).at(0).colour, (Rgb{80, 160, 248}));
    EXPECT_EQ(gl.named(4002).at(0).colour, (Rgb{248, 248, 248}));
    scene.edit_mode = 2;
    room.current_ornament = 1;
    draw();
    EXPECT_EQ(gl.named(4001).at(0).colour, (Rgb{40, 80, 124}));
    EXPECT_EQ(gl.named(4002).at(0).colour, (Rgb{248, 248, 248}));
}

TEST_F(OrnamentScene, AnUnknownMeshKindOrAnOrnamentOffTheGridIsSafe) {
    Room& room = add_room(3, 3, 4);
    add_ornament(room, 5, 2, 2);   // beyond num_static_meshes: entry 0, which is empty
    add_ornament(room, 1, 2, 2);   // its mesh pointer is missing: entry 0
    add_ornament(room, 0, 40, 2);  // off the grid: skipped
    draw();
    EXPECT_TRUE(gl.named(4001).empty());
    EXPECT_TRUE(gl.named(4002).empty());
    EXPECT_TRUE(gl.named(4003).empty());
    EXPECT_EQ(gl.count_calls("translate"), 2u);
}

TEST_F(OrnamentScene, ARoomAtTheEndOfTheCoordinateRangeIsDrawnWhereItLies) {
    // Positions are taken as stored: sector, ornament and Lara places are sums beyond int32.
    constexpr int32_t kFar = INT32_MAX;
    Room& room = add_room(2, 2, 4, kFar, 0, kFar);
    add_ornament(room, 0, 2, 2);
    doc->lara_room = 1, doc->lara_column = 2, doc->lara_row = 2;
    scene.hide_grids = false;
    draw();
    const double far = kFar;
    const auto floor = tops(static_cast<uint32_t>(sector_pick_name(2, 2, 2)), 0);
    ASSERT_FALSE(floor.empty());
    double min_x = floor[0].vertices[0].x, min_z = floor[0].vertices[0].z;
    for (const auto& v : floor[0].vertices)
        min_x = std::min(min_x, v.x), min_z = std::min(min_z, v.z);
    EXPECT_EQ(min_x, far + 1);
    EXPECT_EQ(min_z, -(far + 2));
    char translate[80];
    std::snprintf(translate, sizeof translate, "translate %g %g %g", far + 1.5, 0.0, -(far + 1.5));
    EXPECT_EQ(gl.count_calls(translate), 1u);
    const auto marker = std::find_if(gl.primitives.begin(), gl.primitives.end(), [](const auto& p) {
        return p.kind == GlPrimitive::kTriangles && p.name == 4u;
    });
    ASSERT_NE(marker, gl.primitives.end());
    EXPECT_EQ(marker->vertices[0].x, far + 1.5);
}

TEST_F(Scene, CenterOnCurrentRoomPlacesTheRoomsMiddleAtTheOrigin) {
    add_room(4, 6, 3, 10, 2, 20);
    scene.CenterOnCurrentRoom();
    EXPECT_EQ(scene.bounds_min, (Vec3{10, 2, -26}));
    EXPECT_EQ(scene.bounds_max, (Vec3{14, 5, -20}));
    EXPECT_EQ(scene.position, (Vec3{-12, -3.5, 23}));
}

TEST_F(Scene, DrawRangeDrawsTheRoomsUpToTheRoomCount) {
    add_room(1, 1, 3);
    add_room(1, 1, 3, 20);
    gl.primitives.clear();
    scene.DrawRange(1, 9);
    EXPECT_EQ(gl.named(1).size(), 2u);     // room 1 is the scene room
    EXPECT_EQ(gl.named(3000).size(), 2u);  // room 2 drawn like a neighbour
    EXPECT_EQ(gl.count_calls("push"), 1u);
    EXPECT_EQ(gl.count_calls("pop"), 1u);
}

}  // namespace
}  // namespace rw
