#include "mesh_encoding.h"

#include <algorithm>
#include <cmath>

#include "levelfile/little_endian.h"
#include "sample_contents.h"

namespace rw::samples {

namespace {

struct Bounds {
    std::array<int, 3> min{32767, 32767, 32767}, max{-32768, -32768, -32768};
};

Bounds bounds_of(const MeshShape& shape) {
    Bounds b;
    for (const MeshVertex& v : shape.vertices) {
        const std::array<int, 3> p{v.x, v.y, v.z};
        for (size_t k = 0; k < 3; ++k) {
            b.min[k] = std::min(b.min[k], p[k]);
            b.max[k] = std::max(b.max[k], p[k]);
        }
    }
    return b;
}

uint16_t word(int v) {
    return static_cast<uint16_t>(v);
}

// Unit normals, 16384 long, pointing from the mesh centre through each vertex.
void append_normals(std::vector<uint16_t>& out, const MeshShape& shape,
                    const std::array<int, 3>& centre) {
    out.push_back(word(static_cast<int>(shape.vertices.size())));
    for (const MeshVertex& v : shape.vertices) {
        const double dx = v.x - centre[0], dy = v.y - centre[1], dz = v.z - centre[2];
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        if (length == 0.0) {
            out.insert(out.end(), {0, word(-16384), 0});
            continue;
        }
        for (const double d : {dx, dy, dz})
            out.push_back(word(static_cast<int>(std::lround(d / length * 16384.0))));
    }
}

// Light values (0 full light, 8191 dark), lighter towards the top of the mesh.
void append_lights(std::vector<uint16_t>& out, const MeshShape& shape, const Bounds& b) {
    out.push_back(word(-static_cast<int>(shape.vertices.size())));
    const int height = std::max(1, b.max[1] - b.min[1]);
    for (const MeshVertex& v : shape.vertices)
        out.push_back(word(2048 + (v.y - b.min[1]) * 4096 / height));
}

bool has_coloured_faces(int32_t game_version) {
    return game_version <= kTR3;
}

uint16_t colour_value(int32_t game_version, int colour) {
    // Codes 3-5 keep the 16-bit palette's index in the high byte, the 8-bit one's in the low.
    return game_version >= kTR2 ? word(colour | colour << 8) : word(colour);
}

void append_faces(std::vector<uint16_t>& out, const MeshShape& shape, int32_t game_version,
                  bool triangles, bool coloured) {
    const size_t count_at = out.size();
    out.push_back(0);
    const size_t corners = triangles ? 3 : 4;
    for (const MeshFace& f : shape.faces) {
        const bool drawn_coloured = f.colour >= 0 && has_coloured_faces(game_version);
        if (f.triangle != triangles || drawn_coloured != coloured) continue;
        ++out[count_at];
        out.insert(out.end(), f.vertices.begin(), f.vertices.begin() + static_cast<long>(corners));
        out.push_back(coloured ? colour_value(game_version, f.colour) : f.texture);
        if (game_version >= kTR4) out.push_back(0);  // the face's effects word
    }
}

}  // namespace

std::vector<uint16_t> encode_mesh(const MeshShape& shape, int32_t game_version) {
    const Bounds b = bounds_of(shape);
    std::array<int, 3> centre{};
    for (size_t k = 0; k < 3; ++k)
        centre[k] = (b.min[k] + b.max[k]) / 2;
    double radius = 0.0;
    for (const MeshVertex& v : shape.vertices) {
        radius = std::max(radius, std::hypot(v.x - centre[0], v.y - centre[1], v.z - centre[2]));
    }
    const auto r = static_cast<uint32_t>(std::ceil(radius));

    std::vector<uint16_t> out{word(centre[0]),    word(centre[1]),
                              word(centre[2]),    word(int(r & 0xFFFF)),
                              word(int(r >> 16)), word(static_cast<int>(shape.vertices.size()))};
    for (const MeshVertex& v : shape.vertices)
        out.insert(out.end(), {word(v.x), word(v.y), word(v.z)});
    if (game_version >= kTR4) {
        append_normals(out, shape, centre);
    } else {
        append_lights(out, shape, b);
    }
    append_faces(out, shape, game_version, false, false);
    append_faces(out, shape, game_version, true, false);
    if (has_coloured_faces(game_version)) {
        append_faces(out, shape, game_version, false, true);
        append_faces(out, shape, game_version, true, true);
    }
    if (out.size() % 2 != 0) out.push_back(0);
    return out;
}

namespace {

// Bytes 6-31 of a static mesh record: a visibility box and a collision box (minimum and maximum
// x, y, z, 16-bit each), both the mesh's bounds, and a zero flags word.
std::array<uint8_t, 26> static_mesh_rest(const MeshShape& shape) {
    const Bounds b = bounds_of(shape);
    std::array<uint8_t, 26> rest{};
    for (size_t box = 0; box < 2; ++box) {
        for (size_t k = 0; k < 3; ++k) {
            store_le<int16_t>(rest.data() + box * 12 + k * 4, static_cast<int16_t>(b.min[k]));
            store_le<int16_t>(rest.data() + box * 12 + k * 4 + 2, static_cast<int16_t>(b.max[k]));
        }
    }
    return rest;
}

}  // namespace

void put_meshes(Ttrlevel& level) {
    const std::vector<MeshShape> shapes = sample_mesh_shapes();
    std::vector<uint16_t> data;
    std::vector<int32_t> pointers;
    for (const MeshShape& shape : shapes) {
        pointers.push_back(static_cast<int32_t>(data.size() * 2));
        const std::vector<uint16_t> mesh = encode_mesh(shape, level.game_version);
        data.insert(data.end(), mesh.begin(), mesh.end());
    }
    level.set_num_mesh_data(static_cast<int32_t>(data.size()));
    level.mesh_data = data;
    level.set_num_mesh_pointers(static_cast<int32_t>(pointers.size()));
    level.mesh_pointers = pointers;

    level.set_num_static_meshes(kSampleStaticMeshCount);
    for (int i = 0; i < kSampleStaticMeshCount; ++i) {
        tr_static_mesh& record = level.static_meshes[static_cast<size_t>(i)];
        record.id = static_cast<uint32_t>(i);
        record.mesh = static_cast<uint16_t>(i + 1);
        record.rest = static_mesh_rest(shapes[static_cast<size_t>(i + 1)]);
    }
}

}  // namespace rw::samples
