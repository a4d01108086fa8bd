#pragma once
// A fresh folder per test, removed afterwards, with small file helpers.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace rw::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& root() const { return root_; }

  private:
    std::filesystem::path root_;
};

std::vector<uint8_t> read_file(const std::string& path);
void write_file(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace rw::test
