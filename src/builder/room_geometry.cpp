#include "builder/room_geometry.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

#include "builder/game_units.h"
#include "builder/sector_shape.h"

namespace rw {

namespace {

enum SideName { kFront, kBack, kLeft, kRight };

// How a sector's side meets its neighbour: the neighbour's offset, the edge's start and end as
// offsets from the sector's corner, and which corners of each sector lie at those ends.
struct SideInfo {
    int dc, dr;
    int start_x, start_z, end_x, end_z;
    int own_start, own_end;
    int neighbour_start, neighbour_end;
};

constexpr std::array<SideInfo, 4> kSides = {{
    {0, -1, 0, 0, kBlock, 0, 0, 1, 3, 2},           // front
    {0, 1, kBlock, kBlock, 0, kBlock, 2, 3, 1, 0},  // back
    {-1, 0, 0, kBlock, 0, 0, 3, 0, 2, 1},           // left
    {1, 0, kBlock, 0, kBlock, kBlock, 1, 2, 0, 3},  // right
}};

// Corner positions relative to the sector's corner, in corner order.
constexpr std::array<std::array<int, 2>, 4> kCornerXZ = {
    {{0, 0}, {kBlock, 0}, {kBlock, kBlock}, {0, kBlock}}};

int64_t floor_wall_texture(const Sector& s, int side) {
    switch (side) {
        case kFront:
            return s.floor_wall_front;
        case kBack:
            return s.floor_wall_back;
        case kLeft:
            return s.floor_wall_left;
        default:
            return s.floor_wall_right;
    }
}

int64_t ceiling_wall_texture(const Sector& s, int side) {
    switch (side) {
        case kFront:
            return s.ceiling_wall_front;
        case kBack:
            return s.ceiling_wall_back;
        case kLeft:
            return s.ceiling_wall_left;
        default:
            return s.ceiling_wall_right;
    }
}

struct Point {
    int64_t x, y, z;
};

class RoomMesher {
  public:
    RoomMesher(const Room& room, const troom& game, face_list& list)
        : room_(room),
          list_(list),
          light_(static_cast<uint8_t>(room.ambient & 0xFF)),
          bottom_(game.y_bottom),
          top_(int64_t{game.y_bottom} - int64_t{room.height} * kBlock) {
        for (int c = 1; c <= room.columns; ++c) {
            for (int r = 1; r <= room.rows; ++r) {
                const Sector& s = room.sector(c, r);
                floors_[index(c, r)] = floor_corners(s);
                ceilings_[index(c, r)] = ceiling_corners(s);
            }
        }
    }

    void build() {
        for (int c = 1; c <= room_.columns; ++c)
            for (int r = 1; r <= room_.rows; ++r)
                floor_pass(c, r);
        for (int c = 1; c <= room_.columns; ++c)
            for (int r = 1; r <= room_.rows; ++r)
                ceiling_pass(c, r);
    }

  private:
    static size_t index(int c, int r) { return static_cast<size_t>((c - 1) * kGridSize + (r - 1)); }

    bool has_neighbour(int c, int r, const SideInfo& side) const {
        const int nc = c + side.dc, nr = r + side.dr;
        return nc >= 1 && nc <= room_.columns && nr >= 1 && nr <= room_.rows;
    }

    // A side's walls are left out where the room's first column or row meets a wall portal
    // sector: the portal opens that wall towards the next room.
    bool suppressed(int c, int r, int side) const {
        const SideInfo& info = kSides[static_cast<size_t>(side)];
        const Sector& neighbour = room_.sector(c + info.dc, r + info.dr);
        if (neighbour.room_side == 0) return false;
        const bool along_column = side == kFront || side == kBack;
        return (c == 1 && along_column) || (r == 1 && !along_column);
    }

    void push(const std::array<Point, 4>& p, int64_t texture) {
        if (texture < 0) return;
        push_face(list_, low16(p[0].x), low16(p[0].y), low16(p[0].z), low16(p[1].x), low16(p[1].y),
                  low16(p[1].z), low16(p[2].x), low16(p[2].y), low16(p[2].z), low16(p[3].x),
                  low16(p[3].y), low16(p[3].z), static_cast<uint16_t>(texture & 0xFFFF), light_);
    }

    // A wall on the side's edge: (start, top), (end, top), (end, bottom), (start, bottom).
    void push_wall(int c, int r, const SideInfo& side, int64_t top_start, int64_t top_end,
                   int64_t bottom_end, int64_t bottom_start, int64_t texture) {
        const int64_t x0 = int64_t{c - 1} * kBlock, z0 = int64_t{r - 1} * kBlock;
        const int64_t sx = x0 + side.start_x, sz = z0 + side.start_z;
        const int64_t ex = x0 + side.end_x, ez = z0 + side.end_z;
        push({{{sx, top_start, sz},
               {ex, top_end, ez},
               {ex, bottom_end, ez},
               {sx, bottom_start, sz}}},
             texture);
    }

