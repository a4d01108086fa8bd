#include "mesh_info.h"

#include <cstdint>
#include <limits>

#include "json_writer.h"
#include "levelfile/mesh_file.h"
#include "levelfile/zfile.h"

namespace rw::info {

namespace {

void write_room(JsonWriter& json, const MeshFileRoom& room, size_t number, bool full) {
    json.begin_object(true);
    json.field("number", number);
    if (full) json.field("offset", room.offset);
    json.field("vertices", room.num_vertices);
    json.field("rectangles", room.num_rectangles);
    json.field("triangles", room.num_triangles);
    json.key("light");
    json.begin_array(true);
    for (const uint8_t b : room.light)
        json.value(b);
    json.end_array();
    json.end_object();
}

void write_layout(JsonWriter& json, const MeshFileLayout& layout, int32_t version, bool full) {
    json.field("magic_accepted", true);
    json.field("version_code", layout.version_code);
    json.field("game_version", version);
    json.field("room_count", layout.room_count);
    json.key("rooms");
    json.begin_array();
    for (size_t n = 0; n < layout.rooms.size(); ++n)
        write_room(json, layout.rooms[n], n + 1, full);
    json.end_array();
    json.field("has_zones", layout.has_zones);
    json.field("zone_count", layout.zone_count);
    json.field("zone_arrays", layout.zone_arrays);
    if (full && layout.has_zones) json.field("zone_offset", layout.zone_offset);
}

}  // namespace

int print_mesh_info(const std::string& path, bool full, std::ostream& out, std::ostream& err) {
    TZfile f;
    zf_assign(f, path);
    zf_reset(f, 1);
    const auto size = static_cast<size_t>(zf_size(f));
    // The lowest byte of the version code, after the magic, names the game version.
    constexpr size_t kVersionAt = 1 + kMeshFileMagic.size();
    const int32_t version = size > kVersionAt ? f.buffer[kVersionAt] : 0;
    const bool known_version = version >= kTR1 && version <= kTR5;
    const MeshFileLayout layout = scan_mesh_file(f.buffer, size, known_version ? version : kTR1,
                                                 std::numeric_limits<int32_t>::max());
    zf_close(f, false);

    if (layout.result == kMeshNotAMeshFile) {
        err << "rwinfo: " << path << ": not a mesh file\n";
        return 1;
    }
    if (!known_version && size > kVersionAt) {
        err << "rwinfo: " << path << ": made for an unknown game version (" << version << ")\n";
        return 1;
    }
    if (layout.result != kMeshImported) {
        err << "rwinfo: " << path << ": " << layout.fault << '\n';
        return 1;
    }
    JsonWriter json(out);
    json.begin_object();
    json.field("file", path);
    json.field("kind", "mesh file");
    write_layout(json, layout, version, full);
    json.end_object();
    json.finish();
    return 0;
}

}  // namespace rw::info
