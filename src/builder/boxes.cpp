#include "builder/boxes.h"

#include <array>
#include <cstdlib>

#include "builder/game_units.h"

namespace rw {

namespace {

constexpr uint16_t kDefaultFloorMaterial = 5;
constexpr uint16_t kLastOverlap = 0x8000;  // ends a box's run of overlaps

bool is_wall(const tr_sector& s) {
    return s.floor == s.ceiling;
}

struct WorkBox {
    int32_t number = -1;
    int32_t z_min = 0, z_max = 0, x_min = 0, x_max = 0;
    int16_t floor = 0;
};

// Appends a box record with its own overlap run start; false when that start does not fit.
bool append_box(Ttrlevel& level, int32_t z_min, int32_t z_max, int32_t x_min, int32_t x_max,
                int16_t floor) {
    const int32_t overlap_index = level.num_overlaps;
    level.set_num_boxes(level.num_boxes + 1);
    level.boxes1.back() = {z_min, z_max, x_min, x_max, floor, low16(overlap_index)};
    return overlap_index <= kMaxOverlapIndex;
}

void append_overlap(Ttrlevel& level, uint16_t value) {
    level.overlaps.push_back(value);
    ++level.num_overlaps;
}

void append_zone(Ttrlevel& level) {
    level.set_num_zones(level.num_zones + 1);
}

}  // namespace

uint16_t encode_box_index(int32_t game_version, int32_t box) {
    if (game_version >= kTR3)
        return static_cast<uint16_t>((box << 4 | kDefaultFloorMaterial) & 0xFFFF);
    return static_cast<uint16_t>(box & 0xFFFF);
}

int16_t box_floor_value(int8_t clicks) {
    return static_cast<int16_t>(((127 - clicks) & 0xFF) * 128);
}

int32_t max_boxes(int32_t game_version) {
    // 0xFFF5 (number 0xFFF) marks "no box" from TR3 on.
    return game_version >= kTR3 ? 0xFFF : 0x8000;
}

int32_t tiled_box_count(const troom& room) {
    int32_t count = 0;
    const int sectors = room.num_x_sectors * room.num_z_sectors;
    for (int i = 0; i < sectors && i < kRoomMaxSectors; ++i)
        count += is_wall(room.sectors[static_cast<size_t>(i)]) ? 0 : 1;
    return count;
}

bool build_tiled_boxes(Ttrlevel& level, int room_index) {
    troom& room = level.rooms[static_cast<size_t>(room_index)];
    const int columns = room.num_x_sectors, rows = room.num_z_sectors;
    std::array<WorkBox, kRoomMaxSectors> work{};
    auto at = [&](int i, int j) -> WorkBox& {
        return work[static_cast<size_t>((i - 1) * rows + (j - 1))];
    };

    int32_t next = level.num_boxes;
    for (int i = 1; i <= columns; ++i) {
        for (int j = 1; j <= rows; ++j) {
            const tr_sector& s = *room.sector_at(i, j);
            WorkBox& w = at(i, j);
            if (is_wall(s)) {
                w.number = -1;
                continue;
            }
            w.number = next++;
            w.z_min = low32(int64_t{room.z} + int64_t{j - 1} * kBlock);
            w.z_max = low32(int64_t{w.z_min} + kBlock);
            w.x_min = low32(int64_t{room.x} + int64_t{i - 1} * kBlock);
            w.x_max = low32(int64_t{w.x_min} + kBlock);
            // A sector over a room below lets creatures drop through.
            w.floor = s.pit_room != 255 ? int16_t{0} : box_floor_value(s.floor);
        }
    }

    bool fits = true;
    for (int i = 1; i <= columns; ++i) {
        for (int j = 1; j <= rows; ++j) {
            tr_sector& s = *room.sector_at(i, j);
            const WorkBox& w = at(i, j);
            s.box_index = encode_box_index(level.game_version, w.number);
            if (w.number < 0) continue;
            fits = append_box(level, w.z_min, w.z_max, w.x_min, w.x_max, w.floor) && fits;
            append_overlap(level, static_cast<uint16_t>(w.number));
            auto link = [&](int ni, int nj) {
                const WorkBox& nb = at(ni, nj);
                if (nb.number >= 0 && std::abs(nb.floor - w.floor) <= 128) {
                    append_overlap(level, static_cast<uint16_t>(nb.number));
                }
            };
            if (j < rows) link(i, j + 1);
            if (j > 1) link(i, j - 1);
            if (i < columns) link(i + 1, j);
            if (i > 1) link(i - 1, j);
            level.overlaps.back() |= kLastOverlap;
            append_zone(level);
        }
    }
    return fits;
}

bool build_room_box(Ttrlevel& level, int room_index) {
    troom& room = level.rooms[static_cast<size_t>(room_index)];
    const int columns = room.num_x_sectors, rows = room.num_z_sectors;
    const int32_t box = level.num_boxes;
    // The room's base floor in clicks, valued as a tiled box values a sector's floor.
    const int16_t floor = box_floor_value(signed8(room.y_bottom / kClick));
    const int64_t z = room.z, x = room.x;
    const bool fits =
        append_box(level, low32(z + kBlock), low32(z + int64_t{rows - 1} * kBlock),
                   low32(x + kBlock), low32(x + int64_t{columns - 1} * kBlock), floor);
    append_overlap(level, static_cast<uint16_t>(box | kLastOverlap));
    append_zone(level);
    for (int i = 1; i <= columns; ++i) {
        for (int j = 1; j <= rows; ++j) {
            tr_sector& s = *room.sector_at(i, j);
            s.box_index = encode_box_index(level.game_version, is_wall(s) ? -1 : box);
        }
    }
    return fits;
}

}  // namespace rw
