#pragma once
// The layout of the sample rooms, independent of any game version's room forms.

#include <array>
#include <cstdint>
#include <vector>

#include "sample_contents.h"

namespace rw::samples {

// A wall portal through a border column of the room, over rows first_row..last_row.
struct DoorPlan {
    int column, first_row, last_row;
    int room;  // the room on the other side
};

// A floor or ceiling portal over a block of inner sectors.
struct HolePlan {
    int first_column, last_column, first_row, last_row;
    int room;
    bool in_floor;  // otherwise in the ceiling
};

struct StaticPlan {
    int mesh;  // static mesh kind
    int column, row;
    int eighths;  // rotation in eighths of a turn
};

struct RgbLight {
    uint8_t red, green, blue;
};

struct RoomPlan {
    int32_t x, z;       // world position of the room's first sector
    int columns, rows;  // including the ring of wall sectors
    int32_t y_bottom, y_top;
    bool water;
    uint8_t light;  // 0 full light .. 31 dark
    int floor_tile, wall_tile, ceiling_tile;
    std::vector<DoorPlan> doors;
    std::vector<HolePlan> holes;
    std::vector<StaticPlan> statics;
    std::array<int32_t, 3> light_position;  // world x, y, z
    RgbLight light_colour;
};

// Indexed by SampleRoom.
const std::array<RoomPlan, kSampleRoomCount>& sample_room_plans();

bool is_border(const RoomPlan& room, int column, int row);
// The door through this border sector, or nullptr.
const DoorPlan* door_at(const RoomPlan& room, int column, int row);
// The hole over this sector in the floor (in_floor) or ceiling, or nullptr.
const HolePlan* hole_at(const RoomPlan& room, int column, int row, bool in_floor);

}  // namespace rw::samples
