#pragma once
// The rooms of code 7. A room is read with all its layers, which are merged into the room's
// geometry; it is written back as one layer, with its offsets and sizes recomputed.

#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/trlevel.h"

namespace rw {

void read_tr5_rooms(level_reader& in, Ttrlevel& level);
void write_tr5_rooms(level_writer& out, Ttrlevel& level);

// Bytes of a room's fixed part, from its marker to the start of its data area.
inline constexpr size_t kTr5RoomHeaderBytes = 216;
// Bytes a light takes in the file: its record and three fillers.
inline constexpr uint32_t kTr5LightBytes = 88;
// Bytes of a stored layer header.
inline constexpr size_t kTr5LayerHeaderBytes = sizeof(tr5_layer_header);

}  // namespace rw
