#include "script/script_commands.h"

#include "script/floor_data.h"

namespace rw {

namespace {

constexpr uint16_t kDeathEntry = kFloorDataEndBit | kFunctionDeath;
constexpr uint16_t kMonkeyEntry = kFloorDataEndBit | kFunctionMonkey;

// A 15-bit colour of three 5-bit shades; larger shades spill as the stored word does.
uint16_t colour15(int32_t shade1, int32_t shade2, int32_t shade3) {
    return static_cast<uint16_t>(int64_t{shade3} * 1024 + int64_t{shade2} * 32 + shade1);
}

uint16_t times256(int32_t value) {
    return static_cast<uint16_t>(static_cast<uint32_t>(value) << 8);
}

// The second byte of the room's ambient value, the default shade of items and meshes.
int32_t ambient_shade(const troom& room) {
    return room.ambient[1];
}

ScriptFault insert_word(Ttrlevel& level, const SectorRef& at, uint16_t word) {
    uint8_t bytes[2];
    store_le(bytes, word);
    return insert_floor_data(level, at, bytes, 2);
}

void append_camera(Ttrlevel& level, WorldPoint p, int32_t room_field, int32_t flags) {
    level.set_num_cameras(level.num_cameras + 1);
    level.cameras.back() =
        tr_camera{p.x, p.y, p.z, static_cast<int16_t>(room_field), static_cast<uint16_t>(flags)};
}

}  // namespace

ScriptFault insert_floor_data(Ttrlevel& level, const SectorRef& at, const uint8_t* bytes,
                              int32_t length) {
    switch (scp_insert_floor_data(level, at.room_number, at.x, at.z, bytes, length)) {
        case InsertResult::kDone:
            return ScriptFault::kNone;
        case InsertResult::kNoSuchSector:
            return ScriptFault::kSectorOutOfRange;
        case InsertResult::kFloorDataFull:
            return ScriptFault::kFloorDataFull;
    }
    return ScriptFault::kFloorDataFull;
}

ScriptFault put_item(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 7) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    const int32_t copies = arg_or(a, 8, 1);
    if (copies < 1) return ScriptFault::kNone;
    if (int64_t{level.num_items} + copies > kMaxItems) return ScriptFault::kTooManyItems;

    int32_t shade1 = 16, shade2 = 16, shade3 = 16;
    if (a.size() > 8) {
        shade1 = arg_or(a, 9, ambient_shade(*at.room));
        shade2 = arg_or(a, 10, shade1);
        shade3 = arg_or(a, 11, shade2);
    }
    const WorldPoint p = sector_point(at, a[3], a[6]);
    const auto object_id = static_cast<int16_t>(a[4]);
    const auto room = static_cast<int16_t>(at.room_number - 1);
    const uint16_t angle = script_angle(a[5]);
    const uint16_t flags = times256(arg_or(a, 7, 0));

    const int32_t first = level.num_items;
    level.set_num_items(first + copies);
    for (int32_t i = first; i < level.num_items; ++i) {
        const auto k = static_cast<size_t>(i);
        if (level.game_version <= kTUB) {
            const auto intensity = static_cast<int16_t>(times256(shade1) | 0xFF);
            level.items1[k] = tr_item1{object_id, room, p.x, p.y, p.z, angle, intensity, flags};
            continue;
        }
        auto intensity1 = static_cast<int16_t>(0xFF00 | (shade1 & 0xFF));
        auto intensity2 = static_cast<int16_t>(0xFF0F);
        if (level.game_version == kTR3) {
            intensity1 = intensity2 = static_cast<int16_t>(colour15(shade1, shade2, shade3));
        } else if (level.game_version >= kTR4) {
            intensity2 = static_cast<int16_t>(arg_or(a, 12, 0));  // OCB
        }
        level.items[k] =
            tr_item{object_id, room, p.x, p.y, p.z, angle, intensity1, intensity2, flags};
    }
    return ScriptFault::kNone;
}

