#include "builder/sector_shape.h"

namespace rw {

Corners floor_corners(const Sector& s) {
    Corners c{};
    CornerHeights(split_kind(s.floor_split), s.floor_base, s.floor_raise, s.floor_front,
                  s.floor_back, s.floor_left, s.floor_right, c);
    return c;
}

Corners ceiling_corners(const Sector& s) {
    Corners c{};
    CornerHeights(split_kind(s.ceiling_split), s.ceiling_base, s.ceiling_raise, s.ceiling_front,
                  s.ceiling_back, s.ceiling_left, s.ceiling_right, c);
    return c;
}

}  // namespace rw
