#include "document/project_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "byte_builder.h"
#include "document/editor_state.h"
#include "levelfile/errors.h"
#include "recording_sinks.h"
#include "temp_dir.h"

namespace rw {
namespace {

using test::ByteBuilder;
using test::RecordingMessages;

std::vector<uint8_t> content_of(const LevelDocument& doc) {
    TZfile f;
    zf_rewrite(f, 1);
    WriteProjectStream(doc, f);
    return {f.buffer, f.buffer + f.size};
}

int load_bytes(LevelDocument& doc, const std::vector<uint8_t>& bytes, MessageSink* messages) {
    TZfile f;
    zf_assign(f, "test.rmw");
    zf_reset_from_bytes(f, bytes.data(), static_cast<int32_t>(bytes.size()), 1);
    return ReadProjectStream(doc, f, messages);
}

std::unique_ptr<LevelDocument> byte_copy(const LevelDocument& doc) {
    auto copy = std::make_unique<LevelDocument>();
    std::memcpy(static_cast<void*>(copy.get()), &doc, sizeof doc);
    return copy;
}

bool same_bytes(const LevelDocument& a, const LevelDocument& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A sector image assembled field by field from the stored layout.
struct SectorFields {
    int32_t floor_base = 0, floor_raise = 0, floor_front = 0;
    uint8_t room_side = 0, climb_left = 0, step_sound = 0;
    int32_t floor_texture = 0, floor_wall_front = 0, ceiling_wall_front = 0;
    uint16_t floor_split = 0, ceiling_split = 0;
    int32_t floor_texture2 = 0;
    uint16_t floor_wall_back = 0, ceiling_wall_right = 0;
    uint8_t reserved_first = 0;
};

std::vector<uint8_t> sector_image(const SectorFields& s) {
    ByteBuilder b;
    b.i32(s.floor_base).i32(s.floor_raise).i32(s.floor_front).i32(0).i32(0).i32(0);
    b.i32(0).i32(0).i32(0).i32(0).i32(0).i32(0);
    b.u8(0).u8(s.room_side).u8(0);               // room above, side, below
    b.u8(0).u8(0).u8(s.climb_left).u8(0).u8(0);  // climb front..ceiling
    b.u8(0).u8(s.step_sound).u8(0).u8(0);        // mask, step sound, death, pad
    b.i32(s.floor_texture).i32(s.floor_wall_front).i32(0).i32(s.ceiling_wall_front);
    b.u8(0).u8(0);                                     // selected, pad
    b.u16(s.floor_split).u16(s.ceiling_split).u16(0);  // splits, pad
    b.i32(s.floor_texture2).i32(0);                    // texture2 floor, ceiling
    b.u8(0).u8(0);                                     // portal triangles
    b.u16(s.floor_wall_back).u16(0).u16(0).u16(0).u16(0).u16(s.ceiling_wall_right);
    b.u8(s.reserved_first).fill(41);
    EXPECT_EQ(b.size(), 148u);
    return b.take();
}

void header(ByteBuilder& b, uint8_t version, uint8_t current_room, uint8_t room_count) {
    b.short_string("Zorvath Rmw file", 16).u8(version);
    b.short_string("A test level", 100).short_string("comments", 250);
    b.short_string("base.tr4", 100).short_string("", 100).short_string("mesh.msh", 100);
    b.short_string("level.scp", 100).short_string("out.tr4", 100);
    b.u8(current_room).u8(room_count).i32(1).i32(2).i32(3).i32(1);
}

void room_fields(ByteBuilder& b, uint16_t columns, uint16_t rows) {
    b.i32(4).i32(1).i32(6);           // pos_x, pos_y, pos_z
    b.u16(rows).u16(columns).u16(5);  // rows, columns, height
    b.short_string("Hall", 40);
    b.u8(1).u8(0).u8(0).u8(1).u8(0);  // water, outdoor, quicksand, sky, spare
    b.i32(16).u8(1);                  // ambient, tiled boxes
    b.i32(2).i32(3).i32(4).i32(5);    // default textures
}

// The grid of one room: every sector zero except (2, 3).
void grid(ByteBuilder& b, const SectorFields& special, size_t sector_size) {
    const auto image = sector_image(special);
    for (int c = 1; c <= 32; ++c) {
        for (int r = 1; r <= 32; ++r) {
            if (c == 2 && r == 3) {
                b.raw(image.data(), sector_size);
            } else {
                b.fill(sector_size);
            }
        }
    }
}

void portal_view(ByteBuilder& b, uint8_t facing, uint16_t view_room) {
    b.u8(facing).u8(0).u16(view_room).i32(2).i32(3).i32(4).i32(5);
}

std::unique_ptr<LevelDocument> varied_document() {
    auto doc = std::make_unique<LevelDocument>();
    doc->level_description.assign("A varied level");
    doc->level_description.text[50] = 'x';  // a byte after the text survives too
    doc->comments.assign("Comments");
    doc->base_level_path.assign("samples/base.tr4");
    doc->new_level_path.assign("out.tr4");
    doc->room_count = 3;
    doc->current_room = 2;
    doc->lara_room = 2;
    doc->lara_column = 3;
    doc->lara_row = 4;
    doc->tr5_weather = 2;
    for (int n = 1; n <= 3; ++n) {
        Room& room = doc->room(n);
        room.columns = static_cast<uint16_t>(4 + n * 5);
        room.rows = static_cast<uint16_t>(3 + n * 7);
        room.height = static_cast<uint16_t>(n + 3);
        room.pos_x = n * 10;
        room.pos_z = -n;
        room.pos_y = n;
        room.name.assign("Room " + std::to_string(n));
        room.name.text[39] = static_cast<char>(n);
        room.water = n == 2;
        room.spare_flag = 7;
        room.ambient = 10 + n;
        room.tiled_boxes = n & 1;
        room.default_floor_texture = n;
        InitRoomSectors(*doc, n);
        room.sector(2, 2).floor_raise = -3;
        room.sector(3, 2).floor_split = 2;
        room.sector(3, 2).reserved[41] = 0xEE;
        room.sector(31, 31).ceiling_texture = 1234;  // outside the rooms in use, stored anyway
        room.portal_view_count = n;
        for (int k = 0; k < n; ++k) {
            room.portal_views[static_cast<size_t>(k)] = {
                static_cast<uint8_t>(k), 0, static_cast<uint16_t>(n), 1, 2, 3, 4};
        }
        room.reserved_count = n - 1;
        if (n > 1) room.reserved_records[0].bytes.fill(static_cast<uint8_t>(0x40 + n));
        room.ornament_count = 4 - n;
        for (int k = 0; k < 4 - n; ++k) {
            Ornament& o = room.ornaments[static_cast<size_t>(k)];
            o.mesh = k;
            o.row = 2;
            o.column = 3;
            o.red = -1;
            o.alignment = 4;
        }
        room.current_ornament = 1;
    }
    return doc;
}

TEST(ProjectFile, EmptyDocumentIs893ContentBytesAndReadsBack) {
    auto doc = std::make_unique<LevelDocument>();
    doc->current_room = 7;
    const auto bytes = content_of(*doc);
    ASSERT_EQ(bytes.size(), 893u);
    auto loaded = std::make_unique<LevelDocument>();
    RecordingMessages messages;
    EXPECT_EQ(load_bytes(*loaded, bytes, &messages), 0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(loaded->room_count, 0);
    EXPECT_EQ(loaded->current_room, 7);
}

TEST(ProjectFile, WriterProducesTheStoredLayoutFieldByField) {
    auto doc = std::make_unique<LevelDocument>();
    doc->level_description.assign("A test level");
    doc->comments.assign("comments");
    doc->base_level_path.assign("base.tr4");
    doc->mesh_file_path.assign("mesh.msh");
    doc->script_path.assign("level.scp");
    doc->new_level_path.assign("out.tr4");
    doc->current_room = 1;
    doc->room_count = 1;
    doc->lara_room = 1;
    doc->lara_column = 2;
    doc->lara_row = 3;
    doc->tr5_weather = 1;
    Room& room = doc->room(1);
    room.pos_x = 4;
    room.pos_y = 1;
    room.pos_z = 6;
    room.rows = 5;
    room.columns = 5;
    room.height = 5;
    room.name.assign("Hall");
    room.water = 1;
    room.sky = 1;
    room.ambient = 16;
    room.tiled_boxes = 1;
    room.default_floor_texture = 2;
    room.default_floor_wall_texture = 3;
    room.default_ceiling_texture = 4;
    room.default_ceiling_wall_texture = 5;
    Sector& s = room.sector(2, 3);
    s.floor_base = 1;
    s.floor_raise = -2;
    s.floor_front = 3;
    s.room_side = 4;
    s.climb_left = 1;
    s.step_sound = 2;
    s.floor_texture = 9;
    s.floor_wall_front = 0x12345;
    s.ceiling_wall_front = 8;
    s.floor_split = 1;
    s.ceiling_split = 2;
    s.floor_texture2 = 10;
    s.floor_wall_back = 11;
    s.ceiling_wall_right = 12;
    s.reserved[0] = 0xAB;
    room.portal_view_count = 1;
    room.portal_views[0] = {5, 0, 2, 2, 3, 4, 5};
    room.reserved_count = 1;
    room.reserved_records[0].bytes.fill(0x11);
    room.ornament_count = 1;
    room.ornaments[0] = Ornament{7, 2, 3, 4, 5, 1, -1, 20, 30, {}};
    room.current_ornament = 1;

    ByteBuilder expected;
    header(expected, 9, 1, 1);
    room_fields(expected, 5, 5);
    grid(expected, {1, -2, 3, 4, 1, 2, 9, 0x12345, 8, 1, 2, 10, 11, 12, 0xAB}, 148);
    expected.i32(1);
    portal_view(expected, 5, 2);
    expected.i32(1).fill(36, 0x11);
    expected.i32(1).i32(7).i32(2).i32(3).i32(4).i32(5).u8(1).u8(0xFF).u8(20).u8(30).fill(64);
    expected.i32(1);

    const auto bytes = content_of(*doc);
    EXPECT_EQ(bytes.size(), 893u + 151653u + 20 + 36 + 88);
    EXPECT_EQ(bytes, expected.data());
}

TEST(ProjectFile, VariedDocumentRoundTripsByteForByte) {
    auto doc = varied_document();
    const auto first = content_of(*doc);
    auto loaded = std::make_unique<LevelDocument>();
    ASSERT_EQ(load_bytes(*loaded, first, nullptr), 0);
    EXPECT_EQ(content_of(*loaded), first);
    EXPECT_EQ(loaded->level_description.text[50], 'x');
    EXPECT_EQ(loaded->room(3).name.text[39], 3);
    EXPECT_EQ(loaded->room(2).sector(3, 2).reserved[41], 0xEE);
    EXPECT_EQ(loaded->room(1).sector(31, 31).ceiling_texture, 1234);
    EXPECT_EQ(loaded->room(3).portal_view_count, 3);
    EXPECT_EQ(loaded->room(1).ornaments[2].alignment, 4);
}

TEST(ProjectFile, SmallRoomStillStoresItsWholeGrid) {
    auto doc = std::make_unique<LevelDocument>();
    doc->room_count = 1;
    doc->room(1).rows = doc->room(1).columns = 5;
    EXPECT_EQ(content_of(*doc).size(), 893u + 151653u);
}

TEST(ProjectFile, SavedFileIsCompressedAndLoadsBack) {
    test::TempDir dir;
    auto doc = varied_document();
    WriteProjectFile(*doc, dir.path("level.rmw"));
    const auto stored = test::read_file(dir.path("level.rmw"));
    EXPECT_EQ(std::string(stored.begin(), stored.begin() + 4), "ZLIB");
    auto loaded = std::make_unique<LevelDocument>();
    EXPECT_EQ(ReadProjectFile(*loaded, dir.path("level.rmw"), nullptr), 0);
    EXPECT_EQ(content_of(*loaded), content_of(*doc));
}

TEST(ProjectFile, Versions7And8ReadReservedRecordsAndCopyTheFrontWallTextures) {
    for (uint8_t version : {7, 8}) {
        SCOPED_TRACE(static_cast<int>(version));
        ByteBuilder b;
        header(b, version, 1, 1);
        room_fields(b, 6, 7);
        SectorFields special;
        special.floor_wall_front = 0x00050007;
        special.ceiling_wall_front = 0x1234;
        special.floor_split = 1;
        special.floor_wall_back = 99;  // overwritten by the migration
        grid(b, special, 148);
        b.i32(1);
        portal_view(b, 3, 2);
        b.i32(2).fill(36, 0x21).fill(36, 0x22);

        auto doc = std::make_unique<LevelDocument>();
        doc->room(1).ornament_count = 5;
        doc->room(1).current_ornament = 3;
        ASSERT_EQ(load_bytes(*doc, b.data(), nullptr), 0);
        const Room& room = doc->room(1);
        EXPECT_EQ(room.rows, 7);
        EXPECT_EQ(room.columns, 6);
        EXPECT_EQ(room.name.str(), "Hall");
        const Sector& s = room.sector(2, 3);
        EXPECT_EQ(s.floor_split, 1);
        EXPECT_EQ(s.floor_wall_back, 7);
        EXPECT_EQ(s.floor_wall_left, 7);
        EXPECT_EQ(s.floor_wall_right, 7);
        EXPECT_EQ(s.ceiling_wall_back, 0x1234);
        EXPECT_EQ(s.ceiling_wall_left, 0x1234);
        EXPECT_EQ(s.ceiling_wall_right, 0x1234);
        EXPECT_EQ(room.portal_view_count, 1);
        EXPECT_EQ(room.portal_views[0].facing, 3);
        EXPECT_EQ(room.reserved_count, 2);
        EXPECT_EQ(room.reserved_records[1].bytes[35], 0x22);
        EXPECT_EQ(room.ornament_count, 0);
        EXPECT_EQ(room.current_ornament, 0);  // not the one of the project open before
        EXPECT_EQ(doc->script_path.str(), "level.scp");
        EXPECT_EQ(doc->lara_row, 3);
    }
}

TEST(ProjectFile, Version6ReadsEightyByteSectorsAndClearsEverythingElseOfThem) {
    ByteBuilder b;
    header(b, 6, 1, 1);
    room_fields(b, 6, 7);
    SectorFields special;
    special.floor_base = 2;
    special.floor_texture = 31;
    special.floor_wall_front = 0x00030004;
    special.ceiling_wall_front = 6;
    special.floor_split = 0x0102;  // bytes 78 and 79 of an old sector are ignored
    grid(b, special, 80);
    b.i32(2);
    portal_view(b, 0, 1);
    portal_view(b, 5, 3);

    auto doc = std::make_unique<LevelDocument>();
    Sector& before = doc->room(1).sector(2, 3);
    before.ceiling_split = 2;
    before.floor_texture2 = 77;  // left by the project open before: not carried over
    before.reserved[3] = 0x5C;
    doc->room(1).reserved_count = 6;
    doc->room(1).ornament_count = 2;
    ASSERT_EQ(load_bytes(*doc, b.data(), nullptr), 0);
    const Room& room = doc->room(1);
    const Sector& s = room.sector(2, 3);
    EXPECT_EQ(s.floor_base, 2);
    EXPECT_EQ(s.floor_texture, 31);
    EXPECT_EQ(s.floor_split, 0);
    EXPECT_EQ(s.ceiling_split, 0);
    EXPECT_EQ(s.floor_texture2, 0);
    EXPECT_EQ(s.reserved[3], 0);
    EXPECT_EQ(s.floor_wall_left, 4);
    EXPECT_EQ(s.ceiling_wall_back, 6);
    EXPECT_EQ(room.portal_view_count, 2);
    EXPECT_EQ(room.portal_views[1].facing, 5);
    EXPECT_EQ(room.portal_views[1].view_room, 3);
    EXPECT_EQ(room.reserved_count, 0);
    EXPECT_EQ(room.ornament_count, 0);
}

TEST(ProjectFile, VersionsAboveNineReadAsNine) {
    auto doc = varied_document();
    auto bytes = content_of(*doc);
    bytes[17] = 12;
    auto loaded = std::make_unique<LevelDocument>();
    ASSERT_EQ(load_bytes(*loaded, bytes, nullptr), 0);
    bytes[17] = 9;
    EXPECT_EQ(content_of(*loaded), bytes);
}

TEST(ProjectFile, WriterNeverStoresMoreThanTheDocumentHoldsSoItsFilesLoad) {
    auto doc = varied_document();
    doc->room_count = 151;  // past the room storage
    Room& room = doc->room(2);
    room.portal_view_count = 25;
    room.reserved_count = -3;
    room.ornament_count = 41;
    const auto bytes = content_of(*doc);
    EXPECT_EQ(bytes[876], 150);
    auto loaded = std::make_unique<LevelDocument>();
    RecordingMessages messages;
    ASSERT_EQ(load_bytes(*loaded, bytes, &messages), 0);
    EXPECT_EQ(loaded->room_count, 150);
    EXPECT_EQ(loaded->room(2).portal_view_count, 20);
    EXPECT_EQ(loaded->room(2).reserved_count, 0);
    EXPECT_EQ(loaded->room(2).ornament_count, 40);
    EXPECT_EQ(loaded->room(3).name.str(), "Room 3");
}

TEST(ProjectFile, CompressedContentBeyondTheLargestProjectIsRefusedWithThePath) {
    test::TempDir dir;
    auto doc = std::make_unique<LevelDocument>();
    auto content = content_of(*doc);  // no rooms: whatever follows the header is ignored
    content.resize(static_cast<size_t>(kMaxProjectContentSize));
    const std::string at_limit = dir.path("at_limit.rmw");
    const std::string beyond = dir.path("beyond.rmw");
    for (const auto& [path, size] :
         {std::pair{at_limit, content.size()}, std::pair{beyond, content.size() + 1}}) {
        TZfile f;
        zf_assign(f, path);
        zf_rewrite(f, 1);
        content.resize(size);
        zf_write(f, content.data(), static_cast<int32_t>(size));
        f.compressed = true;
        zf_close(f, true);
    }
    doc->comments.assign("keep me");
    EXPECT_EQ(ReadProjectFile(*doc, at_limit, nullptr), 0);
    EXPECT_EQ(doc->comments.str(), "");
    doc->comments.assign("keep me");
    try {
        ReadProjectFile(*doc, beyond, nullptr);
        ADD_FAILURE() << "accepted";
    } catch (const CompressionError& e) {
        EXPECT_EQ(e.path(), beyond);
    }
    EXPECT_EQ(doc->comments.str(), "keep me");
}

TEST(ProjectFile, ContentAfterTheStreamPositionIsCheckedNotTheBytesBeforeIt) {
    // An empty project, then one whose first room claims 25 portal views: the checks must look
    // at the second, which is the one read.
    const auto empty = content_of(*std::make_unique<LevelDocument>());
    auto overfull = content_of(*varied_document());
    overfull[893 + 85 + 151552] = 25;
    std::vector<uint8_t> bytes = empty;
    bytes.insert(bytes.end(), overfull.begin(), overfull.end());

    auto doc = std::make_unique<LevelDocument>();
    doc->comments.assign("keep me");
    const auto before = byte_copy(*doc);
    TZfile f;
    zf_assign(f, "test.rmw");
    zf_reset_from_bytes(f, bytes.data(), static_cast<int32_t>(bytes.size()), 1);
    zf_seek(f, static_cast<int32_t>(empty.size()));
    RecordingMessages messages;
    EXPECT_EQ(ReadProjectStream(*doc, f, &messages), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], kOverfullProjectMessage);
    EXPECT_TRUE(same_bytes(*doc, *before));
}

struct Refusal {
    const char* fault;
    std::vector<uint8_t> bytes;
    std::string message;
};

std::vector<Refusal> refusals() {
    auto doc = varied_document();
    const auto good = content_of(*doc);
    std::vector<Refusal> cases;
    auto with = [&](const char* fault, auto change, const std::string& message) {
        auto bytes = good;
        change(bytes);
        cases.push_back({fault, bytes, message});
    };
    with(
        "wrong_magic_text", [](auto& b) { b[16] = 'f'; }, kInvalidProjectMessage);
    with(
        "magic_with_another_length_byte", [](auto& b) { b[0] = 15; }, kInvalidProjectMessage);
    with(
        "version_5", [](auto& b) { b[17] = 5; }, kOldProjectMessage);
    with(
        "room_count_above_150", [](auto& b) { b[876] = 151; }, kOverfullProjectMessage);
    with(
        "room_rows_beyond_the_grid", [](auto& b) { b[893 + 12] = 33; }, kOverfullProjectMessage);
    with(
        "room_columns_beyond_the_grid", [](auto& b) { b[893 + 15] = 1; }, kOverfullProjectMessage);
    const size_t portal_count_at = 893 + 85 + 151552;
    with(
        "portal_view_count_21", [&](auto& b) { b[portal_count_at] = 21; }, kOverfullProjectMessage);
    with(
        "negative_portal_view_count",
        [&](auto& b) { std::fill_n(b.begin() + static_cast<long>(portal_count_at), 4, 0xFF); },
        kOverfullProjectMessage);
    const size_t reserved_count_at = portal_count_at + 4 + 20;  // room 1 has one view
    with(
        "reserved_count_21", [&](auto& b) { b[reserved_count_at] = 21; }, kOverfullProjectMessage);
    const size_t ornament_count_at = reserved_count_at + 4;  // and no reserved records
    with(
        "ornament_count_41", [&](auto& b) { b[ornament_count_at] = 41; }, kOverfullProjectMessage);
    // The last room has one ornament and then its current_ornament.
    const size_t last_ornament_count_at = good.size() - 4 - 88 - 4;
    with(
        "ornament_count_running_past_the_end", [&](auto& b) { b[last_ornament_count_at] = 40; },
        kDamagedProjectMessage);
    for (size_t cut : {size_t{0}, size_t{10}, size_t{17}, size_t{18}, size_t{600}, size_t{892},
                       size_t{893}, size_t{893 + 84}, size_t{893 + 85 + 1000}, portal_count_at + 2,
                       good.size() - 4, good.size() - 1}) {
        auto bytes = good;
        bytes.resize(cut);
        cases.push_back({"truncated_file", bytes, ""});
    }
    return cases;
}

TEST(ProjectFile, RefusedFilesShowTheirMessageAndLeaveTheDocumentUnchanged) {
    auto doc = std::make_unique<LevelDocument>();
    doc->room_count = 1;
    doc->room(1).rows = 3;
    doc->room(1).sector(1, 1).floor_base = 42;
    doc->comments.assign("keep me");
    const auto before = byte_copy(*doc);
    for (const auto& c : refusals()) {
        SCOPED_TRACE(testing::Message() << c.fault << " (" << c.bytes.size() << " bytes)");
        RecordingMessages messages;
        EXPECT_EQ(load_bytes(*doc, c.bytes, &messages), 1);
        ASSERT_EQ(messages.messages.size(), 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(messages.messages[0], c.message);
        }
        EXPECT_TRUE(same_bytes(*doc, *before));
    }
}

}  // namespace
}  // namespace rw
