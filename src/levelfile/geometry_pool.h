#pragma once
// Room geometry in shared form: loose faces (each with its own four corners) become a room's
// vertex list plus rectangles and triangles that index it.

#include <array>
#include <cstdint>
#include <unordered_map>

#include "levelfile/troom.h"

namespace rw {

inline constexpr int kFaceListCapacity = 6000;

// A room's vertex list with an index by exact position, so that "the first vertex with these
// coordinates" is found without scanning. All additions go through the pool.
class vertex_pool {
  public:
    // Indexes the vertices the room already holds.
    explicit vertex_pool(troom& room);

    troom& room;
    // Distinct positions asked for, including those that did not fit in the room.
    int32_t requested = 0;

  private:
    friend int32_t vertex_pool_find(const vertex_pool& pool, int16_t x, int16_t y, int16_t z);
    friend int32_t vertex_pool_add(vertex_pool& pool, int16_t x, int16_t y, int16_t z,
                                   uint8_t light);
    std::unordered_map<uint64_t, int32_t> index_;
};

// Position 1..num_vertices of the first vertex at exactly (x, y, z), or 0.
int32_t vertex_pool_find(const vertex_pool& pool, int16_t x, int16_t y, int16_t z);

// Finds or appends the vertex: a found vertex's light byte becomes the rounded-down mean of its
// old light and this one; a new vertex gets the position and the light byte in both the 8- and
// 12-byte forms. Returns the position from 1, or 0 when the room holds no more vertices.
int32_t vertex_pool_add(vertex_pool& pool, int16_t x, int16_t y, int16_t z, uint8_t light);

struct face_corner {
    int16_t x, y, z;
    bool operator==(const face_corner&) const = default;
};

struct face {
    std::array<face_corner, 4> corners;
    uint16_t texture;
    uint8_t light;
    // A face whose fourth corner equals its first, or whose third equals its second.
    bool is_triangle() const { return corners[3] == corners[0] || corners[2] == corners[1]; }
};

struct face_list {
    uint16_t count = 0;
    std::array<face, kFaceListCapacity> faces;
    // Faces pushed, including those dropped because the list was full.
    int32_t requested = 0;

    void clear() {
        count = 0;
        requested = 0;
    }
};

// Appends one face; a full list drops it (and counts it as requested).
void push_face(face_list& list, int16_t x1, int16_t y1, int16_t z1, int16_t x2, int16_t y2,
               int16_t z2, int16_t x3, int16_t y3, int16_t z3, int16_t x4, int16_t y4, int16_t z4,
               uint16_t texture, uint8_t light);

// What a face list asked of a room; a value over the room's capacity means geometry was lost.
struct room_geometry_needs {
    int32_t faces = 0;
    int32_t vertices = 0;
    int32_t rectangles = 0;
    int32_t triangles = 0;
};

// Converts the faces into the room's vertices, rectangles and triangles, appending to the
// vertices the room already holds and replacing its rectangles and triangles.
room_geometry_needs faces_to_room(const face_list& list, troom& room);

}  // namespace rw
