#include "builder/floor_entries.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "builder/game_units.h"
#include "builder/sector_shape.h"

namespace rw {

namespace {

InsertResult insert_words(Ttrlevel& level, int n, int c, int r,
                          std::initializer_list<uint16_t> words) {
    std::vector<uint8_t> bytes;
    bytes.reserve(words.size() * 2);
    for (const uint16_t w : words) {
        bytes.push_back(static_cast<uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
    return scp_insert_floor_data(level, n, c, r, bytes.data(), static_cast<int32_t>(bytes.size()));
}

uint16_t word(int64_t v) {
    return static_cast<uint16_t>(v & 0xFFFF);
}

// A slope's raise and edges with the negative edges folded into the raise: an edge that dips
// lowers the whole surface and lifts the opposite edge instead.
struct Slope {
    int64_t raise, front, back, left, right;
};

Slope fold_negative_edges(int64_t raise, int64_t front, int64_t back, int64_t left, int64_t right) {
    auto dip = [](int64_t e) { return e < 0 ? -e : 0; };
    auto keep = [](int64_t e) { return e < 0 ? 0 : e; };
    Slope s{};
    s.raise = raise - dip(front) - dip(back) - dip(left) - dip(right);
    s.front = keep(front) + dip(back);
    s.back = keep(back) + dip(front);
    s.left = keep(left) + dip(right);
    s.right = keep(right) + dip(left);
    return s;
}

// How far the surface's extreme corner lies beyond its folded raise, in clicks.
int64_t corner_extent(const Slope& s, int8_t x_slant, int8_t z_slant) {
    return std::abs(int{x_slant}) + std::abs(int{z_slant}) + std::min(s.left, s.right) +
           std::min(s.front, s.back);
}

uint16_t slant_word(int8_t x_slant, int8_t z_slant) {
    return static_cast<uint16_t>(static_cast<uint8_t>(x_slant) |
                                 static_cast<uint16_t>(static_cast<uint8_t>(z_slant)) << 8);
}

// The two words of a split entry before the function and the corner order are applied.
struct SplitShape {
    int h1 = 0, h2 = 0, s1 = 0, s2 = 0;
    int q1 = 0, q2 = 0, q3 = 0, q4 = 0;
};

SplitShape split_shape(int kind, int16_t front, int16_t back, bool ceiling) {
    const int f = front, b = back;
    SplitShape sh;
    int carry = 0;
    sh.h1 = f;
    sh.h2 = b;
    if (f < 0 && b >= 0) {
        carry = b;
        sh.h2 = 0;
    }
    if (sh.h2 < 0 && sh.h1 >= 0) {
        carry = sh.h1;
        sh.h1 = 0;
    }
    if (sh.h1 < 0 || sh.h2 < 0) std::swap(sh.h1, sh.h2);
    if (f < 0) {
        sh.s1 = 1;
        sh.h2 = f + 16 + carry;
        if (sh.h2 >= 16) {
            sh.h2 -= 16;
            sh.s1 = 0;
        }
    }
    if (b < 0) {
        sh.s2 = 1;
        sh.h1 = b + 16 + carry;
        if (sh.h1 >= 16) {
            sh.h1 -= 16;
            sh.s2 = 0;
        }
    }
    if (ceiling) {
        // Ceiling heights count downwards.
        if (sh.h1 != 0) {
            sh.h1 = 16 - sh.h1;
            sh.s2 ^= 1;
        }
        if (sh.h2 != 0) {
            sh.h2 = 16 - sh.h2;
            sh.s1 ^= 1;
        }
    }
    const int d = -std::min({f, b, 0});
    if (kind == 1) {
        sh.q1 = d + b;
        sh.q2 = d;
        sh.q3 = d + f;
        sh.q4 = d;
    } else {
        sh.q1 = d;
        sh.q2 = d + f;
        sh.q3 = d;
        sh.q4 = d + b;
    }
    return sh;
}

uint16_t split_first_word(int function, const SplitShape& sh) {
    return word(int64_t{function} + sh.h1 * 32 + sh.s2 * 512 + sh.h2 * 1024 + sh.s1 * 16384 +
                kFloorDataEndBit);
}

int64_t positive(int64_t v) {
    return v > 0 ? v : 0;
}

bool has_split_entries(const Ttrlevel& level) {
    return level.game_version >= kTR3;
}

}  // namespace

InsertResult build_floor_slope(Ttrlevel& level, const Room& room, int n, int c, int r) {
    const Sector& s = room.sector(c, r);
    if (s.floor_front == 0 && s.floor_back == 0 && s.floor_left == 0 && s.floor_right == 0) {
        return InsertResult::kDone;
    }
    if (s.floor_split != 0) return InsertResult::kDone;
    const Slope sl = fold_negative_edges(s.floor_raise, s.floor_front, s.floor_back, s.floor_left,
                                         s.floor_right);
    const int8_t x_slant = signed8(sl.right - sl.left);
    const int8_t z_slant = signed8(sl.back - sl.front);
    const InsertResult result =
        insert_words(level, n, c, r, {0x8000 | kFunctionFloorSlope, slant_word(x_slant, z_slant)});
    if (result != InsertResult::kDone) return result;
    // The game's floor value is the sector's highest corner.
    tr_sector* g = level.rooms[static_cast<size_t>(n - 1)].sector_at(c, r);
    g->floor =
        signed8(int64_t{g->floor} + s.floor_raise - sl.raise - corner_extent(sl, x_slant, z_slant));
    return result;
}

InsertResult build_ceiling_slope(Ttrlevel& level, const Room& room, int n, int c, int r) {
    const Sector& s = room.sector(c, r);
    if (s.ceiling_front == 0 && s.ceiling_back == 0 && s.ceiling_left == 0 &&
        s.ceiling_right == 0) {
        return InsertResult::kDone;
    }
    if (s.ceiling_split != 0) return InsertResult::kDone;
    const Slope sl = fold_negative_edges(s.ceiling_raise, s.ceiling_front, s.ceiling_back,
                                         s.ceiling_left, s.ceiling_right);
    const int8_t x_slant = signed8(sl.left - sl.right);
    const int8_t z_slant = signed8(sl.back - sl.front);
    const InsertResult result = insert_words(
        level, n, c, r, {0x8000 | kFunctionCeilingSlope, slant_word(x_slant, z_slant)});
    if (result != InsertResult::kDone) return result;
    // The game's ceiling value is the sector's lowest corner.
    tr_sector* g = level.rooms[static_cast<size_t>(n - 1)].sector_at(c, r);
    g->ceiling = signed8(int64_t{g->ceiling} - s.ceiling_raise + sl.raise +
                         corner_extent(sl, x_slant, z_slant));
    return result;
}

InsertResult build_floor_split(Ttrlevel& level, const Room& room, int n, int c, int r) {
    const Sector& s = room.sector(c, r);
    const int kind = split_kind(s.floor_split);
    if (!has_split_entries(level) || kind == 0) return InsertResult::kDone;
    const auto front = static_cast<int16_t>(s.floor_front);
    const auto back = static_cast<int16_t>(s.floor_back);
    const SplitShape sh = split_shape(kind, front, back, false);
    int function = kind == 1 ? 8 : 7;
    if (s.room_below != 0) {
        const bool portal = s.floor_portal_triangle != 0;
        function = kind == 1 ? (portal ? 13 : 14) : (portal ? 11 : 12);
    }
    const InsertResult result = insert_words(
        level, n, c, r,
        {split_first_word(function, sh), word(sh.q1 + sh.q2 * 16 + sh.q3 * 256 + sh.q4 * 4096)});
    if (result != InsertResult::kDone) return result;
    tr_sector* g = level.rooms[static_cast<size_t>(n - 1)].sector_at(c, r);
    g->floor = signed8(int64_t{g->floor} - positive(front) - positive(back));
    return result;
}

InsertResult build_ceiling_split(Ttrlevel& level, const Room& room, int n, int c, int r) {
    const Sector& s = room.sector(c, r);
    const int kind = split_kind(s.ceiling_split);
    if (!has_split_entries(level) || kind == 0) return InsertResult::kDone;
    const auto front = static_cast<int16_t>(s.ceiling_front);
    const auto back = static_cast<int16_t>(s.ceiling_back);
    const SplitShape sh = split_shape(kind, front, back, true);
    int function = kind == 1 ? 10 : 9;
    if (s.room_above != 0) {
        const bool portal = s.ceiling_portal_triangle != 0;
        function = kind == 1 ? (portal ? 18 : 17) : (portal ? 16 : 15);
    }
    const InsertResult result = insert_words(
        level, n, c, r,
        {split_first_word(function, sh), word(sh.q4 + sh.q3 * 16 + sh.q2 * 256 + sh.q1 * 4096)});
    if (result != InsertResult::kDone) return result;
    tr_sector* g = level.rooms[static_cast<size_t>(n - 1)].sector_at(c, r);
    g->ceiling = signed8(int64_t{g->ceiling} + positive(front) + positive(back));
    return result;
}

InsertResult build_climb_entry(Ttrlevel& level, const Room& room, int n, int c, int r) {
    const uint8_t mask = room.sector(c, r).climb_mask;
    return insert_words(level, n, c, r, {word(0x8000 + kFunctionClimb + mask * 256)});
}

InsertResult build_monkey_entry(Ttrlevel& level, int n, int c, int r) {
    if (level.game_version < kTR3) return InsertResult::kDone;
    return insert_words(level, n, c, r, {0x8000 | kFunctionMonkey});
}

InsertResult build_death_entry(Ttrlevel& level, int n, int c, int r) {
    return insert_words(level, n, c, r, {0x8000 | kFunctionDeath});
}

uint8_t climb_mask(const Room& room, int c, int r) {
    uint8_t mask = 0;
    if (r < room.rows && room.sector(c, r + 1).climb_front != 0) mask |= 0x01;
    if (r > 1 && room.sector(c, r - 1).climb_back != 0) mask |= 0x04;
    if (c > 1 && room.sector(c - 1, r).climb_right != 0) mask |= 0x08;
    if (c < room.columns && room.sector(c + 1, r).climb_left != 0) mask |= 0x02;
    return mask;
}

}  // namespace rw
