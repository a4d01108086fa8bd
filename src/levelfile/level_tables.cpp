#include "levelfile/level_tables.h"

#include <array>

#include "levelfile/item_forms.h"
#include "levelfile/table_io.h"

namespace rw {

namespace {

constexpr std::array<ZoneArray, 6> kTr1Zones = {kZoneGround1,    kZoneGround2,    kZoneFly,
                                                kZoneGround1Alt, kZoneGround2Alt, kZoneFlyAlt};
constexpr std::array<ZoneArray, 10> kAllZones = {
    kZoneGround1,    kZoneGround2,    kZoneGround3,    kZoneGround4,    kZoneFly,
    kZoneGround1Alt, kZoneGround2Alt, kZoneGround3Alt, kZoneGround4Alt, kZoneFlyAlt};

// ---- object textures: the stored form is the internal one cut short by version ----

void read_object_texture(level_reader& in, tr_object_texture& t, int32_t v) {
    constexpr const char* what = "object textures";
    in.read(&t.attribute, 4, what);  // attribute, tile
    if (v >= kTR4) in.read(&t.new_flags, 2, what);
    in.read(t.corners.data(), sizeof t.corners, what);
    if (v >= kTR4) in.read(t.extra.data(), sizeof t.extra, what);
    if (v == kTR5) in.read(t.extra5.data(), sizeof t.extra5, what);
}

void write_object_texture(level_writer& out, const tr_object_texture& t, int32_t v) {
    out.put(&t.attribute, 4);
    if (v >= kTR4) out.put(&t.new_flags, 2);
    out.put(t.corners.data(), sizeof t.corners);
    if (v >= kTR4) out.put(t.extra.data(), sizeof t.extra);
    if (v == kTR5) out.put(t.extra5.data(), sizeof t.extra5);
}

void read_object_textures(level_reader& in, Ttrlevel& level) {
    const uint32_t n = in.u32("object textures");
    in.expect(n, object_texture_bytes(level.game_version), kUnbounded, "object textures");
    level.set_num_object_textures(static_cast<int32_t>(n));
    for (auto& t : level.object_textures)
        read_object_texture(in, t, level.game_version);
}

void write_object_textures(level_writer& out, const Ttrlevel& level) {
    out.u32(static_cast<uint32_t>(level.num_object_textures));
    for (int32_t i = 0; i < level.num_object_textures; ++i)
        write_object_texture(out, level.object_textures[static_cast<size_t>(i)],
                             level.game_version);
}

// ---- boxes and zones ----

void read_boxes_and_zones(level_reader& in, Ttrlevel& level) {
    const bool tr1 = level.game_version < kTR2;
    const uint32_t n = in.u32("boxes");
    in.expect(n, tr1 ? sizeof(tr_box1) : sizeof(tr_box), kUnbounded, "boxes");
    level.set_num_boxes(static_cast<int32_t>(n));
    if (tr1) {
        in.read(level.boxes1.data(), n * sizeof(tr_box1), "boxes");
    } else {
        in.read(level.boxes.data(), n * sizeof(tr_box), "boxes");
    }
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_overlaps, level.overlaps, "overlaps");
    const auto arrays = zone_arrays_in_file(level.game_version);
    in.expect(uint64_t{n} * arrays.size(), 2, kUnbounded, "zones");
    level.set_num_zones(static_cast<int32_t>(n));
    for (ZoneArray z : arrays)
        in.read(level.zones[z].data(), n * 2, "zones");
}

void write_boxes_and_zones(level_writer& out, const Ttrlevel& level) {
    const auto n = static_cast<size_t>(level.num_boxes);
    out.u32(static_cast<uint32_t>(n));
    if (level.game_version < kTR2) {
        out.put(level.boxes1.data(), n * sizeof(tr_box1));
    } else {
        out.put(level.boxes.data(), n * sizeof(tr_box));
    }
    write_table<uint32_t>(out, level.num_overlaps, level.overlaps);
    for (ZoneArray z : zone_arrays_in_file(level.game_version))
        out.put(level.zones[z].data(), n * 2);
}

// ---- items, kept in both forms ----

void fill_other_item_form(Ttrlevel& level) {
    const auto n = static_cast<size_t>(level.num_items);
    if (level.game_version < kTR2) {
        for (size_t i = 0; i < n; ++i)
            level.items[i] = item_from_tr1_form(level.items1[i]);
    } else {
        for (size_t i = 0; i < n; ++i)
            level.items1[i] = item_to_tr1_form(level.items[i]);
    }
}

}  // namespace

