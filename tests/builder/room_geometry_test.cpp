#include "builder/room_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "build_fixture.h"
#include "builder/room_build.h"

namespace rw {
namespace {

using Corner = face_corner;
using Quad = std::array<face_corner, 4>;

constexpr int16_t kBottom = 31744;            // pos_y 1
constexpr int16_t kTop = kBottom - 4 * 1024;  // height 4

// Builds document room 1's mesh and keeps the faces it made.
struct Mesh {
    explicit Mesh(const LevelDocument& doc) {
        setup_room_header(doc.room(1), game);
        needs = build_room_geometry(doc.room(1), game, *list);
    }
    std::vector<face> with_texture(int32_t document_texture) const {
        std::vector<face> out;
        for (int i = 0; i < list->count; ++i) {
            const face& f = list->faces[static_cast<size_t>(i)];
            if (f.texture == document_texture - 1) out.push_back(f);
        }
        return out;
    }
    // Faces lying on the vertical plane x = `x` (all corners), between z0 and z1.
    size_t walls_on_x(int16_t x, int16_t z0, int16_t z1) const { return on_plane(true, x, z0, z1); }
    size_t walls_on_z(int16_t z, int16_t x0, int16_t x1) const {
        return on_plane(false, z, x0, x1);
    }

    std::unique_ptr<face_list> list = std::make_unique<face_list>();
    troom game{};
    room_geometry_needs needs;

  private:
    size_t on_plane(bool along_x, int16_t at, int16_t lo, int16_t hi) const {
        size_t n = 0;
        for (int i = 0; i < list->count; ++i) {
            const face& f = list->faces[static_cast<size_t>(i)];
            n += std::all_of(f.corners.begin(), f.corners.end(), [&](const face_corner& c) {
                const int16_t fixed = along_x ? c.x : c.z, free = along_x ? c.z : c.x;
                return fixed == at && free >= lo && free <= hi;
            });
        }
        return n;
    }
};

// Two sectors side by side (columns 1 and 2 of one row), both open, floors as given in blocks.
std::unique_ptr<LevelDocument> two_sectors(int32_t left_floor, int32_t right_floor) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {2, 1, 4, 0, 0, 1});
    room.sector(1, 1).floor_base = left_floor;
    room.sector(2, 1).floor_base = right_floor;
    return doc;
}

TEST(BlockWalls, ANeighbourOneOrTwoBlocksLowerGetsThatManyWallFacesOnTheSharedSide) {
    for (const int32_t drop : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "drop " << drop);
        auto doc = two_sectors(2, 2 - drop);
        Mesh mesh(*doc);
        const auto walls = mesh.with_texture(test::kFloorWallTexture);
        // The block walls, then the flat skirt of the floor lying on its base (see Skirts).
        ASSERT_EQ(walls.size(), static_cast<size_t>(drop) + 1);
        for (int k = 0; k < drop; ++k) {
            // Whole blocks from the lower floor up, on the right edge of sector (1, 1).
            const auto bottom = static_cast<int16_t>(kBottom - (2 - drop + k) * 1024);
            const auto top = static_cast<int16_t>(bottom - 1024);
            EXPECT_EQ(walls[static_cast<size_t>(k)].corners,
                      (Quad{Corner{1024, top, 0}, Corner{1024, top, 1024},
                            Corner{1024, bottom, 1024}, Corner{1024, bottom, 0}}));
        }
        EXPECT_EQ(mesh.needs.rectangles, drop + 4) << "the walls, two floors, two ceilings";
    }
}

TEST(BlockWalls, EqualFlatNeighboursMakeNoWallAndNoSkirt) {
    auto doc = two_sectors(1, 1);
    Mesh mesh(*doc);
    EXPECT_TRUE(mesh.with_texture(test::kFloorWallTexture).empty());
    EXPECT_TRUE(mesh.with_texture(test::kCeilingWallTexture).empty());
    EXPECT_EQ(mesh.list->count, 4);  // two floors, two ceilings
}

TEST(Skirts, ARaisedFloorGetsTheBlockWallAndAPieceUpToItsSurface) {
    auto doc = two_sectors(1, 0);
    doc->room(1).sector(1, 1).floor_front = 2;  // corners 1 and 2 half a block up
    Mesh mesh(*doc);
    const auto walls = mesh.with_texture(test::kFloorWallTexture);
    ASSERT_EQ(walls.size(), 2u);
    EXPECT_EQ(walls[1].corners,
              (Quad{Corner{1024, kBottom - 1024 - 512, 0}, Corner{1024, kBottom - 1024, 1024},
                    Corner{1024, kBottom - 1024, 1024}, Corner{1024, kBottom - 1024, 0}}));
}

