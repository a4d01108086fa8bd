// Reads arbitrary bytes as a game level file under one name ending (RW_LEVEL_NAME), the way the
// editor does: one instance, loaded again and again. A level that loads must be writable, and
// what is written must read back and write again to the same bytes.
//
// With RW_WRAP_TR4_LEVEL_DATA, input that does not start with a TR4 version word is taken as the
// level data of a TR4 file and deflated into one, so that mutations reach the rooms and tables
// behind the compression.

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "levelfile/errors.h"
#include "levelfile/level_file.h"
#include "levelfile/little_endian.h"

namespace {

void must(bool condition) {
    if (!condition) std::abort();
}

void check_level(const uint8_t* data, size_t size) {
    static auto level = std::make_unique<rw::Ttrlevel>();
    try {
        if (rw::load_level_from_bytes(*level, RW_LEVEL_NAME, data, size) != rw::kLoadOk) return;
    } catch (const rw::FileError&) {
        return;  // a damaged compressed chunk, or more than memory holds
    }
    std::vector<uint8_t> written;
    must(rw::save_level_to_bytes(*level, RW_LEVEL_NAME, written) == rw::kSaveOk);
    auto again = std::make_unique<rw::Ttrlevel>();
    must(rw::load_level_from_bytes(*again, RW_LEVEL_NAME, written.data(), written.size()) ==
         rw::kLoadOk);
    std::vector<uint8_t> rewritten;
    must(rw::save_level_to_bytes(*again, RW_LEVEL_NAME, rewritten) == rw::kSaveOk);
    must(rewritten == written);
}

#ifdef RW_WRAP_TR4_LEVEL_DATA
void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t bytes[4];
    rw::store_le<uint32_t>(bytes, v);
    out.insert(out.end(), bytes, bytes + 4);
}

void put_chunk(std::vector<uint8_t>& out, const uint8_t* data, size_t size) {
    uLongf packed = compressBound(static_cast<uLong>(size));
    std::vector<uint8_t> stream(packed);
    must(compress2(stream.data(), &packed, data, static_cast<uLong>(size), 1) == Z_OK);
    put_u32(out, static_cast<uint32_t>(size));
    put_u32(out, static_cast<uint32_t>(packed));
    out.insert(out.end(), stream.data(), stream.data() + packed);
}

// A TR4 file without tiles whose level data is `data`.
std::vector<uint8_t> tr4_file_around(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file;
    put_u32(file, rw::kVersionWordTR4);
    file.insert(file.end(), 6, 0);  // tile counts
    for (int i = 0; i < 3; ++i)
        put_chunk(file, nullptr, 0);
    put_chunk(file, data, size);
    return file;
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifdef RW_WRAP_TR4_LEVEL_DATA
    const uint32_t word = size >= 4 ? rw::load_le<uint32_t>(data) : 0;
    if (word != rw::kVersionWordTR4 && word != rw::kVersionWordTR4Demo) {
        const auto file = tr4_file_around(data, size);
        check_level(file.data(), file.size());
        return 0;
    }
#endif
    check_level(data, size);
    return 0;
}
