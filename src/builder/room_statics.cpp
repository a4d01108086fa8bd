#include "builder/room_statics.h"

#include <string>

#include "builder/game_units.h"

namespace rw {

bool place_room_static(Ttrlevel& level, int n, const StaticPlacement& p) {
    troom& room = level.rooms[static_cast<size_t>(n - 1)];
    const tr_sector* sector = room.sector_at(p.column, p.row);
    if (sector == nullptr || p.column < 1 || room.num_room_statics >= kRoomMaxStatics) return false;

    int64_t red = p.red, green = p.green, blue = p.blue;
    if (red < 0) red = green = blue = room.ambient[1];
    int64_t x = int64_t{room.x} + int64_t{p.column - 1} * kBlock + kBlock / 2;
    int64_t z = int64_t{room.z} + int64_t{p.row - 1} * kBlock + kBlock / 2;
    switch (p.alignment) {
        case 1:
            z += kBlock / 2;
            break;
        case 2:
            z -= kBlock / 2;
            break;
        case 3:
            x -= kBlock / 2;
            break;
        case 4:
            x += kBlock / 2;
            break;
        default:
            break;
    }
    const int64_t y = (int64_t{sector->floor} - p.height) * kClick;
    // Only the low bits of the stored eighths count: a whole turn is 256 of the game's units.
    const auto rotation = static_cast<uint16_t>((int64_t{p.rotation} * 32 & 0xFF) << 8);

    const auto k = static_cast<size_t>(room.num_room_statics++);
    if (level.game_version <= kTUB) {
        tr_room_static1& st = room.room_statics1[k];
        st = {low32(x), low32(y), low32(z), rotation, static_cast<uint16_t>(red * 256), p.mesh_id};
    } else {
        const int64_t intensity =
            level.game_version == kTR2 ? red * 256 : blue * 1024 + green * 32 + red;
        const auto intensity1 = static_cast<uint16_t>(intensity & 0xFFFF);
        const uint16_t intensity2 = level.game_version == kTR5 ? 1 : intensity1;
        room.room_statics[k] = {low32(x),   low32(y),   low32(z), rotation,
                                intensity1, intensity2, p.mesh_id};
    }
    return true;
}

void build_room_statics(Ttrlevel& level, const Room& room, int n, LogSink* log) {
    for (int k = 1; k <= room.ornament_count && k <= kMaxOrnaments; ++k) {
        const Ornament& o = room.ornaments[static_cast<size_t>(k - 1)];
        if (o.mesh < 0 || o.mesh >= level.num_static_meshes) return;
        const StaticPlacement p{
            o.column,   o.row,
            o.lift,     static_cast<uint16_t>(level.static_meshes[static_cast<size_t>(o.mesh)].id),
            o.rotation, o.alignment,
            o.red,      o.green,
            o.blue};
        if (!place_room_static(level, n, p) && log != nullptr) {
            log->add_line("Room " + std::to_string(n) + ": ornament " + std::to_string(k) +
                          " stands outside the room and was left out");
        }
    }
}

}  // namespace rw
