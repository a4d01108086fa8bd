#include "level_info.h"

#include <algorithm>
#include <memory>

#include "json_writer.h"
#include "levelfile/level_file.h"
#include "levelfile/trlevel.h"

namespace rw::info {

namespace {

constexpr int kNoSuchFile = 3;

// Fields of the packed TR1 records are misaligned, so they are handed over by value.
auto field_writer(JsonWriter& json) {
    return [&json](const char* name, auto value) { json.field(name, value); };
}

void write_counts(JsonWriter& json, const Ttrlevel& level) {
    json.field("num_rooms", level.num_rooms);
    json.field("num_floor_data", level.num_floor_data);
    json.field("num_items", level.num_items);
    json.field("num_cameras", level.num_cameras);
    json.field("num_flyby_cameras", level.num_flyby_cameras);
    json.field("num_sound_sources", level.num_sound_sources);
    json.field("num_boxes", level.num_boxes);
    json.field("num_overlaps", level.num_overlaps);
    json.field("num_moveables", level.num_moveables);
    json.field("num_static_meshes", level.num_static_meshes);
    json.field("num_mesh_pointers", level.num_mesh_pointers);
    json.field("num_object_textures", level.num_object_textures);
    json.field("num_sprite_textures", level.num_sprite_textures);
    json.field("num_animated_textures", level.num_animated_textures);
    json.field("num_textiles", level.num_textiles);
    json.field("num_animations", level.num_animations);
    json.field("num_sound_details", level.num_sound_details);
}

void write_sectors(JsonWriter& json, const troom& room) {
    json.key("sectors");
    json.begin_array();
    for (int x = 1; x <= room.num_x_sectors; ++x) {
        for (int z = 1; z <= room.num_z_sectors; ++z) {
            const tr_sector* s = room.sector_at(x, z);
            if (s == nullptr) continue;
            json.begin_object(true);
            json.field("column", x);
            json.field("row", z);
            json.field("fd_index", s->fd_index);
            json.field("box_index", s->box_index);
            json.field("pit_room", s->pit_room);
            json.field("floor", s->floor);
            json.field("sky_room", s->sky_room);
            json.field("ceiling", s->ceiling);
            json.end_object();
        }
    }
    json.end_array();
}

void write_room_statics(JsonWriter& json, const troom& room, int32_t game_version) {
    json.key("room_statics");
    json.begin_array();
    const auto put = field_writer(json);
    const int count = std::min<int>(room.num_room_statics, kRoomMaxStatics);
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        json.begin_object(true);
        if (game_version <= kTUB) {
            const tr_room_static1& s = room.room_statics1[i];
            put("x", s.x);
            put("y", s.y);
            put("z", s.z);
            put("rotation", s.rotation);
            put("intensity", s.intensity);
            put("mesh_id", s.mesh_id);
        } else {
            const tr_room_static& s = room.room_statics[i];
            put("x", s.x);
            put("y", s.y);
            put("z", s.z);
            put("rotation", s.rotation);
            put("intensity1", s.intensity1);
            put("intensity2", s.intensity2);
            put("mesh_id", s.mesh_id);
        }
        json.end_object();
    }
    json.end_array();
}

void write_room(JsonWriter& json, const troom& room, int number, int32_t game_version, bool full) {
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
    json.field("alternate_room", room.alternate_room);
    json.field("water", room.is_water());
    if (full) {
        write_sectors(json, room);
        write_room_statics(json, room, game_version);
    }
    json.end_object();
}

void write_items(JsonWriter& json, const Ttrlevel& level) {
    json.key("items");
    json.begin_array();
    const auto put = field_writer(json);
    for (size_t i = 0; i < static_cast<size_t>(level.num_items); ++i) {
        json.begin_object(true);
        if (level.game_version <= kTUB) {
            const tr_item1& item = level.items1[i];
            put("object_id", item.object_id);
            put("room", item.room);
            put("x", item.x);
            put("y", item.y);
            put("z", item.z);
            put("angle", item.angle);
            put("intensity", item.intensity);
            put("flags", item.flags);
        } else {
            const tr_item& item = level.items[i];
            put("object_id", item.object_id);
            put("room", item.room);
            put("x", item.x);
            put("y", item.y);
            put("z", item.z);
            put("angle", item.angle);
            put("intensity1", item.intensity1);
            put("intensity2", item.intensity2);
            put("flags", item.flags);
        }
        json.end_object();
    }
    json.end_array();
}

void write_cameras(JsonWriter& json, const Ttrlevel& level) {
    json.key("cameras");
    json.begin_array();
    for (const tr_camera& camera : level.cameras) {
        json.begin_object(true);
        json.field("x", camera.x);
        json.field("y", camera.y);
        json.field("z", camera.z);
        json.field("room", camera.room);
        json.field("flags", camera.flags);
        json.end_object();
    }
    json.end_array();
}

void write_floor_data(JsonWriter& json, const Ttrlevel& level) {
    json.key("floor_data");
    json.begin_array(true);
    for (uint16_t word : level.floor_data)
        json.value(word);
    json.end_array();
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
    json.field("version_word", level->version_word);
    write_counts(json, *level);
    json.key("rooms");
    json.begin_array();
    for (size_t i = 0; i < level->rooms.size(); ++i)
        write_room(json, level->rooms[i], static_cast<int>(i) + 1, level->game_version, full);
    json.end_array();
    if (full) {
        write_items(json, *level);
        write_cameras(json, *level);
        write_floor_data(json, *level);
    }
    json.end_object();
    json.finish();
    return 0;
}

}  // namespace rw::info
