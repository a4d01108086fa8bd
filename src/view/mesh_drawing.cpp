#include "view/mesh_drawing.h"

#include "view/texture_corners.h"

namespace rw {

namespace {

struct MeshPlacement {
    double divisor;
    std::array<double, 3> offset;
};

void put_vertex(GlCalls& gl, const MeshEntry& m, uint16_t index, const MeshPlacement& p) {
    const auto& v = m.mesh_vertices[index];
    gl.vertex(p.offset[0] + v[0] / p.divisor, p.offset[1] - v[1] / p.divisor,
              p.offset[2] - v[2] / p.divisor);
}

// A face whose vertices lie beyond the entry's kept vertices is left out.
bool face_in_range(const MeshEntry& m, const MeshFace& f, int corners) {
    for (int k = 0; k < corners; ++k)
        if (f.vertices[static_cast<size_t>(k)] >= m.mesh_vertices.size()) return false;
    return true;
}

void draw_textured(GlCalls& gl, const Ttrlevel& level, const MeshEntry& m,
                   const std::vector<MeshFace>& faces, int corners, const MeshPlacement& p,
                   bool linear_filter, TextureBinder& binder) {
    for (const MeshFace& f : faces) {
        if (!face_in_range(m, f, corners)) continue;
        const int texture = f.texture & 0x0FFF;
        binder.bind(gl, static_cast<uint32_t>(texture) + 1, linear_filter);
        const TexCorners tc = object_tex_corners(level, texture);
        gl.begin(corners == 4 ? GlPrimitive::kQuads : GlPrimitive::kTriangles);
        for (int k = 0; k < corners; ++k) {
            gl.tex_coord(tc[static_cast<size_t>(k)].s, tc[static_cast<size_t>(k)].t);
            put_vertex(gl, m, f.vertices[static_cast<size_t>(k)], p);
        }
        gl.end();
    }
}

void draw_coloured(GlCalls& gl, const MeshEntry& m, const std::vector<MeshFace>& faces, int corners,
                   const MeshPlacement& p) {
    for (const MeshFace& f : faces) {
        if (!face_in_range(m, f, corners)) continue;
        gl.begin(corners == 4 ? GlPrimitive::kQuads : GlPrimitive::kTriangles);
        for (int k = 0; k < corners; ++k)
            put_vertex(gl, m, f.vertices[static_cast<size_t>(k)], p);
        gl.end();
    }
}

}  // namespace

void draw_mesh(GlCalls& gl, const Tmesh_list& list, const Ttrlevel& level, int entry, double x,
               double y, double z, double angle, double scale, bool centered, bool linear_filter,
               TextureBinder* binder) {
    if (entry < 0 || entry >= list.mesh_count || static_cast<size_t>(entry) >= list.meshes.size())
        return;
    if (scale == 0) return;
    const MeshEntry& m = list.meshes[static_cast<size_t>(entry)];
    MeshPlacement p{100.0 / scale, {0, 0, 0}};
    gl.polygon_mode_fill(true);
    gl.set_texturing(true);
    gl.shade_flat();
    if (centered) {
        p.offset = m.centering;
    } else {
        gl.matrix_mode(GlMatrixMode::kModelView);
        gl.push_matrix();
        gl.translate(x, y, z);
        gl.rotate(angle, 0, 1, 0);
    }
    TextureBinder own_binder;
    TextureBinder& b = binder != nullptr ? *binder : own_binder;
    draw_textured(gl, level, m, m.tex_rects, 4, p, linear_filter, b);
    draw_textured(gl, level, m, m.tex_tris, 3, p, linear_filter, b);
    gl.load_name(0);
    if (level.game_version < kTR4) {
        gl.set_texturing(false);
        draw_coloured(gl, m, m.col_rects, 4, p);
        draw_coloured(gl, m, m.col_tris, 3, p);
    }
    if (!centered) gl.pop_matrix();
}

}  // namespace rw
