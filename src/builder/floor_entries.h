#pragma once
// The floor-data entries of one game sector: slopes, diagonal splits, climbable walls, monkey
// swing and death. Each is added through scp_insert_floor_data, so it ends the sector's chain;
// each returns what the insertion reported (kDone also when the sector needs no entry).
// Rooms are numbered from 1, columns and rows from 1.

#include <cstdint>

#include "document/level_document.h"
#include "levelfile/trlevel.h"
#include "script/floor_data.h"

namespace rw {

InsertResult build_floor_slope(Ttrlevel& level, const Room& room, int n, int c, int r);
InsertResult build_ceiling_slope(Ttrlevel& level, const Room& room, int n, int c, int r);
// TR3 onwards only.
InsertResult build_floor_split(Ttrlevel& level, const Room& room, int n, int c, int r);
InsertResult build_ceiling_split(Ttrlevel& level, const Room& room, int n, int c, int r);
InsertResult build_climb_entry(Ttrlevel& level, const Room& room, int n, int c, int r);
// TR3 onwards only.
InsertResult build_monkey_entry(Ttrlevel& level, int n, int c, int r);
InsertResult build_death_entry(Ttrlevel& level, int n, int c, int r);

// The climb directions of sector (c, r), from the climb flags of the walls its neighbours turn
// towards it: 1 towards the next row, 4 the previous row, 8 the previous column, 2 the next.
uint8_t climb_mask(const Room& room, int c, int r);

}  // namespace rw
