#pragma once
// The file header of codes 6-7: tile counts and the compressed texture chunks, and for code 6
// the compressed level data. On writing, the header is put in front of level data that has
// already been assembled, since the level data's length is only known then.

#include <cstdint>
#include <string>
#include <vector>

#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/trlevel.h"

namespace rw {

// Reads what follows the version word up to the level data. For code 6 the level data chunk is
// inflated into `level_data`. `file_name` names the file in compression errors.
void read_packed_header(level_reader& in, Ttrlevel& level, const std::string& file_name,
                        std::vector<uint8_t>& level_data);

// Writes the version word, the texture chunks and the level data (deflated for code 6, as it is
// for code 7), then the samples.
void write_packed_level(level_writer& out, Ttrlevel& level, const std::string& file_name,
                        const uint8_t* level_data, size_t level_data_size);

}  // namespace rw
