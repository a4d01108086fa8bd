#pragma once
// The static meshes of a room: the document's ornaments placed on their sectors of the game
// room. Rooms are numbered from 1, columns and rows from 1.

#include <cstdint>

#include "document/level_document.h"
#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"

namespace rw {

struct StaticPlacement {
    int32_t column;
    int32_t row;
    int32_t height;  // clicks above the sector's floor
    uint16_t mesh_id;
    int32_t rotation;          // eighths of a turn
    uint8_t alignment;         // 0 Centered, 1 Left (+Z), 2 Front (-Z), 3 Right (-X), 4 Back (+X)
    int32_t red, green, blue;  // 0..31; a negative red takes the room's ambient light
};

// Places every ornament of document room n whose mesh the level holds, in order; the first
// ornament with an unknown mesh ends the placing. An ornament standing outside the room's grid
// is left out with a line in `log` (may be null).
void build_room_statics(Ttrlevel& level, const Room& room, int n, LogSink* log);

// Adds one static mesh record to game room n. Returns false, adding nothing, when the sector
// lies outside the room or the room holds no more statics.
bool place_room_static(Ttrlevel& level, int n, const StaticPlacement& p);

}  // namespace rw
