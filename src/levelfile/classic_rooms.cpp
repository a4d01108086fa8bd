#include "levelfile/classic_rooms.h"

#include <string>

#include "levelfile/level_progress.h"

namespace rw {

namespace {

// The attributes and second lighting value of a vertex read from a file that has neither.
constexpr uint16_t kTr1VertexAttributes = 16;
constexpr uint16_t kTr1VertexLighting2 = 0x3DEF;

// The fewest bytes a room can take: its position, the counts of empty tables, an empty sector
// grid, ambient, alternate room and flags.
constexpr size_t kMinClassicRoomBytes = 44;

bool has_light_mode(int32_t v) {
    return v == kTR2 || v == kTRG;
}
bool has_water_scheme(int32_t v) {
    return v == kTR3 || v == kTR4;
}
size_t light_bytes(int32_t v) {
    return v < kTR2 ? sizeof(tr_light1) : v == kTR4 ? sizeof(tr4_light) : sizeof(tr_light);
}
size_t vertex_bytes(int32_t v) {
    return v < kTR2 ? sizeof(tr_vertex) : sizeof(tr_vertex2);
}

// A u16 count followed by that many records, into a room array of fixed capacity.
template <class Record, size_t N>
uint16_t read_room_table(level_reader& in, std::array<Record, N>& table, const char* what) {
    const uint16_t n = in.u16(what);
    in.expect(n, sizeof(Record), N, what);
    in.read(table.data(), n * sizeof(Record), what);
    return n;
}

template <class Record, size_t N>
void write_room_table(level_writer& out, uint16_t n, const std::array<Record, N>& table) {
    out.u16(n);
    out.put(table.data(), n * sizeof(Record));
}

void read_vertices(level_reader& in, troom& room, int32_t v) {
    const uint16_t n = in.u16("vertices");
    in.expect(n, vertex_bytes(v), kRoomMaxVertices, "vertices");
    room.num_vertices = n;
    if (v < kTR2) {
        in.read(room.vertices.data(), n * sizeof(tr_vertex), "vertices");
        for (size_t i = 0; i < n; ++i) {
            const tr_vertex& a = room.vertices[i];
            room.vertices2[i] = {
                a.x, a.y, a.z, a.lighting, kTr1VertexAttributes, kTr1VertexLighting2};
        }
    } else {
        in.read(room.vertices2.data(), n * sizeof(tr_vertex2), "vertices");
        for (size_t i = 0; i < n; ++i) {
            const tr_vertex2& b = room.vertices2[i];
            room.vertices[i] = {b.x, b.y, b.z, b.lighting};
        }
    }
}

void write_vertices(level_writer& out, const troom& room, int32_t v) {
    out.u16(room.num_vertices);
    if (v < kTR2) {
        out.put(room.vertices.data(), room.num_vertices * sizeof(tr_vertex));
    } else {
        out.put(room.vertices2.data(), room.num_vertices * sizeof(tr_vertex2));
    }
}

void read_sectors(level_reader& in, troom& room) {
    room.num_z_sectors = in.u16("sector rows");
    room.num_x_sectors = in.u16("sector columns");
    in.expect(room.num_z_sectors, 0, kRoomMaxSectorsPerSide, "sector rows");
    in.expect(room.num_x_sectors, 0, kRoomMaxSectorsPerSide, "sector columns");
    const size_t n = size_t{room.num_z_sectors} * room.num_x_sectors;
    in.expect(n, sizeof(tr_sector), kRoomMaxSectors, "sectors");
    in.read(room.sectors.data(), n * sizeof(tr_sector), "sectors");
}

void write_sectors(level_writer& out, const troom& room) {
    out.u16(room.num_z_sectors);
    out.u16(room.num_x_sectors);
    out.put(room.sectors.data(),
            size_t{room.num_z_sectors} * room.num_x_sectors * sizeof(tr_sector));
}

void read_lights(level_reader& in, troom& room, int32_t v) {
    const uint16_t n = in.u16("lights");
    in.expect(n, light_bytes(v), kRoomMaxLights, "lights");
    room.num_lights = n;
    if (v < kTR2) {
        in.read(room.lights1.data(), n * sizeof(tr_light1), "lights");
    } else if (v == kTR4) {
        in.read(room.lights4.data(), n * sizeof(tr4_light), "lights");
    } else {
        in.read(room.lights.data(), n * sizeof(tr_light), "lights");
    }
}

void write_lights(level_writer& out, const troom& room, int32_t v) {
    out.u16(room.num_lights);
    if (v < kTR2) {
        out.put(room.lights1.data(), room.num_lights * sizeof(tr_light1));
    } else if (v == kTR4) {
        out.put(room.lights4.data(), room.num_lights * sizeof(tr4_light));
    } else {
        out.put(room.lights.data(), room.num_lights * sizeof(tr_light));
    }
}

void read_room(level_reader& in, troom& room, int32_t v) {
    room.x = in.i32("room position");
    room.z = in.i32("room position");
    room.y_bottom = in.i32("room position");
    room.y_top = in.i32("room position");
    room.num_data_words = in.u32("room data length");
    read_vertices(in, room, v);
    room.num_rectangles = read_room_table(in, room.rectangles, "rectangles");
    room.num_triangles = read_room_table(in, room.triangles, "triangles");
    room.num_sprites = read_room_table(in, room.sprites, "sprites");
    room.num_portals = read_room_table(in, room.portals, "portals");
    read_sectors(in, room);
    in.read(room.ambient.data(), 2, "ambient intensity");
    if (v >= kTR2) in.read(room.ambient.data() + 2, 2, "ambient intensity");
    if (has_light_mode(v)) room.light_mode = in.i16("light mode");
    read_lights(in, room, v);
    if (v < kTR2) {
        room.num_room_statics = read_room_table(in, room.room_statics1, "room statics");
    } else {
        room.num_room_statics = read_room_table(in, room.room_statics, "room statics");
    }
    room.alternate_room = in.i16("alternate room");
    in.read(room.room_flags.data(), 2, "room flags");
    if (has_water_scheme(v)) {
        room.water_scheme = in.value<uint8_t>("water scheme");
        room.reverb = in.value<uint8_t>("reverb");
        room.alternate_group = in.value<uint8_t>("alternate group");
    }
}

void write_room(level_writer& out, troom& room, int32_t v) {
    room.num_data_words = classic_data_words(room, v);
    out.i32(room.x);
    out.i32(room.z);
    out.i32(room.y_bottom);
    out.i32(room.y_top);
    out.u32(room.num_data_words);
    write_vertices(out, room, v);
    write_room_table(out, room.num_rectangles, room.rectangles);
    write_room_table(out, room.num_triangles, room.triangles);
    write_room_table(out, room.num_sprites, room.sprites);
    write_room_table(out, room.num_portals, room.portals);
    write_sectors(out, room);
    out.put(room.ambient.data(), v >= kTR2 ? 4 : 2);
    if (has_light_mode(v)) out.i16(room.light_mode);
    write_lights(out, room, v);
    if (v < kTR2) {
        write_room_table(out, room.num_room_statics, room.room_statics1);
    } else {
        write_room_table(out, room.num_room_statics, room.room_statics);
    }
    out.i16(room.alternate_room);
    out.put(room.room_flags.data(), 2);
    if (has_water_scheme(v)) {
        const uint8_t bytes[3] = {room.water_scheme, room.reverb, room.alternate_group};
        out.put(bytes, sizeof bytes);
    }
}

}  // namespace

uint32_t classic_data_words(const troom& room, int32_t v) {
    const uint32_t bytes = room.num_vertices * static_cast<uint32_t>(vertex_bytes(v)) +
                           room.num_rectangles * 10u + room.num_triangles * 8u +
                           room.num_sprites * 4u + 8u;
    return bytes / 2;
}

void read_classic_rooms(level_reader& in, Ttrlevel& level) {
    level.pre_room_word = in.u32("room count");
    const uint16_t n = in.u16("room count");
    in.expect(n, kMinClassicRoomBytes, kLevelMaxRooms, "rooms");
    level.set_num_rooms(n);
    for (uint16_t i = 0; i < n; ++i) {
        try {
            read_room(in, level.rooms[i], level.game_version);
        } catch (const level_damage& e) {
            throw level_damage("room " + std::to_string(i) + ": " + e.what());
        }
        report_room_progress(level, i, n);
    }
}

void write_classic_rooms(level_writer& out, Ttrlevel& level) {
    out.u32(level.pre_room_word);
    out.u16(level.num_rooms);
    for (uint16_t i = 0; i < level.num_rooms; ++i) {
        write_room(out, level.rooms[i], level.game_version);
        report_room_progress(level, i, level.num_rooms);
    }
}

}  // namespace rw
