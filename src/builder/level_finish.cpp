#include "builder/level_finish.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>

#include "builder/game_units.h"

namespace rw {

namespace {

bool open_sector(const troom& room, int c, int r) {
    const tr_sector* s = room.sector_at(c, r);
    return s != nullptr && s->floor != s->ceiling;
}

struct Cell {
    int32_t column, row;
};

Cell nearest_open_sector(const troom& room, Cell from) {
    Cell best = from;
    int64_t best_distance = std::numeric_limits<int64_t>::max();
    for (int c = 1; c <= room.num_x_sectors; ++c) {
        for (int r = 1; r <= room.num_z_sectors; ++r) {
            if (!open_sector(room, c, r)) continue;
            const int64_t dc = int64_t{c} - from.column, dr = int64_t{r} - from.row;
            const int64_t d = dc * dc + dr * dr;
            if (d < best_distance) {
                best_distance = d;
                best = {c, r};
            }
        }
    }
    return best;
}

}  // namespace

void finish_floor_data(Ttrlevel& level) {
    level.floor_data.push_back(0);
    ++level.num_floor_data;
    level.floor_data[0] = static_cast<uint16_t>(level.num_floor_data & 0xFFFF);
}

void place_lara_inside(LevelDocument& doc, const Ttrlevel& level, LogSink* log) {
    if (doc.lara_room > doc.room_count || doc.lara_room < 1) doc.lara_room = 1;
    if (doc.lara_room > level.num_rooms) return;
    const troom& room = level.rooms[static_cast<size_t>(doc.lara_room - 1)];
    const bool inside = doc.lara_column >= 1 && doc.lara_column <= room.num_x_sectors &&
                        doc.lara_row >= 1 && doc.lara_row <= room.num_z_sectors;
    if (inside) return;
    Cell to{2, 2};
    if (!open_sector(room, 2, 2)) {
        const Cell clamped{std::clamp<int32_t>(doc.lara_column, 1, room.num_x_sectors),
                           std::clamp<int32_t>(doc.lara_row, 1, room.num_z_sectors)};
        to = nearest_open_sector(room, clamped);
    }
    if (log != nullptr) {
        log->add_line("Lara's start (column " + std::to_string(doc.lara_column) + ", row " +
                      std::to_string(doc.lara_row) + ") lies outside room " +
                      std::to_string(doc.lara_room) + "; moved to column " +
                      std::to_string(to.column) + ", row " + std::to_string(to.row));
    }
    doc.lara_column = to.column;
    doc.lara_row = to.row;
}

void add_lara_item(Ttrlevel& level, const LevelDocument& doc) {
    const troom& room = level.rooms[static_cast<size_t>(doc.lara_room - 1)];
    level.set_num_items(1);
    tr_item1& lara = level.items1[0];
    lara = {};
    lara.object_id = 0;
    lara.room = low16(int64_t{doc.lara_room} - 1);
    lara.x = low32(int64_t{room.x} + (int64_t{doc.lara_column} - 1) * kBlock + kBlock / 2);
    lara.y = room.y_bottom;
    lara.z = low32(int64_t{room.z} + (int64_t{doc.lara_row} - 1) * kBlock + kBlock / 2);
    lara.angle = 0;
    lara.intensity = -1;  // both bytes 255
    level.set_num_cameras(0);
    level.set_num_sound_sources(0);
    level.set_num_flyby_cameras(0);
}

void convert_level_data(Ttrlevel& level) {
    const int32_t version = level.game_version;
    for (troom& room : level.rooms) {
        const bool water = (room.room_flags[0] & 0x01) != 0;
        for (int j = 0; j < room.num_vertices && j < kRoomMaxVertices; ++j) {
            const tr_vertex& v = room.vertices[static_cast<size_t>(j)];
            tr_vertex2& v2 = room.vertices2[static_cast<size_t>(j)];
            v2.x = v.x;
            v2.y = v.y;
            v2.z = v.z;
            v2.lighting = v.lighting;
            if (version <= kTRG) {
                v2.lighting2 = 0xFFFF;
                v2.attributes = 0;
                continue;
            }
            const int shade = 31 - (static_cast<uint16_t>(v.lighting) >> 8);
            const int colour =
                version >= kTR4 && water ? shade * 32 + shade : shade * 1024 + shade * 32 + shade;
            v2.lighting2 = static_cast<uint16_t>(colour & 0xFFFF);
            v2.attributes = water ? 0x6010 : 0x0010;
            if ((room.room_flags[0] & 0x80) != 0) v2.attributes |= 0x2000;
        }

        const uint16_t second = version <= kTRG ? 0xFFFF : 0;
        store_le<uint16_t>(room.ambient.data() + 2, second);
        room.light_mode = 3;
        if (version == kTR4) {
            const auto v = static_cast<uint8_t>(248 - 8 * room.ambient[1]);
            room.ambient[0] = v;
            room.ambient[1] = v;
            room.ambient[2] = water ? uint8_t{0} : v;
        }
    }

    for (int32_t i = 0; i < level.num_items; ++i) {
        const tr_item1& a = level.items1[static_cast<size_t>(i)];
        tr_item& b = level.items[static_cast<size_t>(i)];
        const auto intensity = static_cast<uint16_t>(a.intensity);
        const uint16_t low = intensity & 0xFF, high = intensity >> 8;
        b.object_id = a.object_id;
        b.room = a.room;
        b.x = a.x;
        b.y = a.y;
        b.z = a.z;
        b.angle = a.angle;
        b.intensity1 = static_cast<int16_t>(low | low << 8);
        b.intensity2 = static_cast<int16_t>(high | high << 8);
        if (version >= kTR4) {
            b.intensity1 = -1;
            b.intensity2 = 0;  // the OCB
        }
        b.flags = a.flags;
    }

    for (int32_t i = 0; i < level.num_boxes; ++i) {
        const tr_box1& a = level.boxes1[static_cast<size_t>(i)];
        level.boxes[static_cast<size_t>(i)] = {static_cast<uint8_t>(a.z_min / kBlock),
                                               static_cast<uint8_t>(a.z_max / kBlock),
                                               static_cast<uint8_t>(a.x_min / kBlock),
                                               static_cast<uint8_t>(a.x_max / kBlock),
                                               a.true_floor,
                                               a.overlap_index};
    }

    for (auto& zone : level.zones)
        std::fill(zone.begin(), zone.end(), uint16_t{0});
}

void add_tr5_lara_copy(Ttrlevel& level) {
    const int32_t n = level.num_items;
    if (n == 0) return;
    level.set_num_items(n + 1);
    level.items[static_cast<size_t>(n)] = level.items[0];
    level.items[static_cast<size_t>(n)].object_id = kTR5ExtraLaraObject;
    level.items1[static_cast<size_t>(n)] = level.items1[0];
    level.items1[static_cast<size_t>(n)].object_id = kTR5ExtraLaraObject;
}

}  // namespace rw
