// Load and save of game level files against the work they cannot avoid, measured in one run:
// for a TR4 level, inflating its chunks and deflating them again at level 9; for a TR1 level,
// reading the file whole and writing it whole.

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "levelfile/concurrent.h"
#include "levelfile/level_file.h"
#include "levelfile/zfile.h"
#include "ratio_reporter.h"
#include "synthetic_level.h"

namespace rw {
namespace {

struct bench_files {
    std::string dir;
    std::string tr4, tr4_out, tr1, tr1_out;
    std::vector<uint8_t> tr4_bytes, tr1_bytes;
};

const bench_files& files() {
    static const bench_files f = [] {
        bench_files b;
        b.dir = (std::filesystem::temp_directory_path() / "roomwright-bench").string();
        std::filesystem::create_directories(b.dir);
        b.tr4 = b.dir + "/bench.tr4";
        b.tr4_out = b.dir + "/bench_out.tr4";
        b.tr1 = b.dir + "/bench.phd";
        b.tr1_out = b.dir + "/bench_out.phd";
        b.tr4_bytes = write_synthetic_level(kTR4, 32, 100, b.tr4);
        b.tr1_bytes = write_synthetic_level(kTR1, 32, 100, b.tr1);
        return b;
    }();
    return f;
}

void load_and_save(benchmark::State& state, const std::string& in, const std::string& out) {
    auto level = std::make_unique<Ttrlevel>();
    for (auto _ : state) {
        if (load_level(*level, in) != kLoadOk) state.SkipWithError("load failed");
        if (save_level(*level, out) != kSaveOk) state.SkipWithError("save failed");
    }
}

// ---- TR4: against bare zlib ----

void BM_Tr4LoadSave(benchmark::State& state) {
    set_max_threads(static_cast<unsigned>(state.range(0)));
    load_and_save(state, files().tr4, files().tr4_out);
    set_max_threads(0);
}
// One iteration each: the median of five runs stands for them.
BENCHMARK(BM_Tr4LoadSave)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The chunks of the TR4 file: inflated as read, deflated at level 9 as written.
void BM_Tr4ZlibFloor(benchmark::State& state) {
    const auto& bytes = files().tr4_bytes;
    std::vector<std::pair<size_t, size_t>> chunks;  // offset, packed length
    size_t at = 10;
    for (int i = 0; i < 4; ++i) {
        uint32_t packed;
        std::memcpy(&packed, bytes.data() + at + 4, 4);
        chunks.emplace_back(at + 8, packed);
        at += 8 + packed;
    }
    std::vector<uint8_t> plain, packed;
    for (auto _ : state) {
        for (const auto& [offset, length] : chunks) {
            uint32_t unpacked;
            std::memcpy(&unpacked, bytes.data() + offset - 8, 4);
            plain.resize(unpacked);
            uLongf n = unpacked;
            uncompress(plain.data(), &n, bytes.data() + offset, static_cast<uLong>(length));
            uLongf m = compressBound(n);
            packed.resize(m);
            compress2(packed.data(), &m, plain.data(), n, 9);
            benchmark::DoNotOptimize(packed.data());
        }
    }
}
BENCHMARK(BM_Tr4ZlibFloor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// ---- TR1: against reading and writing the file whole ----

void BM_Tr1LoadSave(benchmark::State& state) {
    load_and_save(state, files().tr1, files().tr1_out);
}
BENCHMARK(BM_Tr1LoadSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Tr1FileCopyFloor(benchmark::State& state) {
    for (auto _ : state) {
        TZfile in;
        zf_assign(in, files().tr1);
        zf_reset(in, 1);
        TZfile out;
        zf_assign(out, files().tr1_out);
        zf_rewrite(out, 1);
        zf_write(out, in.buffer, in.size);
        zf_close(in, false);
        zf_close(out, true);
    }
}
BENCHMARK(BM_Tr1FileCopyFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// In memory, without the file system: parsing and assembling against two plain copies.
void BM_Tr1LoadSaveInMemory(benchmark::State& state) {
    const auto& bytes = files().tr1_bytes;
    auto level = std::make_unique<Ttrlevel>();
    std::vector<uint8_t> out;
    for (auto _ : state) {
        load_level_from_bytes(*level, "bench.phd", bytes.data(), bytes.size());
        save_level_to_bytes(*level, "bench.phd", out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Tr1LoadSaveInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Tr1MemcpyFloor(benchmark::State& state) {
    const auto& bytes = files().tr1_bytes;
    for (auto _ : state) {
        std::vector<uint8_t> held(bytes.begin(), bytes.end());
        std::vector<uint8_t> out(held.begin(), held.end());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Tr1MemcpyFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace rw

int main(int argc, char** argv) {
    return rw::bench::run_with_ratios(argc, argv, [](const rw::bench::RatioReporter& r) {
        std::printf("\nRatios measured in this run (cpu time counts the calling thread only):\n");
        r.print_ratio("TR4 load+save, one thread / zlib work", "BM_Tr4LoadSave/1",
                      "BM_Tr4ZlibFloor");
        r.print_ratio("TR4 load+save, all cores / zlib work", "BM_Tr4LoadSave/0",
                      "BM_Tr4ZlibFloor");
        r.print_ratio("TR4 speed-up of the concurrent chunks", "BM_Tr4LoadSave/1",
                      "BM_Tr4LoadSave/0");
        r.print_ratio("TR1 load+save / file read+write", "BM_Tr1LoadSave", "BM_Tr1FileCopyFloor");
        r.print_ratio("TR1 load+save in memory / two copies", "BM_Tr1LoadSaveInMemory",
                      "BM_Tr1MemcpyFloor");
    });
}
