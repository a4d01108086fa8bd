#pragma once
// Room lights placed by scripts, and the shading they give the room's vertices: vertices on
// square rings around the light's sector, in horizontal bands below the light, get a value that
// fades ring by ring and band by band.

#include <cstdint>

#include "levelfile/trlevel.h"
#include "script/script_fault.h"
#include "script/script_position.h"

namespace rw {

// Where the fields of a TR4 light (46 bytes) lie: position as 32-bit integers, colour bytes.
inline constexpr int kTr4LightX = 0;
inline constexpr int kTr4LightRed = 12;
// Where the fields of a TR5 light (85 bytes) lie: position as floats, colour as floats from 0
// to 1, and the position again as 32-bit integers.
inline constexpr int kTr5LightX = 0;
inline constexpr int kTr5LightRed = 12;
inline constexpr int kTr5LightIntX = 60;

// Grey light of the TR1 and TR2 formats; does nothing on later games.
ScriptFault put_spot_light(Ttrlevel& level, ScriptArgs args);
// Coloured light of TR3 and later; does nothing on earlier games.
ScriptFault put_rgb_light(Ttrlevel& level, ScriptArgs args);

// The value a light of `start` and `range` gives in band `band` (from 0, downwards) on ring
// `ring` (from 1, outwards).
int64_t faded_light_value(int64_t start, int64_t range, int64_t band, int64_t ring);

}  // namespace rw
