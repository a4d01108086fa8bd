#include "zlib_block.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "errors.h"

namespace rw {

RawBlock::RawBlock(RawBlock&& other) noexcept : data(other.data), size(other.size) {
    other.data = nullptr;
    other.size = 0;
}

RawBlock& RawBlock::operator=(RawBlock&& other) noexcept {
    if (this != &other) {
        std::free(data);
        data = other.data;
        size = other.size;
        other.data = nullptr;
        other.size = 0;
    }
    return *this;
}

RawBlock::~RawBlock() {
    std::free(data);
}

uint8_t* RawBlock::release() {
    uint8_t* p = data;
    data = nullptr;
    size = 0;
    return p;
}

size_t max_inflated_size(size_t packed_size) {
    constexpr size_t kMaxRatio = 1032;
    if (packed_size > std::numeric_limits<size_t>::max() / kMaxRatio) {
        return std::numeric_limits<size_t>::max();
    }
    return packed_size * kMaxRatio + 1024;
}

namespace {

// Drives inflate over a growable output; Grow(new_capacity) must return the (possibly moved)
// output pointer.
template <class Grow>
size_t run_inflate(const uint8_t* packed, size_t packed_size, size_t capacity, size_t limit,
                   const std::string& path, uint8_t* out, Grow grow) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw CompressionError(path, "cannot start zlib inflate");
    size_t consumed = 0;
    size_t produced = 0;
    auto fail = [&](std::string cause) {
        inflateEnd(&zs);
        throw CompressionError(path, std::move(cause));
    };
    // One inflate call writing at most `room` bytes to `to`; returns zlib's code and adds what
    // it read and wrote to the totals.
    auto step = [&](uint8_t* to, size_t room) {
        const size_t in_chunk = std::min<size_t>(packed_size - consumed, UINT32_MAX);
        const size_t out_chunk = std::min<size_t>(room, UINT32_MAX);
        zs.next_in = const_cast<Bytef*>(packed + consumed);
        zs.avail_in = static_cast<uInt>(in_chunk);
        zs.next_out = to;
        zs.avail_out = static_cast<uInt>(out_chunk);
        const int rc = inflate(&zs, Z_NO_FLUSH);
        consumed += in_chunk - zs.avail_in;
        return std::pair{rc, out_chunk - zs.avail_out};
    };
    while (true) {
        if (produced == capacity) {
            if (capacity >= limit) {
                // Full at the limit: fine if only the stream's trailer is left.
                uint8_t probe;
                const auto [rc, wrote] = step(&probe, 1);
                if (rc == Z_STREAM_END && wrote == 0) break;
                fail("compressed data inflates beyond what the file allows");
            }
            const size_t next = std::min(limit, std::max<size_t>(capacity * 2, 65536));
            out = grow(next);
            if (out == nullptr) fail("out of memory while inflating");
            capacity = next;
        }
        const auto [rc, wrote] = step(out + produced, capacity - produced);
        produced += wrote;
        if (rc == Z_STREAM_END) break;
        if (rc == Z_OK) continue;
        if (rc == Z_BUF_ERROR && produced == capacity) continue;
        if (rc == Z_MEM_ERROR) fail("out of memory while inflating");
        if (rc == Z_BUF_ERROR) fail("compressed data ends early");
        fail(zs.msg ? std::string("damaged compressed data: ") + zs.msg
                    : "damaged compressed data");
    }
    inflateEnd(&zs);
    return produced;
}

// Room for the expected bytes and one more: with output space left, the call that produces the
// last byte also reads the stream's trailer and ends it, instead of doubling a full buffer just
// to learn that nothing follows.
size_t initial_capacity(size_t expected, size_t limit) {
    const size_t wanted = expected < SIZE_MAX ? expected + 1 : expected;
    return std::max<size_t>(1, std::min(wanted, limit));
}

}  // namespace

RawBlock inflate_block(const uint8_t* packed, size_t packed_size, size_t expected,
                       const std::string& path, size_t limit) {
    limit = std::min(limit, max_inflated_size(packed_size));
    size_t capacity = initial_capacity(expected, limit);
    RawBlock block;
    block.data = static_cast<uint8_t*>(std::malloc(capacity));
    if (block.data == nullptr) throw CompressionError(path, "out of memory while inflating");
    block.size =
        run_inflate(packed, packed_size, capacity, limit, path, block.data, [&](size_t next) {
            void* p = std::realloc(block.data, next);
            if (p != nullptr) block.data = static_cast<uint8_t*>(p);
            return static_cast<uint8_t*>(p);
        });
    return block;
}

void inflate_block(const uint8_t* packed, size_t packed_size, size_t expected,
                   const std::string& path, std::vector<uint8_t>& out, size_t limit) {
    limit = std::min(limit, max_inflated_size(packed_size));
    size_t capacity = initial_capacity(expected, limit);
    out.resize(capacity);
    size_t produced =
        run_inflate(packed, packed_size, capacity, limit, path, out.data(), [&](size_t next) {
            out.resize(next);
            return out.data();
        });
    out.resize(produced);
}

namespace {

// Deflates into `out` of compressBound capacity; returns the packed length.
size_t deflate_into(uint8_t* out, uLongf capacity, const uint8_t* data, size_t size,
                    const std::string& path) {
    const int rc = compress2(out, &capacity, data, static_cast<uLong>(size), 9);
    if (rc != Z_OK) {
        throw CompressionError(path, rc == Z_MEM_ERROR ? "out of memory while deflating"
                                                       : "zlib could not deflate the data");
    }
    return capacity;
}

uLongf packed_bound(size_t size, const std::string& path) {
    if (size > std::numeric_limits<uLong>::max()) throw CompressionError(path, "block too large");
    return compressBound(static_cast<uLong>(size));
}

}  // namespace

std::vector<uint8_t> deflate_block(const uint8_t* data, size_t size, const std::string& path) {
    const uLongf bound = packed_bound(size, path);
    std::vector<uint8_t> out(bound);
    out.resize(deflate_into(out.data(), bound, data, size, path));
    return out;
}

RawBlock deflate_raw_block(const uint8_t* data, size_t size, const std::string& path) {
    const uLongf bound = packed_bound(size, path);
    RawBlock block;
    block.data = static_cast<uint8_t*>(std::malloc(bound));
    if (block.data == nullptr) throw CompressionError(path, "out of memory while deflating");
    block.size = deflate_into(block.data, bound, data, size, path);
    return block;
}

}  // namespace rw
