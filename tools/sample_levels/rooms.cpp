#include "rooms.h"

#include <algorithm>

#include "levelfile/tr5_layer.h"
#include "room_fixtures.h"
#include "room_geometry.h"
#include "room_plans.h"

namespace rw::samples {

namespace {

constexpr int kBlock = 1024;
constexpr int kClick = 256;
constexpr int8_t kWallClicks = -127;
constexpr uint8_t kNoRoom = 255;
constexpr uint16_t kStoneMaterial = 5;

void put_sectors(const RoomPlan& plan, int32_t game_version, int box, troom& room) {
    room.num_x_sectors = static_cast<uint16_t>(plan.columns);
    room.num_z_sectors = static_cast<uint16_t>(plan.rows);
    for (int c = 0; c < plan.columns; ++c) {
        for (int r = 0; r < plan.rows; ++r) {
            tr_sector& s = room.sectors[static_cast<size_t>(c * plan.rows + r)];
            s = {0, box_index_value(game_version, -1), kNoRoom, kWallClicks, kNoRoom, kWallClicks};
            if (is_border(plan, c, r)) continue;
            s.box_index = box_index_value(game_version, box);
            s.floor = static_cast<int8_t>(plan.y_bottom / kClick);
            s.ceiling = static_cast<int8_t>(plan.y_top / kClick);
            if (const HolePlan* h = hole_at(plan, c, r, true))
                s.pit_room = static_cast<uint8_t>(h->room);
            if (const HolePlan* h = hole_at(plan, c, r, false))
                s.sky_room = static_cast<uint8_t>(h->room);
        }
    }
}

tr_portal portal(int room, std::array<int16_t, 3> normal, std::array<std::array<int, 3>, 4> v) {
    tr_portal p{};
    p.adjoining_room = static_cast<int16_t>(room);
    p.normal = normal;
    for (size_t i = 0; i < 4; ++i) {
        for (size_t k = 0; k < 3; ++k)
            p.vertices[i][k] = static_cast<int16_t>(v[i][k]);
    }
    return p;
}

// A door in the first column looks along +x into the room, one in the last column along -x.
tr_portal door_portal(const RoomPlan& plan, const DoorPlan& d) {
    const RoomPlan& other = sample_room_plans()[static_cast<size_t>(d.room)];
    const int bottom = std::min(plan.y_bottom, other.y_bottom);
    const int top = std::max(plan.y_top, other.y_top);
    const int z0 = d.first_row * kBlock, z1 = (d.last_row + 1) * kBlock;
    if (d.column == 0) {
        return portal(
            d.room, {1, 0, 0},
            {{{kBlock, bottom, z0}, {kBlock, top, z0}, {kBlock, top, z1}, {kBlock, bottom, z1}}});
    }
    const int x = d.column * kBlock;
    return portal(d.room, {-1, 0, 0},
                  {{{x, bottom, z1}, {x, top, z1}, {x, top, z0}, {x, bottom, z0}}});
}

// A floor opening looks up (-y) into the room, a ceiling opening down (+y).
tr_portal hole_portal(const RoomPlan& plan, const HolePlan& h) {
    const int x0 = h.first_column * kBlock, x1 = (h.last_column + 1) * kBlock;
    const int z0 = h.first_row * kBlock, z1 = (h.last_row + 1) * kBlock;
    const int y = h.in_floor ? plan.y_bottom : plan.y_top;
    return portal(h.room, {0, static_cast<int16_t>(h.in_floor ? -1 : 1), 0},
                  {{{x0, y, z0}, {x0, y, z1}, {x1, y, z1}, {x1, y, z0}}});
}

void put_portals(const RoomPlan& plan, troom& room) {
    room.num_portals = 0;
    for (const DoorPlan& d : plan.doors)
        room.portals[room.num_portals++] = door_portal(plan, d);
    for (const HolePlan& h : plan.holes)
        room.portals[room.num_portals++] = hole_portal(plan, h);
}

// The second vertex form: codes 1-2 as their reader makes it, codes 3-4 the same light in both
// fields, codes 5-7 a 15-bit grey (blue-green in TR4/TR5 water) and the water attributes.
void put_vertex_forms(const RoomPlan& plan, int32_t game_version, troom& room) {
    for (size_t j = 0; j < room.num_vertices; ++j) {
        tr_vertex2& v = room.vertices2[j];
        const auto light = static_cast<uint8_t>(static_cast<uint16_t>(v.lighting) >> 8);
        if (game_version <= kTUB) {
            v.attributes = 16;
            v.lighting2 = 0x3DEF;
        } else if (game_version <= kTRG) {
            v.attributes = 0;
            v.lighting2 = static_cast<uint16_t>(v.lighting);
        } else {
            const int level = 31 - light;
            const bool tinted = plan.water && game_version >= kTR4;
            v.lighting2 = tinted ? static_cast<uint16_t>(level * 32 + level) : grey15(light);
            v.attributes = plan.water ? 0x6010 : 0x0010;
        }
    }
}

// The TR5 room words that the writer carries rather than recomputes.
void put_tr5_words(const RoomPlan& plan, troom& room) {
    room.tr5_separator = 0xCDCDCDCD;
    room.tr5_y = 0;
    room.tr5_num_lights2 = room.num_lights;
    room.tr5_light_data_size = room.num_lights * 88u;
    room.tr5_y_top = static_cast<uint32_t>(plan.y_top);
    room.tr5_y_bottom = static_cast<uint32_t>(plan.y_bottom);
    room.tr5_room_word = 64;
}

void put_room(const RoomPlan& plan, int index, int32_t game_version, troom& room) {
    room.x = plan.x;
    room.z = plan.z;
    room.y_bottom = plan.y_bottom;
    room.y_top = plan.y_top;
    put_sectors(plan, game_version, index, room);
    build_room_faces(plan, room);
    put_vertex_forms(plan, game_version, room);
    put_portals(plan, room);
    put_room_light(plan, game_version, room);
    put_room_statics(plan, game_version, room);
    put_room_ambient(plan, game_version, room);
    room.light_mode = 0;
    room.alternate_room = -1;
    room.room_flags = {static_cast<uint8_t>(plan.water ? 0x01 : 0x00), 0};
    put_tr5_words(plan, room);
}

}  // namespace

uint16_t box_index_value(int32_t game_version, int box) {
    if (game_version >= kTR3) {
        return static_cast<uint16_t>(static_cast<uint32_t>(box) << 4 | kStoneMaterial);
    }
    return static_cast<uint16_t>(box);
}

void put_rooms(Ttrlevel& level) {
    const auto& plans = sample_room_plans();
    level.set_num_rooms(kSampleRoomCount);
    for (int i = 0; i < kSampleRoomCount; ++i) {
        put_room(plans[static_cast<size_t>(i)], i, level.game_version,
                 level.rooms[static_cast<size_t>(i)]);
    }
    if (level.game_version == kTR5) build_tr5_layer(level);
}

}  // namespace rw::samples
