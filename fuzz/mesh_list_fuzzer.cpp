// build_mesh_list over arbitrary mesh data: the first byte picks the game version, the next
// four the mesh pointers' count, the rest is mesh_data. No input may read out of bounds.

#include <cstddef>
#include <cstdint>

#include "levelfile/little_endian.h"
#include "levelfile/mesh_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    rw::Ttrlevel level;
    level.game_version = 1 + data[0] % 7;
    const int pointers = data[1] % 16;
    data += 2, size -= 2;
    level.set_num_mesh_data(static_cast<int32_t>(size / 2));
    for (size_t i = 0; i < size / 2; ++i)
        level.mesh_data[i] = rw::load_le<uint16_t>(data + 2 * i);
    level.set_num_mesh_pointers(pointers);
    for (int i = 0; i < pointers; ++i)
        level.mesh_pointers[static_cast<size_t>(i)] = i * 4;
    rw::Tmesh_list list;
    rw::build_mesh_list(list, level);
    return 0;
}