size_t object_texture_bytes(int32_t v) {
    return v == kTR5 ? 40 : v == kTR4 ? 38 : 20;
}

int sound_map_entries(int32_t v) {
    return v < kTR2 ? 256 : v == kTR5 ? 450 : 370;
}

std::span<const ZoneArray> zone_arrays_in_file(int32_t v) {
    if (v < kTR2) return kTr1Zones;
    return kAllZones;
}

void read_level_tables(level_reader& in, Ttrlevel& level) {
    const int32_t v = level.game_version;
    level.report_progress(80);
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_floor_data, level.floor_data, "floor data");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_mesh_data, level.mesh_data, "mesh data");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_mesh_pointers, level.mesh_pointers,
                         "mesh pointers");
    if (v >= kTR4) {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_animations, level.animations4,
                             "animations");
    } else {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_animations, level.animations,
                             "animations");
    }
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_state_changes, level.state_changes,
                         "state changes");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_anim_dispatches, level.anim_dispatches,
                         "animation dispatches");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_anim_commands, level.anim_commands,
                         "animation commands");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_mesh_hierarchy, level.mesh_hierarchy,
                         "mesh hierarchy");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_frames, level.frames, "frames");
    if (v == kTR5) {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_moveables, level.moveables5,
                             "moveables");
    } else {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_moveables, level.moveables, "moveables");
    }
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_static_meshes, level.static_meshes,
                         "static meshes");
    if (v < kTR3) read_object_textures(in, level);
    if (v >= kTR4) in.read(level.spr_marker.data(), v == kTR5 ? 4 : 3, "sprite marker");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_sprite_textures, level.sprite_textures,
                         "sprite textures");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_sprite_sequences, level.sprite_sequences,
                         "sprite sequences");
    if (v == kTUB) in.read(level.palette.data(), level.palette.size(), "palette");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_cameras, level.cameras, "cameras");
    if (v >= kTR4) {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_flyby_cameras, level.flyby_cameras,
                             "flyby cameras");
    }
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_sound_sources, level.sound_sources,
                         "sound sources");
    read_boxes_and_zones(in, level);
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_animated_textures, level.animated_textures,
                         "animated textures");
    level.report_progress(85);
    if (v >= kTR4) in.read(level.tex_marker.data(), v == kTR5 ? 5 : 4, "texture marker");
    if (v >= kTR3) read_object_textures(in, level);

    level.report_progress(90);
    if (v < kTR2) {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_items, level.items1, "items");
    } else {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_items, level.items, "items");
    }
    fill_other_item_form(level);
    if (v <= kTR3) in.read(level.light_map.data(), level.light_map.size(), "light map");
    if (v == kTR1) in.read(level.palette.data(), level.palette.size(), "palette");
    if (v >= kTR4) {
        read_table<uint32_t>(in, level, &Ttrlevel::set_num_ai_objects, level.ai_objects,
                             "AI objects");
    } else {
        read_table<uint16_t>(in, level, &Ttrlevel::set_num_ai_objects, level.cinematic_frames,
                             "cinematic frames");
    }
    read_table<uint16_t>(in, level, &Ttrlevel::set_num_demo_data, level.demo_data, "demo data");
    in.read(level.sound_map.data(), static_cast<size_t>(sound_map_entries(v)) * 2, "sound map");
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_sound_details, level.sound_details,
                         "sound details");
    if (v < kTR2) {
        const uint32_t n = in.u32("samples");
        in.expect(n, 1, kUnbounded, "samples");
        level.samples.assign(in.here(), in.here() + n);
        level.samples_size = static_cast<int32_t>(n);
        in.skip(n, "samples");
    }
    read_table<uint32_t>(in, level, &Ttrlevel::set_num_sample_indices, level.sample_indices,
                         "sample indices");
}

