#pragma once
// Conversions between the document's blocks and clicks and the game's units. Document values
// are taken as they are stored, so every sum is made in 64 bits and only the final value is
// narrowed, keeping the low bits the way the game fields hold them.

#include <cmath>
#include <cstdint>

#include "document/level_document.h"

namespace rw {

inline constexpr int32_t kBlock = 1024;  // world units of one sector's width
inline constexpr int32_t kClick = 256;   // a quarter block

// The low 8 bits as a signed byte.
inline int8_t signed8(int64_t v) {
    return static_cast<int8_t>(static_cast<uint8_t>(v & 0xFF));
}
inline int16_t low16(int64_t v) {
    return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF));
}
inline int32_t low32(int64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(v & 0xFFFFFFFF));
}

// The game click value of a height of `clicks` clicks above the level's zero (Y points down).
inline int8_t game_clicks(int64_t clicks) {
    return signed8(127 - clicks);
}

// A height in blocks as world units, with its fraction dropped.
inline int64_t block_units(double blocks) {
    return static_cast<int64_t>(std::trunc(blocks * kBlock));
}
// A height in blocks with its fraction dropped.
inline int64_t whole_blocks(double blocks) {
    return static_cast<int64_t>(std::trunc(blocks));
}

// The room's bottom and top in world units.
inline int32_t room_y_bottom(const Room& room) {
    return int32_t{game_clicks(int64_t{4} * room.pos_y - 1)} * kClick;
}
inline int32_t room_y_top(const Room& room) {
    return int32_t{game_clicks(int64_t{4} * (int64_t{room.pos_y} + room.height) - 1)} * kClick;
}

// Document textures count from 1 with 0 for none; faces count from 0 with -1 for none.
inline int64_t face_texture(int64_t document_texture) {
    return document_texture - 1;
}

}  // namespace rw
