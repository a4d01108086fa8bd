#pragma once
// What the editor is asked to open from its command line:
//   roomyard [PROJECT.rmw] [--base LEVEL] [--room N] [--neighbour N]

#include <optional>
#include <string>
#include <vector>

namespace rw {

struct EditorOptions {
    std::string project_path;  // empty: start with an empty document
    std::string base_level;    // empty: the project's own base level
    int room = 0;              // 0: the project's current room
    int neighbour = 0;         // 0: none
};

inline constexpr const char* kEditorUsage =
    "usage: roomyard [PROJECT.rmw] [--base LEVEL] [--room N] [--neighbour N]\n"
    "       roomyard --build PROJECT.rmw";

// The options, or nothing (with the reason in `error`) when the arguments make no sense.
std::optional<EditorOptions> parse_editor_options(const std::vector<std::string>& args,
                                                  std::string& error);

}  // namespace rw
