// Saving and loading a full project against the floor of the same work: one zlib compress2 at
// level 9 and one uncompress of the same content bytes. Prints both times and their ratio.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_temp_folder.h"
#include "document/editor_state.h"
#include "document/project_file.h"
#include "ratio_reporter.h"

namespace {

// A document with every room in use, each with varied sectors and full lists.
std::unique_ptr<rw::LevelDocument> full_document() {
    auto doc = std::make_unique<rw::LevelDocument>();
    uint32_t seed = 12345;
    auto next = [&](uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int32_t>((seed >> 8) % range);
    };
    doc->level_description.assign("Benchmark level");
    doc->room_count = rw::kMaxRooms;
    doc->current_room = 1;
    for (int n = 1; n <= rw::kMaxRooms; ++n) {
        rw::Room& room = doc->room(n);
        room.columns = static_cast<uint16_t>(4 + next(28));
        room.rows = static_cast<uint16_t>(4 + next(28));
        room.height = static_cast<uint16_t>(4 + next(12));
        room.pos_x = next(200);
        room.pos_z = next(200);
        room.pos_y = 1 + next(60);
        room.name.assign("Room " + std::to_string(n));
        room.default_floor_texture = 1 + next(40);
        room.default_floor_wall_texture = 1 + next(40);
        room.default_ceiling_texture = 1 + next(40);
        room.default_ceiling_wall_texture = 1 + next(40);
        rw::InitRoomSectors(*doc, n);
        for (int c = 2; c < room.columns; ++c) {
            for (int r = 2; r < room.rows; ++r) {
                rw::Sector& s = room.sector(c, r);
                s.floor_base = next(3);
                s.floor_raise = next(4);
                s.floor_front = next(3) - 1;
                s.ceiling_base = next(2);
                s.floor_texture = 1 + next(40);
                s.step_sound = static_cast<uint8_t>(next(4));
            }
        }
        room.portal_view_count = rw::kMaxPortalViews;
        for (auto& v : room.portal_views)
            v = {static_cast<uint8_t>(next(6)), 0, 1, 3, 4, 2, 2};
        room.reserved_count = rw::kMaxReservedRecords;
        room.ornament_count = rw::kMaxOrnaments;
        for (auto& o : room.ornaments) {
            o.mesh = next(4);
            o.row = 2 + next(3);
            o.column = 2 + next(3);
            o.rotation = next(8);
        }
    }
    return doc;
}

const rw::LevelDocument& document() {
    static const auto doc = full_document();
    return *doc;
}

std::vector<uint8_t> content_of(const rw::LevelDocument& doc) {
    rw::TZfile f;
    rw::zf_rewrite(f, 1);
    rw::WriteProjectStream(doc, f);
    return {f.buffer, f.buffer + f.size};
}

using rw::bench::TempFolder;

void BM_ProjectWriteAndRead(benchmark::State& state) {
    const TempFolder folder("bench");
    const std::string file = (folder.path / "bench.rmw").string();
    auto loaded = std::make_unique<rw::LevelDocument>();
    for (auto _ : state) {
        rw::WriteProjectFile(document(), file);
        if (rw::ReadProjectFile(*loaded, file, nullptr) != 0) state.SkipWithError("refused");
        benchmark::DoNotOptimize(loaded->room_count);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(content_of(document()).size()));
}

void BM_ZlibCompressAndUncompress(benchmark::State& state) {
    const auto content = content_of(document());
    std::vector<uint8_t> packed(compressBound(static_cast<uLong>(content.size())));
    std::vector<uint8_t> unpacked(content.size());
    for (auto _ : state) {
        uLongf packed_size = static_cast<uLongf>(packed.size());
        if (compress2(packed.data(), &packed_size, content.data(),
                      static_cast<uLong>(content.size()), 9) != Z_OK) {
            state.SkipWithError("compress2 failed");
        }
        uLongf unpacked_size = static_cast<uLongf>(unpacked.size());
        if (uncompress(unpacked.data(), &unpacked_size, packed.data(), packed_size) != Z_OK) {
            state.SkipWithError("uncompress failed");
        }
        benchmark::DoNotOptimize(unpacked.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(content.size()));
}

BENCHMARK(BM_ProjectWriteAndRead)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ZlibCompressAndUncompress)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    return rw::bench::run_with_ratios(argc, argv, [](const rw::bench::RatioReporter& reporter) {
        const auto ours = reporter.times("BM_ProjectWriteAndRead");
        const auto floor = reporter.times("BM_ZlibCompressAndUncompress");
        if (!ours || !floor) return;
        std::printf(
            "project write+read: real %.1f ms, cpu %.1f ms; zlib compress2(9)+uncompress: real "
            "%.1f ms, cpu %.1f ms; ratio real %.3f, cpu %.3f\n",
            ours->real, ours->cpu, floor->real, floor->cpu, ours->real / floor->real,
            ours->cpu / floor->cpu);
    });
}
