#include "file_kind.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace rw::info {

FileKind file_kind_of(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (ext == ".rmw") return FileKind::kProject;
    if (ext == ".msh") return FileKind::kMeshFile;
    for (const char* level : {".phd", ".tub", ".tr2", ".trg", ".tr4", ".trc"})
        if (ext == level) return FileKind::kLevel;
    return FileKind::kUnknown;
}

}  // namespace rw::info
