#include "level_fixture.h"

#include <zlib.h>

#include <stdexcept>

namespace rw::test {

namespace {

constexpr int kTR1 = 1, kTUB = 2, kTR2 = 3, kTR3 = 5, kTR4 = 6, kTR5 = 7;

uint32_t usual_word(int32_t v) {
    if (v <= kTUB) return 0x20;
    if (v < kTR3) return 0x2D;
    if (v == kTR3) return 0xFF180038;
    return 0x00345254;
}

std::vector<uint8_t> deflated(const std::vector<uint8_t>& data) {
    uLongf n = compressBound(static_cast<uLong>(data.size()));
    std::vector<uint8_t> out(n);
    if (compress2(out.data(), &n, data.data(), static_cast<uLong>(data.size()), 9) != Z_OK) {
        throw std::runtime_error("deflate failed");
    }
    out.resize(n);
    return out;
}

std::vector<uint8_t> inflated(const uint8_t* data, size_t size, size_t expected) {
    std::vector<uint8_t> out(expected);
    uLongf n = static_cast<uLongf>(expected);
    if (uncompress(out.data(), &n, data, static_cast<uLong>(size)) != Z_OK) {
        throw std::runtime_error("inflate failed");
    }
    out.resize(n);
    return out;
}

void chunk(ByteBuilder& b, const std::vector<uint8_t>& data) {
    const auto packed = deflated(data);
    b.u32(static_cast<uint32_t>(data.size()))
        .u32(static_cast<uint32_t>(packed.size()))
        .bytes(packed);
}

// A u32 count and that many records of `size` pattern bytes.
void table(ByteBuilder& b, uint32_t count, size_t size, int seed) {
    b.u32(count).bytes(pattern(count * size, seed));
}

void sectors(ByteBuilder& b, const fixture_room& room, int seed) {
    for (int i = 0; i < room.z_sectors * room.x_sectors; ++i) {
        b.u16(static_cast<uint32_t>(i + seed))  // fd_index
            .u16(0xFFFF)                        // box_index
            .u8(255)                            // pit_room
            .u8(static_cast<uint32_t>(-2 - i) & 0xFF)
            .u8(255)
            .u8(static_cast<uint32_t>(-8) & 0xFF);
    }
}

void portals(ByteBuilder& b, int count, int seed) {
    for (int i = 0; i < count; ++i)
        b.i16(i + 1).bytes(pattern(30, seed + i));
}

// ---- level tables, in file order ----

void object_textures(ByteBuilder& b, int32_t v, int seed) {
    const size_t size = v == kTR5 ? 40 : v == kTR4 ? 38 : 20;
    table(b, 2, size, seed);
}

void level_tables(ByteBuilder& b, int32_t v, int samples) {
    const bool tr1 = v <= kTUB, tr4 = v >= kTR4;
    table(b, 3, 2, 1);                     // floor data
    table(b, 4, 2, 2);                     // mesh data
    table(b, 2, 4, 3);                     // mesh pointers
    table(b, 1, tr4 ? 40 : 32, 4);         // animations
    table(b, 1, 6, 5);                     // state changes
    table(b, 1, 8, 6);                     // animation dispatches
    table(b, 2, 2, 7);                     // animation commands
    table(b, 2, 4, 8);                     // mesh hierarchy
    table(b, 3, 2, 9);                     // frames
    table(b, 1, v == kTR5 ? 20 : 18, 10);  // moveables
    table(b, 1, 32, 11);                   // static meshes
    if (v < kTR3) object_textures(b, v, 12);
    if (v == kTR4) b.bytes(pattern(3, 13));
    if (v == kTR5) b.bytes(pattern(4, 13));
    table(b, 1, 16, 14);  // sprite textures
    table(b, 1, 8, 15);   // sprite sequences
    if (v == kTUB) b.bytes(pattern(768, 16));
    table(b, 1, 16, 17);  // cameras
    if (tr4) table(b, 1, 40, 18);
    table(b, 1, 16, 19);                           // sound sources
    table(b, 2, tr1 ? 20 : 8, 20);                 // boxes
    table(b, 3, 2, 21);                            // overlaps
    b.bytes(pattern((tr1 ? 6 : 10) * 2 * 2, 22));  // zones, 2 boxes each
    b.u32(3).u16(1).u16(1).u16(0);                 // animated textures: one group of two
    if (v == kTR4) b.bytes(pattern(4, 23));
    if (v == kTR5) b.bytes(pattern(5, 23));
    if (v >= kTR3) object_textures(b, v, 24);
    table(b, 2, tr1 ? 22 : 24, 25);  // items
    if (v <= kTR3) b.bytes(pattern(8192, 26));
    if (v == kTR1) b.bytes(pattern(768, 16));  // the same palette as code 2, elsewhere
    if (tr4) {
        table(b, 1, 24, 28);
    } else {
        b.u16(1).bytes(pattern(16, 28));
    }
    b.u16(5).bytes(pattern(5, 29));  // demo data
    b.bytes(pattern(v <= kTUB ? 512 : v == kTR5 ? 900 : 740, 30));
    table(b, 1, 8, 31);  // sound details
    if (tr1) b.u32(static_cast<uint32_t>(samples)).bytes(pattern(static_cast<size_t>(samples), 32));
    table(b, 2, 4, 33);  // sample indices
}

void classic_rooms(ByteBuilder& b, const fixture_level& level) {
    b.u32(0x12345678).u16(static_cast<uint32_t>(level.rooms.size()));
    for (size_t i = 0; i < level.rooms.size(); ++i)
        append_classic_room(b, level.version, level.rooms[i], static_cast<int>(i) * 10 + 1);
}

fixture_layer default_layer(const fixture_room& room, int seed) {
    fixture_layer layer;
    for (int i = 0; i < room.vertices; ++i)
        layer.vertices.push_back({static_cast<float>(i * 256 + seed), static_cast<float>(-i * 64),
                                  static_cast<float>(i * 512)});
    const auto n = static_cast<uint16_t>(room.vertices);
    for (int i = 0; i < room.rectangles; ++i)
        layer.rectangles.push_back({0, static_cast<uint16_t>(1 % n), static_cast<uint16_t>(2 % n),
                                    static_cast<uint16_t>(3 % n)});
    for (int i = 0; i < room.triangles; ++i)
        layer.triangles.push_back({static_cast<uint16_t>(3 % n), static_cast<uint16_t>(2 % n), 0});
    return layer;
}

}  // namespace

uint8_t pattern_byte(size_t i, int seed) {
    return static_cast<uint8_t>(static_cast<size_t>(seed) * 37 + i * 11 + i / 256 + 1);
}

std::vector<uint8_t> pattern(size_t n, int seed) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = pattern_byte(i, seed);
    return v;
}

