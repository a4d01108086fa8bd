#pragma once
// The sample rooms in the forms of the level's game version: header, sectors, geometry,
// portals, light, statics, ambient and flags; for TR5 also each room's layer.

#include <cstdint>

#include "levelfile/trlevel.h"

namespace rw::samples {

// A sector's box_index for box `box` (-1: none): codes 5-7 keep the box in the high 12 bits and
// a floor material (5, stone) in the low 4.
uint16_t box_index_value(int32_t game_version, int box);

void put_rooms(Ttrlevel& level);

}  // namespace rw::samples
