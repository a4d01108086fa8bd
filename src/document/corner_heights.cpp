#include "document/corner_heights.h"

namespace rw {

GridCell SplitPickName(int32_t name, int32_t rows) {
    if (rows <= 0) return {0, 0};
    // Round the quotient up only when the division leaves a remainder.
    int32_t column = name / rows;
    if (name % rows != 0) ++column;
    return {column, name - (column - 1) * rows};
}

void CornerHeights(int32_t kind, int32_t base, int32_t raise, int32_t front, int32_t back,
                   int32_t left, int32_t right, Corners& h) {
    // Sums are taken in 64 bits so that no stored value can overflow them.
    auto q = [](int64_t clicks) { return static_cast<double>(clicks) / 4.0; };
    const double b = base;
    const int64_t r = raise;
    switch (kind) {
        case 0:
            h = {b + q(r + front + left), b + q(r + front + right), b + q(r + back + right),
                 b + q(r + back + left)};
            break;
        case 1:  // diagonal 1-3: triangle 1 raises corner 4, triangle 2 corner 2
            h = {b + q(r), b + q(r + back), b + q(r), b + q(r + front)};
            break;
        case 2:  // diagonal 2-4: triangle 1 raises corner 1, triangle 2 corner 3
            h = {b + q(r + front), b + q(r), b + q(r + back), b + q(r)};
            break;
        default:
            break;
    }
}

Corners FloorCorners(const Sector& s, int32_t kind) {
    Corners c{};
    CornerHeights(kind, s.floor_base, s.floor_raise, s.floor_front, s.floor_back, s.floor_left,
                  s.floor_right, c);
    return c;
}

Corners CeilingCorners(const Sector& s, int32_t kind) {
    Corners c{};
    CornerHeights(kind, s.ceiling_base, s.ceiling_raise, s.ceiling_front, s.ceiling_back,
                  s.ceiling_left, s.ceiling_right, c);
    return c;
}

}  // namespace rw
