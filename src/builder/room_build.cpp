#include "builder/room_build.h"

#include "builder/floor_entries.h"
#include "builder/game_units.h"
#include "builder/room_geometry.h"
#include "builder/room_statics.h"
#include "levelfile/tr5_layer.h"

namespace rw {

namespace {

constexpr uint16_t kTR5RoomWord = 64;

uint8_t room_flags(const Room& room) {
    uint8_t flags = 0;
    if (room.water != 0) flags |= 0x01;
    if (room.sky != 0) flags |= 0x08;
    if (room.outdoor != 0) flags |= 0x20;
    if (room.quicksand != 0) flags |= 0x80;
    return flags;
}

// Runs the sector's floor-data builders in their fixed order; false when the floor data is full.
bool build_sector_entries(Ttrlevel& level, Room& room, int n, int c, int r) {
    using Builder = InsertResult (*)(Ttrlevel&, const Room&, int, int, int);
    for (Builder b :
         {build_floor_slope, build_ceiling_slope, build_floor_split, build_ceiling_split}) {
        if (b(level, room, n, c, r) != InsertResult::kDone) return false;
    }
    Sector& s = room.sector(c, r);
    s.climb_mask = climb_mask(room, c, r);
    if (s.climb_mask != 0 && build_climb_entry(level, room, n, c, r) != InsertResult::kDone) {
        return false;
    }
    if (s.climb_ceiling != 0 && build_monkey_entry(level, n, c, r) != InsertResult::kDone) {
        return false;
    }
    return s.death == 0 || build_death_entry(level, n, c, r) == InsertResult::kDone;
}

}  // namespace

void setup_room_header(const Room& room, troom& game) {
    game.x = low32(int64_t{room.pos_x} * kBlock);
    game.z = low32(int64_t{room.pos_z} * kBlock);
    game.y_bottom = room_y_bottom(room);
    game.y_top = room_y_top(room);
    game.num_sprites = 0;
    game.num_portals = 0;
    game.num_lights = 0;
    game.num_room_statics = 0;
    game.ambient = {0, static_cast<uint8_t>(room.ambient & 0xFF), 0, 0};
    game.light_mode = 0;
    game.room_flags = {room_flags(room), 0};
    game.alternate_room = -1;
    game.tr5_room_word = kTR5RoomWord;
}

tr_sector initial_sector(const Room& room, int c, int r) {
    const Sector& s = room.sector(c, r);
    const int64_t pos_y = room.pos_y, height = room.height;
    tr_sector g{};
    g.fd_index = 0;
    g.box_index = 0xFFFF;
    g.pit_room = static_cast<uint8_t>(s.room_below - 1);
    g.floor = game_clicks(4 * (pos_y + s.floor_base) + s.floor_raise - 1);
    g.sky_room = static_cast<uint8_t>(s.room_above - 1);
    g.ceiling = game_clicks(4 * (height + pos_y - s.ceiling_base) - s.ceiling_raise - 1);
    return g;
}

Refusal build_room(Ttrlevel& level, LevelDocument& doc, int n, face_list& list, LogSink* log) {
    Room& room = doc.room(n);
    if (auto refusal = check_room_counts(n, room)) return refusal;
    troom& game = level.rooms[static_cast<size_t>(n - 1)];
    setup_room_header(room, game);

    const room_geometry_needs needs = build_room_geometry(room, game, list);
    if (auto refusal = check_room_geometry(n, needs)) return refusal;

    game.num_z_sectors = room.rows;
    game.num_x_sectors = room.columns;
    if (level.game_version == kTR5) game.layer_headers.assign(1, default_layer_header(game));
    for (int c = 1; c <= room.columns; ++c) {
        for (int r = 1; r <= room.rows; ++r) {
            *game.sector_at(c, r) = initial_sector(room, c, r);
            if (!build_sector_entries(level, room, n, c, r)) return floor_data_full(n);
        }
    }
    build_room_statics(level, room, n, log);
    return std::nullopt;
}

}  // namespace rw
