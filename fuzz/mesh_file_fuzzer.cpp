// Mesh file images into a level of each game version: the first byte chooses the version, the
// rest is the file.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "levelfile/mesh_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const std::unique_ptr<rw::Ttrlevel> level = [] {
        auto l = std::make_unique<rw::Ttrlevel>();
        l->set_num_rooms(3);
        l->set_num_boxes(4);
        l->set_num_zones(4);
        return l;
    }();
    level->game_version = 1 + data[0] % 7;
    rw::import_mesh_image(*level, data + 1, size - 1);
    rw::scan_mesh_file(data + 1, size - 1, level->game_version, 2);
    return 0;
}
