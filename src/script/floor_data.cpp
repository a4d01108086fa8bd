#include "script/floor_data.h"

#include "levelfile/little_endian.h"

namespace rw {

namespace {

uint16_t function_of(uint16_t word) {
    return word & 0x1F;
}

bool is_single_word(uint16_t function) {
    return function == kFunctionDeath || function == kFunctionClimb || function == kFunctionMonkey;
}

// Trigger kinds whose entry carries an item word after the setup word.
bool names_an_item(uint16_t first_word) {
    const int kind = (first_word >> 8) & 0x7F;
    return kind >= 2 && kind <= 5;
}

constexpr int kCameraAction = 1;

}  // namespace

void copy_floor_data_chain(Ttrlevel& level, int32_t index) {
    // Reads stay within the list as it was; the copy only appends behind it.
    const int32_t end = level.num_floor_data;
    auto& fd = level.floor_data;
    auto append = [&](uint16_t w) {
        fd.push_back(w);
        ++level.num_floor_data;
    };
    int32_t i = index;
    while (i >= 0 && i < end) {
        const uint16_t first = fd[static_cast<size_t>(i++)];
        append(first & ~kFloorDataEndBit);
        const uint16_t function = function_of(first);
        if (function == kFunctionTrigger) {
            int words = names_an_item(first) ? 2 : 1;  // setup word, item word
            for (; words > 0 && i < end; --words)
                append(fd[static_cast<size_t>(i++)]);
            while (i < end) {
                const uint16_t action = fd[static_cast<size_t>(i++)];
                append(action);
                bool last = (action & kFloorDataEndBit) != 0;
                if (((action >> 10) & 0x1F) == kCameraAction && i < end) {
                    const uint16_t second = fd[static_cast<size_t>(i++)];
                    append(second);
                    last = (second & kFloorDataEndBit) != 0;
                }
                if (last) break;
            }
        } else if (!is_single_word(function) && i < end) {
            append(fd[static_cast<size_t>(i++)]);
        }
        if ((first & kFloorDataEndBit) != 0) break;
    }
}

InsertResult scp_insert_floor_data(Ttrlevel& level, int32_t room, int32_t x, int32_t z,
                                   const uint8_t* bytes, int32_t length) {
    if (room < 1 || room > level.num_rooms) return InsertResult::kNoSuchSector;
    tr_sector* sector = level.rooms[static_cast<size_t>(room - 1)].sector_at(x, z);
    if (sector == nullptr) return InsertResult::kNoSuchSector;
    if (level.num_floor_data > kMaxFloorDataIndex) return InsertResult::kFloorDataFull;

    // An fd_index of 0 means "no floor data", so no chain may start there: a level without
    // floor data gets the leading unused word first.
    if (level.num_floor_data == 0) {
        level.floor_data.push_back(0);
        ++level.num_floor_data;
    }
    const uint16_t old_index = sector->fd_index;
    sector->fd_index = static_cast<uint16_t>(level.num_floor_data);
    if (old_index != 0) copy_floor_data_chain(level, old_index);
    for (int32_t k = 0; k + 1 < length; k += 2) {
        level.floor_data.push_back(load_le<uint16_t>(bytes + k));
        ++level.num_floor_data;
    }
    return InsertResult::kDone;
}

}  // namespace rw
