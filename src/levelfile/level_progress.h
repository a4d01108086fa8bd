#pragma once
// Progress of reading and writing: the room phase runs from 50 to 80.

#include <cstdint>

#include "levelfile/trlevel.h"

namespace rw {

// After room `index` (from 0) of `count`: 50 plus the rounded-down share of 30 done so far, so
// the last room lands on 80 exactly.
inline void report_room_progress(const Ttrlevel& level, int32_t index, int32_t count) {
    level.report_progress(50 + static_cast<int>((int64_t{30} * (index + 1)) / count));
}

}  // namespace rw
