#include "levelfile/geometry_pool.h"

namespace rw {

namespace {

uint64_t position_key(int16_t x, int16_t y, int16_t z) {
    return static_cast<uint64_t>(static_cast<uint16_t>(x)) |
           static_cast<uint64_t>(static_cast<uint16_t>(y)) << 16 |
           static_cast<uint64_t>(static_cast<uint16_t>(z)) << 32;
}

uint8_t light_of(int16_t lighting) {
    return static_cast<uint8_t>(static_cast<uint16_t>(lighting) >> 8);
}

int16_t with_light(int16_t lighting, uint8_t light) {
    return static_cast<int16_t>((static_cast<uint16_t>(lighting) & 0x00FF) | light << 8);
}

}  // namespace

vertex_pool::vertex_pool(troom& r) : room(r) {
    index_.reserve(static_cast<size_t>(room.num_vertices) * 2 + 64);
    for (int32_t i = 0; i < room.num_vertices && i < kRoomMaxVertices; ++i) {
        const tr_vertex& v = room.vertices[static_cast<size_t>(i)];
        index_.emplace(position_key(v.x, v.y, v.z), i + 1);  // keeps the first
    }
    requested = room.num_vertices;
}

int32_t vertex_pool_find(const vertex_pool& pool, int16_t x, int16_t y, int16_t z) {
    auto it = pool.index_.find(position_key(x, y, z));
    return it == pool.index_.end() ? 0 : it->second;
}

int32_t vertex_pool_add(vertex_pool& pool, int16_t x, int16_t y, int16_t z, uint8_t light) {
    troom& room = pool.room;
    const uint64_t key = position_key(x, y, z);
    auto it = pool.index_.find(key);
    if (it != pool.index_.end()) {
        if (it->second > 0) {
            tr_vertex& v = room.vertices[static_cast<size_t>(it->second - 1)];
            v.lighting =
                with_light(v.lighting, static_cast<uint8_t>((light_of(v.lighting) + light) / 2));
        }
        return it->second;
    }
    ++pool.requested;
    if (room.num_vertices >= kRoomMaxVertices) {
        pool.index_.emplace(key, 0);  // remembered as not placed
        return 0;
    }
    const auto i = static_cast<size_t>(room.num_vertices);
    ++room.num_vertices;
    tr_vertex& v = room.vertices[i];
    v.x = x;
    v.y = y;
    v.z = z;
    v.lighting = with_light(v.lighting, light);
    tr_vertex2& v2 = room.vertices2[i];
    v2.x = x;
    v2.y = y;
    v2.z = z;
    v2.lighting = with_light(v2.lighting, light);
    const auto position = static_cast<int32_t>(i + 1);
    pool.index_.emplace(key, position);
    return position;
}

void push_face(face_list& list, int16_t x1, int16_t y1, int16_t z1, int16_t x2, int16_t y2,
               int16_t z2, int16_t x3, int16_t y3, int16_t z3, int16_t x4, int16_t y4, int16_t z4,
               uint16_t texture, uint8_t light) {
    ++list.requested;
    if (list.count >= kFaceListCapacity) return;
    list.faces[list.count] =
        face{{{{x1, y1, z1}, {x2, y2, z2}, {x3, y3, z3}, {x4, y4, z4}}}, texture, light};
    ++list.count;
}

room_geometry_needs faces_to_room(const face_list& list, troom& room) {
    vertex_pool pool(room);
    for (int i = 0; i < list.count; ++i) {
        const face& f = list.faces[static_cast<size_t>(i)];
        for (const face_corner& c : f.corners)
            vertex_pool_add(pool, c.x, c.y, c.z, f.light);
    }

    room_geometry_needs needs;
    needs.faces = list.requested;
    room.num_rectangles = 0;
    room.num_triangles = 0;
    auto position = [&](const face_corner& c) { return vertex_pool_find(pool, c.x, c.y, c.z) - 1; };
    for (int i = 0; i < list.count; ++i) {
        const face& f = list.faces[static_cast<size_t>(i)];
        if (f.is_triangle()) {
            ++needs.triangles;
            const face_corner& third = f.corners[2] == f.corners[1] ? f.corners[3] : f.corners[2];
            const int32_t a = position(f.corners[0]), b = position(f.corners[1]),
                          c = position(third);
            if (room.num_triangles >= kRoomMaxTriangles || a < 0 || b < 0 || c < 0) continue;
            room.triangles[room.num_triangles++] = {
                {static_cast<uint16_t>(a), static_cast<uint16_t>(b), static_cast<uint16_t>(c)},
                f.texture};
        } else {
            ++needs.rectangles;
            const int32_t a = position(f.corners[0]), b = position(f.corners[1]),
                          c = position(f.corners[2]), d = position(f.corners[3]);
            if (room.num_rectangles >= kRoomMaxRectangles || a < 0 || b < 0 || c < 0 || d < 0) {
                continue;
            }
            room.rectangles[room.num_rectangles++] = {
                {static_cast<uint16_t>(a), static_cast<uint16_t>(b), static_cast<uint16_t>(c),
                 static_cast<uint16_t>(d)},
                f.texture};
        }
    }
    needs.vertices = pool.requested;
    return needs;
}

}  // namespace rw
