#pragma once
// Floor data chains of game sectors. A sector's fd_index points at its chain: entries of a
// first word (function in bits 0-4, sub-function in bits 8-14, end of chain in bit 15) followed
// by the entry's data words.

#include <cstdint>

#include "levelfile/trlevel.h"

namespace rw {

inline constexpr uint16_t kFloorDataEndBit = 0x8000;
inline constexpr uint16_t kFunctionPortal = 1;
inline constexpr uint16_t kFunctionFloorSlope = 2;
inline constexpr uint16_t kFunctionCeilingSlope = 3;
inline constexpr uint16_t kFunctionTrigger = 4;
inline constexpr uint16_t kFunctionDeath = 5;
inline constexpr uint16_t kFunctionClimb = 6;
inline constexpr uint16_t kFunctionMonkey = 19;
// fd_index is 16 bits wide, so a chain can only start below this.
inline constexpr int32_t kMaxFloorDataIndex = 0xFFFF;

enum class InsertResult {
    kDone,
    kNoSuchSector,   // the room or the sector lies outside the level
    kFloorDataFull,  // the new chain would start beyond what fd_index can address
};

// Appends a copy of the chain that starts at `index` to the end of floor_data, with the end bit
// of every entry's first word cleared; trigger entries are copied whole. Stops after the entry
// that ended the chain, or at the end of the list.
void copy_floor_data_chain(Ttrlevel& level, int32_t index);

// Gives the sector at column x, row z (from 1) of room `room` (from 1) a fresh chain at the end
// of floor_data: a copy of its old chain followed by the `length` new bytes (little-endian
// words). The old chain stays in the list, no longer referenced by this sector.
InsertResult scp_insert_floor_data(Ttrlevel& level, int32_t room, int32_t x, int32_t z,
                                   const uint8_t* bytes, int32_t length);

}  // namespace rw
