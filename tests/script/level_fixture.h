#pragma once
// Small in-memory levels for compiler tests, and views of what the compiler wrote as bytes.

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "levelfile/trlevel.h"

namespace rw::test {

// A level of `rooms` rooms of `columns` x `rows` sectors, each with floor 0 (every room at
// x = 1024 * room number, z = 0), whose floor data holds only the leading dummy word.
inline std::unique_ptr<Ttrlevel> script_level(int32_t game_version, int rooms = 2, int columns = 5,
                                              int rows = 5) {
    auto level = std::make_unique<Ttrlevel>();
    level->game_version = game_version;
    level->set_num_rooms(rooms);
    for (int i = 0; i < rooms; ++i) {
        troom& room = level->rooms[static_cast<size_t>(i)];
        room.num_x_sectors = static_cast<uint16_t>(columns);
        room.num_z_sectors = static_cast<uint16_t>(rows);
        room.x = 1024 * (i + 1);
        room.alternate_room = -1;
    }
    level->set_num_floor_data(1);
    return level;
}

template <class T>
std::vector<uint8_t> bytes_of(const T& record) {
    std::vector<uint8_t> out(sizeof(T));
    std::memcpy(out.data(), &record, sizeof(T));
    return out;
}

// The floor data words from `from` to the end, as stored bytes.
inline std::vector<uint8_t> floor_bytes(const Ttrlevel& level, size_t from) {
    std::vector<uint8_t> out;
    for (size_t i = from; i < level.floor_data.size(); ++i) {
        out.push_back(static_cast<uint8_t>(level.floor_data[i]));
        out.push_back(static_cast<uint8_t>(level.floor_data[i] >> 8));
    }
    return out;
}

}  // namespace rw::test
