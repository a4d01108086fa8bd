#pragma once
// Small helpers that let the sample rooms be written as data: a room's frame, a floor map with
// one character per sector, and one-line edits of a sector's shape.

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "document/level_document.h"

namespace rw::samples {

struct Textures {
    int32_t floor;
    int32_t floor_wall;
    int32_t ceiling;
    int32_t ceiling_wall;
};

struct RoomFrame {
    std::string_view name;
    int32_t pos_x;
    int32_t pos_z;
    int32_t pos_y;
    uint16_t columns;
    uint16_t rows;
    uint16_t height;
    int32_t ambient;
    Textures textures;
};

// Makes room n from its frame and floor map and counts it into the document. The map holds one
// string per row, row 1 first, and one character per column, column 1 first: '#' is a wall
// (floor at the room height), a digit the floor base in blocks. Throws std::logic_error when
// the map does not match the frame.
Room& make_room(LevelDocument& doc, int n, const RoomFrame& frame,
                std::initializer_list<std::string_view> floor_map);

// Raises in clicks of a four-corner floor or ceiling.
struct Raises {
    int32_t raise = 0;
    int32_t front = 0;
    int32_t back = 0;
    int32_t left = 0;
    int32_t right = 0;
};

void shape_floor(Room& room, int c, int r, const Raises& raises);
void shape_ceiling(Room& room, int c, int r, const Raises& raises);

// Two triangles: kind 1 or 2, each triangle's free corner raised in clicks, the second
// triangle's texture, and which triangle is the portal triangle (stored codes differ between
// floor and ceiling, so the caller passes the stored byte).
struct Split {
    uint16_t kind;
    int32_t triangle1 = 0;
    int32_t triangle2 = 0;
    int32_t texture2 = 0;
    uint8_t portal_triangle = 0;
};

void split_floor(Room& room, int c, int r, const Split& split);
void split_ceiling(Room& room, int c, int r, const Split& split);

enum StepSound : uint8_t { kNormal = 0, kWood = 1, kMetal = 2, kGrass = 3 };

// The sectors of columns c1..c2 and rows r1..r2.
struct Area {
    int c1;
    int r1;
    int c2;
    int r2;
};

void set_step_sound(Room& room, const Area& area, StepSound sound);

// An ornament as placed in a sample room; unnamed fields are zero.
struct Placement {
    int32_t mesh = 0;
    int32_t row = 0;
    int32_t column = 0;
    int32_t lift = 0;
    int32_t rotation = 0;
    uint8_t alignment = 0;  // 0 Centered, 1 Left, 2 Front, 3 Right, 4 Back
    int8_t red = 0;         // -1 takes the room's ambient light
    int8_t green = 0;
    int8_t blue = 0;
};

void add_ornament(Room& room, const Placement& placement);

}  // namespace rw::samples
