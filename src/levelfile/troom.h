#pragma once
// One room of a game level, with fixed capacities so a room's geometry can be filled in place.

#include <array>
#include <cstdint>
#include <vector>

#include "levelfile/game_records.h"
#include "levelfile/little_endian.h"

namespace rw {

inline constexpr int kRoomMaxVertices = 1500;
inline constexpr int kRoomMaxRectangles = 2000;
inline constexpr int kRoomMaxTriangles = 1250;
inline constexpr int kRoomMaxSprites = 50;
inline constexpr int kRoomMaxPortals = 20;
inline constexpr int kRoomMaxSectorsPerSide = 32;
inline constexpr int kRoomMaxSectors = kRoomMaxSectorsPerSide * kRoomMaxSectorsPerSide;
inline constexpr int kRoomMaxLights = 50;
inline constexpr int kRoomMaxStatics = 50;

// A defensive limit: merged, the layers must fit the room's own capacities anyway.
inline constexpr int kRoomMaxLayers = 256;

// A TR5 room's layers, each with its own vertex, rectangle and triangle block. A block holds
// `count` entries (at most the room's capacity of that kind); it is sized to what it holds, so a
// room of many small layers costs no more memory than its file bytes.
struct tr5_layer_vertices {
    uint16_t count = 0;
    std::vector<tr5_vertex> vertices;
};
struct tr5_layer_rectangles {
    uint16_t count = 0;
    std::vector<tr5_rectangle> rectangles;
};
struct tr5_layer_triangles {
    uint16_t count = 0;
    std::vector<tr5_triangle> triangles;
};

struct ttr5_layers {
    int32_t count;
    std::vector<tr5_layer_vertices> vertex_blocks;
    std::vector<tr5_layer_rectangles> rectangle_blocks;
    std::vector<tr5_layer_triangles> triangle_blocks;

    // Sizes the three block arrays to n layers, each block empty.
    void resize(int32_t n);
};

struct troom {
    int32_t x, z, y_bottom, y_top;  // world units
    uint32_t num_data_words;        // codes 1-6, recomputed by the writer

    // Code 7: the layers as read.
    int32_t num_layers;
    std::vector<tr5_layer_header> layer_headers;
    ttr5_layers layers;

    uint16_t num_vertices;
    std::array<tr_vertex, kRoomMaxVertices> vertices;
    std::array<tr_vertex2, kRoomMaxVertices> vertices2;
    std::array<tr5_vertex, kRoomMaxVertices> vertices5;
    uint16_t num_rectangles;
    std::array<tr_rectangle, kRoomMaxRectangles> rectangles;
    std::array<tr5_rectangle, kRoomMaxRectangles> rectangles5;
    uint16_t num_triangles;
    std::array<tr_triangle, kRoomMaxTriangles> triangles;
    std::array<tr5_triangle, kRoomMaxTriangles> triangles5;
    uint16_t num_sprites;
    std::array<tr_sprite, kRoomMaxSprites> sprites;

    // Code 7: the records after the lights, and the room words carried from reader to writer.
    int32_t num_tr5_records;
    std::vector<tr5_room_record> tr5_records;
    uint32_t tr5_data_size;
    uint32_t tr5_end_sd_offset;
    uint32_t tr5_start_sd_offset;
    uint32_t tr5_separator;
    uint32_t tr5_end_portal_offset;
    int32_t tr5_y;
    uint32_t tr5_room_colour;
    uint32_t tr5_room_info;
    uint32_t tr5_filler1;
    uint32_t tr5_filler2;
    std::array<uint8_t, 16> tr5_position;
    uint32_t tr5_null_marker;
    uint32_t tr5_num_triangles;
    uint32_t tr5_num_rectangles;
    uint32_t tr5_zero;
    uint32_t tr5_light_data_size;
    uint32_t tr5_num_lights2;
    uint32_t tr5_y_top;
    uint32_t tr5_y_bottom;
    uint32_t tr5_layer_offset;
    uint32_t tr5_vertices_offset;
    uint32_t tr5_poly_offset;
    uint32_t tr5_poly_offset2;
    uint32_t tr5_vertex_bytes;

    uint16_t num_portals;
    std::array<tr_portal, kRoomMaxPortals> portals;
    uint16_t num_z_sectors;                          // rows
    uint16_t num_x_sectors;                          // columns
    std::array<tr_sector, kRoomMaxSectors> sectors;  // (x) * num_z_sectors + (z), from 0

    // Ambient intensity (signed 16-bit) followed by a second 16-bit value.
    std::array<uint8_t, 4> ambient;
    int16_t light_mode;  // codes 3-4
    uint16_t num_lights;
    std::array<tr_light1, kRoomMaxLights> lights1;  // codes 1-2
    std::array<tr_light, kRoomMaxLights> lights;    // codes 3-5
    std::array<tr4_light, kRoomMaxLights> lights4;  // code 6
    std::array<tr5_light, kRoomMaxLights> light5;   // code 7: every light of the room

    uint16_t num_room_statics;
    std::array<tr_room_static1, kRoomMaxStatics> room_statics1;  // codes 1-2
    std::array<tr_room_static, kRoomMaxStatics> room_statics;    // codes 3-7

    int16_t alternate_room;
    std::array<uint8_t, 2> room_flags;              // bit 0 of the first byte: water
    uint8_t water_scheme, reverb, alternate_group;  // codes 5-6
    uint16_t tr5_room_word;                         // code 7

    // Sector addressing by column x and row z counted from 1; a column of 0 counts as 1.
    // The number is counted from 1: (x - 1) * num_z_sectors + z.
    int32_t sector_number(int32_t x, int32_t z) const;
    // The sector at column x, row z, or nullptr when that lies outside the room's grid.
    tr_sector* sector_at(int32_t x, int32_t z);
    const tr_sector* sector_at(int32_t x, int32_t z) const;

    int16_t ambient_intensity() const { return load_le<int16_t>(ambient.data()); }
    bool is_water() const { return (room_flags[0] & 0x01) != 0; }
};

}  // namespace rw