ScriptFault kill_lara(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 3) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    return insert_word(level, at, kDeathEntry);
}

ScriptFault add_camera(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 4) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    append_camera(level, sector_point(at, a[3]), at.room_number - 1, arg_or(a, 4, 0));
    return ScriptFault::kNone;
}

// An underwater current is stored as a camera whose room field holds its force.
ScriptFault add_sink(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 5) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    append_camera(level, sector_point(at, a[3]), a[4], arg_or(a, 5, 0));
    return ScriptFault::kNone;
}

ScriptFault put_alternate(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 2) return ScriptFault::kNotEnoughParameters;
    troom* room = script_room(level, a[0]);
    troom* alternate = script_room(level, a[1]);
    if (room == nullptr || alternate == nullptr) return ScriptFault::kRoomOutOfRange;
    room->alternate_room = static_cast<int16_t>(a[1] - 1);
    alternate->alternate_room = static_cast<int16_t>(a[0] - 1);
    return ScriptFault::kNone;
}

ScriptFault put_static_mesh(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 6) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    troom& room = *at.room;
    if (room.num_room_statics >= kRoomMaxStatics) return ScriptFault::kTooManyStaticMeshes;

    const int32_t shade1 = arg_or(a, 7, ambient_shade(room));
    const int32_t shade2 = arg_or(a, 8, shade1);
    const int32_t shade3 = arg_or(a, 9, shade2);
    const WorldPoint p = sector_point(at, a[3], arg_or(a, 6, 0));
    const uint16_t rotation = script_angle(a[5]);
    const auto mesh_id = static_cast<uint16_t>(a[4]);
    const auto k = static_cast<size_t>(room.num_room_statics++);
    if (level.game_version <= kTUB) {
        room.room_statics1[k] = tr_room_static1{p.x, p.y, p.z, rotation, times256(shade1), mesh_id};
        return ScriptFault::kNone;
    }
    // The TR2 format (read from .tr2 or .trg) keeps a grey level; later games a colour.
    const bool grey = level.game_version == kTR2 || level.game_version == kTRG;
    const uint16_t intensity1 = grey ? times256(shade1) : colour15(shade1, shade2, shade3);
    const uint16_t intensity2 = level.game_version == kTR5 ? 1 : intensity1;
    room.room_statics[k] = tr_room_static{p.x, p.y, p.z, rotation, intensity1, intensity2, mesh_id};
    return ScriptFault::kNone;
}

ScriptFault climb_wall(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 4) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    // Each direction bit marks the wall in the neighbouring sector that faces it.
    struct Side {
        int32_t dx, dz;
        uint16_t entry;
    };
    static constexpr Side kSides[] = {
        {0, -1, 0x8106}, {-1, 0, 0x8206}, {0, 1, 0x8406}, {1, 0, 0x8806}};
    SectorRef neighbours[4];
    for (int bit = 0; bit < 4; ++bit) {
        if ((a[3] & (1 << bit)) == 0) continue;
        const int32_t x = at.x + kSides[bit].dx;
        if (x < 1) return ScriptFault::kSectorOutOfRange;  // column 0 would mean column 1
        if (const auto f =
                locate_sector(level, at.room_number, x, at.z + kSides[bit].dz, neighbours[bit]);
            f != ScriptFault::kNone)
            return f;
    }
    for (int bit = 0; bit < 4; ++bit) {
        if ((a[3] & (1 << bit)) == 0) continue;
        if (const auto f = insert_word(level, neighbours[bit], kSides[bit].entry);
            f != ScriptFault::kNone)
            return f;
    }
    return ScriptFault::kNone;
}

ScriptFault monkey_swing(Ttrlevel& level, ScriptArgs a) {
    if (a.size() < 3) return ScriptFault::kNotEnoughParameters;
    if (level.game_version < kTR3) return ScriptFault::kNone;  // no monkey swings before TR3
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    return insert_word(level, at, kMonkeyEntry);
}

}  // namespace rw
