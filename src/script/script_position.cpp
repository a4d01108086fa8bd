#include "script/script_position.h"

namespace rw {

namespace {

constexpr int64_t kBlock = 1024;
constexpr int64_t kHalfBlock = 512;
constexpr int64_t kClick = 256;

// Positions far outside any room wrap as the stored 32-bit fields do, without overflow.
int32_t to_stored(int64_t value) {
    return static_cast<int32_t>(value);
}

}  // namespace

troom* script_room(Ttrlevel& level, int32_t room) {
    if (room < 1 || room > level.num_rooms) return nullptr;
    return &level.rooms[static_cast<size_t>(room - 1)];
}

ScriptFault locate_sector(Ttrlevel& level, int32_t room, int32_t x, int32_t z, SectorRef& out) {
    troom* r = script_room(level, room);
    if (r == nullptr) return ScriptFault::kRoomOutOfRange;
    if (x == 0) x = 1;
    tr_sector* sector = r->sector_at(x, z);
    if (sector == nullptr) return ScriptFault::kSectorOutOfRange;
    out = SectorRef{r, sector, room, x, z};
    return ScriptFault::kNone;
}

WorldPoint sector_point(const SectorRef& at, int32_t height, int32_t edge) {
    int64_t x = at.room->x + (at.x - 1) * kBlock + kHalfBlock;
    int64_t z = at.room->z + (at.z - 1) * kBlock + kHalfBlock;
    const int64_t y = at.sector->floor * kClick - int64_t{height} * kClick;
    switch (edge) {
        case 1:
            z += kHalfBlock;
            break;
        case 2:
            z -= kHalfBlock;
            break;
        case 3:
            x -= kHalfBlock;
            break;
        case 4:
            x += kHalfBlock;
            break;
        default:
            break;
    }
    return {to_stored(x), to_stored(y), to_stored(z)};
}

uint16_t script_angle(int32_t quarter_turns) {
    return static_cast<uint16_t>((quarter_turns % 4 + 4) % 4 * 16384);
}

}  // namespace rw
