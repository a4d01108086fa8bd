#pragma once
// The level's meshes parsed once from the packed mesh_data words into entries the views draw
// without further parsing, with their bounding boxes in view units and a map from mesh
// pointers to entries.

#include <array>
#include <cstdint>
#include <vector>

#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"

namespace rw {

inline constexpr int kMeshCapacity = 501;  // vertices, normals and faces of each kind kept per mesh

struct MeshFace {
    std::array<uint16_t, 4> vertices{};  // three used by triangles
    uint16_t texture = 0;  // textured faces: object texture in the low 12 bits; else a colour
    uint16_t flags = 0;    // the extra value of TR4 and TR5 textured faces
};

struct MeshEntry {
    int32_t data_offset = 0;  // bytes from the start of mesh_data
    std::array<int16_t, 3> center{};
    int32_t radius = 0;
    std::vector<std::array<int16_t, 3>> mesh_vertices;
    int16_t normal_count = 0;  // as stored: negative means light values
    std::vector<std::array<int16_t, 3>> normals;
    std::vector<int16_t> shades;
    std::vector<MeshFace> tex_rects;
    std::vector<MeshFace> tex_tris;
    std::vector<MeshFace> col_rects;  // empty for TR4 and TR5
    std::vector<MeshFace> col_tris;
    std::array<double, 3> box_min{};
    std::array<double, 3> box_max{};
    std::array<double, 3> centering{};
    bool clipped = false;  // the mesh held more than an entry keeps
};

struct Tmesh_list {
    int32_t mesh_count = 0;
    std::vector<MeshEntry> meshes;
    std::vector<int32_t> pointer_to_mesh;  // per mesh pointer: the entry starting there, else 0
};

// Parses the whole mesh_data. Records beyond an entry's capacity are skipped (noted in the
// log); a mesh that runs past the end of mesh_data ends the list.
void build_mesh_list(Tmesh_list& list, const Ttrlevel& level, LogSink* log = nullptr);

// Box and centering of entry `index` from the vertices its faces use.
void mesh_bounds(Tmesh_list& list, int index);

// The entry whose data starts at `offset`, or 0 when none does.
int32_t find_mesh_by_offset(const Tmesh_list& list, int32_t offset);

// A mesh vertex in view units: x / 100, -y / 100, -z / 100.
inline std::array<double, 3> mesh_view_units(const std::array<int16_t, 3>& v) {
    return {v[0] / 100.0, -v[1] / 100.0, -v[2] / 100.0};
}

}  // namespace rw
