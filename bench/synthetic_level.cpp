#include "synthetic_level.h"

#include <memory>
#include <stdexcept>

#include "levelfile/level_file.h"
#include "levelfile/zfile.h"

namespace rw {

namespace {

struct noise {
    uint32_t state = 12345;
    uint8_t next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<uint8_t>(state >> 24);
    }
};

// Smooth gradients with a little noise, tile after tile.
std::vector<uint8_t> tiles_of(size_t bytes_per_pixel, int tiles, noise& n) {
    std::vector<uint8_t> out(static_cast<size_t>(tiles) * 256 * 256 * bytes_per_pixel);
    size_t i = 0;
    for (int t = 0; t < tiles; ++t) {
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                for (size_t c = 0; c < bytes_per_pixel; ++c)
                    out[i++] = static_cast<uint8_t>(x * (c + 1) + y * 3 + t * 17 + (n.next() & 7));
            }
        }
    }
    return out;
}

template <class Record>
void fill_records(std::vector<Record>& table, noise& n) {
    auto* p = reinterpret_cast<uint8_t*>(table.data());
    for (size_t i = 0; i < table.size() * sizeof(Record); ++i)
        p[i] = n.next();
}

void make_room(troom& room, int index, int32_t v, noise& n) {
    room.x = index * 10240;
    room.z = 0;
    room.y_bottom = 0;
    room.y_top = -4096;
    room.num_vertices = 600;
    for (int i = 0; i < room.num_vertices; ++i) {
        const auto k = static_cast<size_t>(i);
        room.vertices[k] = {static_cast<int16_t>(i % 30 * 1024),
                            static_cast<int16_t>(-(i / 30) * 256), static_cast<int16_t>(i * 7),
                            static_cast<int16_t>(n.next() << 8)};
        room.vertices2[k] = {room.vertices[k].x,
                             room.vertices[k].y,
                             room.vertices[k].z,
                             room.vertices[k].lighting,
                             16,
                             0x3DEF};
    }
    room.num_rectangles = 500;
    for (int i = 0; i < room.num_rectangles; ++i) {
        const auto a = static_cast<uint16_t>(i % 590);
        room.rectangles[static_cast<size_t>(i)] = {
            {a, static_cast<uint16_t>(a + 1), static_cast<uint16_t>(a + 2),
             static_cast<uint16_t>(a + 3)},
            static_cast<uint16_t>(i % 2000)};
    }
    room.num_triangles = 80;
    for (int i = 0; i < room.num_triangles; ++i) {
        const auto a = static_cast<uint16_t>(i);
        room.triangles[static_cast<size_t>(i)] = {
            {a, static_cast<uint16_t>(a + 1), static_cast<uint16_t>(a + 2)}, 7};
    }
    room.num_portals = 4;
    room.num_z_sectors = 20;
    room.num_x_sectors = 20;
    for (size_t s = 0; s < 400; ++s)
        room.sectors[s] = {static_cast<uint16_t>(s), 0xFFFF, 255, -4, 255, -16};
    room.num_lights = 6;
    room.num_room_statics = 8;
    room.alternate_room = -1;
    (void)v;
}

}  // namespace

std::vector<uint8_t> write_synthetic_level(int32_t v, int tiles, int rooms,
                                           const std::string& path) {
    noise n;
    auto level = std::make_unique<Ttrlevel>();
    level->version_word = v >= kTR4 ? kVersionWordTR4 : kVersionWordTR1;
    level->game_version = v;
    level->signature = kLevelSignature;
    level->num_textiles = tiles;
    level->textile8_bytes = static_cast<uint32_t>(tiles) * kTileBytes8;
    if (v >= kTR4) {
        level->num_room_textiles = static_cast<uint16_t>(tiles);
        level->textile32 = tiles_of(4, tiles, n);
        level->textile16 = tiles_of(2, tiles, n);
        level->misc_textile = tiles_of(4, 2, n);
        level->misc_textile_size = static_cast<uint32_t>(level->misc_textile.size());
    } else {
        level->textile8 = tiles_of(1, tiles, n);
    }
    level->set_num_rooms(rooms);
    for (int i = 0; i < rooms; ++i)
        make_room(level->rooms[static_cast<size_t>(i)], i, v, n);

    level->set_num_floor_data(20000);
    level->set_num_mesh_data(200000);
    level->set_num_mesh_pointers(500);
    level->set_num_animations(2000);
    level->set_num_state_changes(500);
    level->set_num_anim_dispatches(600);
    level->set_num_anim_commands(3000);
    level->set_num_mesh_hierarchy(1000);
    level->set_num_frames(60000);
    level->set_num_moveables(100);
    level->set_num_static_meshes(60);
    level->set_num_object_textures(3000);
    level->set_num_sprite_textures(100);
    level->set_num_sprite_sequences(20);
    level->set_num_cameras(50);
    level->set_num_sound_sources(40);
    level->set_num_boxes(1500);
    level->set_num_zones(1500);
    level->set_num_overlaps(6000);
    level->set_num_animated_textures(40);
    level->set_num_items(300);
    level->set_num_ai_objects(20);
    level->set_num_sound_details(300);
    level->set_num_sample_indices(300);
    for (auto* words : {&level->floor_data, &level->mesh_data, &level->anim_commands,
                        &level->overlaps, &level->animated_textures})
        fill_records(*words, n);
    fill_records(level->frames, n);
    fill_records(level->animations, n);
    fill_records(level->animations4, n);
    fill_records(level->object_textures, n);
    fill_records(level->items, n);
    fill_records(level->items1, n);
    fill_records(level->boxes, n);
    fill_records(level->boxes1, n);
    level->samples.resize(v >= kTR4 ? 4u << 20 : 2u << 20);
    fill_records(level->samples, n);
    level->samples_size = static_cast<int32_t>(level->samples.size());

    std::string refusal;
    if (save_level(*level, path, &refusal) != kSaveOk) throw std::runtime_error(refusal);
    TZfile f;
    zf_assign(f, path);
    zf_reset(f, 1);
    std::vector<uint8_t> bytes(f.buffer, f.buffer + f.size);
    zf_close(f, false);
    return bytes;
}

}  // namespace rw
