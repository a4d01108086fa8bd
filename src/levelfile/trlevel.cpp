#include "levelfile/trlevel.h"

namespace rw {

namespace {

// Resizes a table to n entries (negative counts as 0) and stores n in its count field.
template <class Table, class Count>
void resize_table(Table& table, Count& count, int32_t n) {
    if (n < 0) n = 0;
    table.resize(static_cast<size_t>(n));
    count = static_cast<Count>(n);
}

}  // namespace

Ttrlevel::Ttrlevel() = default;
Ttrlevel::~Ttrlevel() = default;

void Ttrlevel::set_num_rooms(int32_t n) {
    if (n < 0) n = 0;
    // A removed room releases its layer arrays with it; a new room is all zero.
    rooms.resize(static_cast<size_t>(n));
    num_rooms = static_cast<uint16_t>(n);
}

void Ttrlevel::set_num_floor_data(int32_t n) {
    resize_table(floor_data, num_floor_data, n);
}
void Ttrlevel::set_num_mesh_data(int32_t n) {
    resize_table(mesh_data, num_mesh_data, n);
}
void Ttrlevel::set_num_mesh_pointers(int32_t n) {
    resize_table(mesh_pointers, num_mesh_pointers, n);
}
void Ttrlevel::set_num_animations(int32_t n) {
    if (game_version > kTR3) {
        resize_table(animations4, num_animations, n);
    } else {
        resize_table(animations, num_animations, n);
    }
}
void Ttrlevel::set_num_state_changes(int32_t n) {
    resize_table(state_changes, num_state_changes, n);
}
void Ttrlevel::set_num_anim_dispatches(int32_t n) {
    resize_table(anim_dispatches, num_anim_dispatches, n);
}
void Ttrlevel::set_num_anim_commands(int32_t n) {
    resize_table(anim_commands, num_anim_commands, n);
}
void Ttrlevel::set_num_mesh_hierarchy(int32_t n) {
    resize_table(mesh_hierarchy, num_mesh_hierarchy, n);
}
void Ttrlevel::set_num_frames(int32_t n) {
    resize_table(frames, num_frames, n);
}
void Ttrlevel::set_num_moveables(int32_t n) {
    resize_table(moveables, num_moveables, n);
    resize_table(moveables5, num_moveables, n);
}
void Ttrlevel::set_num_static_meshes(int32_t n) {
    resize_table(static_meshes, num_static_meshes, n);
}
void Ttrlevel::set_num_object_textures(int32_t n) {
    resize_table(object_textures, num_object_textures, n);
}
void Ttrlevel::set_num_sprite_textures(int32_t n) {
    resize_table(sprite_textures, num_sprite_textures, n);
}
void Ttrlevel::set_num_sprite_sequences(int32_t n) {
    resize_table(sprite_sequences, num_sprite_sequences, n);
}
void Ttrlevel::set_num_cameras(int32_t n) {
    resize_table(cameras, num_cameras, n);
}
void Ttrlevel::set_num_flyby_cameras(int32_t n) {
    resize_table(flyby_cameras, num_flyby_cameras, n);
}
void Ttrlevel::set_num_sound_sources(int32_t n) {
    resize_table(sound_sources, num_sound_sources, n);
}
void Ttrlevel::set_num_boxes(int32_t n) {
    resize_table(boxes1, num_boxes, n);
    resize_table(boxes, num_boxes, n);
}
void Ttrlevel::set_num_overlaps(int32_t n) {
    resize_table(overlaps, num_overlaps, n);
}
void Ttrlevel::set_num_zones(int32_t n) {
    for (auto& zone : zones)
        resize_table(zone, num_zones, n);
    if (n < 0) num_zones = 0;
}
void Ttrlevel::set_num_animated_textures(int32_t n) {
    resize_table(animated_textures, num_animated_textures, n);
}
void Ttrlevel::set_num_items(int32_t n) {
    resize_table(items1, num_items, n);
    resize_table(items, num_items, n);
}
void Ttrlevel::set_num_ai_objects(int32_t n) {
    if (game_version > kTR3) {
        resize_table(ai_objects, num_ai_objects, n);
    } else {
        resize_table(cinematic_frames, num_ai_objects, n);
    }
}
void Ttrlevel::set_num_demo_data(int32_t n) {
    resize_table(demo_data, num_demo_data, n);
}
void Ttrlevel::set_num_sound_details(int32_t n) {
    resize_table(sound_details, num_sound_details, n);
}
void Ttrlevel::set_num_sample_indices(int32_t n) {
    resize_table(sample_indices, num_sample_indices, n);
}

void Ttrlevel::clear_tables() {
    set_num_floor_data(0);
    set_num_mesh_data(0);
    set_num_mesh_pointers(0);
    resize_table(animations, num_animations, 0);
    resize_table(animations4, num_animations, 0);
    set_num_state_changes(0);
    set_num_anim_dispatches(0);
    set_num_anim_commands(0);
    set_num_mesh_hierarchy(0);
    set_num_frames(0);
    set_num_moveables(0);
    set_num_static_meshes(0);
    set_num_object_textures(0);
    set_num_sprite_textures(0);
    set_num_sprite_sequences(0);
    set_num_cameras(0);
    set_num_flyby_cameras(0);
    set_num_sound_sources(0);
    set_num_boxes(0);
    set_num_overlaps(0);
    set_num_zones(0);
    set_num_animated_textures(0);
    set_num_items(0);
    resize_table(cinematic_frames, num_ai_objects, 0);
    resize_table(ai_objects, num_ai_objects, 0);
    set_num_demo_data(0);
    set_num_sound_details(0);
    set_num_sample_indices(0);
    release_blocks();

    signature.clear();
    version_word = 0;
    game_version = 0;
    num_room_textiles = num_obj_textiles = num_bump_textiles = 0;
    textile32_size = textile32_packed = textile16_size = textile16_packed = 0;
    misc_textile_size = misc_textile_packed = 0;
    textile8_bytes = 0;
    num_textiles = 0;
    pre_room_word = 0;
    tr5_header.fill(0);
    tr5_level_size = tr5_level_size2 = 0;
    tex_marker.fill(0);
    spr_marker.fill(0);
    light_map.fill(0);
    palette.fill(0);
    palette16.fill(0);
    sound_map.fill(0);
}

void Ttrlevel::release_blocks() {
    textile8 = {};
    textile16 = {};
    textile32 = {};
    misc_textile = {};
    samples = {};
    samples_size = 0;
}

}  // namespace rw
