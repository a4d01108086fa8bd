#pragma once
// The level tables that follow the rooms: floor data, meshes, animations, textures, cameras,
// boxes and zones, items, sounds, in file order.

#include <span>

#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/trlevel.h"

namespace rw {

void read_level_tables(level_reader& in, Ttrlevel& level);
void write_level_tables(level_writer& out, const Ttrlevel& level);

// Bytes of one object texture in a file of this version: 20, 38 or 40.
size_t object_texture_bytes(int32_t game_version);
// Entries of sound_map a file of this version holds: 256, 370 or 450.
int sound_map_entries(int32_t game_version);
// The zone arrays a file of this version holds, in file order.
std::span<const ZoneArray> zone_arrays_in_file(int32_t game_version);

}  // namespace rw
