#pragma once
// A sector's stored shape turned into the numbers the view, the editing windows and the build
// work with.

#include <algorithm>
#include <array>
#include <cstdint>

#include "document/level_document.h"

namespace rw {

struct GridCell {
    int column;
    int row;
};

// Inverse of sector_pick_name: the column and row of a picked sector name (name >= 1).
GridCell SplitPickName(int32_t name, int32_t rows);

// Corner heights in blocks, in the order front-left, front-right, back-right, back-left.
using Corners = std::array<double, 4>;

// Heights of the four corners of a floor or ceiling: base in blocks, the raises in clicks.
// For a kind other than 0, 1 or 2 the corners are left as they were.
void CornerHeights(int32_t kind, int32_t base, int32_t raise, int32_t front, int32_t back,
                   int32_t left, int32_t right, Corners& corners);

// A sector's floor corners (heights above the room's bottom) and ceiling corners (depths below
// its top), with the split kind given or, without one, the stored kind.
Corners FloorCorners(const Sector& s, int32_t kind);
Corners CeilingCorners(const Sector& s, int32_t kind);
inline Corners FloorCorners(const Sector& s) {
    return FloorCorners(s, s.floor_split);
}
inline Corners CeilingCorners(const Sector& s) {
    return CeilingCorners(s, s.ceiling_split);
}

inline double highest(const Corners& c) {
    return *std::max_element(c.begin(), c.end());
}
inline double lowest(const Corners& c) {
    return *std::min_element(c.begin(), c.end());
}

}  // namespace rw
