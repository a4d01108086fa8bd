#include "room_builder.h"

#include <stdexcept>
#include <string>

#include "document/editor_state.h"

namespace rw::samples {

namespace {

[[noreturn]] void bad_map(const RoomFrame& frame, const std::string& why) {
    throw std::logic_error("sample room \"" + std::string(frame.name) + "\": " + why);
}

}  // namespace

Room& make_room(LevelDocument& doc, int n, const RoomFrame& frame,
                std::initializer_list<std::string_view> floor_map) {
    Room& room = doc.room(n);
    room = Room{};
    room.name.assign(frame.name);
    room.pos_x = frame.pos_x;
    room.pos_z = frame.pos_z;
    room.pos_y = frame.pos_y;
    room.columns = frame.columns;
    room.rows = frame.rows;
    room.height = frame.height;
    room.ambient = frame.ambient;
    room.default_floor_texture = frame.textures.floor;
    room.default_floor_wall_texture = frame.textures.floor_wall;
    room.default_ceiling_texture = frame.textures.ceiling;
    room.default_ceiling_wall_texture = frame.textures.ceiling_wall;
    InitRoomSectors(doc, n);

    if (floor_map.size() != frame.rows) bad_map(frame, "floor map has the wrong row count");
    int r = 1;
    for (std::string_view line : floor_map) {
        if (line.size() != frame.columns) bad_map(frame, "floor map row of the wrong width");
        for (int c = 1; c <= frame.columns; ++c) {
            const char cell = line[static_cast<size_t>(c - 1)];
            Sector& s = room.sector(c, r);
            if (cell == '#') {
                s.floor_base = frame.height;
            } else if (cell >= '0' && cell <= '9' && cell - '0' < frame.height) {
                s.floor_base = cell - '0';
            } else {
                bad_map(frame, std::string("bad floor map cell '") + cell + "'");
            }
        }
        ++r;
    }
    if (doc.room_count < n) doc.room_count = static_cast<uint8_t>(n);
    return room;
}

void shape_floor(Room& room, int c, int r, const Raises& raises) {
    Sector& s = room.sector(c, r);
    s.floor_raise = raises.raise;
    s.floor_front = raises.front;
    s.floor_back = raises.back;
    s.floor_left = raises.left;
    s.floor_right = raises.right;
}

void shape_ceiling(Room& room, int c, int r, const Raises& raises) {
    Sector& s = room.sector(c, r);
    s.ceiling_raise = raises.raise;
    s.ceiling_front = raises.front;
    s.ceiling_back = raises.back;
    s.ceiling_left = raises.left;
    s.ceiling_right = raises.right;
}

void split_floor(Room& room, int c, int r, const Split& split) {
    Sector& s = room.sector(c, r);
    s.floor_split = split.kind;
    s.floor_front = split.triangle1;
    s.floor_back = split.triangle2;
    s.floor_left = s.floor_right = 0;
    s.floor_texture2 = split.texture2;
    s.floor_portal_triangle = split.portal_triangle;
}

void split_ceiling(Room& room, int c, int r, const Split& split) {
    Sector& s = room.sector(c, r);
    s.ceiling_split = split.kind;
    s.ceiling_front = split.triangle1;
    s.ceiling_back = split.triangle2;
    s.ceiling_left = s.ceiling_right = 0;
    s.ceiling_texture2 = split.texture2;
    s.ceiling_portal_triangle = split.portal_triangle;
}

void set_step_sound(Room& room, const Area& area, StepSound sound) {
    for (int c = area.c1; c <= area.c2; ++c) {
        for (int r = area.r1; r <= area.r2; ++r)
            room.sector(c, r).step_sound = sound;
    }
}

void add_ornament(Room& room, const Placement& placement) {
    if (room.ornament_count >= kMaxOrnaments) throw std::logic_error("too many sample ornaments");
    Ornament& o = room.ornaments[static_cast<size_t>(room.ornament_count++)];
    o = Ornament{};
    o.mesh = placement.mesh;
    o.row = placement.row;
    o.column = placement.column;
    o.lift = placement.lift;
    o.rotation = placement.rotation;
    o.alignment = placement.alignment;
    o.red = placement.red;
    o.green = placement.green;
    o.blue = placement.blue;
}

}  // namespace rw::samples
