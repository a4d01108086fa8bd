#pragma once
// A sector's stored shape turned into the numbers the view, the editing windows and the build
// work with.

#include <array>
#include <cstdint>

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

}  // namespace rw
