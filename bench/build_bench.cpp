// Building a large document into the sample TR4 base level, without writing the result: the
// cost per sector must stay flat as the level grows. The floors it is compared with are what
// every build pays at least: making the level's rooms, and reading every sector of the
// document once (a plain copy of the rooms' sectors in use).

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "builder/build_level.h"
#include "document/editor_state.h"
#include "levelfile/level_file.h"

namespace rw {
namespace {

constexpr int kSide = 20;  // sectors per side of every room

// Room n of the benchmark document: 20 x 20 sectors on a grid of positions, floors rising in
// steps across the room, slopes on a quarter of the sectors, ceiling slopes, split floors,
// climbable walls and a tiled room now and then.
void make_room(LevelDocument& doc, int n) {
    ++doc.room_count;
    Room& room = doc.room(n);
    room.columns = room.rows = kSide;
    room.height = 8;
    room.pos_x = (n - 1) % 12 * (kSide + 1);
    room.pos_z = (n - 1) / 12 * (kSide + 1);
    room.pos_y = 1 + n % 3;
    room.ambient = 12 + n % 8;
    room.tiled_boxes = n % 20 == 0 ? 1 : 0;
    room.default_floor_texture = 1 + n % 30;
    room.default_floor_wall_texture = 2 + n % 30;
    room.default_ceiling_texture = 3 + n % 30;
    room.default_ceiling_wall_texture = 4 + n % 30;
    InitRoomSectors(doc, n);
    for (int c = 2; c < kSide; ++c) {
        for (int r = 2; r < kSide; ++r) {
            Sector& s = room.sector(c, r);
            s.floor_base = ((c - 2) / 6 + (r - 2) / 6 + n) % 3;
            s.ceiling_base = (c + n) % 9 == 0 ? 1 : 0;
            if ((c + r) % 7 == 0) s.floor_front = 1 + (c + r + n) % 3;
            if ((c * r + n) % 17 == 0) {
                s.floor_split = static_cast<uint16_t>(1 + c % 2);
                s.floor_back = 2;
            }
            if ((c + 2 * r) % 13 == 0) s.ceiling_left = 1;
            if (c == 2 && r % 3 == 0) s.climb_right = 1;
            s.step_sound = static_cast<uint8_t>((c + r) % 4);
        }
    }
}

std::unique_ptr<LevelDocument> bench_document(int rooms) {
    auto doc = std::make_unique<LevelDocument>();
    doc->lara_room = 1;
    doc->lara_column = 2;
    doc->lara_row = 2;
    for (int n = 1; n <= rooms; ++n)
        make_room(*doc, n);
    return doc;
}

// Keeps the last message-box text, to say why a document was refused.
struct LastMessage : MessageSink {
    void show_message(const std::string& text) override { last = text; }
    std::string last;
};

std::unique_ptr<Ttrlevel> sample_base_level() {
    auto level = std::make_unique<Ttrlevel>();
    const std::string path = std::string(RW_SAMPLES_DIR) + "/sample.tr4";
    if (load_level(*level, path) != kLoadOk) return nullptr;
    level->set_num_rooms(0);
    return level;
}

void BM_BuildLevelData(benchmark::State& state) {
    const int rooms = static_cast<int>(state.range(0));
    auto level = sample_base_level();
    if (!level) {
        state.SkipWithError("the sample TR4 base level is missing");
        return;
    }
    auto doc = bench_document(rooms);
    ScriptCompiler compiler;
    LastMessage message;
    for (auto _ : state) {
        if (!build_game_data(*doc, *level, compiler, {nullptr, nullptr, &message, nullptr})) {
            state.SkipWithError(("the benchmark document was refused: " + message.last).c_str());
            return;
        }
        benchmark::DoNotOptimize(level->num_floor_data);
        state.PauseTiming();
        level->set_num_rooms(0);  // as the build does after writing
        state.ResumeTiming();
    }
    state.counters["sectors"] = rooms * kSide * kSide;
    state.counters["fd_words"] = level->num_floor_data;
    state.counters["boxes"] = level->num_boxes;
    state.counters["per_sector"] = benchmark::Counter(
        static_cast<double>(rooms) * kSide * kSide,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BuildLevelData)->Arg(50)->Arg(100)->Arg(150)->Unit(benchmark::kMillisecond);

// The floor: the rooms a build of this size has to make and clear.
void BM_FreshRooms(benchmark::State& state) {
    auto level = std::make_unique<Ttrlevel>();
    for (auto _ : state) {
        level->set_num_rooms(static_cast<int32_t>(state.range(0)));
        benchmark::DoNotOptimize(level->rooms.data());
        state.PauseTiming();
        level->set_num_rooms(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FreshRooms)->Arg(150)->Unit(benchmark::kMillisecond);

void BM_CopySectors(benchmark::State& state) {
    const int rooms = static_cast<int>(state.range(0));
    auto doc = bench_document(rooms);
    std::vector<Sector> copy(static_cast<size_t>(rooms) * kSide * kSide);
    for (auto _ : state) {
        Sector* to = copy.data();
        for (int n = 1; n <= rooms; ++n) {
            for (int c = 1; c <= kSide; ++c) {
                std::memcpy(to, &doc->room(n).sector(c, 1), sizeof(Sector) * kSide);
                to += kSide;
            }
        }
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopySectors)->Arg(150)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rw

BENCHMARK_MAIN();
