#include "mesh_shapes.h"

#include <cmath>

#include "pictures.h"
#include "sample_contents.h"
#include "texture_tiles.h"

namespace rw::samples {

namespace {

constexpr double kPi = 3.14159265358979323846;

uint16_t add_vertex(MeshShape& s, int x, int y, int z) {
    s.vertices.push_back(
        {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(z)});
    return static_cast<uint16_t>(s.vertices.size() - 1);
}

void add_quad(MeshShape& s, std::array<uint16_t, 4> v, int texture, int colour = -1) {
    s.faces.push_back({v, false, static_cast<uint16_t>(texture), static_cast<int16_t>(colour)});
}

void add_triangle(MeshShape& s, uint16_t a, uint16_t b, uint16_t c, int texture, int colour = -1) {
    s.faces.push_back(
        {{a, b, c, 0}, true, static_cast<uint16_t>(texture), static_cast<int16_t>(colour)});
}

// A ring of vertices at one height, in the order the side faces walk round.
std::vector<uint16_t> add_ring(MeshShape& s, const std::vector<std::array<int, 2>>& xz, int y) {
    std::vector<uint16_t> ring;
    for (const auto& p : xz)
        ring.push_back(add_vertex(s, p[0], y, p[1]));
    return ring;
}

// Side faces between two rings: top start, top end, bottom end, bottom start.
void add_sides(MeshShape& s, const std::vector<uint16_t>& top, const std::vector<uint16_t>& bottom,
               int first_texture, int texture_count) {
    const size_t n = top.size();
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        add_quad(s, {top[i], top[j], bottom[j], bottom[i]},
                 first_texture + static_cast<int>(i) % texture_count);
    }
}

std::vector<std::array<int, 2>> rectangle_outline(int half_x, int half_z) {
    return {{-half_x, -half_z}, {half_x, -half_z}, {half_x, half_z}, {-half_x, half_z}};
}

std::vector<std::array<int, 2>> octagon_outline(int radius) {
    std::vector<std::array<int, 2>> points;
    for (int k = 0; k < 8; ++k) {
        const double a = (k + 0.5) * kPi / 4.0;
        points.push_back({static_cast<int>(std::lround(radius * std::cos(a))),
                          static_cast<int>(std::lround(radius * std::sin(a)))});
    }
    return points;
}

struct BlockLook {
    int side_texture, side_count;
    int top_texture;      // -1: no top face
    int top_colour = -1;  // coloured top in the versions that have coloured faces
};

// An upright block from y_bottom up to y_top with sides and an optional top; returns its top ring.
std::vector<uint16_t> add_block(MeshShape& s, int half_x, int half_z, int y_bottom, int y_top,
                                const BlockLook& look) {
    const auto outline = rectangle_outline(half_x, half_z);
    const auto bottom = add_ring(s, outline, y_bottom);
    const auto top = add_ring(s, outline, y_top);
    add_sides(s, top, bottom, look.side_texture, look.side_count);
    if (look.top_texture >= 0)
        add_quad(s, {top[0], top[1], top[2], top[3]}, look.top_texture, look.top_colour);
    return top;
}

// Triangles from an apex down to each edge of a ring.
void add_cap(MeshShape& s, const std::vector<uint16_t>& ring, uint16_t apex, int texture,
             int colour = -1) {
    for (size_t i = 0; i < ring.size(); ++i)
        add_triangle(s, apex, ring[i], ring[(i + 1) % ring.size()], texture, colour);
}

MeshShape marker() {
    MeshShape s;
    const auto base = add_ring(s, rectangle_outline(64, 64), 0);
    add_cap(s, base, add_vertex(s, 0, -128, 0), small_texture(kMetalTile, kSlotTriangle));
    add_quad(s, {base[3], base[2], base[1], base[0]}, quad64_texture(kMetalTile, 0));
    return s;
}

MeshShape crate() {
    MeshShape s;
    add_block(s, 256, 256, 0, -512,
              {quad64_texture(kCrateTile, 0), 4, quad64_texture(kCrateTile, 4)});
    return s;
}

MeshShape pillar() {
    MeshShape s;
    add_block(s, 192, 192, 0, -128,
              {quad64_texture(kMarbleTile, 0), 4, quad64_texture(kMarbleTile, 4)});
    const auto shaft = add_block(s, 128, 128, -128, -1536, {quad64_texture(kMarbleTile, 1), 3, -1});
    add_cap(s, shaft, add_vertex(s, 0, -1792, 0), small_texture(kMarbleTile, kSlotTriangle));
    return s;
}

MeshShape low_wall() {
    MeshShape s;
    add_block(s, 512, 64, 0, -384,
              {quad64_texture(kBrickTile, 0), 2, small_texture(kStoneTile, kSlot64x16)});
    return s;
}

MeshShape barrel() {
    MeshShape s;
    const auto outline = octagon_outline(192);
    const auto bottom = add_ring(s, outline, 0);
    const auto top = add_ring(s, outline, -512);
    add_sides(s, top, bottom, quad64_texture(kMetalTile, 0), 4);
    add_cap(s, top, add_vertex(s, 0, -512, 0), small_texture(kMetalTile, kSlotTriangle),
            palette_index(kMetalPicture, 12));
    return s;
}

MeshShape plinth() {
    MeshShape s;
    add_block(s, 384, 384, 0, -128,
              {small_texture(kStoneTile, kSlot64x16), 1, quad64_texture(kStoneTile, 0),
               palette_index(kStonePicture, 18)});
    add_block(s, 256, 256, -128, -384,
              {quad64_texture(kMarbleTile, 2), 2, quad64_texture(kMarbleTile, 3)});
    return s;
}

}  // namespace

std::vector<MeshShape> sample_mesh_shapes() {
    std::vector<MeshShape> shapes{marker()};
    // In SampleStaticMesh order.
    shapes.push_back(crate());
    shapes.push_back(pillar());
    shapes.push_back(low_wall());
    shapes.push_back(barrel());
    shapes.push_back(plinth());
    return shapes;
}

}  // namespace rw::samples
