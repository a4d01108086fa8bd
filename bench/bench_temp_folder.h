#pragma once
// A folder of its own for a benchmark's files, removed when the benchmark ends.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace rw::bench {

struct TempFolder {
    explicit TempFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() /
               ("roomwright-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path path;
};

}  // namespace rw::bench