void write_level_tables(level_writer& out, const Ttrlevel& level) {
    const int32_t v = level.game_version;
    level.report_progress(80);
    write_table<uint32_t>(out, level.num_floor_data, level.floor_data);
    write_table<uint32_t>(out, level.num_mesh_data, level.mesh_data);
    write_table<uint32_t>(out, level.num_mesh_pointers, level.mesh_pointers);
    if (v >= kTR4) {
        write_table<uint32_t>(out, level.num_animations, level.animations4);
    } else {
        write_table<uint32_t>(out, level.num_animations, level.animations);
    }
    write_table<uint32_t>(out, level.num_state_changes, level.state_changes);
    write_table<uint32_t>(out, level.num_anim_dispatches, level.anim_dispatches);
    write_table<uint32_t>(out, level.num_anim_commands, level.anim_commands);
    write_table<uint32_t>(out, level.num_mesh_hierarchy, level.mesh_hierarchy);
    write_table<uint32_t>(out, level.num_frames, level.frames);
    if (v == kTR5) {
        write_table<uint32_t>(out, level.num_moveables, level.moveables5);
    } else {
        write_table<uint32_t>(out, level.num_moveables, level.moveables);
    }
    write_table<uint32_t>(out, level.num_static_meshes, level.static_meshes);
    if (v < kTR3) write_object_textures(out, level);
    if (v >= kTR4) out.put(level.spr_marker.data(), v == kTR5 ? 4 : 3);
    write_table<uint32_t>(out, level.num_sprite_textures, level.sprite_textures);
    write_table<uint32_t>(out, level.num_sprite_sequences, level.sprite_sequences);
    if (v == kTUB) out.put(level.palette.data(), level.palette.size());
    write_table<uint32_t>(out, level.num_cameras, level.cameras);
    if (v >= kTR4) write_table<uint32_t>(out, level.num_flyby_cameras, level.flyby_cameras);
    write_table<uint32_t>(out, level.num_sound_sources, level.sound_sources);
    write_boxes_and_zones(out, level);
    write_table<uint32_t>(out, level.num_animated_textures, level.animated_textures);
    level.report_progress(85);
    if (v >= kTR4) out.put(level.tex_marker.data(), v == kTR5 ? 5 : 4);
    if (v >= kTR3) write_object_textures(out, level);

    level.report_progress(90);
    if (v < kTR2) {
        write_table<uint32_t>(out, level.num_items, level.items1);
    } else {
        write_table<uint32_t>(out, level.num_items, level.items);
    }
    if (v <= kTR3) out.put(level.light_map.data(), level.light_map.size());
    if (v == kTR1) out.put(level.palette.data(), level.palette.size());
    if (v >= kTR4) {
        write_table<uint32_t>(out, level.num_ai_objects, level.ai_objects);
    } else {
        write_table<uint16_t>(out, level.num_ai_objects, level.cinematic_frames);
    }
    write_table<uint16_t>(out, level.num_demo_data, level.demo_data);
    out.put(level.sound_map.data(), static_cast<size_t>(sound_map_entries(v)) * 2);
    write_table<uint32_t>(out, level.num_sound_details, level.sound_details);
    if (v < kTR2) {
        out.u32(static_cast<uint32_t>(level.samples_size));
        out.put(level.samples.data(), static_cast<size_t>(level.samples_size));
    }
    write_table<uint32_t>(out, level.num_sample_indices, level.sample_indices);
}

}  // namespace rw