void append_classic_room(ByteBuilder& b, int32_t v, const fixture_room& room, int seed) {
    const size_t vertex_size = v <= kTUB ? 8 : 12;
    const auto words = static_cast<uint32_t>((static_cast<size_t>(room.vertices) * vertex_size +
                                              room.rectangles * 10u + room.triangles * 8u +
                                              room.sprites * 4u + 8) /
                                             2);
    b.i32(seed * 1024).i32(2048).i32(0).i32(-1024).u32(words);
    b.u16(static_cast<uint32_t>(room.vertices));
    for (int i = 0; i < room.vertices; ++i) {
        b.i16(i * 1024 + seed).i16(-256 * i).i16(512 * i).i16(0x1000 * (i % 8) + seed);
        if (v > kTUB) b.u16(static_cast<uint32_t>(i)).u16(0x7C00u + static_cast<uint32_t>(i));
    }
    b.u16(static_cast<uint32_t>(room.rectangles));
    for (int i = 0; i < room.rectangles; ++i)
        b.u16(0).u16(1).u16(2).u16(3).u16(static_cast<uint32_t>(seed + i));
    b.u16(static_cast<uint32_t>(room.triangles));
    for (int i = 0; i < room.triangles; ++i)
        b.u16(3).u16(2).u16(1).u16(static_cast<uint32_t>(seed + 100 + i));
    b.u16(static_cast<uint32_t>(room.sprites)).bytes(pattern(room.sprites * 4u, seed + 1));
    b.u16(static_cast<uint32_t>(room.portals));
    portals(b, room.portals, seed + 2);
    b.u16(static_cast<uint32_t>(room.z_sectors)).u16(static_cast<uint32_t>(room.x_sectors));
    sectors(b, room, seed);
    b.i16(0x1234 + seed);                // ambient intensity
    if (v > kTUB) b.u16(0x0506);         // second ambient value
    if (v == kTR2 || v == 4) b.i16(-1);  // light mode
    const size_t light_size = v <= kTUB ? 18 : v == kTR4 ? 46 : 24;
    b.u16(static_cast<uint32_t>(room.lights))
        .bytes(pattern(static_cast<size_t>(room.lights) * light_size, seed + 3));
    b.u16(static_cast<uint32_t>(room.statics))
        .bytes(pattern(static_cast<size_t>(room.statics) * (v <= kTUB ? 18 : 20), seed + 4));
    b.i16(room.alternate_room).u8(0x01).u8(0x20);
    if (v == kTR3 || v == kTR4) b.u8(3).u8(4).u8(5);
}

