#pragma once
// rwinfo's description of a Polysmith mesh file (.msh).

#include <ostream>
#include <string>

namespace rw::info {

// Reads the mesh file at `path` with the record sizes of the game version it names and prints
// it as JSON; `full` adds where each room block and the zone arrays lie in the file. A file
// that is not a mesh file, names no game version or is damaged prints why on `err` and gives 1;
// 0 when printed. OS failures propagate as exceptions.
int print_mesh_info(const std::string& path, bool full, std::ostream& out, std::ostream& err);

}  // namespace rw::info
