#include "level_info.h"

#include <cstdio>
#include <memory>

#include "json_writer.h"
#include "level_details.h"
#include "levelfile/level_file.h"
#include "levelfile/trlevel.h"

namespace rw::info {

namespace {

constexpr int kNoSuchFile = 3;

const char* game_name(int32_t v) {
    static const char* const names[] = {
        "", "TR1", "TR1 Unfinished Business", "TR2", "TR2 (.trg)", "TR3", "TR4", "TR5"};
    return v >= kTR1 && v <= kTR5 ? names[v] : "unknown";
}

std::string hex_word(uint32_t w) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", w);
    return text;
}

void write_counts(JsonWriter& json, const Ttrlevel& level) {
    json.field("num_rooms", level.num_rooms);
    json.field("num_floor_data", level.num_floor_data);
    json.field("num_mesh_data", level.num_mesh_data);
    json.field("num_mesh_pointers", level.num_mesh_pointers);
    json.field("num_animations", level.num_animations);
    json.field("num_state_changes", level.num_state_changes);
    json.field("num_anim_dispatches", level.num_anim_dispatches);
    json.field("num_anim_commands", level.num_anim_commands);
    json.field("num_mesh_hierarchy", level.num_mesh_hierarchy);
    json.field("num_frames", level.num_frames);
    json.field("num_moveables", level.num_moveables);
    json.field("num_static_meshes", level.num_static_meshes);
    json.field("num_object_textures", level.num_object_textures);
    json.field("num_sprite_textures", level.num_sprite_textures);
    json.field("num_sprite_sequences", level.num_sprite_sequences);
    json.field("num_cameras", level.num_cameras);
    json.field("num_flyby_cameras", level.num_flyby_cameras);
    json.field("num_sound_sources", level.num_sound_sources);
    json.field("num_boxes", level.num_boxes);
    json.field("num_overlaps", level.num_overlaps);
    json.field("num_zones", level.num_zones);
    json.field("num_animated_textures", level.num_animated_textures);
    json.field("num_items", level.num_items);
    json.field("num_ai_objects", level.num_ai_objects);
    json.field("num_demo_data", level.num_demo_data);
    json.field("num_sound_details", level.num_sound_details);
    json.field("num_sample_indices", level.num_sample_indices);
    json.field("samples_size", level.samples_size);
}

void write_textures(JsonWriter& json, const Ttrlevel& level) {
    json.field("num_textiles", level.num_textiles);
    json.field("textile8_bytes", level.textile8_bytes);
    if (level.game_version >= kTR4) {
        json.field("num_room_textiles", level.num_room_textiles);
        json.field("num_obj_textiles", level.num_obj_textiles);
        json.field("num_bump_textiles", level.num_bump_textiles);
        json.field("textile32_size", level.textile32_size);
        json.field("textile32_packed", level.textile32_packed);
        json.field("textile16_size", level.textile16_size);
        json.field("textile16_packed", level.textile16_packed);
        json.field("misc_textile_size", level.misc_textile_size);
        json.field("misc_textile_packed", level.misc_textile_packed);
    }
    if (level.game_version == kTR5) {
        json.field("tr5_level_size", level.tr5_level_size);
        json.field("tr5_level_size2", level.tr5_level_size2);
    }
}

void write_layers(JsonWriter& json, const troom& room) {
    json.field("num_layers", room.num_layers);
    json.key("layers");
    json.begin_array();
    for (const tr5_layer_header& h : room.layer_headers) {
        json.begin_object(true);
        json.field("num_vertices", h.num_vertices);
        json.field("num_rectangles", h.num_rectangles);
        json.field("num_triangles", h.num_triangles);
        json.end_object();
    }
    json.end_array();
}

void write_room(JsonWriter& json, const troom& room, int number, int32_t v, bool full) {
    json.begin_object();
    json.field("number", number);
    json.field("x", room.x);
    json.field("z", room.z);
    json.field("y_bottom", room.y_bottom);
    json.field("y_top", room.y_top);
    json.field("num_x_sectors", room.num_x_sectors);
    json.field("num_z_sectors", room.num_z_sectors);
    json.field("num_vertices", room.num_vertices);
    json.field("num_rectangles", room.num_rectangles);
    json.field("num_triangles", room.num_triangles);
    json.field("num_sprites", room.num_sprites);
    json.field("num_portals", room.num_portals);
    json.field("num_lights", room.num_lights);
    json.field("num_room_statics", room.num_room_statics);
    if (v == kTR5) {
        json.field("tr5_room_colour", room.tr5_room_colour);
    } else {
        json.field("ambient_intensity", room.ambient_intensity());
    }
    if (v == kTR2 || v == kTRG) json.field("light_mode", room.light_mode);
    json.field("alternate_room", room.alternate_room);
    json.key("room_flags");
    json.begin_array(true);
    json.value(room.room_flags[0]);
    json.value(room.room_flags[1]);
    json.end_array();
    json.field("water", room.is_water());
    if (v == kTR3 || v == kTR4) {
        json.field("water_scheme", room.water_scheme);
        json.field("reverb", room.reverb);
        json.field("alternate_group", room.alternate_group);
    }
    if (v == kTR5) {
        json.field("tr5_room_word", room.tr5_room_word);
        json.field("num_tr5_records", room.num_tr5_records);
        write_layers(json, room);
    }
    if (full) write_room_details(json, room, v);
    json.end_object();
}

}  // namespace

int print_level_info(const std::string& path, bool full, std::ostream& out, std::ostream& err) {
    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    const int result = load_level(*level, path, &refusal);
    if (result != kLoadOk) {
        err << "rwinfo: " << path << ": " << refusal << '\n';
        return result == kLoadNoFile ? kNoSuchFile : 1;
    }
    JsonWriter json(out);
    json.begin_object();
    json.field("file", path);
    json.field("kind", "level");
    json.field("game_version", level->game_version);
    json.field("game", game_name(level->game_version));
    json.field("version_word", level->version_word);
    json.field("version_word_hex", hex_word(level->version_word));
    write_counts(json, *level);
    write_textures(json, *level);
    json.key("rooms");
    json.begin_array();
    for (size_t i = 0; i < level->rooms.size(); ++i)
        write_room(json, level->rooms[i], static_cast<int>(i) + 1, level->game_version, full);
    json.end_array();
    if (full) write_level_details(json, *level);
    json.end_object();
    json.finish();
    return 0;
}

}  // namespace rw::info
