#include "room_fixtures.h"

#include <cstring>

#include "levelfile/game_version.h"
#include "levelfile/little_endian.h"

namespace rw::samples {

namespace {

constexpr uint16_t kLightIntensity = 0x1000;  // of 0x1FFF
constexpr uint32_t kLightFade = 6144;         // world units
constexpr float kLightInner = 1024.0f;

float unit(uint8_t component) {
    return static_cast<float>(component) / 255.0f;
}

// Position, colour, intensity, type 1 (a point light) and its inner and outer fall-off.
tr4_light tr4_point_light(const RoomPlan& plan) {
    tr4_light l{};
    uint8_t* p = l.data();
    for (size_t k = 0; k < 3; ++k)
        store_le<int32_t>(p + 4 * k, plan.light_position[k]);
    p[12] = plan.light_colour.red;
    p[13] = plan.light_colour.green;
    p[14] = plan.light_colour.blue;
    p[15] = 1;
    p[17] = 0x1F;
    store_le<float>(p + 18, kLightInner);
    store_le<float>(p + 22, static_cast<float>(kLightFade));
    return l;
}

// Position and colour as floats, then the inner and outer fall-off; type 1 in the last byte.
tr5_light tr5_point_light(const RoomPlan& plan) {
    tr5_light l{};
    uint8_t* p = l.data();
    for (size_t k = 0; k < 3; ++k)
        store_le<float>(p + 4 * k, static_cast<float>(plan.light_position[k]));
    store_le<float>(p + 12, unit(plan.light_colour.red));
    store_le<float>(p + 16, unit(plan.light_colour.green));
    store_le<float>(p + 20, unit(plan.light_colour.blue));
    store_le<float>(p + 24, kLightInner);
    store_le<float>(p + 28, static_cast<float>(kLightFade));
    p[84] = 1;
    return l;
}

uint16_t light_intensity(uint8_t light) {
    return static_cast<uint16_t>(light << 8);
}

}  // namespace

uint16_t grey15(uint8_t light) {
    const int v = 31 - light;
    return static_cast<uint16_t>(v * 1024 + v * 32 + v);
}

void put_room_light(const RoomPlan& plan, int32_t game_version, troom& room) {
    room.num_lights = 1;
    const auto [x, y, z] = plan.light_position;
    if (game_version <= kTUB) {
        room.lights1[0] = {x, y, z, kLightIntensity, kLightFade};
    } else if (game_version <= kTRG) {
        room.lights[0] = {x, y, z, kLightIntensity, kLightIntensity, kLightFade, kLightFade};
    } else if (game_version == kTR3) {
        const tr3_light coloured{x,
                                 y,
                                 z,
                                 plan.light_colour.red,
                                 plan.light_colour.green,
                                 plan.light_colour.blue,
                                 0,
                                 kLightIntensity,
                                 kLightFade};
        static_assert(sizeof coloured == sizeof room.lights[0]);
        std::memcpy(&room.lights[0], &coloured, sizeof coloured);
    } else if (game_version == kTR4) {
        room.lights4[0] = tr4_point_light(plan);
    } else {
        room.light5[0] = tr5_point_light(plan);
    }
}

void put_room_statics(const RoomPlan& plan, int32_t game_version, troom& room) {
    room.num_room_statics = static_cast<uint16_t>(plan.statics.size());
    for (size_t i = 0; i < plan.statics.size(); ++i) {
        const StaticPlan& s = plan.statics[i];
        const int32_t x = plan.x + s.column * 1024 + 512;
        const int32_t z = plan.z + s.row * 1024 + 512;
        const auto rotation = static_cast<uint16_t>(s.eighths * 0x2000);
        const auto mesh = static_cast<uint16_t>(s.mesh);
        const uint16_t intensity = light_intensity(plan.light);
        if (game_version <= kTUB) {
            room.room_statics1[i] = {x, plan.y_bottom, z, rotation, intensity, mesh};
        } else if (game_version <= kTRG) {
            room.room_statics[i] = {x, plan.y_bottom, z, rotation, intensity, intensity, mesh};
        } else {
            room.room_statics[i] = {x, plan.y_bottom, z, rotation, grey15(plan.light), 0, mesh};
        }
    }
}

// The light level sits in the high byte of the ambient intensity; TR4 keeps a colour instead
// (blue-green in water), and TR5 the colour that its layer step derives from the level.
void put_room_ambient(const RoomPlan& plan, int32_t game_version, troom& room) {
    store_le<uint16_t>(room.ambient.data(), light_intensity(plan.light));
    const bool second_intensity = game_version == kTR2 || game_version == kTRG;
    store_le<uint16_t>(room.ambient.data() + 2, second_intensity ? 0xFFFF : 0);
    if (game_version == kTR4) {
        const auto v = static_cast<uint8_t>(248 - 8 * plan.light);
        room.ambient = {v, v, plan.water ? uint8_t{0} : v, 0};
    }
}

}  // namespace rw::samples
