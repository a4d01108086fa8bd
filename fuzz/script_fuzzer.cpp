// Compiles arbitrary script text into a small level held in memory. The first byte picks the
// game version; the rest is the script. Each input is compiled twice by one compiler, so a
// copied floor-data index also crosses from one run to the next.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "levelfile/trlevel.h"
#include "script/script_compiler.h"

namespace {

using rw::Ttrlevel;

// Three rooms (6 x 6, 8 x 5 and 1 x 1 sectors) with a grid of vertices, floors at varied
// heights, and a floor-data chain already in one sector.
std::unique_ptr<Ttrlevel> fuzz_level(int32_t game_version) {
    auto level = std::make_unique<Ttrlevel>();
    level->game_version = game_version;
    level->set_num_rooms(3);
    const int sizes[3][2] = {{6, 6}, {8, 5}, {1, 1}};
    for (size_t r = 0; r < 3; ++r) {
        rw::troom& room = level->rooms[r];
        room.x = static_cast<int32_t>(r) * 8192;
        room.num_x_sectors = static_cast<uint16_t>(sizes[r][0]);
        room.num_z_sectors = static_cast<uint16_t>(sizes[r][1]);
        for (int i = 0; i < sizes[r][0] * sizes[r][1]; ++i)
            room.sectors[static_cast<size_t>(i)].floor = static_cast<int8_t>(i % 7 - 3);
        for (int x = 0; x <= sizes[r][0]; ++x) {
            for (int z = 0; z <= sizes[r][1]; ++z) {
                const auto v = static_cast<size_t>(room.num_vertices++);
                const auto vx = static_cast<int16_t>(x * 1024), vz = static_cast<int16_t>(z * 1024);
                const auto vy = static_cast<int16_t>((x + z) % 3 * 1024);
                room.vertices[v] = rw::tr_vertex{vx, vy, vz, 0};
                room.vertices2[v] = rw::tr_vertex2{vx, vy, vz, 0, 16, 0};
            }
        }
    }
    // The dummy word, then a slope and a trigger whose camera action ends the chain.
    level->floor_data = {0, 0x0002, 0x0101, 0x8004, 0x0000, 0x0401, 0x8003};
    level->num_floor_data = static_cast<int32_t>(level->floor_data.size());
    level->rooms[0].sector_at(2, 2)->fd_index = 1;
    return level;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int32_t version = 1 + data[0] % 7;
    const std::string script(reinterpret_cast<const char*>(data + 1), size - 1);
    auto level = fuzz_level(version);
    rw::ScriptCompiler compiler;
    for (int run = 0; run < 2; ++run) {
        if (compiler.scp_compile_text(script, *level) < 0 && compiler.scp_error().empty())
            __builtin_trap();  // a refusal always says why
    }
    return 0;
}
