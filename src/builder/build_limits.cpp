#include "builder/build_limits.h"

#include <utility>

#include "builder/boxes.h"
#include "levelfile/troom.h"
#include "script/floor_data.h"

namespace rw {

namespace {

static_assert(kMaxOrnaments <= kRoomMaxStatics, "every ornament must fit a game room's statics");
static_assert(kMaxPortalViews <= kRoomMaxPortals, "every portal view must fit a game room");
static_assert(kGridSize <= kRoomMaxSectorsPerSide, "a document grid must fit a game room");

std::string room(int n) {
    return "Room " + std::to_string(n);
}

Refusal over(int n, int64_t asked, const char* what, int64_t capacity) {
    if (asked <= capacity) return std::nullopt;
    return room(n) + " needs " + std::to_string(asked) + " " + what + "; a room holds at most " +
           std::to_string(capacity);
}

Refusal side_out_of_range(int n, int32_t value, const char* what) {
    if (value >= 1 && value <= kGridSize) return std::nullopt;
    return room(n) + " has " + std::to_string(value) + " " + what + "; a room has 1 to " +
           std::to_string(kGridSize);
}

}  // namespace

Refusal check_document_counts(const LevelDocument& doc) {
    if (doc.room_count > kMaxRooms) {
        return "The level has " + std::to_string(doc.room_count) +
               " rooms; a level holds at most " + std::to_string(kMaxRooms);
    }
    for (int n = 1; n <= doc.room_count; ++n) {
        if (auto refusal = check_room_counts(n, doc.room(n))) return refusal;
        if (auto refusal = check_room_links(n, doc.room(n), doc.room_count)) return refusal;
    }
    return std::nullopt;
}

Refusal check_room_counts(int n, const Room& r) {
    if (auto refusal = side_out_of_range(n, r.columns, "columns")) return refusal;
    if (auto refusal = side_out_of_range(n, r.rows, "rows")) return refusal;
    if (auto refusal = over(n, r.portal_view_count, "portal views", kMaxPortalViews)) {
        return refusal;
    }
    return over(n, r.ornament_count, "static meshes", kMaxOrnaments);
}

Refusal check_room_links(int n, const Room& r, int room_count) {
    for (int c = 1; c <= r.columns && c <= kGridSize; ++c) {
        for (int row = 1; row <= r.rows && row <= kGridSize; ++row) {
            const Sector& s = r.sector(c, row);
            const std::pair<uint8_t, const char*> links[] = {
                {s.room_side, "at its side"}, {s.room_above, "above"}, {s.room_below, "below"}};
            for (const auto& [joined, where] : links) {
                if (joined <= room_count) continue;
                return room(n) + " (column " + std::to_string(c) + ", row " + std::to_string(row) +
                       ") joins room " + std::to_string(joined) + " " + where + "; the level has " +
                       std::to_string(room_count) + " rooms";
            }
        }
    }
    return std::nullopt;
}

Refusal check_room_geometry(int n, const room_geometry_needs& needs) {
    // Faces first: when faces were dropped the other counts fall short of the room's needs.
    if (auto refusal = over(n, needs.faces, "faces", kFaceListCapacity)) return refusal;
    if (auto refusal = over(n, needs.vertices, "vertices", kRoomMaxVertices)) return refusal;
    if (auto refusal = over(n, needs.rectangles, "rectangles", kRoomMaxRectangles)) return refusal;
    return over(n, needs.triangles, "triangles", kRoomMaxTriangles);
}

Refusal check_box_count(int n, int32_t boxes, int32_t game_version) {
    const int32_t limit = max_boxes(game_version);
    if (boxes <= limit) return std::nullopt;
    return room(n) + " brings the level to " + std::to_string(boxes) +
           " boxes; a level holds at most " + std::to_string(limit);
}

Refusal overlap_index_too_far(int n) {
    return room(n) + " needs overlaps beyond index " + std::to_string(kMaxOverlapIndex) +
           "; a level holds no more";
}

std::string floor_data_full(int n) {
    return room(n) + " needs floor data beyond word " + std::to_string(kMaxFloorDataIndex) +
           "; a level holds no more";
}

}  // namespace rw
