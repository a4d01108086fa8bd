#include "room_plans.h"

namespace rw::samples {

const std::array<RoomPlan, kSampleRoomCount>& sample_room_plans() {
    static const std::array<RoomPlan, kSampleRoomCount> plans = {{
        {.x = 0,
         .z = 0,
         .columns = 6,
         .rows = 6,
         .y_bottom = 0,
         .y_top = -3072,
         .water = false,
         .light = 6,
         .floor_tile = kStoneTile,
         .wall_tile = kBrickTile,
         .ceiling_tile = kWoodTile,
         .doors = {{5, 2, 3, kGalleryRoom}},
         .holes = {},
         .statics = {{kCrateMesh, 1, 1, 0},
                     {kPillarMesh, 4, 1, 0},
                     {kPillarMesh, 4, 4, 0},
                     {kPlinthMesh, 1, 4, 1}},
         .light_position = {3072, -2560, 3072},
         .light_colour = {255, 220, 170}},
        {.x = 4096,
         .z = 0,
         .columns = 8,
         .rows = 5,
         .y_bottom = 0,
         .y_top = -2048,
         .water = false,
         .light = 10,
         .floor_tile = kWoodTile,
         .wall_tile = kStoneTile,
         .ceiling_tile = kMetalTile,
         .doors = {{0, 2, 3, kHallRoom}},
         .holes = {{3, 5, 1, 3, kCisternRoom, true}},
         .statics = {{kLowWallMesh, 2, 1, 0}, {kBarrelMesh, 6, 3, 0}},
         .light_position = {7680, -1536, 2560},
         .light_colour = {230, 230, 230}},
        {.x = 4096,
         .z = 0,
         .columns = 8,
         .rows = 5,
         .y_bottom = 2048,
         .y_top = 0,
         .water = true,
         .light = 14,
         .floor_tile = kGrassTile,
         .wall_tile = kBrickTile,
         .ceiling_tile = kStoneTile,
         .doors = {},
         .holes = {{3, 5, 1, 3, kGalleryRoom, false}},
         .statics = {{kPlinthMesh, 4, 2, 2}},
         .light_position = {7680, 1024, 2560},
         .light_colour = {120, 170, 255}},
    }};
    return plans;
}

bool is_border(const RoomPlan& room, int column, int row) {
    return column == 0 || row == 0 || column == room.columns - 1 || row == room.rows - 1;
}

const DoorPlan* door_at(const RoomPlan& room, int column, int row) {
    for (const DoorPlan& d : room.doors) {
        if (d.column == column && row >= d.first_row && row <= d.last_row) return &d;
    }
    return nullptr;
}

const HolePlan* hole_at(const RoomPlan& room, int column, int row, bool in_floor) {
    for (const HolePlan& h : room.holes) {
        if (h.in_floor == in_floor && column >= h.first_column && column <= h.last_column &&
            row >= h.first_row && row <= h.last_row) {
            return &h;
        }
    }
    return nullptr;
}

}  // namespace rw::samples
