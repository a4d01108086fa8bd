#pragma once
// The last steps of a build before the optional mesh file, TR5 layer and script: the closing
// floor-data word, Lara's start item and the conversion into the forms the level writer needs.

#include <cstdint>

#include "document/level_document.h"
#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"

namespace rw {

// Appends a zero word and stores the list's length in its first word.
void finish_floor_data(Ttrlevel& level);

// Keeps Lara's start in the level: a room above room_count (or below 1) becomes room 1, and a
// sector outside that room's grid becomes (2, 2) when that sector is open, otherwise the open
// sector nearest to where she was. Each change is stored in the document and logged.
void place_lara_inside(LevelDocument& doc, const Ttrlevel& level, LogSink* log);

// The level's items become Lara alone, standing on the centre of her start sector; cameras,
// sound sources and flyby cameras are emptied.
void add_lara_item(Ttrlevel& level, const LevelDocument& doc);

// Fills the second vertex form and its lighting, the rooms' light fields, the 24-byte items and
// the 8-byte boxes from the forms the build made, and clears every zone.
void convert_level_data(Ttrlevel& level);

// TR5 levels carry a copy of Lara's item with this object id.
inline constexpr int16_t kTR5ExtraLaraObject = 434;
void add_tr5_lara_copy(Ttrlevel& level);

}  // namespace rw