void append_tr5_room(ByteBuilder& b, const fixture_room& room, int seed) {
    const std::vector<fixture_layer> layers =
        room.layers.empty() ? std::vector<fixture_layer>{default_layer(room, seed)} : room.layers;
    const size_t start = b.size();
    size_t triangles = 0, rectangles = 0, vertices = 0;
    for (const auto& l : layers) {
        triangles += l.triangles.size();
        rectangles += l.rectangles.size();
        vertices += l.vertices.size();
    }
    b.text("XELA").u32(0).fill(4, 0xCD);
    b.u32(0).u32(0).u32(0xCDCDCDCD).u32(0);  // end sd, start sd, separator, end portal
    b.i32(seed * 1024).i32(-512).i32(4096).i32(0).i32(-2048);
    b.u16(static_cast<uint32_t>(room.z_sectors)).u16(static_cast<uint32_t>(room.x_sectors));
    b.u32(0xFF102030);  // room colour
    b.u16(static_cast<uint32_t>(room.lights)).u16(static_cast<uint32_t>(room.statics));
    b.u32(0x00000001).u32(0x7FFF).u32(0xFFFF);  // room info, fillers
    b.fill(8, 0xCD).fill(4, 0xFF).i16(room.alternate_room);
    b.u8(0x01).u8(0x20).u16(0x0707);
    b.fill(10, 0).fill(4, 0xCD);
    b.bytes(pattern(16, seed + 5));
    b.fill(16, 0xCD).u32(0).fill(4, 0xCD);
    b.u32(static_cast<uint32_t>(triangles)).u32(static_cast<uint32_t>(rectangles)).u32(0);
    b.u32(static_cast<uint32_t>(room.lights) * 88).u32(static_cast<uint32_t>(room.lights));
    b.u32(static_cast<uint32_t>(room.tr5_records));
    b.i32(-2048).i32(0);  // y top, y bottom
    b.u32(static_cast<uint32_t>(layers.size()));
    const size_t offsets_at = b.size();
    b.fill(20, 0);  // layer, vertices, poly, poly2 offsets and vertex bytes, patched below
    b.fill(16, 0xCD);
    const size_t data_start = b.size();
    auto offset = [&] { return static_cast<uint32_t>(b.size() - data_start); };

    for (int i = 0; i < room.lights; ++i)
        b.bytes(pattern(85, seed + 40 + i)).fill(3, 0xCD);
    b.bytes(pattern(static_cast<size_t>(room.tr5_records) * 36, seed + 6));
    b.patch_u32(start + 16, offset());
    sectors(b, room, seed);
    b.patch_u32(start + 12, offset());
    b.u16(static_cast<uint32_t>(room.portals));
    portals(b, room.portals, seed + 2);
    b.fill(2, 0xCD);
    b.patch_u32(start + 24, offset());
    b.bytes(pattern(static_cast<size_t>(room.statics) * 20, seed + 4));
    b.patch_u32(offsets_at, offset());
    for (size_t l = 0; l < layers.size(); ++l) {
        b.u32(static_cast<uint32_t>(layers[l].vertices.size()))
            .u16(0x0042)
            .u16(static_cast<uint32_t>(layers[l].rectangles.size()))
            .u16(static_cast<uint32_t>(layers[l].triangles.size()))
            .bytes(pattern(46, seed + 7 + static_cast<int>(l)));
    }
    b.patch_u32(offsets_at + 8, offset()).patch_u32(offsets_at + 12, offset());
    uint16_t texture = static_cast<uint16_t>(seed);
    for (const auto& l : layers) {
        for (const auto& r : l.rectangles)
            b.u16(r[0]).u16(r[1]).u16(r[2]).u16(r[3]).u16(texture++).u16(0x8000);
        for (const auto& t : l.triangles)
            b.u16(t[0]).u16(t[1]).u16(t[2]).u16(texture++).u16(0x0001);
    }
    if (triangles % 2 != 0) b.fill(2, 0xCD);
    b.patch_u32(offsets_at + 4, offset());
    for (const auto& l : layers) {
        for (size_t i = 0; i < l.vertices.size(); ++i) {
            const auto& p = l.vertices[i];
            b.f32(p.x).f32(p.y).f32(p.z).f32(0.0f).f32(-1.0f).f32(0.0f);
            b.u8(static_cast<uint32_t>(i * 8)).u8(0x80).u8(0xF8).u8(0xFF);  // blue green red alpha
        }
    }
    b.patch_u32(offsets_at + 16, static_cast<uint32_t>(vertices * 28));
    b.fill(2, 0xCD);
    b.patch_u32(start + 4, static_cast<uint32_t>(b.size() - start - 8));
}

