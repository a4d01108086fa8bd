#pragma once
// Where script commands put things: a room and sector named by script numbers (rooms and
// sectors from 1), and the world point of a sector at a height above its floor.

#include <cstdint>
#include <span>

#include "levelfile/trlevel.h"
#include "script/script_fault.h"

namespace rw {

// A command's integer arguments, first argument at index 0.
using ScriptArgs = std::span<const int32_t>;

inline int32_t arg_or(ScriptArgs args, size_t index, int32_t fallback) {
    return index < args.size() ? args[index] : fallback;
}

struct SectorRef {
    troom* room = nullptr;
    tr_sector* sector = nullptr;
    int32_t room_number = 0;  // from 1
    int32_t x = 0, z = 0;     // column and row from 1
};

// The room numbered `room` from 1, or nullptr when the level has no such room.
troom* script_room(Ttrlevel& level, int32_t room);

// Finds the sector at column x, row z of room `room`; a column of 0 counts as 1.
ScriptFault locate_sector(Ttrlevel& level, int32_t room, int32_t x, int32_t z, SectorRef& out);

struct WorldPoint {
    int32_t x, y, z;
};

// The sector's centre at `height` clicks above its floor, moved to the middle of one edge by
// `edge`: 1 to +Z, 2 to -Z, 3 to -X, 4 to +X; other values keep the centre.
WorldPoint sector_point(const SectorRef& at, int32_t height, int32_t edge = 0);

// The game angle of `quarter_turns` quarter turns.
uint16_t script_angle(int32_t quarter_turns);

}  // namespace rw
