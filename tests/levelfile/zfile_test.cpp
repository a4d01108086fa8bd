#include "levelfile/zfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <filesystem>
#include <numeric>

#include "byte_builder.h"
#include "levelfile/errors.h"
#include "temp_dir.h"

namespace rw {
namespace {

using test::ByteBuilder;
using test::read_file;
using test::TempDir;
using test::write_file;

std::vector<uint8_t> counting_bytes(size_t n) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<uint8_t>(i * 7 + i / 251);
    return v;
}

std::vector<uint8_t> zlib_stream(const std::vector<uint8_t>& data) {
    uLongf n = compressBound(static_cast<uLong>(data.size()));
    std::vector<uint8_t> out(n);
    compress2(out.data(), &n, data.data(), static_cast<uLong>(data.size()), 9);
    out.resize(n);
    return out;
}

std::vector<uint8_t> zlib_form(const std::vector<uint8_t>& data, uint32_t claimed_unpacked) {
    auto packed = zlib_stream(data);
    return ByteBuilder()
        .text("ZLIB")
        .u32(static_cast<uint32_t>(packed.size()))
        .u32(claimed_unpacked)
        .bytes(packed)
        .take();
}

TEST(BlockFileStream, ZlibFormLoadsTheTrueLengthWhateverTheHeaderClaims) {
    TempDir dir;
    const auto content = counting_bytes(5000);
    for (uint32_t claimed : {0u, 10u, 4999u, 5000u, 5001u, 1000000u}) {
        SCOPED_TRACE(claimed);
        write_file(dir.path("z.rmw"), zlib_form(content, claimed));
        TZfile f;
        zf_assign(f, dir.path("z.rmw"));
        zf_reset(f, 1);
        EXPECT_TRUE(f.compressed);
        ASSERT_EQ(zf_size(f), 5000);
        EXPECT_EQ(f.capacity, 5000);
        EXPECT_EQ(std::vector<uint8_t>(f.buffer, f.buffer + f.size), content);
        zf_close(f, false);
    }
}

TEST(BlockFileStream, PlainFilesUpToTwelveBytesAreNeverTakenForTheZlibForm) {
    TempDir dir;
    const auto twelve = ByteBuilder().text("ZLIB").u32(4).u32(4).take();
    write_file(dir.path("p"), twelve);
    TZfile f;
    zf_assign(f, dir.path("p"));
    zf_reset(f, 1);
    EXPECT_FALSE(f.compressed);
    EXPECT_EQ(std::vector<uint8_t>(f.buffer, f.buffer + f.size), twelve);
}

TEST(BlockFileStream, ShortReadCopiesWhatIsLeftAndLeavesTheRestOfTheDestination) {
    TempDir dir;
    write_file(dir.path("p"), {1, 2, 3, 4, 5, 6, 7, 8});
    TZfile f;
    zf_assign(f, dir.path("p"));
    zf_reset(f, 1);
    zf_seek(f, 4);
    uint8_t dest[10];
    std::fill(std::begin(dest), std::end(dest), 0xAA);
    EXPECT_EQ(zf_read(f, dest, 10), 4);
    EXPECT_EQ(dest[0], 5);
    EXPECT_EQ(dest[3], 8);
    for (int i = 4; i < 10; ++i)
        EXPECT_EQ(dest[i], 0xAA);
    EXPECT_EQ(zf_pos(f), zf_size(f));
    EXPECT_TRUE(zf_eof(f));
}

TEST(BlockFileStream, SeekPastTheEndStopsAtTheEnd) {
    TZfile f;
    zf_rewrite(f, 1);
    const uint8_t bytes[5] = {1, 2, 3, 4, 5};
    zf_write(f, bytes, 5);
    zf_seek(f, 2);
    EXPECT_FALSE(zf_eof(f));
    zf_seek(f, 1000);
    EXPECT_EQ(zf_pos(f), 5);
    EXPECT_TRUE(zf_eof(f));
}

TEST(BlockFileStream, WritesGrowTheBufferWithSlackAndOverwriteInTheMiddle) {
    TZfile f;
    zf_rewrite(f, 1);
    EXPECT_EQ(f.capacity, 65536);
    EXPECT_EQ(zf_size(f), 0);
    const auto big = counting_bytes(70000);
    zf_write(f, big.data(), 70000);
    EXPECT_EQ(f.capacity, 70000 + 65536);
    EXPECT_EQ(zf_size(f), 70000);

    TZfile g;
    zf_rewrite(g, 1);
    const auto hundred = counting_bytes(100);
    zf_write(g, hundred.data(), 100);
    zf_seek(g, 0);
    const uint8_t four[4] = {9, 9, 9, 9};
    zf_write(g, four, 4);
    EXPECT_EQ(zf_size(g), 100);
    EXPECT_EQ(zf_pos(g), 4);
    EXPECT_EQ(g.buffer[3], 9);
    EXPECT_EQ(g.buffer[4], hundred[4]);
}

TEST(BlockFileStream, PlainWriteStoresExactlyTheBytesWritten) {
    TempDir dir;
    const auto content = counting_bytes(1234);
    TZfile f;
    zf_assign(f, dir.path("out.bin"));
    zf_rewrite(f, 1);
    zf_write(f, content.data(), 1234);
    zf_close(f, true);
    EXPECT_EQ(read_file(dir.path("out.bin")), content);
}

TEST(BlockFileStream, CompressedWriteStoresTheZlibFormHeaderAndOneStream) {
    TempDir dir;
    const auto content = counting_bytes(3000);
    TZfile f;
    zf_assign(f, dir.path("out.rmw"));
    zf_rewrite(f, 1);
    zf_write(f, content.data(), 3000);
    f.compressed = true;
    zf_close(f, true);

    const auto stored = read_file(dir.path("out.rmw"));
    ASSERT_GT(stored.size(), 12u);
    EXPECT_EQ(std::string(stored.begin(), stored.begin() + 4), "ZLIB");
    const uint32_t packed = stored[4] | stored[5] << 8 | stored[6] << 16 | stored[7] << 24;
    const uint32_t unpacked = stored[8] | stored[9] << 8 | stored[10] << 16 | stored[11] << 24;
    EXPECT_EQ(packed, stored.size() - 12);
    EXPECT_EQ(unpacked, 3000u);
    EXPECT_EQ(std::vector<uint8_t>(stored.begin() + 12, stored.end()), zlib_stream(content));
}

TEST(BlockFileStream, ReopenedZlibFileKeepsItsFormOnWriteBackAndIsUntouchedWithout) {
    TempDir dir;
    const auto content = counting_bytes(800);
    const auto original = zlib_form(content, 800);
    write_file(dir.path("z"), original);
    {
        TZfile f;
        zf_assign(f, dir.path("z"));
        zf_reset(f, 1);
        zf_close(f, false);
        EXPECT_EQ(read_file(dir.path("z")), original);
    }
    {
        TZfile f;
        zf_assign(f, dir.path("z"));
        zf_reset(f, 1);
        zf_close(f, true);
        const auto stored = read_file(dir.path("z"));
        EXPECT_EQ(std::string(stored.begin(), stored.begin() + 4), "ZLIB");
        EXPECT_EQ(std::vector<uint8_t>(stored.begin() + 12, stored.end()), zlib_stream(content));
    }
}

TEST(BlockFileStream, DamagedOrTruncatedZlibStreamsRaiseWithThePath) {
    TempDir dir;
    const auto good = zlib_form(counting_bytes(4000), 4000);
    auto flipped = good;
    for (size_t i = 14; i < flipped.size(); i += 3)
        flipped[i] ^= 0x5A;
    auto truncated = good;
    truncated.resize(good.size() / 2);
    for (const auto& bytes : {flipped, truncated}) {
        write_file(dir.path("bad.rmw"), bytes);
        TZfile f;
        zf_assign(f, dir.path("bad.rmw"));
        try {
            zf_reset(f, 1);
            FAIL() << "damaged stream was accepted";
        } catch (const CompressionError& e) {
            EXPECT_EQ(e.path(), dir.path("bad.rmw"));
        }
    }
}

TEST(BlockFileStream, PackedLengthBeyondTheFileReadsWhatIsThere) {
    auto bytes = zlib_form(counting_bytes(4000), 4000);
    bytes[6] = 0x7F;  // C claims megabytes; the whole stream is still in the file
    TZfile f;
    zf_assign(f, "over.rmw");
    zf_reset_from_bytes(f, bytes.data(), static_cast<int32_t>(bytes.size()), 1);
    EXPECT_EQ(zf_size(f), 4000);
}

TEST(BlockFileStream, HugeClaimedLengthOnATinyFileIsRefusedCheaply) {
    // 20 bytes claiming 4 GB unpacked: the claim is only a hint, capped by what 8 bytes of
    // deflate data can ever produce.
    const auto bytes = ByteBuilder().text("ZLIB").u32(8).u32(0xFFFFFFFFu).fill(8, 0x78).take();
    TZfile f;
    zf_assign(f, "tiny.rmw");
    EXPECT_THROW(zf_reset_from_bytes(f, bytes.data(), static_cast<int32_t>(bytes.size()), 1),
                 CompressionError);
}

TEST(BlockFileStream, NamedPipeIsRefusedWithoutWaitingForAWriter) {
    TempDir dir;
    const std::string pipe = dir.path("pipe.rmw");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    TZfile f;
    zf_assign(f, pipe);
    try {
        zf_reset(f, 1);
        FAIL() << "a pipe was read as a file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), pipe);
    }
}

TEST(BlockFileStream, MissingFileRaisesWithThePath) {
    TempDir dir;
    TZfile f;
    zf_assign(f, dir.path("absent.rmw"));
    try {
        zf_reset(f, 1);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), dir.path("absent.rmw"));
    }
}

