// Compiling a 20,000-line script into the sample TR4 level against loading and saving that
// level. Prints both times and their ratio; compiling should stay well under a tenth.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench_temp_folder.h"
#include "levelfile/level_file.h"
#include "ratio_reporter.h"
#include "script/script_compiler.h"

namespace {

const std::string kSampleLevel = std::string(RW_SAMPLES_DIR) + "/sample.tr4";
constexpr int kScriptLines = 20000;

struct Sector {
    int room, x, z;
};

// Every sector of the three sample rooms: the hall (6 x 6) and the gallery and cistern
// (8 x 5 each). The doorway sectors of the hall and gallery already hold floor data.
std::vector<Sector> sample_sectors() {
    std::vector<Sector> sectors;
    const int sizes[3][2] = {{6, 6}, {8, 5}, {8, 5}};
    for (int room = 1; room <= 3; ++room)
        for (int x = 1; x <= sizes[room - 1][0]; ++x)
            for (int z = 1; z <= sizes[room - 1][1]; ++z)
                sectors.push_back({room, x, z});
    return sectors;
}

std::string at(const Sector& s) {
    return std::to_string(s.room) + "," + std::to_string(s.x) + "," + std::to_string(s.z);
}

// Items, cameras, sinks, comments and blank lines, with a trigger block every few lines that
// goes round all sectors (so later blocks extend chains written earlier), and now and then a
// static mesh, a light, a death sector, a climbable wall or a monkey swing. Rooms hold at most
// 50 static meshes and lights, so those stop at 30 a room.
std::string mixed_script() {
    const std::vector<Sector> sectors = sample_sectors();
    std::string script;
    int lines = 0, block = 0, extra = 0;
    int statics[4] = {}, lights[4] = {};
    auto line = [&](const std::string& text) {
        script += text;
        script += '\n';
        ++lines;
    };
    for (int i = 0; lines < kScriptLines; ++i) {
        const Sector& s = sectors[static_cast<size_t>(i) % sectors.size()];
        const Sector inner{s.room, 2 + i % 4, 2 + i % 3};
        const std::string place = at(inner);
        switch (i % 24) {
            case 0:
                line("; step " + std::to_string(i));
                break;
            case 1:
                line("");
                break;
            case 2:
            case 12:
                line("Put_Item(" + place + ",0," + std::to_string(i % 300) + ",1,0)");
                break;
            case 3:
                line("Put_Item(" + place + ",1,5,2,3,0,1,16,16,16,7)");
                break;
            case 4:
            case 14:
                line("Add_Camera(" + place + ",4)");
                break;
            case 5:
                line("Add_Sink(" + place + ",1,20,1)");
                break;
            case 6:
                line("  put_item ( " + place + " , 0 , 9 , 3 , 4 )  ; spaced");
                break;
            case 7: {
                const Sector& target = sectors[static_cast<size_t>(block++) % sectors.size()];
                line("Start_Trigger(" + at(target) + ")");
                line("If_Switch_is_ON_Do_with_Activate(31,5,0," + std::to_string(1 + i % 50) + ")");
                line("Item(" + std::to_string(1 + i % 200) + ")");
                line("Switch_camera(" + std::to_string(1 + i % 30) + ",3,1,0)");
                line("End()");
                line("TrapDoor(1,0,0)");
                line("Look_at_item(2)");
                line("End()");
                line("End_Trigger()");
                break;
            }
            case 8: {
                const int pick = extra++ % 8;
                if (pick == 0 && statics[inner.room]++ < 30) {
                    line("Put_Static_Mesh(" + place + ",0," + std::to_string(i % 5) + ",1)");
                } else if (pick == 1 && lights[inner.room]++ < 30) {
                    line("Put_RGB_Light(" + place + ",4,200,180,160,128,3)");
                } else if (pick == 2) {
                    line("Kill_Lara(" + place + ")");
                } else if (pick == 3) {
                    line("Climb_Wall(" + place + ",5)");
                } else if (pick == 4) {
                    line("Monkey_Swing(" + place + ")");
                } else {
                    line("Put_Alternate(2,3)");
                }
                break;
            }
            default:
                line("Add_Camera(" + place + ",2,1)");
                break;
        }
    }
    return script;
}

std::vector<uint8_t> sample_bytes() {
    std::ifstream in(kSampleLevel, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using rw::bench::TempFolder;

void BM_LoadAndSaveSampleLevel(benchmark::State& state) {
    const TempFolder folder("script-bench");
    const std::string out = (folder.path / "copy.tr4").string();
    rw::Ttrlevel level;
    for (auto _ : state) {
        if (rw::load_level(level, kSampleLevel) != rw::kLoadOk) state.SkipWithError("load");
        if (rw::save_level(level, out) != rw::kSaveOk) state.SkipWithError("save");
    }
}

void BM_CompileScriptIntoSampleLevel(benchmark::State& state) {
    const std::vector<uint8_t> bytes = sample_bytes();
    const std::string script = mixed_script();
    rw::ScriptCompiler compiler;
    for (auto _ : state) {
        state.PauseTiming();
        auto level = std::make_unique<rw::Ttrlevel>();
        if (rw::load_level_from_bytes(*level, kSampleLevel, bytes.data(), bytes.size()) !=
            rw::kLoadOk)
            state.SkipWithError("load");
        std::string text = script;
        state.ResumeTiming();
        if (compiler.scp_compile_text(std::move(text), *level) != 0)
            state.SkipWithError(compiler.scp_error().c_str());
        benchmark::DoNotOptimize(level->num_floor_data);
        state.PauseTiming();
        level.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = kScriptLines;
}

BENCHMARK(BM_LoadAndSaveSampleLevel)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_CompileScriptIntoSampleLevel)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    return rw::bench::run_with_ratios(argc, argv, [](const rw::bench::RatioReporter& reporter) {
        const auto c = reporter.times("BM_CompileScriptIntoSampleLevel");
        const auto f = reporter.times("BM_LoadAndSaveSampleLevel");
        if (!c || !f) return;
        std::printf("compile %d lines: real %.2f ms, cpu %.2f ms\n", kScriptLines, c->real, c->cpu);
        std::printf("load+save sample.tr4: real %.2f ms, cpu %.2f ms\n", f->real, f->cpu);
        std::printf("ratio compile / (load+save): real %.3f, cpu %.3f\n", c->real / f->real,
                    c->cpu / f->cpu);
    });
}