TEST(Skirts, AFloorLyingOnItsWholeBlockBaseGetsAFlatSkirtThatBecomesATriangle) {
    auto doc = two_sectors(2, 1);
    Mesh mesh(*doc);
    const auto walls = mesh.with_texture(test::kFloorWallTexture);
    ASSERT_EQ(walls.size(), 2u);
    // Bottom and top both on the floor's base, two blocks up: corner 3 repeats corner 2.
    constexpr int16_t kBase = kBottom - 2 * 1024;
    EXPECT_EQ(walls[1].corners, (Quad{Corner{1024, kBase, 0}, Corner{1024, kBase, 1024},
                                      Corner{1024, kBase, 1024}, Corner{1024, kBase, 0}}));
    EXPECT_EQ(mesh.needs.triangles, 1);
    EXPECT_EQ(mesh.needs.rectangles, 5);  // the block wall, two floors, two ceilings
}

TEST(Skirts, ACeilingHangingAtItsWholeBlockBaseGetsAFlatSkirtToo) {
    auto doc = two_sectors(0, 0);
    doc->room(1).sector(1, 1).ceiling_base = 1;
    Mesh mesh(*doc);
    const auto walls = mesh.with_texture(test::kCeilingWallTexture);
    ASSERT_EQ(walls.size(), 2u);
    constexpr int16_t kBase = kTop + 1024;
    EXPECT_EQ(walls[1].corners, (Quad{Corner{1024, kBase, 0}, Corner{1024, kBase, 1024},
                                      Corner{1024, kBase, 1024}, Corner{1024, kBase, 0}}));
    EXPECT_EQ(mesh.needs.triangles, 1);
}

TEST(CeilingWalls, ALowerCeilingHangsWholeBlocksAndItsSkirtFromTheNeighboursCeiling) {
    auto doc = two_sectors(0, 0);
    Sector& s = doc->room(1).sector(1, 1);
    s.ceiling_base = 1;
    s.ceiling_raise = 1;  // a quarter block deeper still
    Mesh mesh(*doc);
    const auto walls = mesh.with_texture(test::kCeilingWallTexture);
    ASSERT_EQ(walls.size(), 2u);
    EXPECT_EQ(walls[0].corners,
              (Quad{Corner{1024, kTop, 0}, Corner{1024, kTop, 1024},
                    Corner{1024, kTop + 1024, 1024}, Corner{1024, kTop + 1024, 0}}));
    EXPECT_EQ(walls[1].corners,
              (Quad{Corner{1024, kTop + 1024, 0}, Corner{1024, kTop + 1024, 1024},
                    Corner{1024, kTop + 1280, 1024}, Corner{1024, kTop + 1280, 0}}));
}

TEST(Surfaces, FloorAndCeilingOfAnOpenSectorFaceOppositeWays) {
    auto doc = test::empty_document();
    test::open_all(test::add_room(*doc, {1, 1, 4, 0, 0, 1}));
    Mesh mesh(*doc);
    ASSERT_EQ(mesh.list->count, 2);
    EXPECT_EQ(mesh.list->faces[0].corners,
              (Quad{Corner{0, kBottom, 1024}, Corner{1024, kBottom, 1024}, Corner{1024, kBottom, 0},
                    Corner{0, kBottom, 0}}));
    EXPECT_EQ(mesh.list->faces[0].texture, test::kFloorTexture - 1);
    EXPECT_EQ(mesh.list->faces[1].corners, (Quad{Corner{0, kTop, 0}, Corner{1024, kTop, 0},
                                                 Corner{1024, kTop, 1024}, Corner{0, kTop, 1024}}));
    EXPECT_EQ(mesh.list->faces[0].light, 16);
    EXPECT_EQ(mesh.game.num_rectangles, 2);
    EXPECT_EQ(mesh.game.num_vertices, 8);
}

TEST(Surfaces, SplitFloorsAndCeilingsAreTwoTrianglesWithTheirOwnTextures) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {1, 1, 4, 0, 0, 1});
    test::open_all(room);
    Sector& s = room.sector(1, 1);
    s.floor_split = 1;
    s.floor_front = 4;  // corner 4 one block up
    s.floor_texture2 = 15;
    s.ceiling_split = 2;
    s.ceiling_texture2 = 35;
    Mesh mesh(*doc);
    const Corner f1{0, kBottom, 0}, f2{1024, kBottom, 0}, f3{1024, kBottom, 1024},
        f4{0, kBottom - 1024, 1024};
    const Corner c1{0, kTop, 0}, c2{1024, kTop, 0}, c3{1024, kTop, 1024}, c4{0, kTop, 1024};
    ASSERT_EQ(mesh.list->count, 4);
    EXPECT_EQ(mesh.list->faces[0].corners, (Quad{f4, f3, f1, f4}));
    EXPECT_EQ(mesh.list->faces[0].texture, test::kFloorTexture - 1);
    EXPECT_EQ(mesh.list->faces[1].corners, (Quad{f3, f2, f1, f3}));
    EXPECT_EQ(mesh.list->faces[1].texture, 14);
    EXPECT_EQ(mesh.list->faces[2].corners, (Quad{c1, c2, c4, c1}));
    EXPECT_EQ(mesh.list->faces[3].corners, (Quad{c2, c3, c4, c2}));
    EXPECT_EQ(mesh.list->faces[3].texture, 34);
    EXPECT_EQ(mesh.game.num_triangles, 4);
}

