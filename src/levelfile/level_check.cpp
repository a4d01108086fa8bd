#include "levelfile/level_check.h"

#include <cstdint>

#include "levelfile/level_tables.h"

namespace rw {

namespace {

using problem = std::optional<std::string>;

template <class Table>
problem table_holds(const char* what, int64_t count, const Table& table) {
    if (count < 0 || static_cast<uint64_t>(count) > table.size()) {
        return std::string(what) + ": count " + std::to_string(count) + " but " +
               std::to_string(table.size()) + " entries held";
    }
    return std::nullopt;
}

problem within(const char* what, int64_t count, int64_t capacity) {
    if (count < 0 || count > capacity) {
        return std::string(what) + ": count " + std::to_string(count) + " exceeds " +
               std::to_string(capacity);
    }
    return std::nullopt;
}

problem check_room(const troom& room, int32_t v) {
    const int64_t sectors = int64_t{room.num_z_sectors} * room.num_x_sectors;
    for (problem p : {within("vertices", room.num_vertices, kRoomMaxVertices),
                      within("rectangles", room.num_rectangles, kRoomMaxRectangles),
                      within("triangles", room.num_triangles, kRoomMaxTriangles),
                      within("sprites", room.num_sprites, kRoomMaxSprites),
                      within("portals", room.num_portals, kRoomMaxPortals),
                      within("sector rows", room.num_z_sectors, kRoomMaxSectorsPerSide),
                      within("sector columns", room.num_x_sectors, kRoomMaxSectorsPerSide),
                      within("sectors", sectors, kRoomMaxSectors),
                      within("lights", room.num_lights, kRoomMaxLights),
                      within("room statics", room.num_room_statics, kRoomMaxStatics)}) {
        if (p) return p;
    }
    if (v == kTR5) return table_holds("room records", room.num_tr5_records, room.tr5_records);
    return std::nullopt;
}

problem check_rooms(const Ttrlevel& level) {
    if (auto p = table_holds("rooms", level.num_rooms, level.rooms)) return p;
    for (size_t i = 0; i < level.num_rooms; ++i) {
        if (auto p = check_room(level.rooms[i], level.game_version)) {
            return "room " + std::to_string(i) + ": " + *p;
        }
    }
    return std::nullopt;
}

problem check_blocks(const Ttrlevel& level) {
    const int32_t v = level.game_version;
    if (v <= kTR3) {
        if (level.num_textiles < 0 || level.num_textiles > INT32_MAX / kTileBytes16 ||
            level.textile8_bytes != static_cast<uint32_t>(level.num_textiles) * kTileBytes8) {
            return std::string("texture tiles: ") + std::to_string(level.num_textiles) +
                   " tiles but " + std::to_string(level.textile8_bytes) + " bytes";
        }
        if (auto p = table_holds("texture tiles", level.textile8_bytes, level.textile8)) return p;
        if (v >= kTR2) {
            if (auto p = table_holds("16-bit texture tiles",
                                     int64_t{level.num_textiles} * kTileBytes16, level.textile16)) {
                return p;
            }
        }
    } else if (level.textile8_bytes > INT32_MAX / 4) {
        return "texture tiles: " + std::to_string(level.textile8_bytes) + " bytes";
    }
    if (v < kTR2 || v >= kTR4) {
        if (auto p = table_holds("samples", level.samples_size, level.samples)) return p;
    }
    return std::nullopt;
}

problem check_tables(const Ttrlevel& level) {
    const int32_t v = level.game_version;
    const bool tr1 = v < kTR2, tr4 = v >= kTR4;
    for (problem p :
         {table_holds("floor data", level.num_floor_data, level.floor_data),
          table_holds("mesh data", level.num_mesh_data, level.mesh_data),
          table_holds("mesh pointers", level.num_mesh_pointers, level.mesh_pointers),
          tr4 ? table_holds("animations", level.num_animations, level.animations4)
              : table_holds("animations", level.num_animations, level.animations),
          table_holds("state changes", level.num_state_changes, level.state_changes),
          table_holds("animation dispatches", level.num_anim_dispatches, level.anim_dispatches),
          table_holds("animation commands", level.num_anim_commands, level.anim_commands),
          table_holds("mesh hierarchy", level.num_mesh_hierarchy, level.mesh_hierarchy),
          table_holds("frames", level.num_frames, level.frames),
          v == kTR5 ? table_holds("moveables", level.num_moveables, level.moveables5)
                    : table_holds("moveables", level.num_moveables, level.moveables),
          table_holds("static meshes", level.num_static_meshes, level.static_meshes),
          table_holds("object textures", level.num_object_textures, level.object_textures),
          table_holds("sprite textures", level.num_sprite_textures, level.sprite_textures),
          table_holds("sprite sequences", level.num_sprite_sequences, level.sprite_sequences),
          table_holds("cameras", level.num_cameras, level.cameras),
          tr4 ? table_holds("flyby cameras", level.num_flyby_cameras, level.flyby_cameras)
              : std::nullopt,
          table_holds("sound sources", level.num_sound_sources, level.sound_sources),
          tr1 ? table_holds("boxes", level.num_boxes, level.boxes1)
              : table_holds("boxes", level.num_boxes, level.boxes),
          table_holds("overlaps", level.num_overlaps, level.overlaps),
          table_holds("animated textures", level.num_animated_textures, level.animated_textures),
          tr1 ? table_holds("items", level.num_items, level.items1)
              : table_holds("items", level.num_items, level.items),
          tr4 ? table_holds("AI objects", level.num_ai_objects, level.ai_objects)
              : table_holds("cinematic frames", level.num_ai_objects, level.cinematic_frames),
          tr4 ? std::nullopt : within("cinematic frames", level.num_ai_objects, UINT16_MAX),
          table_holds("demo data", level.num_demo_data, level.demo_data),
          within("demo data", level.num_demo_data, UINT16_MAX),
          table_holds("sound details", level.num_sound_details, level.sound_details),
          table_holds("sample indices", level.num_sample_indices, level.sample_indices)}) {
        if (p) return p;
    }
    for (ZoneArray z : zone_arrays_in_file(v)) {
        if (auto p = table_holds("zones", level.num_boxes, level.zones[z])) return p;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> check_level_for_writing(const Ttrlevel& level) {
    if (level.game_version < kTR1 || level.game_version > kTR5) {
        return "unknown game version " + std::to_string(level.game_version);
    }
    if (auto p = check_rooms(level)) return p;
    if (auto p = check_blocks(level)) return p;
    return check_tables(level);
}

}  // namespace rw
