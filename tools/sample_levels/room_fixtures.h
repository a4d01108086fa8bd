#pragma once
// A sample room's light, placed static meshes and ambient light in the forms of each game
// version.

#include <cstdint>

#include "levelfile/troom.h"
#include "room_plans.h"

namespace rw::samples {

// A light level (0 full light .. 31 dark) as a 15-bit grey, the colour form of codes 5-7.
uint16_t grey15(uint8_t light);

void put_room_light(const RoomPlan& plan, int32_t game_version, troom& room);
void put_room_statics(const RoomPlan& plan, int32_t game_version, troom& room);
void put_room_ambient(const RoomPlan& plan, int32_t game_version, troom& room);

}  // namespace rw::samples
