#pragma once
// One-shot zlib: deflate a whole buffer at level 9 into one stream, and inflate one stream with
// an expected length. Failures raise CompressionError naming the file the data belongs to.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rw {

// A malloc'd block of bytes, owned; it can be handed to a TZfile as its buffer.
struct RawBlock {
    RawBlock() = default;
    RawBlock(RawBlock&& other) noexcept;
    RawBlock& operator=(RawBlock&& other) noexcept;
    RawBlock(const RawBlock&) = delete;
    RawBlock& operator=(const RawBlock&) = delete;
    ~RawBlock();
    uint8_t* release();

    uint8_t* data = nullptr;
    size_t size = 0;
};

// The most a deflate stream can expand: about 1032 output bytes per input byte, plus the
// stream's own header and trailer. A length read from a file is capped by this before any
// allocation, so a header that claims gigabytes over a few bytes costs nothing.
size_t max_inflated_size(size_t packed_size);

// Inflates one zlib stream of `packed_size` bytes. `expected` is only a sizing hint; the result
// holds the bytes actually produced. Throws CompressionError when the stream is damaged or
// truncated, or would inflate beyond `limit` bytes.
RawBlock inflate_block(const uint8_t* packed, size_t packed_size, size_t expected,
                       const std::string& path, size_t limit = SIZE_MAX);
void inflate_block(const uint8_t* packed, size_t packed_size, size_t expected,
                   const std::string& path, std::vector<uint8_t>& out, size_t limit = SIZE_MAX);

// Deflates at compression level 9 into one finished zlib stream.
std::vector<uint8_t> deflate_block(const uint8_t* data, size_t size, const std::string& path);
// The same into an uninitialised block, so a large buffer is not cleared before zlib fills it.
RawBlock deflate_raw_block(const uint8_t* data, size_t size, const std::string& path);

}  // namespace rw
