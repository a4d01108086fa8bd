#pragma once
// The level under construction: one fixed-size record with no heap parts, so a room is copied,
// snapshotted or swapped as one block, and the project file stores the grid and the lists as
// the byte images of these records.

#include <array>
#include <cstddef>
#include <cstdint>

#include "document/short_string.h"
#include "levelfile/little_endian.h"

namespace rw {

inline constexpr int kMaxRooms = 150;
inline constexpr int kGridSize = 32;  // sectors per side of a room's grid
inline constexpr int kSectorsPerRoom = kGridSize * kGridSize;
inline constexpr int kMaxPortalViews = 20;
inline constexpr int kMaxReservedRecords = 20;
inline constexpr int kMaxOrnaments = 40;

// One cell of a room's grid; its byte image is stored as it is.
struct Sector {
    int32_t floor_base;   // blocks above the room bottom
    int32_t floor_raise;  // clicks
    int32_t floor_front;  // split floor: raise of triangle 1's free corner
    int32_t floor_back;   // split floor: raise of triangle 2's free corner
    int32_t floor_left;
    int32_t floor_right;
    int32_t ceiling_base;  // blocks below the room top
    int32_t ceiling_raise;
    int32_t ceiling_front;
    int32_t ceiling_back;
    int32_t ceiling_left;
    int32_t ceiling_right;
    uint8_t room_above;  // rooms numbered from 1, 0 none
    uint8_t room_side;
    uint8_t room_below;
    uint8_t climb_front;
    uint8_t climb_back;
    uint8_t climb_left;
    uint8_t climb_right;
    uint8_t climb_ceiling;  // monkey swing
    uint8_t climb_mask;     // recomputed by the build from the neighbours' climb flags
    uint8_t step_sound;     // 0 Normal, 1 Wood, 2 Metal, 3 Grass
    uint8_t death;
    uint8_t pad59;
    int32_t floor_texture;
    int32_t floor_wall_front;
    int32_t ceiling_texture;
    int32_t ceiling_wall_front;
    uint8_t selected;
    uint8_t pad77;
    uint16_t floor_split;  // 0 four corners, 1 or 2 two triangles
    uint16_t ceiling_split;
    uint16_t pad82;
    int32_t floor_texture2;
    int32_t ceiling_texture2;
    uint8_t floor_portal_triangle;    // 1: triangle 1 is the portal triangle
    uint8_t ceiling_portal_triangle;  // 0: triangle 1 is the portal triangle
    uint16_t floor_wall_back;
    uint16_t floor_wall_left;
    uint16_t floor_wall_right;
    uint16_t ceiling_wall_back;
    uint16_t ceiling_wall_left;
    uint16_t ceiling_wall_right;
    std::array<uint8_t, 42> reserved;
};
static_assert(sizeof(Sector) == 148);
static_assert(offsetof(Sector, floor_base) == 0);
static_assert(offsetof(Sector, floor_raise) == 4);
static_assert(offsetof(Sector, floor_front) == 8);
static_assert(offsetof(Sector, floor_back) == 12);
static_assert(offsetof(Sector, floor_left) == 16);
static_assert(offsetof(Sector, floor_right) == 20);
static_assert(offsetof(Sector, ceiling_base) == 24);
static_assert(offsetof(Sector, ceiling_raise) == 28);
static_assert(offsetof(Sector, ceiling_front) == 32);
static_assert(offsetof(Sector, ceiling_back) == 36);
static_assert(offsetof(Sector, ceiling_left) == 40);
static_assert(offsetof(Sector, ceiling_right) == 44);
static_assert(offsetof(Sector, room_above) == 48);
static_assert(offsetof(Sector, room_side) == 49);
static_assert(offsetof(Sector, room_below) == 50);
static_assert(offsetof(Sector, climb_front) == 51);
static_assert(offsetof(Sector, climb_back) == 52);
static_assert(offsetof(Sector, climb_left) == 53);
static_assert(offsetof(Sector, climb_right) == 54);
static_assert(offsetof(Sector, climb_ceiling) == 55);
static_assert(offsetof(Sector, climb_mask) == 56);
static_assert(offsetof(Sector, step_sound) == 57);
static_assert(offsetof(Sector, death) == 58);
static_assert(offsetof(Sector, floor_texture) == 60);
static_assert(offsetof(Sector, floor_wall_front) == 64);
static_assert(offsetof(Sector, ceiling_texture) == 68);
static_assert(offsetof(Sector, ceiling_wall_front) == 72);
static_assert(offsetof(Sector, selected) == 76);
static_assert(offsetof(Sector, floor_split) == 78);
static_assert(offsetof(Sector, ceiling_split) == 80);
static_assert(offsetof(Sector, floor_texture2) == 84);
static_assert(offsetof(Sector, ceiling_texture2) == 88);
static_assert(offsetof(Sector, floor_portal_triangle) == 92);
static_assert(offsetof(Sector, ceiling_portal_triangle) == 93);
static_assert(offsetof(Sector, floor_wall_back) == 94);
static_assert(offsetof(Sector, floor_wall_left) == 96);
static_assert(offsetof(Sector, floor_wall_right) == 98);
static_assert(offsetof(Sector, ceiling_wall_back) == 100);
static_assert(offsetof(Sector, ceiling_wall_left) == 102);
static_assert(offsetof(Sector, ceiling_wall_right) == 104);
static_assert(offsetof(Sector, reserved) == 106);

// Where a portal view faces.
enum PortalFacing : uint8_t {
    kFacingFront = 0,
    kFacingBack = 1,
    kFacingLeft = 2,
    kFacingRight = 3,
    kFacingCeiling = 4,
    kFacingFloor = 5,
};

// An opening in a wall, the floor or the ceiling through which another room is joined.
struct PortalView {
    uint8_t facing;
    uint8_t pad1;
    uint16_t view_room;
    int32_t width;        // tiles
    int32_t view_height;  // tiles: height for walls, length for floor and ceiling
    int32_t row;          // reference sector
    int32_t column;
};
static_assert(sizeof(PortalView) == 20);
static_assert(offsetof(PortalView, facing) == 0);
static_assert(offsetof(PortalView, view_room) == 2);
static_assert(offsetof(PortalView, width) == 4);
static_assert(offsetof(PortalView, view_height) == 8);
static_assert(offsetof(PortalView, row) == 12);
static_assert(offsetof(PortalView, column) == 16);

// Stored with its room and otherwise left alone.
struct ReservedRecord {
    std::array<uint8_t, 36> bytes;
};
static_assert(sizeof(ReservedRecord) == 36);

// A static mesh of the base level placed on a sector.
struct Ornament {
    int32_t mesh;  // index in the base level's static mesh list
    int32_t row;
    int32_t column;
    int32_t lift;       // clicks above the sector floor
    int32_t rotation;   // 0..7, steps of 45 degrees
    uint8_t alignment;  // 0 Centered, 1 Left, 2 Front, 3 Right, 4 Back
    int8_t red;         // 0..31; -1 takes the room's ambient light
    int8_t green;
    int8_t blue;
    std::array<uint8_t, 64> reserved;
};
static_assert(sizeof(Ornament) == 88);
static_assert(offsetof(Ornament, mesh) == 0);
static_assert(offsetof(Ornament, row) == 4);
static_assert(offsetof(Ornament, column) == 8);
static_assert(offsetof(Ornament, lift) == 12);
static_assert(offsetof(Ornament, rotation) == 16);
static_assert(offsetof(Ornament, alignment) == 20);
static_assert(offsetof(Ornament, red) == 21);
static_assert(offsetof(Ornament, green) == 22);
static_assert(offsetof(Ornament, blue) == 23);
static_assert(offsetof(Ornament, reserved) == 24);

struct Room {
    uint16_t rows;     // along Z, 1..31
    uint16_t columns;  // along X, 1..31
    uint16_t height;   // blocks
    int32_t pos_x;
    int32_t pos_z;
    int32_t pos_y;
    ShortString<40> name;
    uint8_t water;
    uint8_t outdoor;
    uint8_t quicksand;
    uint8_t sky;
    uint8_t spare_flag;
    std::array<Sector, kSectorsPerRoom> sectors;  // column-major: (c - 1) * 32 + (r - 1)
    int32_t portal_view_count;
    std::array<PortalView, kMaxPortalViews> portal_views;
    int32_t reserved_count;
    std::array<ReservedRecord, kMaxReservedRecords> reserved_records;
    int32_t ornament_count;
    std::array<Ornament, kMaxOrnaments> ornaments;
    int32_t current_ornament;  // 1-based, 0 none
    uint8_t tiled_boxes;
    int32_t ambient;
    int32_t default_floor_texture;
    int32_t default_floor_wall_texture;
    int32_t default_ceiling_texture;
    int32_t default_ceiling_wall_texture;

