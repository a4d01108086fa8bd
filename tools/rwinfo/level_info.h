#pragma once
// rwinfo's description of a game level file (.phd, .tub, .tr2, .trg, .tr4, .trc).

#include <ostream>
#include <string>

namespace rw::info {

// Loads the level at `path` and prints its game version, version word, every table count, its
// texture blocks and, per room, position, extents, counts and flags as JSON; `full` adds each
// room's sectors, portals, lights and static meshes, and the level's floor data, items, cameras,
// boxes, overlaps and zones. A refused file prints its refusal message on `err` and gives 1; a
// missing file gives 3; 0 when printed. OS and zlib failures propagate as exceptions.
int print_level_info(const std::string& path, bool full, std::ostream& out, std::ostream& err);

}  // namespace rw::info
