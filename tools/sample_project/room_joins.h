#pragma once
// Joins two placed sample rooms through a portal the way the editor's room linking does: the
// inner part of one room's wall, floor or ceiling is opened towards the other, the matching
// sectors of the other room are opened back, and each room gets a portal view of the other.
// Rooms overlap by two sectors across a shared wall: each room's border line lies on the
// other's first inner line.

#include "document/level_document.h"

namespace rw::samples {

// The sides of a room: Front is its last row, Back its first row, Left its first column and
// Right its last column.
enum class Side { kFront, kBack, kLeft, kRight };

// Opens the inner part of room `from`'s wall on `side` towards room `to`, which must lie there
// (overlapping by two sectors) and be at least as wide and as high. Throws std::logic_error
// when the rooms are not placed so.
void join_through_wall(LevelDocument& doc, int from, Side side, int to);

// Opens the inner part of room `lower`'s ceiling towards room `upper`, whose floor lies on
// `lower`'s top and over it; throws std::logic_error otherwise.
void join_through_ceiling(LevelDocument& doc, int lower, int upper);

}  // namespace rw::samples
