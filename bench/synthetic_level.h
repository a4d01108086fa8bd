#pragma once
// A level made up in memory for the benchmarks: textures with some noise in them (so that
// deflate works as hard as on real art), full rooms and tables of a plausible size.

#include <cstdint>
#include <string>
#include <vector>

#include "levelfile/game_version.h"

namespace rw {

// Writes the level to `path` and returns the file's bytes.
std::vector<uint8_t> write_synthetic_level(int32_t game_version, int tiles, int rooms,
                                           const std::string& path);

}  // namespace rw
