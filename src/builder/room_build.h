#pragma once
// One room of the document made into one game room: its header, mesh, sector grid with floor
// data, and static meshes.

#include "builder/build_limits.h"
#include "document/level_document.h"
#include "levelfile/geometry_pool.h"
#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"

namespace rw {

// Position, vertical extent, light and flags of game room n from document room n.
void setup_room_header(const Room& room, troom& game);

// The game sector (c, r) with its heights and the rooms above and below, before any floor data.
tr_sector initial_sector(const Room& room, int c, int r);

// Builds game room n (the level holds at least n rooms). Returns the refusal when the room's
// own counts are out of range or it needs more than a game room or the floor data can hold;
// `list` is the work face list.
Refusal build_room(Ttrlevel& level, LevelDocument& doc, int n, face_list& list, LogSink* log);

}  // namespace rw
