#pragma once
// Game level files assembled field by field from the file layout, for every game version,
// independent of the writer under test. Record contents follow a byte pattern so that a copy
// from the wrong place shows.

#include <array>
#include <cstdint>
#include <vector>

#include "byte_builder.h"

namespace rw::test {

// A TR5 layer vertex position; the rest of the vertex follows the pattern.
struct fixture_vertex {
    float x, y, z;
};

struct fixture_layer {
    std::vector<fixture_vertex> vertices;
    std::vector<std::array<uint16_t, 4>> rectangles;  // indices into this layer's vertices
    std::vector<std::array<uint16_t, 3>> triangles;
};

struct fixture_room {
    int vertices = 4;
    int rectangles = 1;
    int triangles = 1;
    int sprites = 1;  // codes 1-6
    int portals = 1;
    int z_sectors = 2;
    int x_sectors = 3;
    int lights = 1;
    int statics = 1;
    int16_t alternate_room = -1;
    int tr5_records = 1;
    // Code 7: the room's layers; empty means one layer made of the counts above.
    std::vector<fixture_layer> layers;
};

struct fixture_level {
    int32_t version = 1;
    uint32_t version_word = 0;  // 0: the usual word of the version
    int tiles = 1;
    int tiles32 = -1;  // codes 6-7: tiles in the 32-bit chunk; -1: as many as `tiles`
    std::vector<fixture_room> rooms = {fixture_room{}, fixture_room{}};
    int samples = 10;  // codes 1-2: sample bytes; 6-7: bytes after the level data
};

uint8_t pattern_byte(size_t i, int seed);
std::vector<uint8_t> pattern(size_t n, int seed);

// The whole file.
std::vector<uint8_t> level_file(const fixture_level& level);

// Code 6: the level data before it is deflated into its chunk.
std::vector<uint8_t> tr4_level_data(const fixture_level& level);

// Codes 6-7, split into the parts a comparison needs: the chunks inflated.
struct packed_file_parts {
    std::vector<uint8_t> head;  // version word and tile counts
    std::vector<std::vector<uint8_t>> chunks;
    std::vector<uint32_t> unpacked_lengths;
    std::vector<uint8_t> rest;  // code 7: the plain level data and the samples; 6: the samples
};
packed_file_parts split_packed_file(const std::vector<uint8_t>& file, bool tr4);

// The stored bytes of one classic room or one TR5 room (written as one layer, the writer's own
// form), for tests that look at a room's bytes.
void append_classic_room(ByteBuilder& b, int32_t version, const fixture_room& room, int seed);
void append_tr5_room(ByteBuilder& b, const fixture_room& room, int seed);

// Offsets of fields within a TR5 room as assembled by append_tr5_room, from the room marker.
inline constexpr size_t kTr5RoomDataSizeAt = 4;
inline constexpr size_t kTr5RoomAlternateAt = 84;
inline constexpr size_t kTr5RoomLightDataSizeAt = 156;
inline constexpr size_t kTr5RoomVertexBytesAt = 196;
inline constexpr size_t kTr5RoomDataStart = 216;

}  // namespace rw::test
