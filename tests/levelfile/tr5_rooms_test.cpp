#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "level_fixture.h"
#include "levelfile/level_file.h"

namespace rw {
namespace {

using test::fixture_layer;
using test::fixture_level;
using test::fixture_room;
using test::level_file;

constexpr size_t kFirstRoomInRest = 32 + 8 + 8;  // tr5_header, level sizes, zero, room count

fixture_level tr5_level(std::vector<fixture_room> rooms) {
    fixture_level plan;
    plan.version = kTR5;
    plan.rooms = std::move(rooms);
    return plan;
}

std::unique_ptr<Ttrlevel> loaded(const std::vector<uint8_t>& bytes) {
    auto level = std::make_unique<Ttrlevel>();
    std::string refusal;
    EXPECT_EQ(load_level_from_bytes(*level, "a.trc", bytes.data(), bytes.size(), &refusal), kLoadOk)
        << refusal;
    return level;
}

std::vector<uint8_t> saved(Ttrlevel& level) {
    std::vector<uint8_t> out;
    std::string refusal;
    EXPECT_EQ(save_level_to_bytes(level, "b.trc", out, &refusal), kSaveOk) << refusal;
    return out;
}

size_t first_room_at(const std::vector<uint8_t>& file) {
    return file.size() - test::split_packed_file(file, false).rest.size() + kFirstRoomInRest;
}

uint32_t u32_at(const std::vector<uint8_t>& b, size_t at) {
    return load_le<uint32_t>(b.data() + at);
}

// Two layers sharing an edge whose x positions differ below one unit.
fixture_room two_layer_room() {
    fixture_layer a, b;
    a.vertices = {{10.9f, 0, 0}, {1024, 0, 0}, {1024, 0, 1024}, {10.9f, 0, 1024}};
    a.rectangles = {{0, 1, 2, 3}};
    b.vertices = {{10.2f, 0, 0}, {10.2f, 0, 1024}, {-1024, 0, 512}};
    b.triangles = {{0, 1, 2}};
    fixture_room room;
    room.layers = {a, b};
    room.alternate_room = 5;
    return room;
}

TEST(Tr5Rooms, LayerVerticesAtTheSameWholePositionBecomeOneRoomVertex) {
    const auto level = loaded(level_file(tr5_level({two_layer_room()})));
    const troom& room = level->rooms[0];
    ASSERT_EQ(room.num_layers, 2);
    ASSERT_EQ(room.num_vertices, 5);  // 4 + 3, two of them shared
    EXPECT_EQ(room.vertices[0].x, 10);
    EXPECT_EQ(room.vertices2[3].x, 10);
    EXPECT_EQ(room.vertices[4].x, -1024);
    // The shared vertex keeps the last layer's full record.
    EXPECT_EQ(room.vertices5[0].x, 10.2f);
    ASSERT_EQ(room.num_rectangles, 1);
    EXPECT_EQ(room.rectangles[0].vertices, (std::array<uint16_t, 4>{0, 1, 2, 3}));
    EXPECT_EQ(room.rectangles5[0].flags, 0x8000);
    ASSERT_EQ(room.num_triangles, 1);
    EXPECT_EQ(room.triangles[0].vertices, (std::array<uint16_t, 3>{0, 3, 4}));
    EXPECT_EQ(room.triangles5[0].vertices, (std::array<uint16_t, 3>{0, 3, 4}));
    EXPECT_EQ(room.triangles5[0].texture, room.triangles[0].texture);
    // colour 0xF8 red, 0x80 green, blue 8 x index: (31 << 10) | (16 << 5) | (blue / 8)
    EXPECT_EQ(room.vertices2[1].lighting2, (31 << 10) | (16 << 5) | 1);
}

TEST(Tr5Rooms, LayerPositionsBeyondTheRoomVertexRangeAreHeldAtItsEdge) {
    // The far wall of a room 32 sectors wide lies at 32768, one past what a room vertex holds.
    fixture_layer layer;
    layer.vertices = {{32768.0f, -40000.5f, 5.5f}, {-32768.9f, 1e9f, -5.5f}, {32767.9f, 0, 0}};
    layer.triangles = {{0, 1, 2}};
    fixture_room wide;
    wide.layers = {layer};
    const auto level = loaded(level_file(tr5_level({wide})));
    const troom& room = level->rooms[0];
    ASSERT_EQ(room.num_vertices, 3);
    EXPECT_EQ(room.vertices[0].x, 32767);
    EXPECT_EQ(room.vertices[0].y, -32768);
    EXPECT_EQ(room.vertices[0].z, 5);
    EXPECT_EQ(room.vertices2[1].x, -32768);
    EXPECT_EQ(room.vertices2[1].y, 32767);
    EXPECT_EQ(room.vertices2[1].z, -5);
    EXPECT_EQ(room.vertices[2].x, 32767);
    EXPECT_EQ(room.vertices5[0].x, 32768.0f);  // the full record keeps the stored position
}

TEST(Tr5Rooms, OddTriangleTotalsArePaddedBeforeTheVertices) {
    struct Case {
        const char* layout;
        std::vector<size_t> triangles_per_layer;
    };
    const Case cases[] = {
        {"one layer, one triangle", {1}},
        {"one layer, two triangles", {2}},
        {"two layers of one triangle", {1, 1}},
        {"three triangles over two layers", {2, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        fixture_room room;
        int16_t base = 0;
        for (size_t n : c.triangles_per_layer) {
            fixture_layer layer;
            layer.vertices = {{static_cast<float>(base), 0, 0},
                              {static_cast<float>(base + 1024), 0, 0},
                              {static_cast<float>(base), 0, 1024}};
            layer.triangles.assign(n, {0, 1, 2});
            room.layers.push_back(layer);
            base = static_cast<int16_t>(base + 4096);
        }
        const auto level = loaded(level_file(tr5_level({room})));
        const troom& r = level->rooms[0];
        ASSERT_EQ(r.num_vertices, 3 * c.triangles_per_layer.size());
        EXPECT_EQ(r.vertices5[2].z, 1024.0f);
        EXPECT_EQ(r.vertices5[2].alpha, 0xFF);
        EXPECT_EQ(r.vertices[r.num_vertices - 1u].z, 1024);
    }
}

TEST(Tr5Rooms, MultiLayerRoomIsWrittenAsOneLayerAndKeepsItsAlternateRoom) {
    auto level = loaded(level_file(tr5_level({two_layer_room(), fixture_room{}})));
    const auto out = saved(*level);
    const size_t room = first_room_at(out);
    EXPECT_EQ(u32_at(out, room + 80), 0xFFFFFFFFu);
    EXPECT_EQ(load_le<int16_t>(out.data() + room + test::kTr5RoomAlternateAt), 5);
    EXPECT_EQ(u32_at(out, room + 176), 1u);  // one layer
    EXPECT_EQ(u32_at(out, room + test::kTr5RoomVertexBytesAt), 5u * 28);

    const auto again = loaded(out);
    const troom& r = again->rooms[0];
    EXPECT_EQ(r.alternate_room, 5);
    EXPECT_EQ(r.num_layers, 1);
    EXPECT_EQ(r.num_vertices, 5);
    EXPECT_EQ(r.num_rectangles, 1);
    EXPECT_EQ(r.num_triangles, 1);
    EXPECT_EQ(r.triangles[0].vertices, (std::array<uint16_t, 3>{0, 3, 4}));
    EXPECT_EQ(again->rooms[1].alternate_room, -1);
}

TEST(Tr5Rooms, EveryLightIsWrittenBackFollowedByItsFillers) {
    fixture_room room;
    room.lights = 3;
    const auto input = level_file(tr5_level({room}));
    auto level = loaded(input);
    ASSERT_NE(level->rooms[0].light5[0], level->rooms[0].light5[2]);
    const auto out = saved(*level);
    EXPECT_TRUE(out == input);
    const size_t at = first_room_at(out);
    EXPECT_EQ(u32_at(out, at + test::kTr5RoomLightDataSizeAt), 264u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const size_t light = at + test::kTr5RoomDataStart + static_cast<size_t>(i) * 88;
        EXPECT_EQ(std::vector<uint8_t>(out.begin() + static_cast<std::ptrdiff_t>(light),
                                       out.begin() + static_cast<std::ptrdiff_t>(light + 85)),
                  test::pattern(85, 1 + 40 + i));
        EXPECT_EQ(out[light + 85], 0xCD);
        EXPECT_EQ(out[light + 87], 0xCD);
    }
}

TEST(Tr5Rooms, OffsetsAndLevelSizesAreRecomputedWhateverTheFileSaid) {
    const auto proper = level_file(tr5_level({fixture_room{}, two_layer_room()}));
    auto level = loaded(proper);
    std::vector<uint8_t> expected = saved(*level);  // the writer's own form of the same level

    auto garbled = proper;
    const size_t rest = first_room_at(garbled) - kFirstRoomInRest;
    garbled[rest + 36] ^= 0x01;  // second level size
    const size_t room = rest + kFirstRoomInRest;
    for (size_t field : {12, 16, 24, 156, 180, 184, 188, 192, 196})
        garbled[room + field] ^= 0x10;
    auto from_garbled = loaded(garbled);
    EXPECT_TRUE(saved(*from_garbled) == expected);

    const size_t out_rest = first_room_at(expected) - kFirstRoomInRest;
    const uint32_t size = u32_at(expected, out_rest + 32);
    EXPECT_EQ(u32_at(expected, out_rest + 36), size);
    const size_t level_end = out_rest + 40 + size;
    EXPECT_EQ(level_end, expected.size() - 10);  // the ten sample bytes follow
    EXPECT_EQ(u32_at(expected, level_end - 4), 0xCDCDCDCDu);
}

TEST(Tr5Rooms, RoomWithoutLayerHeadersIsWrittenWithTheBuiltOne) {
    auto level = loaded(level_file(tr5_level({fixture_room{}})));
    level->rooms[0].layer_headers.clear();
    level->rooms[0].y_top = -2048;
    const auto out = saved(*level);
    const auto again = loaded(out);
    const auto& h = again->rooms[0].layer_headers.at(0);
    EXPECT_EQ(h.value4, 0);
    EXPECT_EQ(h.num_vertices, 4u);
    EXPECT_EQ(load_le<float>(h.rest.data() + 20 - 10), -2048.0f);
    EXPECT_EQ(load_le<uint32_t>(h.rest.data() + 52 - 10), 0x01651DB0u);
}

TEST(Tr5Rooms, LayersThatCannotBeMergedIntoTheRoomAreRefused) {
    auto many_vertices = [](size_t per_layer, size_t layers, bool shared_positions) {
        fixture_room room;
        for (size_t l = 0; l < layers; ++l) {
            fixture_layer layer;
            for (size_t i = 0; i < per_layer; ++i)
                layer.vertices.push_back(
                    {static_cast<float>(i), shared_positions ? 0.0f : static_cast<float>(l), 7.0f});
            room.layers.push_back(layer);
        }
        return room;
    };
    fixture_layer stray;
    stray.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    stray.triangles = {{0, 1, 3}};
    fixture_room stray_room;
    stray_room.layers = {stray};
    fixture_layer nan_layer;
    nan_layer.vertices = {{std::nanf(""), 0, 0}};
    fixture_room nan_room;
    nan_room.layers = {nan_layer};

    struct Case {
        const char* fault;
        fixture_room room;
        const char* reason;
    };
    const Case cases[] = {
        {"merged_vertex_count_over_capacity", many_vertices(1000, 2, false), "1500 vertices"},
        {"layer_face_names_a_vertex_beyond_its_layer", stray_room, "vertex 3"},
        {"layer_vertex_without_finite_position", nan_room, "finite"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const auto bytes = level_file(tr5_level({c.room}));
        auto level = std::make_unique<Ttrlevel>();
        std::string refusal;
        EXPECT_EQ(load_level_from_bytes(*level, "a.trc", bytes.data(), bytes.size(), &refusal),
                  kLoadDamaged);
        EXPECT_NE(refusal.find(c.reason), std::string::npos) << refusal;
    }
    // Layers that share their positions fit however many there are.
    EXPECT_EQ(loaded(level_file(tr5_level({many_vertices(1000, 3, true)})))->rooms[0].num_vertices,
              1000);
}

}  // namespace
}  // namespace rw
