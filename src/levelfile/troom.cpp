#include "levelfile/troom.h"

namespace rw {

void ttr5_layers::resize(int32_t n) {
    count = n < 0 ? 0 : n;
    const auto size = static_cast<size_t>(count);
    vertex_blocks.assign(size, {});
    rectangle_blocks.assign(size, {});
    triangle_blocks.assign(size, {});
}

int32_t troom::sector_number(int32_t x, int32_t z) const {
    if (x == 0) x = 1;
    return (x - 1) * num_z_sectors + z;
}

tr_sector* troom::sector_at(int32_t x, int32_t z) {
    return const_cast<tr_sector*>(static_cast<const troom*>(this)->sector_at(x, z));
}

const tr_sector* troom::sector_at(int32_t x, int32_t z) const {
    if (x == 0) x = 1;
    if (x < 1 || x > num_x_sectors || z < 1 || z > num_z_sectors) return nullptr;
    const int32_t index = (x - 1) * num_z_sectors + (z - 1);
    if (index >= kRoomMaxSectors) return nullptr;
    return &sectors[static_cast<size_t>(index)];
}

}  // namespace rw
