// Writes the sample base levels into a folder: make_sample_levels FOLDER
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "levelfile/level_file.h"
#include "sample_levels.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_levels FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        for (const rw::samples::SampleLevelFile& f : rw::samples::kSampleLevelFiles) {
            const std::string path = (folder / f.file_name).string();
            auto level = std::make_unique<rw::Ttrlevel>();
            rw::samples::fill_sample_level(*level, f.game_version);
            std::string refusal;
            if (rw::save_level(*level, path, &refusal) != rw::kSaveOk) {
                std::fprintf(stderr, "make_sample_levels: %s: %s\n", path.c_str(), refusal.c_str());
                return 1;
            }
            // The writer chooses the layout by the name; a name that chose another version
            // would have written the wrong layout.
            if (level->game_version != f.game_version) {
                std::fprintf(stderr, "make_sample_levels: %s was written as game version %d\n",
                             path.c_str(), level->game_version);
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_levels: %s\n", e.what());
        return 1;
    }
    return 0;
}
