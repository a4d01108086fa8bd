#pragma once
// The file header of codes 1-5: palettes and texture tiles, stored plain.

#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/trlevel.h"

namespace rw {

// Reads what follows the version word.
void read_classic_header(level_reader& in, Ttrlevel& level);
// Writes the version word and what follows it.
void write_classic_header(level_writer& out, const Ttrlevel& level);

}  // namespace rw
