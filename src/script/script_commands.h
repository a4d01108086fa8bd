#pragma once
// The top-level script commands that change the level directly. Each checks its argument
// count first, then where it writes, and changes nothing when it refuses the line.

#include "levelfile/trlevel.h"
#include "script/script_fault.h"
#include "script/script_position.h"

namespace rw {

// Items beyond this could not be told apart by the game's 16-bit item numbers.
inline constexpr int32_t kMaxItems = 32767;

ScriptFault put_item(Ttrlevel& level, ScriptArgs args);
ScriptFault kill_lara(Ttrlevel& level, ScriptArgs args);
ScriptFault add_camera(Ttrlevel& level, ScriptArgs args);
ScriptFault add_sink(Ttrlevel& level, ScriptArgs args);
ScriptFault put_alternate(Ttrlevel& level, ScriptArgs args);
ScriptFault put_static_mesh(Ttrlevel& level, ScriptArgs args);
ScriptFault climb_wall(Ttrlevel& level, ScriptArgs args);
ScriptFault monkey_swing(Ttrlevel& level, ScriptArgs args);

// Gives a sector a floor-data chain ending in these bytes (see scp_insert_floor_data).
ScriptFault insert_floor_data(Ttrlevel& level, const SectorRef& at, const uint8_t* bytes,
                              int32_t length);

}  // namespace rw
