#pragma once
// rwinfo's description of a game level file (.phd, .tub, .tr2, .trg, .tr4, .trc).

#include <ostream>
#include <string>

namespace rw::info {

// Loads the level at `path` and prints its game version, table counts and rooms as JSON;
// `full` adds every sector of each room, the rooms' static meshes, the items, the cameras and
// the floor data. A refused file prints its refusal message on `err` and gives 1; a missing
// file gives 3; 0 when printed. OS and zlib failures propagate as exceptions.
int print_level_info(const std::string& path, bool full, std::ostream& out, std::ostream& err);

}  // namespace rw::info
