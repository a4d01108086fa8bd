#pragma once
// A document sector's floor and ceiling as four corner heights in blocks, the way every build
// step sees them. A stored split kind other than 1 or 2 has the corners of a four-corner
// surface, so that the walls beside it are defined; it gets neither a face nor a slope.

#include <cstdint>

#include "document/corner_heights.h"
#include "document/level_document.h"

namespace rw {

inline uint16_t split_kind(uint16_t stored) {
    return stored == 1 || stored == 2 ? stored : 0;
}

// Floor corners are heights above the room's bottom, in the corner order front-left,
// front-right, back-right, back-left.
inline Corners floor_corners(const Sector& s) {
    return FloorCorners(s, split_kind(s.floor_split));
}
// Ceiling corners are depths below the room's top.
inline Corners ceiling_corners(const Sector& s) {
    return CeilingCorners(s, split_kind(s.ceiling_split));
}

// A sector is open when its floor stays below its ceiling everywhere.
inline bool is_open(const Corners& floor, const Corners& ceiling, int32_t room_height) {
    return highest(floor) < room_height - lowest(ceiling);
}

}  // namespace rw
