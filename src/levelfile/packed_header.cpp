#include "levelfile/packed_header.h"

#include <array>
#include <functional>

#include "levelfile/concurrent.h"
#include "levelfile/zlib_block.h"

namespace rw {

namespace {

// A compressed chunk as stored: unpacked length, packed length, the zlib stream.
struct stored_chunk {
    uint32_t unpacked = 0;
    uint32_t packed = 0;
    const uint8_t* data = nullptr;
};

stored_chunk read_chunk(level_reader& in, const char* what) {
    stored_chunk c;
    c.unpacked = in.u32(what);
    c.packed = in.u32(what);
    in.expect(c.packed, 1, kUnbounded, what);
    c.data = in.here();
    in.skip(c.packed, what);
    return c;
}

// Inflated chunks land in vectors; no chunk may grow beyond what a level's lengths can hold.
void inflate_chunk(const stored_chunk& c, std::vector<uint8_t>& out, const std::string& path) {
    inflate_block(c.data, c.packed, c.unpacked, path, out, INT32_MAX);
}

void put_chunk(level_writer& out, uint32_t unpacked, const std::vector<uint8_t>& packed) {
    out.u32(unpacked);
    out.u32(static_cast<uint32_t>(packed.size()));
    out.put(packed.data(), packed.size());
}

// A block of at least `n` bytes: the level's own when it holds enough, else a zero-padded copy.
const uint8_t* at_least(const std::vector<uint8_t>& block, size_t n, std::vector<uint8_t>& pad) {
    if (block.size() >= n) return block.data();
    pad.assign(n, 0);
    std::copy(block.begin(), block.end(), pad.begin());
    return pad.data();
}

}  // namespace

void read_packed_header(level_reader& in, Ttrlevel& level, const std::string& file_name,
                        std::vector<uint8_t>& level_data) {
    level.num_room_textiles = in.u16("tile counts");
    level.num_obj_textiles = in.u16("tile counts");
    level.num_bump_textiles = in.u16("tile counts");
    const bool tr4 = level.game_version == kTR4;
    const std::array<stored_chunk, 4> chunks = {
        read_chunk(in, "32-bit texture chunk"), read_chunk(in, "16-bit texture chunk"),
        read_chunk(in, "misc texture chunk"),
        tr4 ? read_chunk(in, "level data chunk") : stored_chunk{}};
    std::vector<uint8_t>* targets[4] = {&level.textile32, &level.textile16, &level.misc_textile,
                                        &level_data};

    std::vector<std::function<void()>> tasks;
    for (size_t i = 0; i < (tr4 ? 4u : 3u); ++i)
        tasks.emplace_back([&, i] { inflate_chunk(chunks[i], *targets[i], file_name); });
    const auto failures = run_concurrently(tasks);

    const int progress[4] = {20, 30, 40, 50};
    for (size_t i = 0; i < tasks.size(); ++i) {
        if (failures[i]) std::rethrow_exception(failures[i]);
        if (i == 2) {
            level.textile32_size = static_cast<uint32_t>(level.textile32.size());
            level.textile32_packed = chunks[0].packed;
            level.textile16_size = static_cast<uint32_t>(level.textile16.size());
            level.textile16_packed = chunks[1].packed;
            level.misc_textile_size = static_cast<uint32_t>(level.misc_textile.size());
            level.misc_textile_packed = chunks[2].packed;
        }
        level.report_progress(progress[i]);
    }
    level.num_textiles = static_cast<int32_t>(level.textile16_size / kTileBytes16);
    level.textile8_bytes = static_cast<uint32_t>(level.num_textiles) * kTileBytes8;
}

void write_packed_level(level_writer& out, Ttrlevel& level, const std::string& file_name,
                        const uint8_t* level_data, size_t level_data_size) {
    level.textile32_size = level.textile8_bytes * 4;
    level.textile16_size = level.textile8_bytes * 2;
    std::vector<uint8_t> pads[3];
    const uint8_t* sources[4] = {at_least(level.textile32, level.textile32_size, pads[0]),
                                 at_least(level.textile16, level.textile16_size, pads[1]),
                                 at_least(level.misc_textile, level.misc_textile_size, pads[2]),
                                 level_data};
    const size_t sizes[4] = {level.textile32_size, level.textile16_size, level.misc_textile_size,
                             level_data_size};
    const bool tr4 = level.game_version == kTR4;
    std::vector<uint8_t> packed[4];
    std::vector<std::function<void()>> tasks;
    for (size_t i = 0; i < (tr4 ? 4u : 3u); ++i)
        tasks.emplace_back([&, i] { packed[i] = deflate_block(sources[i], sizes[i], file_name); });
    for (const auto& failure : run_concurrently(tasks)) {
        if (failure) std::rethrow_exception(failure);
    }
    level.textile32_packed = static_cast<uint32_t>(packed[0].size());
    level.textile16_packed = static_cast<uint32_t>(packed[1].size());
    level.misc_textile_packed = static_cast<uint32_t>(packed[2].size());

    out.u32(level.version_word);
    out.u16(level.num_room_textiles);
    out.u16(level.num_obj_textiles);
    out.u16(level.num_bump_textiles);
    put_chunk(out, level.textile32_size, packed[0]);
    put_chunk(out, level.textile16_size, packed[1]);
    put_chunk(out, level.misc_textile_size, packed[2]);
    if (tr4) {
        put_chunk(out, static_cast<uint32_t>(level_data_size), packed[3]);
    } else {
        out.put(level_data, level_data_size);
    }
    out.put(level.samples.data(), static_cast<size_t>(level.samples_size));
}

}  // namespace rw
