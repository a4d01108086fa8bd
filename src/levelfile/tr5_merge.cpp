#include "levelfile/tr5_merge.h"

#include <cmath>
#include <string>
#include <vector>

#include "levelfile/geometry_pool.h"
#include "levelfile/level_reader.h"

namespace rw {

namespace {

// A float coordinate truncated toward zero. Positions beyond the 16-bit range (the far wall of a
// room 32 sectors wide) are held at its edge rather than wrapped to the other side.
int16_t whole_coordinate(float f) {
    if (!std::isfinite(f)) throw level_damage("a layer vertex has no finite position");
    const float t = std::trunc(f);
    if (t <= -32768.0f) return INT16_MIN;
    if (t >= 32767.0f) return INT16_MAX;
    return static_cast<int16_t>(t);
}

uint16_t colour15(const tr5_vertex& v) {
    return static_cast<uint16_t>((v.red / 8) * 1024 + (v.green / 8) * 32 + v.blue / 8);
}

// The room vertex of each layer vertex, layer after layer.
class merged_indices {
  public:
    void add(uint16_t room_index) { map_.push_back(room_index); }
    void start_faces(size_t layer_start, size_t layer_count) {
        layer_start_ = layer_start;
        layer_count_ = layer_count;
    }
    uint16_t room_index(uint16_t layer_index) const {
        if (layer_index >= layer_count_) {
            throw level_damage("a layer face names vertex " + std::to_string(layer_index) +
                               " of a layer with " + std::to_string(layer_count_));
        }
        return map_[layer_start_ + layer_index];
    }

  private:
    std::vector<uint16_t> map_;
    size_t layer_start_ = 0;
    size_t layer_count_ = 0;
};

void merge_vertices(troom& room, merged_indices& indices) {
    room.num_vertices = 0;
    vertex_pool pool(room);
    for (const tr5_layer_vertices& block : room.layers.vertex_blocks) {
        for (size_t k = 0; k < block.count; ++k) {
            const tr5_vertex& v = block.vertices[k];
            const int16_t x = whole_coordinate(v.x), y = whole_coordinate(v.y),
                          z = whole_coordinate(v.z);
            int32_t at = vertex_pool_find(pool, x, y, z);
            if (at == 0) at = vertex_pool_add(pool, x, y, z, 0);
            if (at == 0) {
                throw level_damage("the merged layers hold more than " +
                                   std::to_string(kRoomMaxVertices) + " vertices");
            }
            const auto i = static_cast<size_t>(at - 1);
            room.vertices5[i] = v;
            room.vertices2[i].lighting2 = colour15(v);
            indices.add(static_cast<uint16_t>(i));
        }
    }
}

void merge_faces(troom& room, merged_indices& indices) {
    room.num_rectangles = 0;
    room.num_triangles = 0;
    size_t layer_start = 0;
    for (int32_t l = 0; l < room.layers.count; ++l) {
        const auto layer = static_cast<size_t>(l);
        const uint16_t vertex_count = room.layers.vertex_blocks[layer].count;
        indices.start_faces(layer_start, vertex_count);
        layer_start += vertex_count;

        const tr5_layer_rectangles& rects = room.layers.rectangle_blocks[layer];
        if (room.num_rectangles + rects.count > kRoomMaxRectangles) {
            throw level_damage("the merged layers hold more than " +
                               std::to_string(kRoomMaxRectangles) + " rectangles");
        }
        for (size_t k = 0; k < rects.count; ++k) {
            tr5_rectangle merged = rects.rectangles[k];
            for (uint16_t& vi : merged.vertices)
                vi = indices.room_index(vi);
            room.rectangles5[room.num_rectangles] = merged;
            room.rectangles[room.num_rectangles] = {merged.vertices, merged.texture};
            ++room.num_rectangles;
        }

        const tr5_layer_triangles& tris = room.layers.triangle_blocks[layer];
        if (room.num_triangles + tris.count > kRoomMaxTriangles) {
            throw level_damage("the merged layers hold more than " +
                               std::to_string(kRoomMaxTriangles) + " triangles");
        }
        for (size_t k = 0; k < tris.count; ++k) {
            tr5_triangle merged = tris.triangles[k];
            for (uint16_t& vi : merged.vertices)
                vi = indices.room_index(vi);
            room.triangles5[room.num_triangles] = merged;
            room.triangles[room.num_triangles] = {merged.vertices, merged.texture};
            ++room.num_triangles;
        }
    }
}

}  // namespace

void merge_tr5_layers(troom& room) {
    merged_indices indices;
    merge_vertices(room, indices);
    merge_faces(room, indices);
}

}  // namespace rw
