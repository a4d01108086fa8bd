// Writes the seed files of the level fuzz targets: the levels the tests assemble, without
// texture tiles so that the fuzzer spends its time on the rooms and tables, and the sample base
// levels when the build has made them.
//   make_level_seeds <folder> [<samples folder>]   ->  <folder>/<ending>/<seed>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "level_fixture.h"

namespace {

using rw::test::fixture_layer;
using rw::test::fixture_level;
using rw::test::fixture_room;

void write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<fixture_level> variants(int32_t version) {
    fixture_level plain;
    plain.version = version;
    plain.tiles = 0;
    plain.samples = 16;
    fixture_level busy = plain;
    busy.rooms.resize(3);
    busy.rooms[2].lights = 3;
    busy.rooms[2].portals = 2;
    busy.rooms[2].triangles = 2;
    busy.rooms[1].z_sectors = 1;
    busy.rooms[1].x_sectors = 1;
    std::vector<fixture_level> all = {plain, busy};
    if (version == 7) {
        fixture_layer a, b;
        a.vertices = {{10.9f, 0, 0}, {1024, 0, 0}, {1024, 0, 1024}, {10.9f, 0, 1024}};
        a.rectangles = {{0, 1, 2, 3}};
        b.vertices = {{10.2f, 0, 0}, {10.2f, 0, 1024}, {-1024, 0, 512}};
        b.triangles = {{0, 1, 2}};
        fixture_level layered = plain;
        layered.rooms[0].layers = {a, b};
        layered.rooms[0].alternate_room = 1;
        all.push_back(layered);
    }
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_level_seeds <folder> [<samples folder>]\n");
        return 2;
    }
    const std::pair<const char*, int32_t> endings[] = {
        {"phd", 1}, {"tub", 2}, {"tr2", 3}, {"trg", 4}, {"tr2", 5}, {"tr4", 6}, {"trc", 7}};
    for (const auto& [ending, version] : endings) {
        const auto folder = std::filesystem::path(argv[1]) / ending;
        std::filesystem::create_directories(folder);
        int n = 0;
        for (const auto& level : variants(version)) {
            const std::string name = "code" + std::to_string(version) + "_" + std::to_string(n++);
            write(folder / name, rw::test::level_file(level));
            // The TR4 target also takes bare level data, which it deflates into a file itself.
            if (version == 6)
                write(folder / (name + "_level_data"), rw::test::tr4_level_data(level));
        }
    }
    if (argc == 3 && std::filesystem::is_directory(argv[2])) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
            const std::string ending = entry.path().extension().string();
            const auto folder =
                std::filesystem::path(argv[1]) / ending.substr(ending.empty() ? 0 : 1);
            if (ending.empty() || !std::filesystem::is_directory(folder)) continue;
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    return 0;
}
