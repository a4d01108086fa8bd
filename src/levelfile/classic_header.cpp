#include "levelfile/classic_header.h"

namespace rw {

namespace {

size_t tile_bytes(int32_t v) {
    return v >= kTR2 ? kTileBytes8 + kTileBytes16 : kTileBytes8;
}

}  // namespace

void read_classic_header(level_reader& in, Ttrlevel& level) {
    const int32_t v = level.game_version;
    if (v >= kTR2) {
        in.read(level.palette.data(), level.palette.size(), "palette");
        in.read(level.palette16.data(), level.palette16.size(), "palette");
    }
    const uint32_t tiles = in.u32("texture tiles");
    in.expect(tiles, tile_bytes(v), kUnbounded, "texture tiles");
    level.num_textiles = static_cast<int32_t>(tiles);
    level.textile8_bytes = tiles * kTileBytes8;
    level.report_progress(30);
    level.textile8.assign(in.here(), in.here() + level.textile8_bytes);
    in.skip(level.textile8_bytes, "texture tiles");
    if (v >= kTR2) {
        const size_t n = size_t{tiles} * kTileBytes16;
        level.textile16.assign(in.here(), in.here() + n);
        in.skip(n, "texture tiles");
    }
    level.report_progress(50);
}

void write_classic_header(level_writer& out, const Ttrlevel& level) {
    const int32_t v = level.game_version;
    out.u32(level.version_word);
    if (v >= kTR2) {
        out.put(level.palette.data(), level.palette.size());
        out.put(level.palette16.data(), level.palette16.size());
    }
    out.i32(level.num_textiles);
    level.report_progress(30);
    out.put(level.textile8.data(), level.textile8_bytes);
    if (v >= kTR2)
        out.put(level.textile16.data(), static_cast<size_t>(level.num_textiles) * kTileBytes16);
    level.report_progress(50);
}

}  // namespace rw
