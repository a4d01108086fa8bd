#pragma once
// A room's visible mesh: the floor and ceiling of every open sector and the walls between
// sectors of different heights, made as loose faces and turned into the game room's shared
// vertices, rectangles and triangles.

#include "document/level_document.h"
#include "levelfile/geometry_pool.h"
#include "levelfile/troom.h"

namespace rw {

// Fills `game` (whose x, z, y_bottom and y_top are set) with the mesh of `room`, using `list`
// as the work list. Returns what the room asked for; counts over the room's capacities mean
// geometry was lost and the room cannot be built.
room_geometry_needs build_room_geometry(const Room& room, troom& game, face_list& list);

}  // namespace rw
