#pragma once
// Which kind of Roomwright file a path names, told by its extension in any letter case.

#include <string>

namespace rw::info {

enum class FileKind { kUnknown, kProject, kLevel, kMeshFile };

FileKind file_kind_of(const std::string& path);

}  // namespace rw::info
