#pragma once
// Fills the TR5 forms of every room (vertices, faces, room words and one layer header) from the
// older forms; the writer then stores each room as that one layer.

#include "levelfile/trlevel.h"

namespace rw {

// The constant tail of a built layer header (bytes 44, 48 and 52).
inline constexpr uint32_t kLayerHeaderTail44 = 0x0036362C;
inline constexpr uint32_t kLayerHeaderTail48 = 0x022E1DE4;
inline constexpr uint32_t kLayerHeaderTail52 = 0x01651DB0;

// A room's one layer header as the build makes it.
tr5_layer_header default_layer_header(const troom& room);

// One room's TR5 forms, room words and layer header from its older forms.
void build_tr5_room_layer(troom& room);

void build_tr5_layer(Ttrlevel& level);

}  // namespace rw
