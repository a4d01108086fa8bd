#include "document/project_file.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "levelfile/little_endian.h"

namespace rw {

static_assert(sizeof(ShortString<16>) == 17);
static_assert(sizeof(ShortString<40>) == 41);
static_assert(sizeof(ShortString<100>) == 101);
static_assert(sizeof(ShortString<250>) == 251);
static_assert(kSectorGridBytes == 151552);
static_assert(sizeof(Room::sectors) == kSectorGridBytes);

namespace {

template <class T>
void put(TZfile& f, T value) {
    uint8_t bytes[sizeof(T)];
    store_le<T>(bytes, value);
    zf_write(f, bytes, sizeof(T));
}

template <class T>
void get(TZfile& f, T& value) {
    uint8_t bytes[sizeof(T)];
    if (zf_read(f, bytes, sizeof(T)) == static_cast<int32_t>(sizeof(T))) {
        value = load_le<T>(bytes);
    }
}

template <class Record>
void put_records(TZfile& f, const Record* records, int32_t count) {
    zf_write(f, records, count * static_cast<int32_t>(sizeof(Record)));
}

template <class Record>
void get_records(TZfile& f, Record* records, int32_t count) {
    zf_read(f, records, count * static_cast<int32_t>(sizeof(Record)));
}

// The number of list records a room stores: never more than its list holds, so a document whose
// count went past a capacity still saves a file that loads.
int32_t stored_count(int32_t count, int32_t capacity) {
    return std::clamp(count, 0, capacity);
}

struct StoredCounts {
    int32_t portal_views;
    int32_t reserved;
    int32_t ornaments;
};

StoredCounts stored_counts(const Room& room) {
    return {stored_count(room.portal_view_count, kMaxPortalViews),
            stored_count(room.reserved_count, kMaxReservedRecords),
            stored_count(room.ornament_count, kMaxOrnaments)};
}

int stored_room_count(const LevelDocument& doc) {
    return std::min<int>(doc.room_count, kMaxRooms);
}

int64_t stored_room_size(const Room& room) {
    const StoredCounts n = stored_counts(room);
    return kRoomFieldsSize + kSectorGridBytes + 4 + n.portal_views * int64_t{sizeof(PortalView)} +
           4 + n.reserved * int64_t{sizeof(ReservedRecord)} + 4 +
           n.ornaments * int64_t{sizeof(Ornament)} + 4;
}

void write_room(TZfile& f, const Room& room) {
    const StoredCounts n = stored_counts(room);
    put(f, room.pos_x);
    put(f, room.pos_y);
    put(f, room.pos_z);
    put(f, room.rows);
    put(f, room.columns);
    put(f, room.height);
    zf_write(f, &room.name, sizeof room.name);
    put(f, room.water);
    put(f, room.outdoor);
    put(f, room.quicksand);
    put(f, room.sky);
    put(f, room.spare_flag);
    put(f, room.ambient);
    put(f, room.tiled_boxes);
    put(f, room.default_floor_texture);
    put(f, room.default_floor_wall_texture);
    put(f, room.default_ceiling_texture);
    put(f, room.default_ceiling_wall_texture);
    put_records(f, room.sectors.data(), kSectorsPerRoom);
    put(f, n.portal_views);
    put_records(f, room.portal_views.data(), n.portal_views);
    put(f, n.reserved);
    put_records(f, room.reserved_records.data(), n.reserved);
    put(f, n.ornaments);
    put_records(f, room.ornaments.data(), n.ornaments);
    put(f, room.current_ornament);
}

// Why a file cannot be loaded, found before anything is copied into the document.
std::optional<const char*> check_layout(const uint8_t* data, int32_t size, uint8_t version) {
    if (size < kProjectHeaderSize) return kDamagedProjectMessage;
    const uint8_t room_count = data[876];
    if (room_count > kMaxRooms) return kOverfullProjectMessage;
    int64_t at = kProjectHeaderSize;
    auto count_at = [&](int32_t limit) -> std::optional<int32_t> {
        if (at + 4 > size) return std::nullopt;
        const auto n = load_le<int32_t>(data + at);
        at += 4;
        if (n < 0 || n > limit) return -1;
        return n;
    };
    for (int n = 0; n < room_count; ++n) {
        // Every user of a room walks its rows and columns through the fixed grid.
        if (at + kRoomFieldsSize > size) return kDamagedProjectMessage;
        const auto rows = load_le<uint16_t>(data + at + 12);
        const auto columns = load_le<uint16_t>(data + at + 14);
        if (rows > kGridSize || columns > kGridSize) return kOverfullProjectMessage;
        at += kRoomFieldsSize + (version >= 7 ? kSectorGridBytes : kVersion6GridBytes);
        struct List {
            bool present;
            int32_t limit;
            int32_t record;
        };
        const List lists[] = {{true, kMaxPortalViews, 20},
                              {version >= 7, kMaxReservedRecords, 36},
                              {version >= 9, kMaxOrnaments, 88}};
        for (const List& list : lists) {
            if (!list.present) continue;
            auto count = count_at(list.limit);
            if (!count) return kDamagedProjectMessage;
            if (*count < 0) return kOverfullProjectMessage;
            at += int64_t{*count} * list.record;
        }
        if (version >= 9) at += 4;  // current_ornament
        if (at > size) return kDamagedProjectMessage;
    }
    return std::nullopt;
}

void read_version6_grid(TZfile& f, Room& room) {
    std::vector<uint8_t> scratch(kVersion6GridBytes);
    zf_read(f, scratch.data(), kVersion6GridBytes);
    for (int i = 0; i < kSectorsPerRoom; ++i) {
        Sector& s = room.sectors[static_cast<size_t>(i)];
        // The fields this layout does not store start as in a fresh document, never as the
        // project open before left them.
        s = Sector{};
        std::memcpy(&s, scratch.data() + i * kVersion6SectorSize, kVersion6SectorSize);
        s.floor_split = 0;
        s.ceiling_split = 0;
    }
}

void read_room(TZfile& f, Room& room, uint8_t version) {
    get(f, room.pos_x);
    get(f, room.pos_y);
    get(f, room.pos_z);
    get(f, room.rows);
    get(f, room.columns);
    get(f, room.height);
    zf_read(f, &room.name, sizeof room.name);
    get(f, room.water);
    get(f, room.outdoor);
    get(f, room.quicksand);
    get(f, room.sky);
    get(f, room.spare_flag);
    get(f, room.ambient);
    get(f, room.tiled_boxes);
    get(f, room.default_floor_texture);
    get(f, room.default_floor_wall_texture);
    get(f, room.default_ceiling_texture);
    get(f, room.default_ceiling_wall_texture);
    if (version >= 7) {
        get_records(f, room.sectors.data(), kSectorsPerRoom);
    } else {
        read_version6_grid(f, room);
    }
    if (version < 9) {
        // Older files knew one wall texture per side pair: the front one.
        for (Sector& s : room.sectors) {
            s.floor_wall_back = s.floor_wall_left = s.floor_wall_right =
                static_cast<uint16_t>(s.floor_wall_front);
            s.ceiling_wall_back = s.ceiling_wall_left = s.ceiling_wall_right =
                static_cast<uint16_t>(s.ceiling_wall_front);
        }
    }
    get(f, room.portal_view_count);
    get_records(f, room.portal_views.data(), room.portal_view_count);
    room.reserved_count = 0;
    if (version >= 7) {
        get(f, room.reserved_count);
        get_records(f, room.reserved_records.data(), room.reserved_count);
    }
    room.ornament_count = 0;
    room.current_ornament = 0;  // older files have no ornaments, so none is current
    if (version >= 9) {
        get(f, room.ornament_count);
        get_records(f, room.ornaments.data(), room.ornament_count);
        get(f, room.current_ornament);
    }
}

}  // namespace

void WriteProjectStream(const LevelDocument& doc, TZfile& f) {
    const int rooms = stored_room_count(doc);
    int64_t size = kProjectHeaderSize;
    for (int n = 1; n <= rooms; ++n)
        size += stored_room_size(doc.room(n));
    zf_reserve(f, zf_pos(f) + size);

    ShortString<16> magic;
    magic.assign(kProjectMagic);
    zf_write(f, &magic, sizeof magic);
    put(f, kProjectVersion);
    zf_write(f, &doc.level_description, sizeof doc.level_description);
    zf_write(f, &doc.comments, sizeof doc.comments);
    zf_write(f, &doc.base_level_path, sizeof doc.base_level_path);
    zf_write(f, &doc.items_table_path, sizeof doc.items_table_path);
    zf_write(f, &doc.mesh_file_path, sizeof doc.mesh_file_path);
    zf_write(f, &doc.script_path, sizeof doc.script_path);
    zf_write(f, &doc.new_level_path, sizeof doc.new_level_path);
    put(f, doc.current_room);
    put(f, static_cast<uint8_t>(rooms));
    put(f, doc.lara_room);
    put(f, doc.lara_column);
    put(f, doc.lara_row);
    put(f, doc.tr5_weather);
    for (int n = 1; n <= rooms; ++n)
        write_room(f, doc.room(n));
}

void WriteProjectFile(const LevelDocument& doc, const std::string& path) {
    TZfile f;
    zf_assign(f, path);
    zf_rewrite(f, 1);
    WriteProjectStream(doc, f);
    f.compressed = true;
    zf_close(f, true);
}

int ReadProjectStream(LevelDocument& doc, TZfile& f, MessageSink* messages) {
    auto refuse = [&](const char* message) {
        if (messages != nullptr) messages->show_message(message);
        zf_close(f, false);
        return 1;
    };
    // The checks below look at the same bytes the reads then copy: those from here on.
    const uint8_t* const content = f.buffer + f.position;
    const int32_t content_size = zf_remaining(f);
    ShortString<16> magic;
    magic.length = 0xFF;  // a file shorter than the magic never matches
    zf_read(f, &magic, sizeof magic);
    uint8_t version = 0;
    get(f, version);
    if (magic.length != kProjectMagic.size() || magic.view() != kProjectMagic) {
        return refuse(kInvalidProjectMessage);
    }
    if (version < kOldestProjectVersion) return refuse(kOldProjectMessage);
    if (auto why = check_layout(content, content_size, version)) return refuse(*why);

    zf_read(f, &doc.level_description, sizeof doc.level_description);
    zf_read(f, &doc.comments, sizeof doc.comments);
    zf_read(f, &doc.base_level_path, sizeof doc.base_level_path);
    zf_read(f, &doc.items_table_path, sizeof doc.items_table_path);
    zf_read(f, &doc.mesh_file_path, sizeof doc.mesh_file_path);
    zf_read(f, &doc.script_path, sizeof doc.script_path);
    zf_read(f, &doc.new_level_path, sizeof doc.new_level_path);
    get(f, doc.current_room);
    get(f, doc.room_count);
    get(f, doc.lara_room);
    get(f, doc.lara_column);
    get(f, doc.lara_row);
    get(f, doc.tr5_weather);
    for (int n = 1; n <= doc.room_count; ++n)
        read_room(f, doc.room(n), version);
    zf_close(f, false);
    return 0;
}

int ReadProjectFile(LevelDocument& doc, const std::string& path, MessageSink* messages) {
    TZfile f;
    zf_assign(f, path);
    zf_reset(f, 1, kMaxProjectContentSize);
    return ReadProjectStream(doc, f, messages);
}

}  // namespace rw
