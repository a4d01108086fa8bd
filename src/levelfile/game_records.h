#pragma once
// Records of game level files whose fields the system reads or writes. Each struct's layout is
// its stored layout (pinned by static_assert), so tables move between memory and files as
// whole blocks. Records whose fields nobody uses are carried as plain bytes.

#include <array>
#include <cstddef>
#include <cstdint>

#include "levelfile/little_endian.h"

namespace rw {

// ---- Room geometry ----

struct tr_vertex {  // codes 1-2 in files; the builder's working form
    int16_t x, y, z;
    int16_t lighting;  // the light byte is the high byte
};
static_assert(sizeof(tr_vertex) == 8);

struct tr_vertex2 {  // codes 3-6
    int16_t x, y, z;
    int16_t lighting;
    uint16_t attributes;
    uint16_t lighting2;  // 15-bit colour from code 5 on
};
static_assert(sizeof(tr_vertex2) == 12);
static_assert(offsetof(tr_vertex2, attributes) == 8);
static_assert(offsetof(tr_vertex2, lighting2) == 10);

struct tr5_vertex {  // code 7
    float x, y, z;
    float normal_x, normal_y, normal_z;
    uint8_t blue, green, red, alpha;
};
static_assert(sizeof(tr5_vertex) == 28);
static_assert(offsetof(tr5_vertex, normal_x) == 12);
static_assert(offsetof(tr5_vertex, blue) == 24);

struct tr_rectangle {
    std::array<uint16_t, 4> vertices;
    uint16_t texture;
};
static_assert(sizeof(tr_rectangle) == 10);

struct tr5_rectangle {
    std::array<uint16_t, 4> vertices;
    uint16_t texture;
    uint16_t flags;
};
static_assert(sizeof(tr5_rectangle) == 12);

struct tr_triangle {
    std::array<uint16_t, 3> vertices;
    uint16_t texture;
};
static_assert(sizeof(tr_triangle) == 8);

struct tr5_triangle {
    std::array<uint16_t, 3> vertices;
    uint16_t texture;
    uint16_t flags;
};
static_assert(sizeof(tr5_triangle) == 10);

using tr_sprite = std::array<uint8_t, 4>;

// A visibility portal; coordinates relative to the room.
struct tr_portal {
    int16_t adjoining_room;  // 0-based
    std::array<int16_t, 3> normal;
    std::array<std::array<int16_t, 3>, 4> vertices;
};
static_assert(sizeof(tr_portal) == 32);

struct tr_sector {
    uint16_t fd_index;   // into floor_data
    uint16_t box_index;  // 0xFFFF none
    uint8_t pit_room;    // room below, 255 none
    int8_t floor;        // clicks; equal to ceiling marks a wall
    uint8_t sky_room;    // room above, 255 none
    int8_t ceiling;
};
static_assert(sizeof(tr_sector) == 8);
static_assert(offsetof(tr_sector, pit_room) == 4);
static_assert(offsetof(tr_sector, ceiling) == 7);

// ---- Room lights and statics ----

#pragma pack(push, 1)
struct tr_light1 {  // codes 1-2
    int32_t x, y, z;
    uint16_t intensity;
    uint32_t fade;
};
#pragma pack(pop)
static_assert(sizeof(tr_light1) == 18);
static_assert(offsetof(tr_light1, fade) == 14);

struct tr_light {  // codes 3-4
    int32_t x, y, z;
    uint16_t intensity1;
    uint16_t intensity2;
    uint32_t fade1;
    uint32_t fade2;
};
static_assert(sizeof(tr_light) == 24);

struct tr3_light {  // code 5: the same 24 bytes read as a coloured light
    int32_t x, y, z;
    uint8_t red, green, blue, unused;
    uint32_t intensity;
    uint32_t fade;
};
static_assert(sizeof(tr3_light) == sizeof(tr_light));
static_assert(offsetof(tr3_light, intensity) == 16);

using tr4_light = std::array<uint8_t, 46>;  // code 6
using tr5_light = std::array<uint8_t, 85>;  // code 7, stored followed by three filler bytes

#pragma pack(push, 1)
struct tr_room_static1 {  // codes 1-2
    int32_t x, y, z;
    uint16_t rotation;
    uint16_t intensity;
    uint16_t mesh_id;
};
#pragma pack(pop)
static_assert(sizeof(tr_room_static1) == 18);
static_assert(offsetof(tr_room_static1, mesh_id) == 16);

struct tr_room_static {  // codes 3-7
    int32_t x, y, z;
    uint16_t rotation;
    uint16_t intensity1;
    uint16_t intensity2;
    uint16_t mesh_id;
};
static_assert(sizeof(tr_room_static) == 20);

// ---- TR5 room layers ----

struct tr5_layer_header {
    uint32_t num_vertices;
    uint16_t value4;
    uint16_t num_rectangles;
    uint16_t num_triangles;
    std::array<uint8_t, 46> rest;  // bytes 10-55, carried unchanged
};
static_assert(sizeof(tr5_layer_header) == 56);
static_assert(offsetof(tr5_layer_header, num_triangles) == 8);
static_assert(offsetof(tr5_layer_header, rest) == 10);

using tr5_room_record = std::array<uint8_t, 36>;

// ---- Level tables ----

#pragma pack(push, 1)
struct tr_item1 {  // codes 1-2
    int16_t object_id;
    int16_t room;
    int32_t x, y, z;
    uint16_t angle;
    int16_t intensity;
    uint16_t flags;
};
#pragma pack(pop)
static_assert(sizeof(tr_item1) == 22);
static_assert(offsetof(tr_item1, x) == 4);
static_assert(offsetof(tr_item1, angle) == 16);
static_assert(offsetof(tr_item1, flags) == 20);

struct tr_item {  // codes 3-7
    int16_t object_id;
    int16_t room;
    int32_t x, y, z;
    uint16_t angle;
    int16_t intensity1;
    int16_t intensity2;  // the OCB value in codes 6-7
    uint16_t flags;
};
static_assert(sizeof(tr_item) == 24);
static_assert(offsetof(tr_item, intensity1) == 18);
static_assert(offsetof(tr_item, flags) == 22);

struct tr_box1 {  // codes 1-2, world units
    int32_t z_min, z_max, x_min, x_max;
    int16_t true_floor;
    int16_t overlap_index;
};
static_assert(sizeof(tr_box1) == 20);

struct tr_box {  // codes 3-7, sectors
    uint8_t z_min, z_max, x_min, x_max;
    int16_t true_floor;
    int16_t overlap_index;
};
static_assert(sizeof(tr_box) == 8);

struct tr_camera {  // also the underwater currents (sinks)
    int32_t x, y, z;
    int16_t room;
    uint16_t flags;
};
static_assert(sizeof(tr_camera) == 16);

struct tr_texture_corner {
    uint8_t x_coordinate;  // 1 low end, 255 high end
    uint8_t x_pixel;
    uint8_t y_coordinate;
    uint8_t y_pixel;
};
static_assert(sizeof(tr_texture_corner) == 4);

// The internal 40-byte form of an object texture; files hold 20, 38 or 40 bytes of it.
struct tr_object_texture {
    uint16_t attribute;
    uint16_t tile;  // low 12 bits: the tile number
    uint16_t new_flags;
    std::array<tr_texture_corner, 4> corners;
    std::array<uint8_t, 16> extra;  // four 32-bit values, codes 6-7
    std::array<uint8_t, 2> extra5;  // one 16-bit value, code 7
};
static_assert(sizeof(tr_object_texture) == 40);
static_assert(offsetof(tr_object_texture, corners) == 6);
static_assert(offsetof(tr_object_texture, extra) == 22);
static_assert(offsetof(tr_object_texture, extra5) == 38);

struct tr_static_mesh {
    uint32_t id;
    uint16_t mesh;  // index into mesh_pointers
    std::array<uint8_t, 26> rest;
};
static_assert(sizeof(tr_static_mesh) == 32);
static_assert(offsetof(tr_static_mesh, mesh) == 4);

using tr_animation = std::array<uint8_t, 32>;
using tr4_animation = std::array<uint8_t, 40>;
using tr_state_change = std::array<uint8_t, 6>;
using tr_anim_dispatch = std::array<uint8_t, 8>;
using tr_moveable = std::array<uint8_t, 18>;
using tr5_moveable = std::array<uint8_t, 20>;
using tr_sprite_texture = std::array<uint8_t, 16>;
using tr_sprite_sequence = std::array<uint8_t, 8>;
using tr_flyby_camera = std::array<uint8_t, 40>;
using tr_sound_source = std::array<uint8_t, 16>;
using tr_cinematic_frame = std::array<uint8_t, 16>;
using tr_ai_object = std::array<uint8_t, 24>;
using tr_sound_detail = std::array<uint8_t, 8>;

}  // namespace rw
