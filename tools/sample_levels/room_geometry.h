#pragma once
// The visible surfaces of a sample room: floors, ceilings and the walls against its ring of wall
// sectors, with openings where a portal leads on.

#include "levelfile/troom.h"
#include "room_plans.h"

namespace rw::samples {

// Replaces the room's vertices, rectangles and triangles; the room's y extent must be set.
void build_room_faces(const RoomPlan& plan, troom& room);

}  // namespace rw::samples
