#include "room_geometry.h"

#include <algorithm>
#include <memory>

#include "levelfile/geometry_pool.h"

namespace rw::samples {

namespace {

constexpr int kBlock = 1024;

struct Point {
    int x, z;
};

// A side of a sector: the neighbour's offset and the wall's edge from start to end, as seen
// from inside the sector.
struct Side {
    int dc, dr;
    Point start, end;  // offsets in blocks from the sector's first corner
};
constexpr Side kSides[] = {
    {0, -1, {0, 0}, {1, 0}},  // front
    {0, 1, {1, 1}, {0, 1}},   // back
    {-1, 0, {0, 1}, {0, 0}},  // left
    {1, 0, {1, 0}, {1, 1}},   // right
};

// Textures vary from sector to sector over the tile's eight 64 x 64 quads.
uint16_t texture_for(int tile, int column, int row) {
    return static_cast<uint16_t>(quad64_texture(tile, (column * 3 + row * 5) % kQuads64PerTile));
}

uint8_t darker(uint8_t light, int steps) {
    return static_cast<uint8_t>(std::min(31, light + steps));
}

int16_t s16(int v) {
    return static_cast<int16_t>(v);
}

// Wall faces from y_top down to y_bottom in strips of at most one block, from the bottom up.
void push_wall(face_list& faces, Point a, Point b, int y_top, int y_bottom, uint16_t texture,
               uint8_t light) {
    for (int bottom = y_bottom; bottom > y_top; bottom -= kBlock) {
        const int top = std::max(y_top, bottom - kBlock);
        push_face(faces, s16(a.x), s16(top), s16(a.z), s16(b.x), s16(top), s16(b.z), s16(b.x),
                  s16(bottom), s16(b.z), s16(a.x), s16(bottom), s16(a.z), texture, light);
    }
}

// The opening of a door, where both rooms are open: the lower ceiling down to the higher floor.
void push_side(face_list& faces, const RoomPlan& plan, int column, int row, const Side& side,
               uint16_t texture, uint8_t light) {
    const int x0 = column * kBlock, z0 = row * kBlock;
    const Point a{x0 + side.start.x * kBlock, z0 + side.start.z * kBlock};
    const Point b{x0 + side.end.x * kBlock, z0 + side.end.z * kBlock};
    const DoorPlan* door = door_at(plan, column + side.dc, row + side.dr);
    if (door == nullptr) {
        push_wall(faces, a, b, plan.y_top, plan.y_bottom, texture, light);
        return;
    }
    const RoomPlan& other = sample_room_plans()[static_cast<size_t>(door->room)];
    const int open_top = std::max(plan.y_top, other.y_top);
    const int open_bottom = std::min(plan.y_bottom, other.y_bottom);
    push_wall(faces, a, b, plan.y_top, open_top, texture, light);
    push_wall(faces, a, b, open_bottom, plan.y_bottom, texture, light);
}

void push_sector(face_list& faces, const RoomPlan& plan, int c, int r) {
    const int x0 = c * kBlock, z0 = r * kBlock, x1 = x0 + kBlock, z1 = z0 + kBlock;
    const int16_t yb = s16(plan.y_bottom), yt = s16(plan.y_top);
    if (hole_at(plan, c, r, true) == nullptr) {
        push_face(faces, s16(x0), yb, s16(z1), s16(x1), yb, s16(z1), s16(x1), yb, s16(z0), s16(x0),
                  yb, s16(z0), texture_for(plan.floor_tile, c, r), plan.light);
    }
    if (hole_at(plan, c, r, false) == nullptr) {
        push_face(faces, s16(x0), yt, s16(z0), s16(x1), yt, s16(z0), s16(x1), yt, s16(z1), s16(x0),
                  yt, s16(z1), texture_for(plan.ceiling_tile, c, r), darker(plan.light, 4));
    }
    for (const Side& side : kSides) {
        if (!is_border(plan, c + side.dc, r + side.dr)) continue;
        push_side(faces, plan, c, r, side, texture_for(plan.wall_tile, c + side.dc, r + side.dr),
                  darker(plan.light, 2));
    }
}

}  // namespace

void build_room_faces(const RoomPlan& plan, troom& room) {
    auto faces = std::make_unique<face_list>();
    for (int c = 1; c < plan.columns - 1; ++c) {
        for (int r = 1; r < plan.rows - 1; ++r)
            push_sector(*faces, plan, c, r);
    }
    room.num_vertices = 0;
    faces_to_room(*faces, room);
}

}  // namespace rw::samples
