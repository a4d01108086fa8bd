#include <algorithm>

#include "levelfile/classic_header.h"
#include "levelfile/classic_rooms.h"
#include "levelfile/level_check.h"
#include "levelfile/level_file.h"
#include "levelfile/level_tables.h"
#include "levelfile/level_writer.h"
#include "levelfile/packed_header.h"
#include "levelfile/tr5_layer.h"
#include "levelfile/tr5_rooms.h"
#include "levelfile/zfile.h"

namespace rw {

namespace {

constexpr uint8_t kLevelDataEnd[4] = {kTr5Filler, kTr5Filler, kTr5Filler, kTr5Filler};

template <class... Tables>
size_t bytes_of(const Tables&... tables) {
    return ((tables.size() * sizeof(typename Tables::value_type)) + ...);
}

// About as many bytes as the level data will take, a little more rather than less, so that the
// stream grows once.
int32_t estimated_level_data_bytes(const Ttrlevel& level) {
    size_t n =
        65536 + bytes_of(level.floor_data, level.mesh_data, level.mesh_pointers, level.animations,
                         level.animations4, level.state_changes, level.anim_dispatches,
                         level.anim_commands, level.mesh_hierarchy, level.frames, level.moveables5,
                         level.static_meshes, level.object_textures, level.sprite_textures,
                         level.sprite_sequences, level.cameras, level.flyby_cameras,
                         level.sound_sources, level.boxes1, level.overlaps, level.animated_textures,
                         level.items, level.cinematic_frames, level.ai_objects, level.demo_data,
                         level.sound_details, level.sample_indices);
    for (const auto& zone : level.zones)
        n += bytes_of(zone);
    for (const troom& room : level.rooms) {
        n += 512 + room.num_vertices * sizeof(tr5_vertex) +
             room.num_rectangles * sizeof(tr5_rectangle) +
             room.num_triangles * sizeof(tr5_triangle) + room.num_sprites * sizeof(tr_sprite) +
             room.num_portals * sizeof(tr_portal) +
             size_t{room.num_z_sectors} * room.num_x_sectors * sizeof(tr_sector) +
             room.num_lights * sizeof(tr4_light) + room.num_room_statics * sizeof(tr_room_static) +
             room.tr5_records.size() * sizeof(tr5_room_record);
    }
    return static_cast<int32_t>(std::min<size_t>(n, INT32_MAX / 2));
}

int32_t estimated_classic_file_bytes(const Ttrlevel& level) {
    const size_t n = size_t{level.textile8_bytes} + bytes_of(level.textile16, level.samples) +
                     static_cast<size_t>(estimated_level_data_bytes(level));
    return static_cast<int32_t>(std::min<size_t>(n, INT32_MAX / 2));
}

void write_classic_level(level_writer& out, Ttrlevel& level) {
    write_classic_header(out, level);
    write_classic_rooms(out, level);
    write_level_tables(out, level);
}

// Code 7's level data, framed by its length twice, patched once the data has been written.
void write_tr5_level_data(level_writer& out, Ttrlevel& level) {
    out.put(level.tr5_header.data(), level.tr5_header.size());
    const int32_t sizes_at = out.position();
    out.u32(level.tr5_level_size);
    out.u32(level.tr5_level_size2);
    write_tr5_rooms(out, level);
    write_level_tables(out, level);
    out.put(kLevelDataEnd, sizeof kLevelDataEnd);
    const auto size = static_cast<uint32_t>(out.position() - sizes_at - 8);
    level.tr5_level_size = level.tr5_level_size2 = size;
    out.patch_u32(sizes_at, size);
    out.patch_u32(sizes_at + 4, size);
}

// Codes 6-7: the level data is assembled first, then the header that needs its length is put
// in front of it.
void write_packed_level_file(level_writer& out, Ttrlevel& level, const std::string& file_name) {
    TZfile data;
    zf_rewrite(data, 1);
    zf_reserve(data, estimated_level_data_bytes(level));
    level_writer data_out(data);
    if (level.game_version == kTR4) {
        write_classic_rooms(data_out, level);
        write_level_tables(data_out, level);
    } else {
        write_tr5_level_data(data_out, level);
    }
    write_packed_level(out, level, file_name, data.buffer, static_cast<size_t>(data.size));
    zf_close(data, false);
}

// A TR4 level written under a TR5 name holds its rooms' geometry in the older forms only, and
// would be written with every vertex at the origin; such rooms are given their TR5 forms as the
// TR5 build step makes them. Rooms that hold TR5 forms already (a layer header) keep them.
void give_rooms_tr5_forms(Ttrlevel& level) {
    for (troom& room : level.rooms) {
        if (room.layer_headers.empty()) build_tr5_room_layer(room);
    }
}

// Fills `f` with the level's file; the caller stores it.
int write_level(Ttrlevel& level, const std::string& file_name, TZfile& f, std::string* refusal) {
    level.report_progress(0);
    if (!level.is_loaded()) {
        if (refusal != nullptr) *refusal = kSaveNothingLoadedMessage;
        return kSaveNothingLoaded;
    }
    const int32_t held_version = level.game_version;
    if (is_known_version_word(level.version_word)) {
        level.game_version = game_version_for(level.version_word, file_name, level.game_version);
    }
    if (auto problem = check_level_for_writing(level)) {
        if (refusal != nullptr) *refusal = std::string(kSaveInconsistentMessage) + ": " + *problem;
        return kSaveInconsistent;
    }
    if (held_version == kTR4 && level.game_version == kTR5) give_rooms_tr5_forms(level);
    zf_assign(f, file_name);
    zf_rewrite(f, 1);
    level_writer out(f);
    if (level.game_version <= kTR3) {
        zf_reserve(f, estimated_classic_file_bytes(level));
        write_classic_level(out, level);
    } else {
        write_packed_level_file(out, level, file_name);
    }
    level.report_progress(100);
    return kSaveOk;
}

}  // namespace

int save_level(Ttrlevel& level, const std::string& file_name, std::string* refusal) {
    TZfile f;
    const int result = write_level(level, file_name, f, refusal);
    if (result != kSaveOk) return result;
    zf_close(f, true);
    level.report_progress(0);
    return kSaveOk;
}

int save_level_to_bytes(Ttrlevel& level, const std::string& file_name, std::vector<uint8_t>& out,
                        std::string* refusal) {
    TZfile f;
    const int result = write_level(level, file_name, f, refusal);
    if (result != kSaveOk) return result;
    out.assign(f.buffer, f.buffer + f.size);
    zf_close(f, false);
    level.report_progress(0);
    return kSaveOk;
}

}  // namespace rw
