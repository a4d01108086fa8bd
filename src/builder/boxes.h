#pragma once
// Boxes, overlaps and zones, the tables by which the game's creatures find their way: either one
// box per open sector of a room or one box for the whole room. Boxes are made in the 20-byte
// form (boxes1); the data conversion derives the 8-byte form. Rooms are indexed from 0.

#include <cstdint>

#include "levelfile/trlevel.h"

namespace rw {

// A sector's box_index for box `box` (-1: none) in this game version: the number itself up to
// TR2, from TR3 on the number shifted left by 4 over the default floor material 5.
uint16_t encode_box_index(int32_t game_version, int32_t box);

// The box floor value of a game floor of `clicks`; 128 per click.
int16_t box_floor_value(int8_t clicks);

// The most boxes a level of this game version can number: TR3 onwards keep 12 bits of box
// number in a sector, and overlap words keep the box number below their end bit.
int32_t max_boxes(int32_t game_version);
// A box's overlap index is a signed 16-bit field.
inline constexpr int32_t kMaxOverlapIndex = 0x7FFF;

// The number of boxes build_tiled_boxes makes for the room: one per sector that is not a wall.
int32_t tiled_box_count(const troom& room);

// Both return false when a box's overlap index went beyond kMaxOverlapIndex.
bool build_tiled_boxes(Ttrlevel& level, int room_index);
bool build_room_box(Ttrlevel& level, int room_index);

}  // namespace rw
