#pragma once
// rwinfo's description of a project file (.rmw).

#include <ostream>
#include <string>

namespace rw::info {

// Loads the project at `path` and prints it as JSON; `full` adds every in-use sector, portal
// view and ornament. A refused file prints its refusal message on `err` and gives 1; 0 when
// printed. OS and zlib failures propagate as exceptions.
int print_project_info(const std::string& path, bool full, std::ostream& out, std::ostream& err);

}  // namespace rw::info
