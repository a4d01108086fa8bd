#pragma once
// Reads fuzzer bytes as a project file, in the plain or the compressed form, into a document.

#include <cstddef>
#include <cstdint>

#include "document/project_file.h"
#include "levelfile/errors.h"

namespace rw::fuzz {

// True when the reader accepted the bytes; a damaged compressed form is refused with an
// exception, which counts as a refusal.
inline bool read_fuzzed_project(LevelDocument& doc, const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return false;
    TZfile f;
    zf_assign(f, "fuzz.rmw");
    try {
        zf_reset_from_bytes(f, data, static_cast<int32_t>(size), 1, kMaxProjectContentSize);
    } catch (const FileError&) {
        return false;
    }
    return ReadProjectStream(doc, f, nullptr) == 0;
}

}  // namespace rw::fuzz
