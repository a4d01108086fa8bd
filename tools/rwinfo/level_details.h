#pragma once
// The records rwinfo --full prints for a game level: per room its sectors, portals, lights and
// static meshes; for the level its floor data, items, cameras, boxes, overlaps and zones. Field
// names are the record's own.

#include "json_writer.h"
#include "levelfile/trlevel.h"

namespace rw::info {

void write_room_details(JsonWriter& json, const troom& room, int32_t game_version);
void write_level_details(JsonWriter& json, const Ttrlevel& level);

}  // namespace rw::info