TEST(Surfaces, AStoredSplitKindBeyondTwoMakesNoSurfaceButKeepsItsWalls) {
    auto doc = two_sectors(1, 0);
    Sector& s = doc->room(1).sector(1, 1);
    s.floor_split = 3;
    s.ceiling_split = 7;
    Mesh mesh(*doc);
    EXPECT_EQ(mesh.with_texture(test::kFloorTexture).size(), 1u) << "only the neighbour's";
    EXPECT_EQ(mesh.with_texture(test::kCeilingTexture).size(), 1u);
    // The block wall and the flat skirt down to the neighbour one block lower.
    EXPECT_EQ(mesh.with_texture(test::kFloorWallTexture).size(), 2u);
}

TEST(Surfaces, AWaterCeilingUnderTheRoomAboveIsMadeFromBothSides) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {1, 1, 4, 0, 0, 1});
    test::open_all(room);
    room.water = 1;
    room.sector(1, 1).room_above = 2;
    Mesh mesh(*doc);
    const auto ceilings = mesh.with_texture(test::kCeilingTexture);
    ASSERT_EQ(ceilings.size(), 2u);
    const Quad& q = ceilings[0].corners;
    EXPECT_EQ(ceilings[1].corners, (Quad{q[3], q[2], q[1], q[0]}));
}

TEST(Surfaces, TextureZeroMakesNoFace) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {1, 1, 4, 0, 0, 1});
    test::open_all(room);
    room.sector(1, 1).floor_texture = 0;
    Mesh mesh(*doc);
    EXPECT_EQ(mesh.list->count, 1);
    EXPECT_EQ(mesh.list->faces[0].texture, test::kCeilingTexture - 1);
}

TEST(WallPortals, WallsNextToAPortalSectorOnTheFirstColumnAreLeftOut) {
    for (const bool portal : {false, true}) {
        SCOPED_TRACE(portal ? "portal sector" : "open sector");
        auto doc = test::empty_document();
        Room& room = test::add_room(*doc, {3, 4, 4, 0, 0, 1});
        room.sector(1, 3).floor_base = 0;
        room.sector(1, 3).room_side = portal ? 2 : 0;
        Mesh mesh(*doc);
        // The wall sectors (1, 2) and (1, 4) face it across z = 2048 and z = 3072.
        const size_t expected = portal ? 0 : 4;
        EXPECT_EQ(mesh.walls_on_z(2048, 0, 1024), expected);
        EXPECT_EQ(mesh.walls_on_z(3072, 0, 1024), expected);
        // Its own floor and ceiling open towards the next room.
        EXPECT_EQ(mesh.with_texture(test::kFloorTexture).size(), portal ? 2u : 3u);
        EXPECT_EQ(mesh.with_texture(test::kCeilingTexture).size(), portal ? 2u : 3u);
    }
}

TEST(WallPortals, WallsNextToAPortalSectorOnTheFirstRowAreLeftOut) {
    for (const bool portal : {false, true}) {
        SCOPED_TRACE(portal ? "portal sector" : "open sector");
        auto doc = test::empty_document();
        Room& room = test::add_room(*doc, {4, 3, 4, 0, 0, 1});
        room.sector(3, 1).floor_base = 0;
        room.sector(3, 1).room_side = portal ? 2 : 0;
        Mesh mesh(*doc);
        const size_t expected = portal ? 0 : 4;
        EXPECT_EQ(mesh.walls_on_x(2048, 0, 1024), expected);
        EXPECT_EQ(mesh.walls_on_x(3072, 0, 1024), expected);
    }
}

TEST(WallPortals, APortalSectorInsideTheRoomKeepsItsWalls) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {4, 4, 4, 0, 0, 1});
    room.sector(2, 2).room_side = 3;
    room.sector(3, 2).floor_base = 4;
    Mesh mesh(*doc);
    EXPECT_EQ(mesh.walls_on_x(2048, 1024, 2048), 4u);
    EXPECT_EQ(mesh.with_texture(test::kFloorTexture).size(), 3u);
}

TEST(Capacity, ATallWallBeyondTheFaceListIsCountedWithoutBeingMade) {
    auto doc = two_sectors(0, 0);
    Room& room = doc->room(1);
    room.height = 60000;
    room.sector(1, 1).floor_base = 59000;
    Mesh mesh(*doc);
    EXPECT_EQ(mesh.list->count, kFaceListCapacity);
    // The block walls and the flat skirt, two floors, two ceilings.
    EXPECT_EQ(mesh.needs.faces, 59000 + 1 + 2 + 2);
}

}  // namespace
}  // namespace rw
