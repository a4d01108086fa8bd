#include "levelfile/tr5_rooms.h"

#include <string>

#include "levelfile/level_progress.h"
#include "levelfile/tr5_layer.h"
#include "levelfile/tr5_merge.h"

namespace rw {

namespace {

constexpr char kRoomMarker[4] = {'X', 'E', 'L', 'A'};
constexpr uint8_t kNoneFiller = 0xFF;

// ---- reading ----

void read_room_words(level_reader& in, troom& room) {
    in.skip(4, "room header");
    room.tr5_end_sd_offset = in.u32("room header");
    room.tr5_start_sd_offset = in.u32("room header");
    room.tr5_separator = in.u32("room header");
    room.tr5_end_portal_offset = in.u32("room header");
    room.x = in.i32("room header");
    room.tr5_y = in.i32("room header");
    room.z = in.i32("room header");
    room.y_bottom = in.i32("room header");
    room.y_top = in.i32("room header");
    room.num_z_sectors = in.u16("room header");
    room.num_x_sectors = in.u16("room header");
    in.expect(room.num_z_sectors, 0, kRoomMaxSectorsPerSide, "sector rows");
    in.expect(room.num_x_sectors, 0, kRoomMaxSectorsPerSide, "sector columns");
    room.tr5_room_colour = in.u32("room header");
    room.num_lights = in.u16("room header");
    room.num_room_statics = in.u16("room header");
    in.expect(room.num_lights, 0, kRoomMaxLights, "lights");
    in.expect(room.num_room_statics, 0, kRoomMaxStatics, "room statics");
    room.tr5_room_info = in.u32("room header");
    room.tr5_filler1 = in.u32("room header");
    room.tr5_filler2 = in.u32("room header");
    in.skip(12, "room header");
    room.alternate_room = in.i16("room header");
    in.read(room.room_flags.data(), 2, "room header");
    room.tr5_room_word = in.u16("room header");
    in.skip(14, "room header");
    in.read(room.tr5_position.data(), room.tr5_position.size(), "room header");
    in.skip(16, "room header");
    room.tr5_null_marker = in.u32("room header");
    in.skip(4, "room header");
    room.tr5_num_triangles = in.u32("room header");
    room.tr5_num_rectangles = in.u32("room header");
    room.tr5_zero = in.u32("room header");
    room.tr5_light_data_size = in.u32("room header");
    room.tr5_num_lights2 = in.u32("room header");
    room.num_tr5_records = in.i32("room header");
    room.tr5_y_top = in.u32("room header");
    room.tr5_y_bottom = in.u32("room header");
    room.num_layers = in.i32("room header");
    room.tr5_layer_offset = in.u32("room header");
    room.tr5_vertices_offset = in.u32("room header");
    room.tr5_poly_offset = in.u32("room header");
    room.tr5_poly_offset2 = in.u32("room header");
    room.tr5_vertex_bytes = in.u32("room header");
    in.skip(16, "room header");
}

void read_room_tables(level_reader& in, troom& room) {
    in.expect(room.num_lights, kTr5LightBytes, kRoomMaxLights, "lights");
    for (size_t i = 0; i < room.num_lights; ++i) {
        in.read(room.light5[i].data(), sizeof(tr5_light), "lights");
        in.skip(kTr5LightBytes - sizeof(tr5_light), "lights");
    }
    const auto records = static_cast<uint32_t>(room.num_tr5_records);
    in.expect(records, sizeof(tr5_room_record), kUnbounded, "room records");
    room.tr5_records.resize(records);
    in.read(room.tr5_records.data(), records * sizeof(tr5_room_record), "room records");
    const size_t sectors = size_t{room.num_z_sectors} * room.num_x_sectors;
    in.expect(sectors, sizeof(tr_sector), kRoomMaxSectors, "sectors");
    in.read(room.sectors.data(), sectors * sizeof(tr_sector), "sectors");
    room.num_portals = in.u16("portals");
    in.expect(room.num_portals, sizeof(tr_portal), kRoomMaxPortals, "portals");
    in.read(room.portals.data(), room.num_portals * sizeof(tr_portal), "portals");
    in.skip(2, "portals");
    in.expect(room.num_room_statics, sizeof(tr_room_static), kRoomMaxStatics, "room statics");
    in.read(room.room_statics.data(), room.num_room_statics * sizeof(tr_room_static),
            "room statics");
}

// Sizes every block of every layer from the headers, then reads the faces and the vertices.
void read_layers(level_reader& in, troom& room) {
    const auto count = static_cast<uint32_t>(room.num_layers);
    in.expect(count, kTr5LayerHeaderBytes, kRoomMaxLayers, "layers");
    room.num_vertices = room.num_rectangles = room.num_triangles = room.num_sprites = 0;
    room.layer_headers.resize(count);
    room.layers.resize(static_cast<int32_t>(count));
    uint32_t triangles = 0;
    for (size_t l = 0; l < count; ++l) {
        tr5_layer_header& h = room.layer_headers[l];
        in.read(&h, sizeof h, "layer header");
        in.expect(h.num_vertices, 0, kRoomMaxVertices, "layer vertices");
        in.expect(h.num_rectangles, 0, kRoomMaxRectangles, "layer rectangles");
        in.expect(h.num_triangles, 0, kRoomMaxTriangles, "layer triangles");
        room.layers.vertex_blocks[l].count = static_cast<uint16_t>(h.num_vertices);
        room.layers.rectangle_blocks[l].count = h.num_rectangles;
        room.layers.triangle_blocks[l].count = h.num_triangles;
        triangles += h.num_triangles;
    }
    for (size_t l = 0; l < count; ++l) {
        auto& rects = room.layers.rectangle_blocks[l];
        in.expect(rects.count, sizeof(tr5_rectangle), kRoomMaxRectangles, "layer rectangles");
        rects.rectangles.resize(rects.count);
        in.read(rects.rectangles.data(), rects.count * sizeof(tr5_rectangle), "layer rectangles");
        auto& tris = room.layers.triangle_blocks[l];
        in.expect(tris.count, sizeof(tr5_triangle), kRoomMaxTriangles, "layer triangles");
        tris.triangles.resize(tris.count);
        in.read(tris.triangles.data(), tris.count * sizeof(tr5_triangle), "layer triangles");
    }
    if (triangles % 2 != 0) in.skip(2, "layer triangles");
    for (size_t l = 0; l < count; ++l) {
        auto& verts = room.layers.vertex_blocks[l];
        in.expect(verts.count, sizeof(tr5_vertex), kRoomMaxVertices, "layer vertices");
        verts.vertices.resize(verts.count);
        in.read(verts.vertices.data(), verts.count * sizeof(tr5_vertex), "layer vertices");
    }
    if (count != 0) merge_tr5_layers(room);
}

void read_room(level_reader& in, troom& room) {
    in.skip(sizeof kRoomMarker, "room marker");
    room.tr5_data_size = in.u32("room data size");
    in.expect(room.tr5_data_size, 1, kUnbounded, "room data size");
    const size_t room_end = in.position() + room.tr5_data_size;
    const size_t outer_end = in.limit_to(room_end, "the room's end");
    read_room_words(in, room);
    read_room_tables(in, room);
    read_layers(in, room);
    in.widen_to(outer_end);
    in.seek(room_end, "the room's end");
}

// ---- writing ----

// Where the offset and size fields of a room were written, to be patched once known.
struct room_fields {
    int32_t data_size = 0;
    int32_t end_sd = 0;
    int32_t start_sd = 0;
    int32_t end_portal = 0;
    int32_t layer_offset = 0;
    int32_t vertices_offset = 0;
    int32_t poly_offset = 0;
    int32_t poly_offset2 = 0;
    int32_t vertex_bytes = 0;
};

room_fields write_room_words(level_writer& out, troom& room) {
    room_fields at;
    out.put(kRoomMarker, sizeof kRoomMarker);
    at.data_size = out.position();
    out.u32(room.tr5_data_size);
    out.fill(4, kTr5Filler);
    at.end_sd = out.position();
    out.u32(room.tr5_end_sd_offset);
    at.start_sd = out.position();
    out.u32(room.tr5_start_sd_offset);
    out.u32(room.tr5_separator);
    at.end_portal = out.position();
    out.u32(room.tr5_end_portal_offset);
    out.i32(room.x);
    out.i32(room.tr5_y);
    out.i32(room.z);
    out.i32(room.y_bottom);
    out.i32(room.y_top);
    out.u16(room.num_z_sectors);
    out.u16(room.num_x_sectors);
    out.u32(room.tr5_room_colour);
    out.u16(room.num_lights);
    out.u16(room.num_room_statics);
    out.u32(room.tr5_room_info);
    out.u32(room.tr5_filler1);
    out.u32(room.tr5_filler2);
    out.fill(8, kTr5Filler);
    out.fill(4, kNoneFiller);
    out.i16(room.alternate_room);
    out.put(room.room_flags.data(), 2);
    out.u16(room.tr5_room_word);
    out.fill(10, 0);
    out.fill(4, kTr5Filler);
    out.put(room.tr5_position.data(), room.tr5_position.size());
    out.fill(16, kTr5Filler);
    out.u32(room.tr5_null_marker);
    out.fill(4, kTr5Filler);
    out.u32(room.tr5_num_triangles);
    out.u32(room.tr5_num_rectangles);
    out.u32(room.tr5_zero);
    room.tr5_light_data_size = room.num_lights * kTr5LightBytes;
    out.u32(room.tr5_light_data_size);
    out.u32(room.tr5_num_lights2);
    out.i32(room.num_tr5_records);
    out.u32(room.tr5_y_top);
    out.u32(room.tr5_y_bottom);
    out.u32(1);  // always written as one layer
    at.layer_offset = out.position();
    out.u32(room.tr5_layer_offset);
    at.vertices_offset = out.position();
    out.u32(room.tr5_vertices_offset);
    at.poly_offset = out.position();
    out.u32(room.tr5_poly_offset);
    at.poly_offset2 = out.position();
    out.u32(room.tr5_poly_offset2);
    at.vertex_bytes = out.position();
    out.u32(room.tr5_vertex_bytes);
    out.fill(16, kTr5Filler);
    return at;
}

void write_layer(level_writer& out, const troom& room) {
    const tr5_layer_header first =
        room.layer_headers.empty() ? default_layer_header(room) : room.layer_headers.front();
    out.u32(room.num_vertices);
    out.u16(first.value4);
    out.u16(room.num_rectangles);
    out.u16(room.num_triangles);
    out.put(first.rest.data(), first.rest.size());
}

void write_room(level_writer& out, troom& room) {
    const room_fields at = write_room_words(out, room);
    const int32_t data_start = out.position();
    auto patch = [&](int32_t field, uint32_t& value, uint32_t v) {
        value = v;
        out.patch_u32(field, v);
    };
    auto offset = [&] { return static_cast<uint32_t>(out.position() - data_start); };

    for (size_t i = 0; i < room.num_lights; ++i) {
        out.put(room.light5[i].data(), sizeof(tr5_light));
        out.fill(kTr5LightBytes - sizeof(tr5_light), kTr5Filler);
    }
    out.put(room.tr5_records.data(),
            static_cast<size_t>(room.num_tr5_records) * sizeof(tr5_room_record));
    patch(at.start_sd, room.tr5_start_sd_offset, offset());
    out.put(room.sectors.data(),
            size_t{room.num_z_sectors} * room.num_x_sectors * sizeof(tr_sector));
    patch(at.end_sd, room.tr5_end_sd_offset, offset());
    out.u16(room.num_portals);
    out.put(room.portals.data(), room.num_portals * sizeof(tr_portal));
    out.fill(2, kTr5Filler);
    patch(at.end_portal, room.tr5_end_portal_offset, offset());
    out.put(room.room_statics.data(), room.num_room_statics * sizeof(tr_room_static));
    patch(at.layer_offset, room.tr5_layer_offset, offset());
    write_layer(out, room);
    patch(at.poly_offset, room.tr5_poly_offset, offset());
    patch(at.poly_offset2, room.tr5_poly_offset2, offset());
    out.put(room.rectangles5.data(), room.num_rectangles * sizeof(tr5_rectangle));
    out.put(room.triangles5.data(), room.num_triangles * sizeof(tr5_triangle));
    if (room.num_triangles % 2 != 0) out.fill(2, kTr5Filler);
    patch(at.vertices_offset, room.tr5_vertices_offset, offset());
    out.put(room.vertices5.data(), room.num_vertices * sizeof(tr5_vertex));
    out.fill(2, kTr5Filler);
    patch(at.data_size, room.tr5_data_size,
          static_cast<uint32_t>(out.position() - at.data_size - 4));
    patch(at.vertex_bytes, room.tr5_vertex_bytes,
          static_cast<uint32_t>(room.num_vertices * sizeof(tr5_vertex)));
}

}  // namespace

void read_tr5_rooms(level_reader& in, Ttrlevel& level) {
    in.skip(4, "room count");
    const uint16_t n = static_cast<uint16_t>(in.u32("room count"));  // its low half counts
    in.expect(n, kTr5RoomHeaderBytes, kLevelMaxRooms, "rooms");
    level.set_num_rooms(n);
    for (uint16_t i = 0; i < n; ++i) {
        try {
            read_room(in, level.rooms[i]);
        } catch (const level_damage& e) {
            throw level_damage("room " + std::to_string(i) + ": " + e.what());
        }
        report_room_progress(level, i, n);
    }
}

void write_tr5_rooms(level_writer& out, Ttrlevel& level) {
    out.u32(0);
    out.u32(level.num_rooms);
    for (uint16_t i = 0; i < level.num_rooms; ++i) {
        write_room(out, level.rooms[i]);
        report_room_progress(level, i, level.num_rooms);
    }
}

}  // namespace rw
