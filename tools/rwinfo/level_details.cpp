#include "level_details.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace rw::info {

namespace {

// Fields of the packed TR1 records are misaligned, so they are handed over by value.
auto field_writer(JsonWriter& json) {
    return [&json](const char* name, auto value) { json.field(name, value); };
}

template <class Array>
void write_numbers(JsonWriter& json, const char* name, const Array& numbers) {
    json.key(name);
    json.begin_array(true);
    for (auto n : numbers)
        json.value(n);
    json.end_array();
}

// Records whose fields the system carries without reading them, as hexadecimal bytes.
template <size_t N>
std::string hex(const std::array<uint8_t, N>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
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

void write_portals(JsonWriter& json, const troom& room) {
    json.key("portals");
    json.begin_array();
    const int count = std::min<int>(room.num_portals, kRoomMaxPortals);
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        const tr_portal& p = room.portals[i];
        json.begin_object(true);
        json.field("adjoining_room", p.adjoining_room);
        write_numbers(json, "normal", p.normal);
        json.key("vertices");
        json.begin_array(true);
        for (const auto& v : p.vertices) {
            json.begin_array(true);
            for (int16_t c : v)
                json.value(c);
            json.end_array();
        }
        json.end_array();
        json.end_object();
    }
    json.end_array();
}

void write_light(JsonWriter& json, const troom& room, size_t i, int32_t v) {
    const auto put = field_writer(json);
    if (v <= kTUB) {
        const tr_light1& l = room.lights1[i];
        put("x", l.x);
        put("y", l.y);
        put("z", l.z);
        put("intensity", l.intensity);
        put("fade", l.fade);
    } else if (v == kTR3) {
        tr3_light l;  // the same bytes, read as a coloured light
        std::memcpy(&l, &room.lights[i], sizeof l);
        put("x", l.x);
        put("y", l.y);
        put("z", l.z);
        put("red", l.red);
        put("green", l.green);
        put("blue", l.blue);
        put("intensity", l.intensity);
        put("fade", l.fade);
    } else if (v < kTR3) {
        const tr_light& l = room.lights[i];
        put("x", l.x);
        put("y", l.y);
        put("z", l.z);
        put("intensity1", l.intensity1);
        put("intensity2", l.intensity2);
        put("fade1", l.fade1);
        put("fade2", l.fade2);
    } else if (v == kTR4) {
        put("bytes", hex(room.lights4[i]));
    } else {
        put("bytes", hex(room.light5[i]));
    }
}

void write_lights(JsonWriter& json, const troom& room, int32_t v) {
    json.key("lights");
    json.begin_array();
    const int count = std::min<int>(room.num_lights, kRoomMaxLights);
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        json.begin_object(true);
        write_light(json, room, i, v);
        json.end_object();
    }
    json.end_array();
}

void write_room_statics(JsonWriter& json, const troom& room, int32_t v) {
    json.key("room_statics");
    json.begin_array();
    const auto put = field_writer(json);
    const int count = std::min<int>(room.num_room_statics, kRoomMaxStatics);
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        json.begin_object(true);
        if (v <= kTUB) {
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

template <class Box>
void write_box(JsonWriter& json, const Box& box) {
    const auto put = field_writer(json);
    json.begin_object(true);
    put("z_min", box.z_min);
    put("z_max", box.z_max);
    put("x_min", box.x_min);
    put("x_max", box.x_max);
    put("true_floor", box.true_floor);
    put("overlap_index", box.overlap_index);
    json.end_object();
}

void write_boxes(JsonWriter& json, const Ttrlevel& level) {
    json.key("boxes");
    json.begin_array();
    for (size_t i = 0; i < static_cast<size_t>(level.num_boxes); ++i) {
        if (level.game_version <= kTUB) {
            write_box(json, level.boxes1[i]);
        } else {
            write_box(json, level.boxes[i]);
        }
    }
    json.end_array();
}

void write_zones(JsonWriter& json, const Ttrlevel& level) {
    static const char* const names[kZoneArrayCount] = {"ground1",
                                                       "ground2",
                                                       "ground3",
                                                       "ground4",
                                                       "fly",
                                                       "ground1_alternate",
                                                       "ground2_alternate",
                                                       "ground3_alternate",
                                                       "ground4_alternate",
                                                       "fly_alternate"};
    // The Tomb Raider games store only the first two ground zones and the fly zone of each half.
    const bool tr1 = level.game_version <= kTUB;
    json.key("zones");
    json.begin_object();
    for (int z = 0; z < kZoneArrayCount; ++z) {
        const bool stored = !tr1 || (z % 5 != 2 && z % 5 != 3);
        if (stored) write_numbers(json, names[z], level.zones[static_cast<size_t>(z)]);
    }
    json.end_object();
}

}  // namespace

void write_room_details(JsonWriter& json, const troom& room, int32_t game_version) {
    write_sectors(json, room);
    write_portals(json, room);
    write_lights(json, room, game_version);
    write_room_statics(json, room, game_version);
}

void write_level_details(JsonWriter& json, const Ttrlevel& level) {
    write_numbers(json, "floor_data", level.floor_data);
    write_items(json, level);
    write_cameras(json, level);
    write_boxes(json, level);
    write_numbers(json, "overlaps", level.overlaps);
    write_zones(json, level);
}

}  // namespace rw::info
