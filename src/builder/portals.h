#pragma once
// Per-sector step sounds and wall portals, and each room's visibility portals. Rooms are
// numbered from 1, columns and rows from 1.

#include <cstdint>

#include "document/level_document.h"
#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"
#include "script/floor_data.h"

namespace rw {

// The floor material of a step sound: 0 Normal, 1 Wood, 2 Metal, 3 Grass; 4-15 are materials
// themselves.
uint16_t step_sound_material(uint8_t step_sound);

// TR3 onwards: the low four bits of the sector's box_index become its floor material.
void build_step_sound(Ttrlevel& level, const Room& room, int n, int c, int r);

// A sector with a room on its side gets a portal entry to that room at the end of its chain.
InsertResult build_wall_portal(Ttrlevel& level, const Room& room, int n, int c, int r);

// The game room's portals from the document room's portal views. A view with an unknown
// facing, joining a room the level does not have, or whose wall view stands on a sector outside
// the room, is left out with a line in `log` (may be null).
void build_room_portals(Ttrlevel& level, const Room& room, int n, LogSink* log);

}  // namespace rw
