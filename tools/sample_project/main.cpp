// Writes the sample project into a folder: make_sample_project FOLDER. Beside sample.rmw it
// writes one project per game version (sample_tr1.rmw ... sample_tr5.rmw).
#include <cstdio>
#include <exception>
#include <memory>

#include "document/project_file.h"
#include "sample_builds.h"
#include "sample_project.h"

namespace {

void write_project(const std::filesystem::path& folder, std::string_view file,
                   const rw::samples::SampleProjectPaths& paths) {
    for (const std::string* path : {&paths.base_level_path, &paths.script_path}) {
        if (path->size() > rw::ShortString<100>::capacity) {
            std::fprintf(stderr, "warning: %s is cut to %zu characters in the project\n",
                         path->c_str(), rw::ShortString<100>::capacity);
        }
    }
    auto doc = std::make_unique<rw::LevelDocument>();
    rw::samples::FillSampleProject(*doc, paths);
    rw::WriteProjectFile(*doc, (folder / file).string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_project FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        write_project(folder, rw::samples::kSampleProjectFile,
                      rw::samples::sample_project_paths(folder));
        for (const auto& build : rw::samples::kSampleBuilds) {
            write_project(
                folder, build.project_file,
                rw::samples::sample_project_paths(folder, build.base_stem, build.extension));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_project: %s\n", e.what());
        return 1;
    }
    return 0;
}
