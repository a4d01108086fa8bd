#pragma once
// Documents and game levels for build tests, made in memory.

#include <cstdint>
#include <memory>
#include <vector>

#include "document/level_document.h"
#include "levelfile/trlevel.h"

namespace rw::test {

struct RoomPlan {
    uint16_t columns = 3;
    uint16_t rows = 3;
    uint16_t height = 4;
    int32_t pos_x = 0;
    int32_t pos_z = 0;
    int32_t pos_y = 1;
};

// Default textures of a test room: floor 11, floor wall 21, ceiling 31, ceiling wall 41, so a
// face's texture tells which kind of surface made it.
inline constexpr int32_t kFloorTexture = 11;
inline constexpr int32_t kFloorWallTexture = 21;
inline constexpr int32_t kCeilingTexture = 31;
inline constexpr int32_t kCeilingWallTexture = 41;

std::unique_ptr<LevelDocument> empty_document();

// Appends a room initialised as the editor initialises it (border sectors are walls).
Room& add_room(LevelDocument& doc, const RoomPlan& plan);

// Makes every sector of the room open with a flat floor and ceiling.
void open_all(Room& room);

// A level of this game version with `rooms` empty rooms and the leading floor-data word.
std::unique_ptr<Ttrlevel> empty_level(int32_t game_version, int rooms);

// Game room n's header, grid size and plain sectors from document room n, as the build makes
// them before any floor data.
void prepare_game_room(Ttrlevel& level, const LevelDocument& doc, int n);

std::vector<uint16_t> floor_words_from(const Ttrlevel& level, size_t from);

// The seven game versions, for tables run over each.
inline constexpr int32_t kAllVersions[] = {1, 2, 3, 4, 5, 6, 7};

}  // namespace rw::test
