#pragma once
// The sample meshes in a game version's mesh format, and the mesh pointers and static mesh
// records that reach them.

#include <cstdint>
#include <vector>

#include "levelfile/trlevel.h"
#include "mesh_shapes.h"

namespace rw::samples {

// One mesh as 16-bit words, padded to a multiple of 4 bytes.
std::vector<uint16_t> encode_mesh(const MeshShape& shape, int32_t game_version);

// Fills mesh_data, mesh_pointers and static_meshes for the level's game_version.
void put_meshes(Ttrlevel& level);

}  // namespace rw::samples
