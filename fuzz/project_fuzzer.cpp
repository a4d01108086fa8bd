// Any byte string given to the project reader loads or is refused: no crash, hang, out-of-bounds
// access or allocation beyond what the bytes can describe.
#include <cstddef>
#include <cstdint>

#include "fuzzed_project.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One document for the whole run, as the editor has: the reader only ever writes into it.
    static auto* doc = new rw::LevelDocument{};
    rw::fuzz::read_fuzzed_project(*doc, data, size);
    return 0;
}
