#pragma once
// The shapes of the sample meshes, in game units (the y axis points down, a mesh stands on
// y = 0), independent of any game version's mesh format.

#include <array>
#include <cstdint>
#include <vector>

namespace rw::samples {

struct MeshVertex {
    int16_t x, y, z;
};

struct MeshFace {
    std::array<uint16_t, 4> vertices;
    bool triangle;        // the first three vertices only
    uint16_t texture;     // object texture; also used where coloured faces do not exist
    int16_t colour = -1;  // palette index of a coloured face (codes 1-5), -1 for textured
};

struct MeshShape {
    std::vector<MeshVertex> vertices;
    std::vector<MeshFace> faces;
};

// Indexed by mesh pointer: the marker, then the static meshes in SampleStaticMesh order.
std::vector<MeshShape> sample_mesh_shapes();

}  // namespace rw::samples
