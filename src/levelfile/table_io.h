#pragma once
// Tables stored as a count followed by their records, read into a level table sized by its
// set-count operation and written back from it. Records are block copies: their layouts are
// pinned to the stored ones.

#include <cstdint>
#include <vector>

#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/trlevel.h"

namespace rw {

using set_count_fn = void (Ttrlevel::*)(int32_t);

template <class Count, class Record>
void read_table(level_reader& in, Ttrlevel& level, set_count_fn set_num, std::vector<Record>& table,
                const char* what) {
    const Count n = in.value<Count>(what);
    in.expect(n, sizeof(Record), kUnbounded, what);
    (level.*set_num)(static_cast<int32_t>(n));
    in.read(table.data(), size_t{n} * sizeof(Record), what);
}

template <class Count, class Record>
void write_table(level_writer& out, int32_t count, const std::vector<Record>& table) {
    out.value<Count>(static_cast<Count>(count));
    out.put(table.data(), static_cast<size_t>(count) * sizeof(Record));
}

}  // namespace rw
