// Writes the sample project into a folder: make_sample_project FOLDER
#include <cstdio>
#include <exception>
#include <memory>

#include "document/project_file.h"
#include "sample_project.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_project FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        const auto paths = rw::samples::sample_project_paths(folder);
        if (paths.base_level_path.size() > rw::ShortString<100>::capacity) {
            std::fprintf(stderr, "warning: %s is cut to %zu characters in the project\n",
                         paths.base_level_path.c_str(), rw::ShortString<100>::capacity);
        }
        auto doc = std::make_unique<rw::LevelDocument>();
        rw::samples::FillSampleProject(*doc, paths);
        const auto file = folder / rw::samples::kSampleProjectFile;
        rw::WriteProjectFile(*doc, file.string());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_project: %s\n", e.what());
        return 1;
    }
    return 0;
}
