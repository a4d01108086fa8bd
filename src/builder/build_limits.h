#pragma once
// What a document must keep within to be built: the capacities of the game's rooms, boxes and
// floor data. Each check returns the refusal shown to the user, or nothing when the build can
// go on.

#include <cstdint>
#include <optional>
#include <string>

#include "document/level_document.h"
#include "levelfile/geometry_pool.h"

namespace rw {

using Refusal = std::optional<std::string>;

// The document's own counts: rooms, and each room's as check_room_counts and check_room_links.
Refusal check_document_counts(const LevelDocument& doc);
// Room n's grid size, portal views and ornaments.
Refusal check_room_counts(int n, const Room& room);
// The rooms the sectors of room n's grid join at their side, above and below: each must be one
// of the level's `room_count` rooms, or the game would follow a portal into no room.
Refusal check_room_links(int n, const Room& room, int room_count);

// What room n's mesh asked for against the room's capacities.
Refusal check_room_geometry(int n, const room_geometry_needs& needs);

// The boxes the level holds after room n against what its box numbers can address.
Refusal check_box_count(int n, int32_t boxes, int32_t game_version);
Refusal overlap_index_too_far(int n);

// A sector chain of room n that would start beyond what fd_index addresses.
std::string floor_data_full(int n);

}  // namespace rw
