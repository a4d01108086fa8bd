#pragma once
// Mesh files made with the external Polysmith tool (extension msh): room by room, the vertices,
// rectangles, triangles and room light of a level, already in the game version's own record
// forms, and optionally the zone arrays. A build can take its room geometry from one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "levelfile/trlevel.h"

namespace rw {

inline constexpr std::string_view kMeshFileMagic = "Zorvath MSH file";

enum MeshFileResult : int {
    kMeshImported = 0,
    kMeshNotAMeshFile = 1,  // the magic differs
    kMeshOtherVersion = 2,  // made for another game version
    kMeshRefused = 3,       // damaged, or a room needs more than a game room holds
};

// Sizes of one vertex, rectangle and triangle record of a game version's mesh files.
struct MeshRecordSizes {
    int32_t vertex, rectangle, triangle;
};
MeshRecordSizes mesh_record_sizes(int32_t game_version);

// Where one room's block lies in the file and what it holds.
struct MeshFileRoom {
    size_t offset = 0;  // of its vertex count
    uint16_t num_vertices = 0;
    uint16_t num_rectangles = 0;
    uint16_t num_triangles = 0;
    std::array<uint8_t, 3> light{};
};

// A mesh file walked through without changing anything: its layout read with the record sizes
// of `game_version`, and the first fault found.
struct MeshFileLayout {
    MeshFileResult result = kMeshImported;
    std::string fault;          // empty when nothing is wrong
    uint32_t version_code = 0;  // as stored; the lowest byte is the game version
    uint16_t room_count = 0;
    std::vector<MeshFileRoom> rooms;  // every room block the file holds
    bool has_zones = false;
    uint32_t zone_count = 0;
    size_t zone_offset = 0;  // of the first zone array
    int32_t zone_arrays = 0;
};

// Reads the layout of a mesh file image. `rooms_to_fit` rooms (from the first) are checked
// against a game room's capacities; every block is checked against the bytes the file holds.
MeshFileLayout scan_mesh_file(const uint8_t* data, size_t size, int32_t game_version,
                              int32_t rooms_to_fit);

// Copies the mesh file into the level's rooms (as many as both hold) and zone arrays. Returns a
// MeshFileResult; any refusal leaves the level unchanged. The caller checks that the file
// exists; reading it may throw FileError.
int import_mesh_file(Ttrlevel& level, const std::string& file_name);

// The same from a file image in memory.
int import_mesh_image(Ttrlevel& level, const uint8_t* data, size_t size);

}  // namespace rw
