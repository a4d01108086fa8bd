#include "levelfile/mesh_list.h"

#include <algorithm>
#include <optional>
#include <string>

#include "levelfile/little_endian.h"

namespace rw {

namespace {

// Reads mesh records from the bytes of mesh_data; every read is checked against the end.
class MeshReader {
  public:
    MeshReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t pos() const { return pos_; }
    bool at_end() const { return pos_ >= size_; }
    bool has(size_t bytes) const { return pos_ <= size_ && bytes <= size_ - pos_; }
    void skip(size_t bytes) { pos_ += bytes; }

    int16_t i16() {
        const auto v = load_le<int16_t>(data_ + pos_);
        pos_ += 2;
        return v;
    }
    uint16_t u16() { return static_cast<uint16_t>(i16()); }
    int32_t i32() {
        const auto v = load_le<int32_t>(data_ + pos_);
        pos_ += 4;
        return v;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Faces of one kind: a count, then `count` records of `record_bytes`, of which the first
// `corners` values are vertex indices followed by the texture (and for 12/10-byte records a
// flags value). Returns false when the records run past the end.
bool read_faces(MeshReader& in, int corners, size_t record_bytes, std::vector<MeshFace>& faces,
                bool& clipped) {
    if (!in.has(2)) return false;
    const int count = std::max<int>(in.i16(), 0);
    if (!in.has(static_cast<size_t>(count) * record_bytes)) return false;
    const int kept = std::min(count, kMeshCapacity);
    clipped = clipped || kept < count;
    faces.resize(static_cast<size_t>(kept));
    for (int i = 0; i < count; ++i) {
        if (i >= kept) {
            in.skip(record_bytes);
            continue;
        }
        MeshFace& f = faces[static_cast<size_t>(i)];
        for (int k = 0; k < corners; ++k)
            f.vertices[static_cast<size_t>(k)] = in.u16();
        f.texture = in.u16();
        const size_t used = static_cast<size_t>(corners + 1) * 2;
        if (record_bytes > used) f.flags = in.u16();
        if (record_bytes > used + 2) in.skip(record_bytes - used - 2);
    }
    return true;
}

bool read_triples(MeshReader& in, int count, std::vector<std::array<int16_t, 3>>& out,
                  bool& clipped) {
    if (!in.has(static_cast<size_t>(count) * 6)) return false;
    const int kept = std::min(count, kMeshCapacity);
    clipped = clipped || kept < count;
    out.resize(static_cast<size_t>(kept));
    for (int i = 0; i < count; ++i) {
        if (i >= kept) {
            in.skip(6);
            continue;
        }
        for (auto& v : out[static_cast<size_t>(i)])
            v = in.i16();
    }
    return true;
}

// One mesh from the reader's position, or nothing when it runs past the end.
std::optional<MeshEntry> read_mesh(MeshReader& in, bool coloured_faces, bool long_faces) {
    MeshEntry m;
    m.data_offset = static_cast<int32_t>(in.pos());
    if (!in.has(12)) return std::nullopt;
    for (auto& c : m.center)
        c = in.i16();
    m.radius = in.i32();
    const int vertex_count = std::max<int>(in.i16(), 0);
    if (!read_triples(in, vertex_count, m.mesh_vertices, m.clipped)) return std::nullopt;

    if (!in.has(2)) return std::nullopt;
    m.normal_count = in.i16();
    if (m.normal_count >= 0) {
        if (!read_triples(in, m.normal_count, m.normals, m.clipped)) return std::nullopt;
    } else {
        const int lights = -static_cast<int>(m.normal_count);
        if (!in.has(static_cast<size_t>(lights) * 2)) return std::nullopt;
        const int kept = std::min(lights, kMeshCapacity);
        m.clipped = m.clipped || kept < lights;
        for (int i = 0; i < lights; ++i) {
            const int16_t shade = in.i16();
            if (i < kept) m.shades.push_back(shade);
        }
    }

    if (!read_faces(in, 4, long_faces ? 12 : 10, m.tex_rects, m.clipped)) return std::nullopt;
    if (!read_faces(in, 3, long_faces ? 10 : 8, m.tex_tris, m.clipped)) return std::nullopt;
    if (coloured_faces) {
        if (!read_faces(in, 4, 10, m.col_rects, m.clipped)) return std::nullopt;
        if (!read_faces(in, 3, 8, m.col_tris, m.clipped)) return std::nullopt;
    }
    return m;
}

template <class Visit>
void for_each_face_vertex(const MeshEntry& m, Visit visit) {
    auto walk = [&](const std::vector<MeshFace>& faces, int corners) {
        for (const MeshFace& f : faces) {
            for (int k = 0; k < corners; ++k) {
                const size_t v = f.vertices[static_cast<size_t>(k)];
                if (v < m.mesh_vertices.size()) visit(m.mesh_vertices[v]);
            }
        }
    };
    walk(m.tex_rects, 4);
    walk(m.tex_tris, 3);
    walk(m.col_rects, 4);
    walk(m.col_tris, 3);
}

}  // namespace

void mesh_bounds(Tmesh_list& list, int index) {
    if (index < 0 || static_cast<size_t>(index) >= list.meshes.size()) return;
    MeshEntry& m = list.meshes[static_cast<size_t>(index)];
    for_each_face_vertex(m, [&](const std::array<int16_t, 3>& vertex) {
        const auto v = mesh_view_units(vertex);
        for (size_t a = 0; a < 3; ++a) {
            m.box_min[a] = std::min(m.box_min[a], v[a]);
            m.box_max[a] = std::max(m.box_max[a], v[a]);
        }
    });
    for (size_t a = 0; a < 3; ++a)
        m.centering[a] = -(m.box_min[a] + (m.box_max[a] - m.box_min[a]) / 2);
}

void build_mesh_list(Tmesh_list& list, const Ttrlevel& level, LogSink* log) {
    list.mesh_count = 0;
    list.meshes.clear();
    const size_t words =
        std::min(level.mesh_data.size(), static_cast<size_t>(std::max(level.num_mesh_data, 0)));
    MeshReader in(reinterpret_cast<const uint8_t*>(level.mesh_data.data()), words * 2);
    const bool coloured_faces = level.game_version < kTR4;
    const bool long_faces = !coloured_faces;
    while (!in.at_end()) {
        const size_t start = in.pos();
        std::optional<MeshEntry> mesh = read_mesh(in, coloured_faces, long_faces);
        if (!mesh) {
            if (log != nullptr)
                log->add_line("The mesh at byte " + std::to_string(start) +
                              " runs past the end of the mesh data; the mesh list ends there.");
            break;
        }
        if (mesh->clipped && log != nullptr)
            log->add_line("The mesh at byte " + std::to_string(start) + " holds more than " +
                          std::to_string(kMeshCapacity) +
                          " vertices, normals or faces of a kind; the rest is skipped.");
        mesh->box_min = {2144883647.0, 2144883647.0, 2144883647.0};
        mesh->box_max = {-2144883648.0, -2144883648.0, -2144883648.0};
        list.meshes.push_back(std::move(*mesh));
        mesh_bounds(list, list.mesh_count);
        ++list.mesh_count;
        if ((in.pos() - start) % 4 != 0) in.skip(2);
    }

    const size_t pointers = std::min(level.mesh_pointers.size(),
                                     static_cast<size_t>(std::max(level.num_mesh_pointers, 0)));
    list.pointer_to_mesh.resize(pointers);
    for (size_t i = 0; i < pointers; ++i)
        list.pointer_to_mesh[i] = find_mesh_by_offset(list, level.mesh_pointers[i]);
}

int32_t find_mesh_by_offset(const Tmesh_list& list, int32_t offset) {
    // Entries are in mesh_data order, so their offsets rise.
    const auto it =
        std::lower_bound(list.meshes.begin(), list.meshes.end(), offset,
                         [](const MeshEntry& m, int32_t value) { return m.data_offset < value; });
    if (it == list.meshes.end() || it->data_offset != offset) return 0;
    return static_cast<int32_t>(it - list.meshes.begin());
}

}  // namespace rw
