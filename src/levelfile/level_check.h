#pragma once
// What must hold before a level is written: every count within its table and its capacity, so
// the writer copies only what the record holds and writes a file the reader accepts.

#include <optional>
#include <string>

#include "levelfile/trlevel.h"

namespace rw {

// The first disagreement found for the level's game_version, or none.
std::optional<std::string> check_level_for_writing(const Ttrlevel& level);

}  // namespace rw
