#pragma once
// Reads mesh_data the way the game versions lay meshes out, so tests can check the sample
// meshes without the editor's mesh list.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "levelfile/trlevel.h"

namespace rw::samples::test {

struct WalkedFace {
    std::vector<uint16_t> vertices;
    uint16_t value;  // texture or colour
};

struct WalkedMesh {
    size_t offset = 0;  // bytes from the start of mesh_data
    size_t length = 0;  // bytes read, before padding
    int16_t centre[3] = {};
    int32_t radius = 0;
    std::vector<std::array<int16_t, 3>> vertices;
    int16_t normal_count = 0;  // negative: light values
    std::vector<WalkedFace> rectangles, triangles, coloured_rectangles, coloured_triangles;
};

class MeshWalker {
  public:
    explicit MeshWalker(const Ttrlevel& level) : level_(level) {}

    // Every mesh from the start to the end of mesh_data, or an error text.
    std::vector<WalkedMesh> walk_all(std::string& error) {
        std::vector<WalkedMesh> meshes;
        at_ = 0;
        while (at_ < level_.mesh_data.size() * 2) {
            WalkedMesh m;
            if (!walk_one(m, error)) return meshes;
            meshes.push_back(m);
        }
        return meshes;
    }

  private:
    bool walk_one(WalkedMesh& m, std::string& error) {
        m.offset = at_;
        const bool newer = level_.game_version >= kTR4;
        bool ok = s16(m.centre[0]) && s16(m.centre[1]) && s16(m.centre[2]);
        uint16_t low = 0, high = 0;
        ok = ok && u16(low) && u16(high);
        m.radius = static_cast<int32_t>(low | static_cast<uint32_t>(high) << 16);
        int16_t n = 0;
        ok = ok && s16(n) && n >= 0;
        for (int i = 0; ok && i < n; ++i) {
            std::array<int16_t, 3> v{};
            ok = s16(v[0]) && s16(v[1]) && s16(v[2]);
            m.vertices.push_back(v);
        }
        ok = ok && s16(m.normal_count);
        const int normal_words = m.normal_count >= 0 ? m.normal_count * 3 : -m.normal_count;
        for (int i = 0; ok && i < normal_words; ++i) {
            uint16_t skip = 0;
            ok = u16(skip);
        }
        const int extra = newer ? 1 : 0;
        ok = ok && faces(m.rectangles, 4, extra) && faces(m.triangles, 3, extra);
        if (!newer)
            ok = ok && faces(m.coloured_rectangles, 4, 0) && faces(m.coloured_triangles, 3, 0);
        if (!ok) {
            error = "mesh at byte " + std::to_string(m.offset) + " runs past the end of mesh_data";
            return false;
        }
        m.length = at_ - m.offset;
        if (m.length % 4 != 0) at_ += 2;
        return true;
    }

    bool faces(std::vector<WalkedFace>& out, int corners, int extra_words) {
        uint16_t count = 0;
        if (!u16(count)) return false;
        for (int i = 0; i < count; ++i) {
            WalkedFace f;
            for (int k = 0; k < corners; ++k) {
                uint16_t v = 0;
                if (!u16(v)) return false;
                f.vertices.push_back(v);
            }
            if (!u16(f.value)) return false;
            for (int k = 0; k < extra_words; ++k) {
                uint16_t skip = 0;
                if (!u16(skip)) return false;
            }
            out.push_back(f);
        }
        return true;
    }

    bool u16(uint16_t& v) {
        if (at_ + 2 > level_.mesh_data.size() * 2) return false;
        v = level_.mesh_data[at_ / 2];
        at_ += 2;
        return true;
    }
    bool s16(int16_t& v) {
        uint16_t u = 0;
        if (!u16(u)) return false;
        v = static_cast<int16_t>(u);
        return true;
    }

    const Ttrlevel& level_;
    size_t at_ = 0;
};

}  // namespace rw::samples::test
