#include "sample_levels.h"

#include <stdexcept>
#include <string>

#include "level_tables.h"
#include "mesh_encoding.h"
#include "object_textures.h"
#include "rooms.h"
#include "texture_tiles.h"

namespace rw::samples {

namespace {

// Every table back to empty and every fixed block back to zero.
void clear_level(Ttrlevel& level) {
    level.release_blocks();
    level.set_num_rooms(0);
    level.set_num_floor_data(0);
    level.set_num_mesh_data(0);
    level.set_num_mesh_pointers(0);
    level.animations.clear();
    level.animations4.clear();
    level.num_animations = 0;
    level.set_num_state_changes(0);
    level.set_num_anim_dispatches(0);
    level.set_num_anim_commands(0);
    level.set_num_mesh_hierarchy(0);
    level.set_num_frames(0);
    level.set_num_moveables(0);
    level.set_num_static_meshes(0);
    level.set_num_object_textures(0);
    level.set_num_sprite_textures(0);
    level.set_num_sprite_sequences(0);
    level.set_num_cameras(0);
    level.set_num_flyby_cameras(0);
    level.set_num_sound_sources(0);
    level.set_num_boxes(0);
    level.set_num_overlaps(0);
    level.set_num_zones(0);
    level.set_num_animated_textures(0);
    level.set_num_items(0);
    level.cinematic_frames.clear();
    level.ai_objects.clear();
    level.num_ai_objects = 0;
    level.set_num_demo_data(0);
    level.set_num_sound_details(0);
    level.set_num_sample_indices(0);
    level.num_room_textiles = level.num_obj_textiles = level.num_bump_textiles = 0;
    level.textile32_size = level.textile32_packed = 0;
    level.textile16_size = level.textile16_packed = 0;
    level.misc_textile_size = level.misc_textile_packed = 0;
    level.textile8_bytes = 0;
    level.num_textiles = 0;
    level.pre_room_word = 0;
    level.tr5_header.fill(0);
    level.tr5_level_size = level.tr5_level_size2 = 0;
    level.tex_marker.fill(0);
    level.spr_marker.fill(0);
    level.light_map.fill(0);
    level.palette.fill(0);
    level.palette16.fill(0);
    level.sound_map.fill(0);
}

}  // namespace

uint32_t sample_version_word(int32_t game_version) {
    switch (game_version) {
        case kTR1:
        case kTUB:
            return kVersionWordTR1;
        case kTR2:
        case kTRG:
            return kVersionWordTR2;
        case kTR3:
            return kVersionWordTR3b;
        case kTR4:
        case kTR5:
            return kVersionWordTR4;
        default:
            throw std::invalid_argument("no sample level for game version " +
                                        std::to_string(game_version));
    }
}

void fill_sample_level(Ttrlevel& level, int32_t game_version) {
    const uint32_t word = sample_version_word(game_version);
    clear_level(level);
    level.signature = kLevelSignature;
    level.version_word = word;
    level.game_version = game_version;  // the set-count operations choose tables by it

    put_texture_tiles(level);
    put_object_textures(level);
    put_animated_textures(level);
    put_meshes(level);
    put_rooms(level);
    put_floor_data(level);
    put_boxes(level);
    put_items(level);
    put_sound_map(level);
    put_markers_and_samples(level);
}

}  // namespace rw::samples
