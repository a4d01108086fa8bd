#pragma once
// How the build treats the file names of its settings.

#include <filesystem>
#include <string>
#include <string_view>

namespace rw {

// The name without the blanks and control characters at either end.
inline std::string trimmed(std::string_view s) {
    size_t begin = 0, end = s.size();
    while (begin < end && static_cast<unsigned char>(s[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(s[end - 1]) <= ' ')
        --end;
    return std::string(s.substr(begin, end - begin));
}

// A regular file of that name exists; a folder or nothing does not count.
inline bool file_exists(const std::string& name) {
    std::error_code ec;
    return !name.empty() && std::filesystem::is_regular_file(name, ec);
}

}  // namespace rw
