#pragma once
// Merges a TR5 room's layers into the room's own geometry: layer vertices at the same whole
// position become one room vertex, and the faces of every layer index the merged list.

#include "levelfile/troom.h"

namespace rw {

// Throws level_damage when the merged geometry does not fit the room or a face names a vertex
// its layer does not have.
void merge_tr5_layers(troom& room);

}  // namespace rw