    // `count` whole-block walls, face k spanning the block from `first_y` + k blocks in the
    // direction `step` (+1 downwards, -1 upwards). Counts beyond what the list can take are
    // only counted, so that a wildly tall wall costs no time.
    void push_blocks(int c, int r, const SideInfo& side, int64_t count, int64_t first_y, int step,
                     int64_t texture) {
        if (texture < 0) return;
        for (int64_t k = 0; k < count; ++k) {
            if (list_.count >= kFaceListCapacity) {
                const int64_t asked = int64_t{list_.requested} + (count - k);
                list_.requested = static_cast<int32_t>(
                    std::min<int64_t>(asked, std::numeric_limits<int32_t>::max()));
                return;
            }
            const int64_t near = first_y + step * k * kBlock;
            const int64_t far = near + step * kBlock;
            // Floor walls grow upwards (far is the top), ceiling walls downwards.
            const int64_t top = step < 0 ? far : near, bottom = step < 0 ? near : far;
            push_wall(c, r, side, top, top, bottom, bottom, texture);
        }
    }

    // What a side sees of its neighbour: this sector's surface corners at the edge's ends, the
    // neighbour's floor corners there, its lower floor corner and its smaller ceiling corner.
    struct Edge {
        const SideInfo* side = nullptr;
        int64_t texture = -1;  // -1: no walls on this side
        double own_start = 0, own_end = 0;
        double neighbour_floor_start = 0, neighbour_floor_end = 0;
        double neighbour_floor_low = 0, neighbour_ceiling_low = 0;
    };

    std::array<Edge, 4> edges(int c, int r, const Corners& own, bool floor) const {
        const Sector& s = room_.sector(c, r);
        std::array<Edge, 4> result{};
        for (int side = 0; side < 4; ++side) {
            const SideInfo& info = kSides[static_cast<size_t>(side)];
            Edge& e = result[static_cast<size_t>(side)];
            e.side = &info;
            if (!has_neighbour(c, r, info) || suppressed(c, r, side)) continue;
            e.texture =
                face_texture(floor ? floor_wall_texture(s, side) : ceiling_wall_texture(s, side));
            const size_t n = index(c + info.dc, r + info.dr);
            const Corners& nf = floors_[n];
            const Corners& nc = ceilings_[n];
            e.own_start = own[static_cast<size_t>(info.own_start)];
            e.own_end = own[static_cast<size_t>(info.own_end)];
            e.neighbour_floor_start = nf[static_cast<size_t>(info.neighbour_start)];
            e.neighbour_floor_end = nf[static_cast<size_t>(info.neighbour_end)];
            e.neighbour_floor_low = std::min(e.neighbour_floor_start, e.neighbour_floor_end);
            e.neighbour_ceiling_low = std::min(nc[static_cast<size_t>(info.neighbour_start)],
                                               nc[static_cast<size_t>(info.neighbour_end)]);
        }
        return result;
    }

    // A skirt piece between a surface's whole-block base and its corners. A surface lying on
    // its base still gets one: flat, without area, never seen, but counted like any face.
    void push_skirt(int c, int r, const Edge& e, int64_t base, int64_t rise_start, int64_t rise_end,
                    int direction) {
        if (direction < 0) {
            push_wall(c, r, *e.side, base - rise_start, base - rise_end, base, base, e.texture);
        } else {
            push_wall(c, r, *e.side, base, base, base + rise_end, base + rise_start, e.texture);
        }
    }

    void floor_pass(int c, int r) {
        const Sector& s = room_.sector(c, r);
        const Corners& own = floors_[index(c, r)];
        const auto sides = edges(c, r, own, true);
        // Whole blocks from the neighbour's floor up to this floor's base.
        for (const Edge& e : sides) {
            if (e.texture < 0) continue;
            const int64_t a = whole_blocks(e.neighbour_floor_low);
            const int64_t m = std::min<int64_t>(
                s.floor_base, room_.height - whole_blocks(e.neighbour_ceiling_low));
            if (a < m) push_blocks(c, r, *e.side, m - a, bottom_ - a * kBlock, -1, e.texture);
        }
        // The raised or sloped part above the base.
        for (const Edge& e : sides) {
            if (e.texture < 0) continue;
            const bool below_neighbour_ceiling =
                s.floor_base < room_.height - e.neighbour_ceiling_low;
            const bool rises_above_neighbour =
                e.neighbour_floor_low < std::max(e.own_start, e.own_end);
            const bool same_edge =
                e.own_start == e.neighbour_floor_start && e.own_end == e.neighbour_floor_end;
            if (!below_neighbour_ceiling || !rises_above_neighbour || same_edge) continue;
            push_skirt(c, r, e, bottom_ - int64_t{s.floor_base} * kBlock,
                       block_units(e.own_start - s.floor_base),
                       block_units(e.own_end - s.floor_base), -1);
        }
        if (!is_open(own, ceilings_[index(c, r)], room_.height)) return;
        const auto p = surface(c, r, own, bottom_, -1);
        const int64_t t1 = first_texture(c, r, s, s.floor_texture);
        const int64_t t2 = face_texture(s.floor_texture2);
        // A stored split kind the editor never makes shows no surface, as in the editor's view.
        switch (s.floor_split) {
            case 0:
                push({p[3], p[2], p[1], p[0]}, t1);
                break;
            case 1:
                push({p[3], p[2], p[0], p[3]}, t1);
                push({p[2], p[1], p[0], p[2]}, t2);
                break;
            case 2:
                push({p[3], p[1], p[0], p[3]}, t1);
                push({p[3], p[2], p[1], p[3]}, t2);
                break;
            default:
                break;
        }
    }

