#include "levelfile/zlib_block.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "levelfile/errors.h"

namespace rw {
namespace {

std::vector<uint8_t> text_bytes(size_t n) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<uint8_t>("room sector portal "[i % 19]);
    return v;
}

std::vector<uint8_t> packed(const std::vector<uint8_t>& data) {
    uLongf n = compressBound(static_cast<uLong>(data.size()));
    std::vector<uint8_t> out(n);
    compress2(out.data(), &n, data.data(), static_cast<uLong>(data.size()), 9);
    out.resize(n);
    return out;
}

TEST(ZlibBlock, InflatesTheTrueBytesWhateverLengthIsExpected) {
    const auto data = text_bytes(100000);
    const auto z = packed(data);
    for (size_t expected :
         {size_t{0}, size_t{1}, size_t{99999}, size_t{100000}, size_t{100001}, size_t{5000000}}) {
        SCOPED_TRACE(expected);
        RawBlock block = inflate_block(z.data(), z.size(), expected, "x");
        EXPECT_EQ(std::vector<uint8_t>(block.data, block.data + block.size), data);
        std::vector<uint8_t> out;
        inflate_block(z.data(), z.size(), expected, "x", out);
        EXPECT_EQ(out, data);
    }
}

TEST(ZlibBlock, StreamThatExactlyFillsItsLimitIsAccepted) {
    const auto data = text_bytes(70000);
    const auto z = packed(data);
    for (size_t expected : {size_t{70000}, size_t{100}}) {
        SCOPED_TRACE(expected);
        std::vector<uint8_t> out;
        inflate_block(z.data(), z.size(), expected, "x", out, 70000);
        EXPECT_EQ(out, data);
        RawBlock block = inflate_block(z.data(), z.size(), expected, "x", 70000);
        EXPECT_EQ(block.size, 70000u);
    }
}

TEST(ZlibBlock, StreamBeyondItsLimitOrDamagedRaisesWithThePath) {
    const auto data = text_bytes(70000);
    const auto z = packed(data);
    auto damaged = z;
    damaged[damaged.size() / 2] ^= 0xFF;
    damaged[damaged.size() - 1] ^= 0xFF;  // the checksum too
    const std::vector<uint8_t> cut(z.begin(), z.begin() + static_cast<long>(z.size() / 2));
    struct Case {
        const char* fault;
        std::vector<uint8_t> bytes;
        size_t limit;
    };
    const Case cases[] = {
        {"one byte beyond the limit", z, 69999},
        {"damaged stream", damaged, SIZE_MAX},
        {"stream cut short", cut, SIZE_MAX},
        {"empty stream", {}, SIZE_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        try {
            std::vector<uint8_t> out;
            inflate_block(c.bytes.data(), c.bytes.size(), 70000, "level.tr4", out, c.limit);
            ADD_FAILURE() << "accepted";
        } catch (const CompressionError& e) {
            EXPECT_EQ(e.path(), "level.tr4");
        }
    }
}

}  // namespace
}  // namespace rw
