#include "room_joins.h"

#include <stdexcept>
#include <string>

namespace rw::samples {

namespace {

[[noreturn]] void misplaced(int from, int to, const char* why) {
    throw std::logic_error("sample rooms " + std::to_string(from) + " and " + std::to_string(to) +
                           " cannot be joined: " + why);
}

void flatten_floor(Sector& s) {
    s.floor_base = s.floor_raise = s.floor_front = s.floor_back = 0;
    s.floor_left = s.floor_right = 0;
}

void flatten_ceiling(Sector& s) {
    s.ceiling_base = s.ceiling_raise = s.ceiling_front = s.ceiling_back = 0;
    s.ceiling_left = s.ceiling_right = 0;
}

void join_sideways(Sector& s, int room) {
    s.room_side = static_cast<uint8_t>(room);
    s.room_above = 0;
    s.room_below = 0;
}

// A sector of the near room's wall opening: floor flat on the room bottom.
void open_sideways(Sector& s, int room) {
    flatten_floor(s);
    join_sideways(s, room);
}

// A sector of the far room under the opening: its floor and ceiling meet the near room's.
void match_heights(Sector& s, int floor_base, int ceiling_base) {
    flatten_floor(s);
    s.floor_base = floor_base;
    s.ceiling_base = ceiling_base;
}

void make_wall(Sector& s, int height) {
    flatten_floor(s);
    s.floor_base = height;
}

void add_view(Room& room, PortalFacing facing, int view_room, int width, int view_height,
              int column, int row) {
    if (room.portal_view_count >= kMaxPortalViews) throw std::logic_error("too many portal views");
    room.portal_views[static_cast<size_t>(room.portal_view_count++)] =
        PortalView{facing, 0, static_cast<uint16_t>(view_room), width, view_height, row, column};
}

}  // namespace

void join_through_wall(LevelDocument& doc, int from, Side side, int to) {
    Room& c = doc.room(from);
    Room& n = doc.room(to);
    const bool along_x = side == Side::kFront || side == Side::kBack;
    // The far room's first line (column or row) under the near room's opening, and its last.
    const int a = along_x ? c.pos_x - n.pos_x + 2 : c.pos_z - n.pos_z + 2;
    const int b = a + (along_x ? c.columns : c.rows) - 3;
    const int dy = c.pos_y - n.pos_y;
    const int top = n.height - (c.height + dy);
    if (along_x ? n.columns < c.columns : n.rows < c.rows) misplaced(from, to, "too small");
    if (a < 2 || b >= (along_x ? n.columns : n.rows)) misplaced(from, to, "not aligned");
    if (dy < 0 || top < 0) misplaced(from, to, "too high or too low");
    const bool touching = side == Side::kFront  ? n.pos_z == c.pos_z + c.rows - 2
                          : side == Side::kBack ? c.pos_z == n.pos_z + n.rows - 2
                          : side == Side::kLeft ? c.pos_x == n.pos_x + n.columns - 2
                                                : n.pos_x == c.pos_x + c.columns - 2;
    if (!touching) misplaced(from, to, "they do not overlap by two sectors");

    switch (side) {
        case Side::kFront:
            for (int col = 2; col < c.columns; ++col)
                open_sideways(c.sector(col, c.rows), to);
            add_view(c, kFacingFront, to, c.columns - 2, c.height, 2, c.rows);
            for (int col = 2; col < n.columns; ++col)
                make_wall(n.sector(col, 2), n.height);
            for (int col = a; col <= b; ++col) {
                match_heights(n.sector(col, 1), dy, top);
                match_heights(n.sector(col, 2), dy, top);
                join_sideways(n.sector(col, 1), from);
            }
            add_view(n, kFacingBack, from, c.columns - 2, c.height, a, 1);
            break;
        case Side::kBack:
            for (int col = 2; col < c.columns; ++col)
                open_sideways(c.sector(col, 1), to);
            add_view(c, kFacingBack, to, c.columns - 2, c.height, 2, 1);
            for (int col = a; col <= b; ++col) {
                match_heights(n.sector(col, n.rows), dy, top);
                join_sideways(n.sector(col, n.rows), from);
            }
            add_view(n, kFacingFront, from, c.columns - 2, c.height, a, n.rows);
            break;
        case Side::kLeft:
            for (int row = 2; row < c.rows; ++row)
                open_sideways(c.sector(1, row), to);
            add_view(c, kFacingLeft, to, c.rows - 2, c.height, 1, 2);
            for (int row = a; row <= b; ++row) {
                match_heights(n.sector(n.columns, row), dy, top);
                join_sideways(n.sector(n.columns, row), from);
            }
            add_view(n, kFacingRight, from, c.rows - 2, c.height, n.columns, b);
            break;
        case Side::kRight:
            for (int row = 2; row < c.rows; ++row)
                open_sideways(c.sector(c.columns, row), to);
            add_view(c, kFacingRight, to, c.rows - 2, c.height, c.columns, c.rows - 1);
            for (int row = 2; row < n.rows; ++row)
                make_wall(n.sector(2, row), n.height);
            for (int row = a; row <= b; ++row) {
                match_heights(n.sector(1, row), dy, top);
                match_heights(n.sector(2, row), dy, top);
                join_sideways(n.sector(1, row), from);
            }
            add_view(n, kFacingLeft, from, c.rows - 2, c.height, 1, a);
            break;
    }
}

void join_through_ceiling(LevelDocument& doc, int lower, int upper) {
    Room& c = doc.room(lower);
    Room& n = doc.room(upper);
    const int a = c.pos_z - n.pos_z + 2;  // upper rows over the opening
    const int b = a + c.rows - 3;
    const int p = c.pos_x - n.pos_x + 2;  // upper columns over the opening
    const int q = p + c.columns - 3;
    if (n.rows < c.rows || n.columns < c.columns) misplaced(lower, upper, "too small");
    if (a < 2 || b >= n.rows || p < 2 || q >= n.columns) misplaced(lower, upper, "not aligned");
    if (n.pos_y != c.pos_y + c.height) misplaced(lower, upper, "the floor is not on the top");

    for (int col = 2; col < c.columns; ++col) {
        for (int row = 2; row < c.rows; ++row) {
            Sector& s = c.sector(col, row);
            flatten_ceiling(s);
            s.room_above = static_cast<uint8_t>(upper);
        }
    }
    add_view(c, kFacingCeiling, upper, c.columns - 2, c.rows - 2, 2, c.rows - 1);
    for (int col = p; col <= q; ++col) {
        for (int row = a; row <= b; ++row) {
            Sector& s = n.sector(col, row);
            flatten_floor(s);
            s.room_side = 0;
            s.room_below = static_cast<uint8_t>(lower);
        }
    }
    add_view(n, kFacingFloor, lower, c.columns - 2, c.rows - 2, p, b);
}

}  // namespace rw::samples