    // Sector of column c and row r, both from 1.
    Sector& sector(int c, int r) {
        return sectors[static_cast<size_t>((c - 1) * kGridSize + (r - 1))];
    }
    const Sector& sector(int c, int r) const {
        return sectors[static_cast<size_t>((c - 1) * kGridSize + (r - 1))];
    }
    // A room held as a clipboard or undo snapshot is empty when it has no rows.
    bool empty() const { return rows == 0; }
};

struct LevelDocument {
    ShortString<100> level_description;
    ShortString<250> comments;
    ShortString<100> base_level_path;
    ShortString<100> items_table_path;
    ShortString<100> mesh_file_path;
    ShortString<100> script_path;
    ShortString<100> new_level_path;
    uint8_t current_room;
    uint8_t room_count;
    std::array<Room, kMaxRooms> rooms;
    int32_t lara_room;
    int32_t lara_column;
    int32_t lara_row;
    int32_t tr5_weather;  // 0 normal, 1 raining, 2 snowing

    // Room n, from 1.
    Room& room(int n) { return rooms[static_cast<size_t>(n - 1)]; }
    const Room& room(int n) const { return rooms[static_cast<size_t>(n - 1)]; }
    Sector& sector(int n, int c, int r) { return room(n).sector(c, r); }
};

// The OpenGL selection name of sector (c, r) in a room of `rows` rows.
inline int32_t sector_pick_name(int c, int r, int rows) {
    return (c - 1) * rows + r;
}

}  // namespace rw
