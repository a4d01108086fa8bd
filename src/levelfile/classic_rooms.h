#pragma once
// The rooms of codes 1-6: each room's position, geometry block, portals, sectors, lights,
// static meshes and flags, in file order.

#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/trlevel.h"

namespace rw {

void read_classic_rooms(level_reader& in, Ttrlevel& level);
void write_classic_rooms(level_writer& out, Ttrlevel& level);

// The geometry block's length in 16-bit words: the four counts and the records they count.
uint32_t classic_data_words(const troom& room, int32_t game_version);

}  // namespace rw
