#pragma once
// `roomyard --build PROJECT.rmw`: builds a project's level without a window. Log lines go to
// `out`, message-box texts and failures to `err`.

#include <ostream>
#include <string>
#include <vector>

namespace rw {

enum HeadlessExit : int {
    kHeadlessWritten = 0,
    kHeadlessNotWritten = 1,  // refused, stopped, or failed reading or writing a file
    kHeadlessUsage = 2,
};

inline constexpr const char* kHeadlessUsageText = "usage: roomyard --build PROJECT.rmw";

// True when the command line asks for a headless build (its first argument is --build).
bool wants_headless_build(const std::vector<std::string>& args);

// Runs the build the arguments after --build name.
int run_headless_build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads the project file and builds its level with the project's own build settings.
int build_project(const std::string& project_path, std::ostream& out, std::ostream& err);

}  // namespace rw
