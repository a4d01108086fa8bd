#include "levelfile/tr5_layer.h"

#include <cstring>

namespace rw {

namespace {

// Light 0 is brightest: 31 - light scaled to 0..248, kept to a byte.
uint8_t brightness(int light) {
    return static_cast<uint8_t>((31 - light) * 8);
}

void put_u32(tr5_layer_header& h, size_t at, uint32_t v) {
    store_le<uint32_t>(h.rest.data() + at - 10, v);
}
void put_f32(tr5_layer_header& h, size_t at, float v) {
    store_le<float>(h.rest.data() + at - 10, v);
}

}  // namespace

tr5_layer_header default_layer_header(const troom& room) {
    tr5_layer_header h{};
    h.value4 = 0;
    // bytes 10-15 are zero; then the layer's bounds as six floats
    put_f32(h, 16, 0.0f);
    put_f32(h, 20, static_cast<float>(room.y_top));
    put_f32(h, 24, 0.0f);
    put_f32(h, 28, static_cast<float>(room.num_x_sectors * 1024));
    put_f32(h, 32, static_cast<float>(room.y_bottom));
    put_f32(h, 36, static_cast<float>(room.num_z_sectors * 1024));
    put_u32(h, 40, 0);
    put_u32(h, 44, kLayerHeaderTail44);
    put_u32(h, 48, kLayerHeaderTail48);
    put_u32(h, 52, kLayerHeaderTail52);
    return h;
}

void build_tr5_room_layer(troom& room) {
    const bool water = room.is_water();
    for (int i = 0; i < room.num_vertices && i < kRoomMaxVertices; ++i) {
        const auto k = static_cast<size_t>(i);
        const tr_vertex2& v2 = room.vertices2[k];
        const int light = static_cast<uint16_t>(room.vertices[k].lighting) >> 8;
        const uint8_t shade = brightness(light);
        room.vertices5[k] = tr5_vertex{static_cast<float>(v2.x),
                                       static_cast<float>(v2.y),
                                       static_cast<float>(v2.z),
                                       0.0f,
                                       0.0f,
                                       0.0f,
                                       shade,
                                       shade,
                                       water ? uint8_t{0} : shade,
                                       255};
    }
    for (int i = 0; i < room.num_rectangles && i < kRoomMaxRectangles; ++i) {
        const tr_rectangle& r = room.rectangles[static_cast<size_t>(i)];
        room.rectangles5[static_cast<size_t>(i)] = {r.vertices, r.texture, 0};
    }
    for (int i = 0; i < room.num_triangles && i < kRoomMaxTriangles; ++i) {
        const tr_triangle& t = room.triangles[static_cast<size_t>(i)];
        room.triangles5[static_cast<size_t>(i)] = {t.vertices, t.texture, 0};
    }
    room.tr5_num_triangles = room.num_triangles;
    room.tr5_num_rectangles = room.num_rectangles;
    room.num_tr5_records = 0;
    room.tr5_records.clear();
    room.tr5_position.fill(0);

    const uint8_t ambient = brightness(room.ambient[1]);
    const uint8_t colour[4] = {ambient, ambient, water ? uint8_t{0} : ambient, 0};
    room.tr5_room_colour = load_le<uint32_t>(colour);

    room.layer_headers.assign(1, default_layer_header(room));
}

void build_tr5_layer(Ttrlevel& level) {
    for (troom& room : level.rooms)
        build_tr5_room_layer(room);
}

}  // namespace rw
