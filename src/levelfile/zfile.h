#pragma once
// The block file stream: a file is held whole in memory. Opening for reading loads (and, in the
// ZLIB form, inflates) the entire file; reads and writes are memory copies at a position;
// closing with write-back stores the whole buffer in one go, plain or in the ZLIB form.

#include <climits>
#include <cstdint>
#include <string>

namespace rw {

// Bytes of the ZLIB form's header: "ZLIB", packed length C, unpacked length U.
inline constexpr int32_t kZlibHeaderSize = 12;
// A stream grows with at least this much slack, and a new write stream starts this big.
inline constexpr int32_t kZfileGrowth = 65536;

struct TZfile {
    TZfile() = default;
    TZfile(const TZfile&) = delete;
    TZfile& operator=(const TZfile&) = delete;
    ~TZfile();

    std::string file_name;
    bool os_file = false;  // true between zf_reset/zf_rewrite and zf_close
    bool compressed = false;
    uint8_t* buffer = nullptr;
    int32_t size = 0;
    int32_t position = 0;
    int32_t capacity = 0;
    uint16_t record_size = 1;
};

void zf_assign(TZfile& f, const std::string& name);
// Loads the whole file; throws FileError (OS) or CompressionError (damaged ZLIB form).
// A reader that knows the largest content its format can hold passes it as `max_content`: a
// ZLIB-form file that inflates to more is refused with CompressionError before it can take
// more memory than that.
void zf_reset(TZfile& f, uint16_t record_size, int32_t max_content = INT32_MAX);
// Starts an empty stream. The file on disk is left alone until zf_close stores the new content.
void zf_rewrite(TZfile& f, uint16_t record_size);
// Copies up to count records; a read near the end copies what is left. Returns bytes copied.
int32_t zf_read(TZfile& f, void* destination, int32_t count);
void zf_write(TZfile& f, const void* source, int32_t count);
// Makes room for `bytes` of content in one step, for a writer that knows its size in advance;
// the writes that follow then copy without growing the buffer.
void zf_reserve(TZfile& f, int64_t bytes);
void zf_seek(TZfile& f, int32_t p);
inline int32_t zf_pos(const TZfile& f) {
    return f.position;
}
inline int32_t zf_size(const TZfile& f) {
    return f.size;
}
inline bool zf_eof(const TZfile& f) {
    return f.position == f.size;
}
inline int32_t zf_remaining(const TZfile& f) {
    return f.size - f.position;
}
// With write_back the content replaces the file atomically: a temporary file in the same folder
// is written, flushed and renamed over the target, so a failure leaves the old file intact.
void zf_close(TZfile& f, bool write_back);

// Whether bytes of a file are in the ZLIB form: more than the header, starting with "ZLIB".
bool zf_is_zlib_form(const uint8_t* data, size_t length);

// Makes room for at least `capacity` bytes, so that a writer that knows roughly how much it will
// write grows the buffer once.
void zf_reserve(TZfile& f, int32_t capacity);

// Loads a file from memory (for tests and fuzzing): the same decoding as zf_reset.
void zf_reset_from_bytes(TZfile& f, const uint8_t* data, int32_t length, uint16_t record_size,
                         int32_t max_content = INT32_MAX);

}  // namespace rw