TEST(BlockFileStream, RewriteLeavesTheOldFileUntilTheNewContentIsStored) {
    TempDir dir;
    const auto old_content = counting_bytes(300);
    write_file(dir.path("keep.bin"), old_content);
    TZfile f;
    zf_assign(f, dir.path("keep.bin"));
    zf_rewrite(f, 1);
    const uint8_t b[3] = {1, 2, 3};
    zf_write(f, b, 3);
    EXPECT_EQ(read_file(dir.path("keep.bin")), old_content);  // nothing truncated yet
    zf_close(f, true);
    EXPECT_EQ(read_file(dir.path("keep.bin")), (std::vector<uint8_t>{1, 2, 3}));
    // Only the target is left in the folder: the temporary file was renamed, not copied.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()),
                            std::filesystem::directory_iterator{}),
              1);
}

TEST(BlockFileStream, FileWhoseNameIsAsLongAsTheFileSystemAllowsIsReplaced) {
    TempDir dir;
    const std::string name = std::string(251, 'n') + ".rmw";  // 255 bytes, the usual limit
    write_file(dir.path(name), counting_bytes(50));
    TZfile f;
    zf_assign(f, dir.path(name));
    zf_rewrite(f, 1);
    const uint8_t b[3] = {1, 2, 3};
    zf_write(f, b, 3);
    zf_close(f, true);
    EXPECT_EQ(read_file(dir.path(name)), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()),
                            std::filesystem::directory_iterator{}),
              1);
}

TEST(BlockFileStream, FailedStoreRaisesAndLeavesNoTemporaryFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.path("target"));  // cannot be replaced by a file
    TZfile f;
    zf_assign(f, dir.path("target"));
    zf_rewrite(f, 1);
    const uint8_t b[3] = {1, 2, 3};
    zf_write(f, b, 3);
    EXPECT_THROW(zf_close(f, true), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("target")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()),
                            std::filesystem::directory_iterator{}),
              1);
}

}  // namespace
}  // namespace rw
