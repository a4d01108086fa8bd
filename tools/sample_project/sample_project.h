#pragma once
// The bundled sample project, built entirely from code: six rooms joined through wall, floor and
// ceiling portals, with slopes, split floors and ceilings, climbable walls, a monkey swing, a
// death pit, step sounds, a water room and ornaments. It is deterministic, so tests may rely on
// its content.

#include <filesystem>
#include <string>
#include <string_view>

#include "document/level_document.h"

namespace rw::samples {

inline constexpr std::string_view kSampleProjectFile = "sample.rmw";

inline constexpr std::string_view kSampleProjectScript = "sample_project.scp";

// The files a sample project names: the base level it is textured from, the level its build
// writes and the script its build compiles.
struct SampleProjectPaths {
    std::string base_level_path;
    std::string new_level_path;
    std::string script_path;
};

// Absolute paths of `<stem><extension>` (the base level), `<stem>_out<extension>` and the
// sample project script in `folder`.
SampleProjectPaths sample_project_paths(const std::filesystem::path& folder,
                                        std::string_view stem = "sample",
                                        std::string_view extension = ".tr4");

// Replaces the whole document with the sample project. Texture numbers stay within 1..40 and
// ornament meshes within 0..3, which every sample base level provides. Paths longer than the
// document holds are cut, as the editor cuts them.
void FillSampleProject(LevelDocument& doc, const SampleProjectPaths& paths);

}  // namespace rw::samples
