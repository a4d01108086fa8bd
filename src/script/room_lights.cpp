#include "script/room_lights.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace rw {

namespace {

constexpr int64_t kBlock = 1024;
constexpr int64_t kHalfBlock = 512;

// A light's centre relative to its room, the top of its first band and its range.
struct LightShape {
    int64_t x, y, z;
    int64_t range;
};

LightShape shape_of(const SectorRef& at, WorldPoint p, int32_t range) {
    return {p.x - int64_t{at.room->x}, p.y, p.z - int64_t{at.room->z}, range};
}

// The band and ring a vertex lies on, if any. Bands include both their ends, and a vertex on
// the border of two bands belongs to the lower one, which is lit last.
bool find_ring(const LightShape& light, int64_t x, int64_t y, int64_t z, int64_t& band,
               int64_t& ring) {
    if (light.range < 2) return false;  // a range of 1 has no rings
    const int64_t dy = y - light.y;
    if (dy < 0 || dy > light.range * kBlock) return false;
    band = std::min(dy / kBlock, light.range - 1);
    const int64_t distance = std::max(std::abs(x - light.x), std::abs(z - light.z));
    if ((distance + kHalfBlock) % kBlock != 0) return false;
    ring = (distance + kHalfBlock) / kBlock;
    return ring >= 1 && ring <= light.range - 1;
}

uint32_t times(int32_t value, int64_t factor) {
    return static_cast<uint32_t>(value * factor);
}

void shade_grey(troom& room, const LightShape& light, int32_t intensity) {
    for (size_t i = 0; i < room.num_vertices; ++i) {
        const tr_vertex& v = room.vertices[i];
        int64_t band = 0, ring = 0;
        if (!find_ring(light, v.x, v.y, v.z, band, ring)) continue;
        const auto lighting =
            static_cast<int16_t>(faded_light_value(intensity, light.range, band, ring) << 8);
        room.vertices[i].lighting = lighting;
        room.vertices2[i].lighting = lighting;
    }
}

void shade_colour(troom& room, const LightShape& light, int32_t red, int32_t green, int32_t blue) {
    for (size_t i = 0; i < room.num_vertices; ++i) {
        tr_vertex2& v = room.vertices2[i];
        int64_t band = 0, ring = 0;
        if (!find_ring(light, v.x, v.y, v.z, band, ring)) continue;
        auto channel = [&](int32_t value) {
            return faded_light_value(value / 8, light.range, band, ring);
        };
        v.lighting2 =
            static_cast<uint16_t>(channel(red) * 1024 + channel(green) * 32 + channel(blue));
    }
}

tr4_light tr4_light_at(WorldPoint p, uint8_t red, uint8_t green, uint8_t blue) {
    tr4_light light{};
    store_le(light.data() + kTr4LightX, p.x);
    store_le(light.data() + kTr4LightX + 4, p.y);
    store_le(light.data() + kTr4LightX + 8, p.z);
    light[kTr4LightRed] = red;
    light[kTr4LightRed + 1] = green;
    light[kTr4LightRed + 2] = blue;
    return light;
}

tr5_light tr5_light_at(WorldPoint p, uint8_t red, uint8_t green, uint8_t blue) {
    tr5_light light{};
    const int32_t position[] = {p.x, p.y, p.z};
    const uint8_t colour[] = {red, green, blue};
    for (int k = 0; k < 3; ++k) {
        store_le(light.data() + kTr5LightX + 4 * k, static_cast<float>(position[k]));
        store_le(light.data() + kTr5LightRed + 4 * k, static_cast<float>(colour[k]) / 255.0f);
        store_le(light.data() + kTr5LightIntX + 4 * k, position[k]);
    }
    return light;
}

}  // namespace

int64_t faded_light_value(int64_t start, int64_t range, int64_t band, int64_t ring) {
    // Within the range these never fall below zero, so "drop unless already 0" is a plain drop.
    const int64_t band_start = start - band * (start / range);
    return band_start - (ring - 1) * (band_start / range);
}

ScriptFault put_spot_light(Ttrlevel& level, ScriptArgs a) {
    if (level.game_version >= kTR3) return ScriptFault::kNone;
    if (a.size() < 4) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    troom& room = *at.room;
    if (room.num_lights >= kRoomMaxLights) return ScriptFault::kTooManyLights;

    const int32_t intensity = std::min(arg_or(a, 4, 16) & 0xFF, 31);
    const int32_t range = arg_or(a, 5, 1);
    const WorldPoint p = sector_point(at, a[3]);
    const auto stored_intensity = static_cast<uint16_t>((31 - intensity) << 8);
    const auto k = static_cast<size_t>(room.num_lights++);
    if (level.game_version <= kTUB) {
        room.lights1[k] = tr_light1{p.x, p.y, p.z, stored_intensity, times(range, kBlock)};
    } else {
        room.lights[k] =
            tr_light{p.x, p.y, p.z, stored_intensity, stored_intensity, times(range, kBlock), 0};
    }
    if (arg_or(a, 6, 0) != 1) shade_grey(room, shape_of(at, p, range), intensity);
    return ScriptFault::kNone;
}

ScriptFault put_rgb_light(Ttrlevel& level, ScriptArgs a) {
    if (level.game_version < kTR3) return ScriptFault::kNone;
    if (a.size() < 7) return ScriptFault::kNotEnoughParameters;
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return f;
    troom& room = *at.room;
    if (room.num_lights >= kRoomMaxLights) return ScriptFault::kTooManyLights;

    const auto red = static_cast<uint8_t>(a[4]);
    const auto green = static_cast<uint8_t>(a[5]);
    const auto blue = static_cast<uint8_t>(a[6]);
    const int32_t intensity = arg_or(a, 7, 128) & 0xFF;
    const int32_t range = arg_or(a, 8, 1);
    const WorldPoint p = sector_point(at, a[3]);
    const auto k = static_cast<size_t>(room.num_lights++);
    if (level.game_version == kTR3) {
        const tr3_light light{
            p.x, p.y, p.z, red, green, blue, 0, times(intensity, 256), times(range, 256)};
        room.lights[k] = std::bit_cast<tr_light>(light);
    } else if (level.game_version == kTR4) {
        room.lights4[k] = tr4_light_at(p, red, green, blue);
    } else {
        room.light5[k] = tr5_light_at(p, red, green, blue);
    }
    if (arg_or(a, 9, 0) != 1) shade_colour(room, shape_of(at, p, range), red, green, blue);
    return ScriptFault::kNone;
}

}  // namespace rw
