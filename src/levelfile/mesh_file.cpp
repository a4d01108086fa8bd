#include "levelfile/mesh_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "levelfile/little_endian.h"
#include "levelfile/troom.h"
#include "levelfile/zfile.h"

namespace rw {

namespace {

// Zone arrays of the normal state, in the order mesh files store them.
constexpr std::array<int, 3> kClassicZones = {kZoneGround1, kZoneGround2, kZoneFly};
constexpr std::array<int, 5> kLaterZones = {kZoneGround1, kZoneGround2, kZoneGround3, kZoneGround4,
                                            kZoneFly};

// A bounded cursor over the file image: every read checks what remains.
class Cursor {
  public:
    Cursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t position() const { return at_; }
    size_t remaining() const { return size_ - at_; }
    bool skip(size_t n) {
        if (n > remaining()) return false;
        at_ += n;
        return true;
    }
    template <class T>
    bool read(T& value) {
        if (sizeof(T) > remaining()) return false;
        value = load_le<T>(data_ + at_);
        at_ += sizeof(T);
        return true;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

int32_t accepted_version(uint8_t file_version, int32_t level_version) {
    // The two first games read each other's files.
    if (file_version == kTR1 && level_version == kTUB) return kTUB;
    if (file_version == kTUB && level_version == kTR1) return kTR1;
    return file_version;
}

bool has_mesh_magic(const uint8_t* data, size_t size) {
    return size >= 1 + kMeshFileMagic.size() && data[0] == kMeshFileMagic.size() &&
           std::memcmp(data + 1, kMeshFileMagic.data(), kMeshFileMagic.size()) == 0;
}

MeshFileLayout refuse(MeshFileLayout layout, MeshFileResult result, std::string fault) {
    layout.result = result;
    layout.fault = std::move(fault);
    return layout;
}

std::string over(size_t room, const char* what, int count, int capacity) {
    return "room " + std::to_string(room + 1) + " holds " + std::to_string(count) + " " + what +
           "; a room holds at most " + std::to_string(capacity);
}

// A float position as the game's 16-bit coordinate, the fraction dropped; values that no
// coordinate can hold wrap as the stored 16 bits would.
int16_t coordinate(float v) {
    if (!std::isfinite(v)) return 0;
    const double clamped = std::clamp(static_cast<double>(v), -1e12, 1e12);
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<int64_t>(clamped) & 0xFFFF));
}

// The light byte (0 brightest, 31 darkest) that the TR5 layer turns back into this grey.
uint8_t light_of_colour(uint8_t red, uint8_t green, uint8_t blue) {
    const int mean = (red + green + blue) / 3;
    return static_cast<uint8_t>(std::clamp(31 - mean / 8, 0, 31));
}

void copy_records(void* destination, const uint8_t* source, size_t count, size_t size) {
    if (count > 0) std::memcpy(destination, source, count * size);
}

// The TR5 records imported into a code-7 room, turned into the older forms that the TR5 layer
// step rebuilds them from.
void derive_older_forms(troom& room) {
    for (size_t i = 0; i < room.num_vertices; ++i) {
        const tr5_vertex& v5 = room.vertices5[i];
        tr_vertex& v = room.vertices[i];
        tr_vertex2& v2 = room.vertices2[i];
        v.x = v2.x = coordinate(v5.x);
        v.y = v2.y = coordinate(v5.y);
        v.z = v2.z = coordinate(v5.z);
        const uint8_t light = light_of_colour(v5.red, v5.green, v5.blue);
        v.lighting =
            static_cast<int16_t>((static_cast<uint16_t>(v.lighting) & 0x00FF) | light << 8);
        v2.lighting2 =
            static_cast<uint16_t>((v5.red / 8) * 1024 + (v5.green / 8) * 32 + v5.blue / 8);
    }
    for (size_t i = 0; i < room.num_rectangles; ++i)
        room.rectangles[i] = {room.rectangles5[i].vertices, room.rectangles5[i].texture};
    for (size_t i = 0; i < room.num_triangles; ++i)
        room.triangles[i] = {room.triangles5[i].vertices, room.triangles5[i].texture};
    uint8_t colour[4];  // blue, green, red, 0
    store_le<uint32_t>(colour, room.tr5_room_colour);
    room.ambient[1] = light_of_colour(colour[2], colour[1], colour[0]);
}

void import_room(troom& room, const uint8_t* data, const MeshFileRoom& block, int32_t version,
                 const MeshRecordSizes& sizes) {
    const uint8_t* at = data + block.offset + 2;
    room.num_vertices = block.num_vertices;
    void* vertices = version <= kTUB   ? static_cast<void*>(room.vertices.data())
                     : version <= kTR4 ? static_cast<void*>(room.vertices2.data())
                                       : static_cast<void*>(room.vertices5.data());
    copy_records(vertices, at, block.num_vertices, static_cast<size_t>(sizes.vertex));
    at += size_t{block.num_vertices} * static_cast<size_t>(sizes.vertex) + 2;
    room.num_rectangles = block.num_rectangles;
    copy_records(version == kTR5 ? static_cast<void*>(room.rectangles5.data())
                                 : static_cast<void*>(room.rectangles.data()),
                 at, block.num_rectangles, static_cast<size_t>(sizes.rectangle));
    at += size_t{block.num_rectangles} * static_cast<size_t>(sizes.rectangle) + 2;
    room.num_triangles = block.num_triangles;
    copy_records(version == kTR5 ? static_cast<void*>(room.triangles5.data())
                                 : static_cast<void*>(room.triangles.data()),
                 at, block.num_triangles, static_cast<size_t>(sizes.triangle));
    if (version == kTR5) {
        uint8_t colour[4];
        store_le<uint32_t>(colour, room.tr5_room_colour);
        std::copy(block.light.begin(), block.light.end(), colour);
        room.tr5_room_colour = load_le<uint32_t>(colour);
        derive_older_forms(room);
    } else {
        std::copy(block.light.begin(), block.light.end(), room.ambient.begin());
    }
}

}  // namespace

MeshRecordSizes mesh_record_sizes(int32_t game_version) {
    if (game_version <= kTUB) return {8, 10, 8};
    if (game_version <= kTR4) return {12, 10, 8};
    return {28, 12, 10};
}

MeshFileLayout scan_mesh_file(const uint8_t* data, size_t size, int32_t game_version,
                              int32_t rooms_to_fit) {
    MeshFileLayout layout;
    Cursor in(data, size);
    if (!has_mesh_magic(data, size)) {
        return refuse(std::move(layout), kMeshNotAMeshFile, "not a mesh file");
    }
    in.skip(1 + kMeshFileMagic.size());
    if (!in.read(layout.version_code) || !in.read(layout.room_count)) {
        return refuse(std::move(layout), kMeshRefused, "the file ends inside its header");
    }
    const MeshRecordSizes sizes = mesh_record_sizes(game_version);
    for (size_t n = 0; n < layout.room_count; ++n) {
        MeshFileRoom room;
        room.offset = in.position();
        const bool whole =
            in.read(room.num_vertices) &&
            in.skip(size_t{room.num_vertices} * static_cast<size_t>(sizes.vertex)) &&
            in.read(room.num_rectangles) &&
            in.skip(size_t{room.num_rectangles} * static_cast<size_t>(sizes.rectangle)) &&
            in.read(room.num_triangles) &&
            in.skip(size_t{room.num_triangles} * static_cast<size_t>(sizes.triangle)) &&
            in.read(room.light[0]) && in.read(room.light[1]) && in.read(room.light[2]);
        if (!whole) {
            return refuse(std::move(layout), kMeshRefused,
                          "the file ends inside room " + std::to_string(n + 1));
        }
        layout.rooms.push_back(room);
        if (static_cast<int64_t>(n) >= rooms_to_fit) continue;
        if (room.num_vertices > kRoomMaxVertices) {
            return refuse(std::move(layout), kMeshRefused,
                          over(n, "vertices", room.num_vertices, kRoomMaxVertices));
        }
        if (room.num_rectangles > kRoomMaxRectangles) {
            return refuse(std::move(layout), kMeshRefused,
                          over(n, "rectangles", room.num_rectangles, kRoomMaxRectangles));
        }
        if (room.num_triangles > kRoomMaxTriangles) {
            return refuse(std::move(layout), kMeshRefused,
                          over(n, "triangles", room.num_triangles, kRoomMaxTriangles));
        }
    }
    if (in.remaining() == 0) return layout;
    layout.has_zones = true;
    layout.zone_arrays = game_version <= kTUB ? static_cast<int32_t>(kClassicZones.size())
                                              : static_cast<int32_t>(kLaterZones.size());
    if (!in.read(layout.zone_count)) {
        return refuse(std::move(layout), kMeshRefused, "the file ends inside its zone count");
    }
    layout.zone_offset = in.position();
    if (uint64_t{layout.zone_count} * 2 * static_cast<uint64_t>(layout.zone_arrays) >
        in.remaining()) {
        return refuse(std::move(layout), kMeshRefused, "the file ends inside its zone arrays");
    }
    return layout;
}

int import_mesh_image(Ttrlevel& level, const uint8_t* data, size_t size) {
    const int32_t version = level.game_version;
    if (!has_mesh_magic(data, size)) return kMeshNotAMeshFile;
    // The version decides the record sizes, so it is judged before the rest of the file.
    constexpr size_t kVersionAt = 1 + kMeshFileMagic.size();
    if (size > kVersionAt && accepted_version(data[kVersionAt], version) != version) {
        return kMeshOtherVersion;
    }
    const MeshFileLayout layout = scan_mesh_file(data, size, version, level.num_rooms);
    if (layout.result != kMeshImported) return layout.result;

    const MeshRecordSizes sizes = mesh_record_sizes(version);
    const size_t rooms = std::min<size_t>(layout.room_count, level.num_rooms);
    for (size_t n = 0; n < rooms; ++n)
        import_room(level.rooms[n], data, layout.rooms[n], version, sizes);
    if (!layout.has_zones) return kMeshImported;

    // Each array holds zone_count entries in the file; the level keeps as many as it has boxes.
    const size_t kept = std::min<size_t>(layout.zone_count, static_cast<size_t>(level.num_zones));
    const uint8_t* at = data + layout.zone_offset;
    auto read_array = [&](int zone) {
        for (size_t i = 0; i < kept; ++i)
            level.zones[static_cast<size_t>(zone)][i] = load_le<uint16_t>(at + 2 * i);
        at += size_t{layout.zone_count} * 2;
    };
    if (version <= kTUB) {
        for (const int zone : kClassicZones)
            read_array(zone);
    } else {
        for (const int zone : kLaterZones)
            read_array(zone);
    }
    return kMeshImported;
}

int import_mesh_file(Ttrlevel& level, const std::string& file_name) {
    TZfile f;
    zf_assign(f, file_name);
    zf_reset(f, 1);
    const int result = import_mesh_image(level, f.buffer, static_cast<size_t>(zf_size(f)));
    zf_close(f, false);
    return result;
}

}  // namespace rw