    void ceiling_pass(int c, int r) {
        const Sector& s = room_.sector(c, r);
        const Corners& own = ceilings_[index(c, r)];
        const auto sides = edges(c, r, own, false);
        // Whole blocks from the neighbour's ceiling down to this ceiling's base.
        for (const Edge& e : sides) {
            if (e.texture < 0) continue;
            const int64_t a = whole_blocks(e.neighbour_ceiling_low);
            const int64_t m = std::min<int64_t>(s.ceiling_base,
                                                room_.height - whole_blocks(e.neighbour_floor_low));
            if (a < m) push_blocks(c, r, *e.side, m - a, top_ + a * kBlock, 1, e.texture);
        }
        for (const Edge& e : sides) {
            if (e.texture < 0) continue;
            const bool above_neighbour_floor =
                s.ceiling_base < room_.height - e.neighbour_floor_low;
            const bool hangs_below_neighbour =
                e.neighbour_ceiling_low < std::max(e.own_start, e.own_end);
            if (!above_neighbour_floor || !hangs_below_neighbour) continue;
            push_skirt(c, r, e, top_ + int64_t{s.ceiling_base} * kBlock,
                       block_units(e.own_start - s.ceiling_base),
                       block_units(e.own_end - s.ceiling_base), 1);
        }
        if (!is_open(floors_[index(c, r)], own, room_.height)) return;
        const auto p = surface(c, r, own, top_, 1);
        const int64_t t1 = first_texture(c, r, s, s.ceiling_texture);
        const int64_t t2 = face_texture(s.ceiling_texture2);
        // A water surface under an opening to the room above is seen from below as well.
        const bool both_sides = (room_.water != 0 || room_.quicksand != 0) && s.room_above != 0;
        auto ceiling_face = [&](const std::array<Point, 4>& q, int64_t texture) {
            push(q, texture);
            if (both_sides) push({q[3], q[2], q[1], q[0]}, texture);
        };
        switch (s.ceiling_split) {
            case 0:
                ceiling_face({p[0], p[1], p[2], p[3]}, t1);
                break;
            case 1:
                ceiling_face({p[0], p[2], p[3], p[0]}, t1);
                ceiling_face({p[0], p[1], p[2], p[0]}, t2);
                break;
            case 2:
                ceiling_face({p[0], p[1], p[3], p[0]}, t1);
                ceiling_face({p[1], p[2], p[3], p[1]}, t2);
                break;
            default:
                break;
        }
    }

    // A wall portal sector on the room's first row or column opens its surface to the next
    // room: its first (or only) face is not made.
    static int64_t first_texture(int c, int r, const Sector& s, int64_t document_texture) {
        return (r == 1 || c == 1) && s.room_side != 0 ? -1 : face_texture(document_texture);
    }

    // The four corners of a floor (direction -1, up from the bottom) or a ceiling (+1, down
    // from the top) in the room.
    std::array<Point, 4> surface(int c, int r, const Corners& h, int64_t from,
                                 int direction) const {
        std::array<Point, 4> p{};
        for (size_t i = 0; i < 4; ++i) {
            p[i] = {int64_t{c - 1} * kBlock + kCornerXZ[i][0], from + direction * block_units(h[i]),
                    int64_t{r - 1} * kBlock + kCornerXZ[i][1]};
        }
        return p;
    }

    const Room& room_;
    face_list& list_;
    uint8_t light_;
    int64_t bottom_;
    int64_t top_;
    std::array<Corners, kSectorsPerRoom> floors_{};
    std::array<Corners, kSectorsPerRoom> ceilings_{};
};

}  // namespace

room_geometry_needs build_room_geometry(const Room& room, troom& game, face_list& list) {
    list.clear();
    auto mesher = std::make_unique<RoomMesher>(room, game, list);
    mesher->build();
    game.num_rectangles = 0;
    game.num_triangles = 0;
    game.num_vertices = 0;
    return faces_to_room(list, game);
}

}  // namespace rw
