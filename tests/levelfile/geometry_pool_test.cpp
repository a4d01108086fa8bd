#include "levelfile/geometry_pool.h"

#include <gtest/gtest.h>

#include <memory>

#include "levelfile/tr5_layer.h"
#include "levelfile/trlevel.h"

namespace rw {
namespace {

struct Room {
    Room() { level->set_num_rooms(1); }
    troom& get() { return level->rooms[0]; }
    std::unique_ptr<Ttrlevel> level = std::make_unique<Ttrlevel>();
};

void push_quad(face_list& list, face_corner a, face_corner b, face_corner c, face_corner d,
               uint16_t texture, uint8_t light) {
    push_face(list, a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z, d.x, d.y, d.z, texture, light);
}

int light_byte(const tr_vertex& v) {
    return static_cast<uint16_t>(v.lighting) >> 8;
}

TEST(FacesToRoom, FacesSharingAnEdgeShareTheirVerticesAndAverageTheLight) {
    Room r;
    auto list = std::make_unique<face_list>();
    push_quad(*list, {0, 0, 0}, {1024, 0, 0}, {1024, 0, 1024}, {0, 0, 1024}, 3, 10);
    push_quad(*list, {1024, 0, 0}, {2048, 0, 0}, {2048, 0, 1024}, {1024, 0, 1024}, 4, 20);
    const auto needs = faces_to_room(*list, r.get());
    troom& room = r.get();
    EXPECT_EQ(room.num_vertices, 6);
    EXPECT_EQ(needs.vertices, 6);
    EXPECT_EQ(room.num_rectangles, 2);
    EXPECT_EQ(room.num_triangles, 0);
    EXPECT_EQ(light_byte(room.vertices[0]), 10);
    EXPECT_EQ(light_byte(room.vertices[1]), 15);  // (10 + 20) / 2
    EXPECT_EQ(light_byte(room.vertices[2]), 15);
    EXPECT_EQ(light_byte(room.vertices[4]), 20);
    EXPECT_EQ(room.vertices2[1].x, 1024);
    EXPECT_EQ(room.rectangles[1].vertices, (std::array<uint16_t, 4>{1, 4, 5, 2}));
    EXPECT_EQ(room.rectangles[1].texture, 4);
}

TEST(FacesToRoom, DegenerateQuadsBecomeTriangles) {
    const face_corner a{0, 0, 0}, b{1024, 0, 0}, c{1024, 0, 1024};
    struct Case {
        const char* shape;
        face_corner corners[4];
    };
    const Case cases[] = {{"A B B C", {a, b, b, c}}, {"A B C A", {a, b, c, a}}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.shape);
        Room r;
        auto list = std::make_unique<face_list>();
        push_quad(*list, tc.corners[0], tc.corners[1], tc.corners[2], tc.corners[3], 7, 0);
        faces_to_room(*list, r.get());
        ASSERT_EQ(r.get().num_triangles, 1);
        EXPECT_EQ(r.get().num_rectangles, 0);
        EXPECT_EQ(r.get().triangles[0].vertices, (std::array<uint16_t, 3>{0, 1, 2}));
        EXPECT_EQ(r.get().triangles[0].texture, 7);
    }
}

TEST(PushFace, FullListDropsFurtherFacesButCountsThem) {
    auto list = std::make_unique<face_list>();
    for (int i = 0; i < kFaceListCapacity; ++i) {
        push_face(*list, 0, 0, 0, 1, 0, 0, 1, 0, 1, 0, 0, 1, static_cast<uint16_t>(i), 0);
    }
    const face last = list->faces[kFaceListCapacity - 1];
    push_face(*list, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 1, 1);
    EXPECT_EQ(list->count, kFaceListCapacity);
    EXPECT_EQ(list->faces[kFaceListCapacity - 1].texture, last.texture);
    EXPECT_EQ(list->requested, kFaceListCapacity + 1);
}

TEST(VertexPool, FindsTheFirstVertexAtAPositionAndStopsAtTheRoomCapacity) {
    Room r;
    troom& room = r.get();
    room.num_vertices = 3;
    room.vertices[0] = {5, 5, 5, 0};
    room.vertices[1] = {7, 7, 7, 0};
    room.vertices[2] = {5, 5, 5, 0};  // a duplicate: the first one is found
    vertex_pool pool(room);
    EXPECT_EQ(vertex_pool_find(pool, 5, 5, 5), 1);
    EXPECT_EQ(vertex_pool_find(pool, 7, 7, 7), 2);
    EXPECT_EQ(vertex_pool_find(pool, 1, 2, 3), 0);

    for (int16_t i = 0; room.num_vertices < kRoomMaxVertices; ++i)
        vertex_pool_add(pool, i, 1, 1, 0);
    EXPECT_EQ(vertex_pool_add(pool, -1, -1, -1, 0), 0);
    EXPECT_EQ(room.num_vertices, kRoomMaxVertices);
    EXPECT_EQ(pool.requested, kRoomMaxVertices + 1);
    EXPECT_EQ(vertex_pool_find(pool, -1, -1, -1), 0);
}

TEST(FacesToRoom, ReportsWhatDidNotFitWithoutWritingPastTheRoom) {
    Room r;
    auto list = std::make_unique<face_list>();
    for (int16_t i = 0; i < 400; ++i) {  // 400 separate quads: 1600 vertices
        const auto x = static_cast<int16_t>(i * 8);
        push_face(*list, x, 0, 0, static_cast<int16_t>(x + 1), 0, 0, static_cast<int16_t>(x + 1), 0,
                  1, x, 0, 1, 0, 0);
    }
    const auto needs = faces_to_room(*list, r.get());
    EXPECT_EQ(needs.vertices, 1600);
    EXPECT_EQ(needs.rectangles, 400);
    EXPECT_EQ(r.get().num_vertices, kRoomMaxVertices);
    EXPECT_EQ(r.get().num_rectangles, 375);  // faces with an unplaced corner are left out
}

TEST(BuildTr5Layer, ColoursFollowTheLightAndWaterDropsRed) {
    auto level = std::make_unique<Ttrlevel>();
    level->set_num_rooms(2);
    for (int n = 0; n < 2; ++n) {
        troom& room = level->rooms[static_cast<size_t>(n)];
        room.num_vertices = 2;
        room.vertices[0] = {1, 2, 3, 0x0000};
        room.vertices[1] = {4, 5, 6, 0x1F00};
        room.vertices2[0] = {1, -2, 3, 0, 0, 0};
        room.vertices2[1] = {4, 5, 6, 0, 0, 0};
        room.num_rectangles = 1;
        room.rectangles[0] = {{0, 1, 1, 0}, 9};
        room.ambient = {0, 6, 0, 0};
        room.num_x_sectors = 3;
        room.num_z_sectors = 5;
        room.y_top = 20480;
        room.y_bottom = 31744;
    }
    level->rooms[1].room_flags[0] = 0x01;  // water
    build_tr5_layer(*level);

    const troom& dry = level->rooms[0];
    EXPECT_EQ(dry.vertices5[0].y, -2.0f);
    EXPECT_EQ(dry.vertices5[0].red, 248);
    EXPECT_EQ(dry.vertices5[0].green, 248);
    EXPECT_EQ(dry.vertices5[0].blue, 248);
    EXPECT_EQ(dry.vertices5[0].alpha, 255);
    EXPECT_EQ(dry.vertices5[1].red, 0);
    EXPECT_EQ(dry.rectangles5[0].texture, 9);
    EXPECT_EQ(dry.rectangles5[0].flags, 0);
    EXPECT_EQ(dry.tr5_num_rectangles, 1u);
    EXPECT_EQ(dry.tr5_room_colour, 0x00C8C8C8u);  // (31 - 6) * 8 = 200
    ASSERT_EQ(dry.layer_headers.size(), 1u);
    const auto& h = dry.layer_headers[0];
    auto f32 = [&](size_t at) { return load_le<float>(h.rest.data() + at - 10); };
    EXPECT_EQ(f32(16), 0.0f);
    EXPECT_EQ(f32(20), 20480.0f);
    EXPECT_EQ(f32(24), 0.0f);
    EXPECT_EQ(f32(28), 3072.0f);
    EXPECT_EQ(f32(32), 31744.0f);
    EXPECT_EQ(f32(36), 5120.0f);
    EXPECT_EQ(load_le<uint32_t>(h.rest.data() + 44 - 10), 0x0036362Cu);

    const troom& wet = level->rooms[1];
    EXPECT_EQ(wet.vertices5[0].red, 0);
    EXPECT_EQ(wet.vertices5[0].green, 248);
    EXPECT_EQ(wet.tr5_room_colour, 0x0000C8C8u);
}

}  // namespace
}  // namespace rw