std::vector<uint8_t> tr4_level_data(const fixture_level& level) {
    ByteBuilder data;
    classic_rooms(data, level);
    level_tables(data, kTR4, 0);
    return data.take();
}

std::vector<uint8_t> level_file(const fixture_level& level) {
    const int32_t v = level.version;
    const uint32_t word = level.version_word != 0 ? level.version_word : usual_word(v);
    const auto tiles = static_cast<size_t>(level.tiles);
    ByteBuilder b;
    b.u32(word);
    if (v <= kTR3) {
        if (v >= kTR2) b.bytes(pattern(768, 50)).bytes(pattern(1024, 51));
        b.u32(static_cast<uint32_t>(tiles)).bytes(pattern(tiles * 65536, 52));
        if (v >= kTR2) b.bytes(pattern(tiles * 131072, 53));
        classic_rooms(b, level);
        level_tables(b, v, level.samples);
        return b.take();
    }
    b.u16(static_cast<uint32_t>(tiles)).u16(2).u16(0);
    const auto tiles32 = level.tiles32 < 0 ? tiles : static_cast<size_t>(level.tiles32);
    chunk(b, pattern(tiles32 * 262144, 54));
    chunk(b, pattern(tiles * 131072, 55));
    chunk(b, pattern(2 * 262144, 56));
    if (v == kTR4) {
        chunk(b, tr4_level_data(level));
    } else {
        b.bytes(pattern(32, 57));
        const size_t sizes_at = b.size();
        b.u32(0).u32(0).u32(0).u32(static_cast<uint32_t>(level.rooms.size()));
        for (size_t i = 0; i < level.rooms.size(); ++i)
            append_tr5_room(b, level.rooms[i], static_cast<int>(i) * 10 + 1);
        level_tables(b, v, 0);
        b.fill(4, 0xCD);
        const auto size = static_cast<uint32_t>(b.size() - sizes_at - 8);
        b.patch_u32(sizes_at, size).patch_u32(sizes_at + 4, size);
    }
    b.bytes(pattern(static_cast<size_t>(level.samples), 58));
    return b.take();
}

packed_file_parts split_packed_file(const std::vector<uint8_t>& file, bool tr4) {
    packed_file_parts parts;
    size_t at = 10;
    parts.head.assign(file.begin(), file.begin() + 10);
    auto u32 = [&](size_t p) {
        return static_cast<uint32_t>(file[p] | file[p + 1] << 8 | file[p + 2] << 16 |
                                     file[p + 3] << 24);
    };
    for (int i = 0; i < (tr4 ? 4 : 3); ++i) {
        const uint32_t unpacked = u32(at), packed = u32(at + 4);
        parts.unpacked_lengths.push_back(unpacked);
        parts.chunks.push_back(inflated(file.data() + at + 8, packed, unpacked));
        at += 8 + packed;
    }
    parts.rest.assign(file.begin() + static_cast<std::ptrdiff_t>(at), file.end());
    return parts;
}

}  // namespace rw::test
