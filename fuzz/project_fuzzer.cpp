// Any byte string given to the project reader loads or is refused: no crash, hang, out-of-bounds
// access or allocation beyond what the bytes can describe.
#include <cstddef>
#include <cstdint>

#include "document/project_file.h"
#include "levelfile/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return 0;
    // One document for the whole run, as the editor has: the reader only ever writes into it.
    static auto* doc = new rw::LevelDocument{};
    rw::TZfile f;
    rw::zf_assign(f, "fuzz.rmw");
    try {
        rw::zf_reset_from_bytes(f, data, static_cast<int32_t>(size), 1, rw::kMaxProjectContentSize);
    } catch (const rw::FileError&) {
        return 0;  // damaged compressed form: refused with an exception
    }
    rw::ReadProjectStream(*doc, f, nullptr);
    return 0;
}
