#include "builder/portals.h"

#include <array>
#include <string>

#include "builder/game_units.h"

namespace rw {

namespace {

using Vertex = std::array<int64_t, 3>;

void store_portal(tr_portal& p, int64_t adjoining, const Vertex& normal,
                  const std::array<Vertex, 4>& vertices) {
    p.adjoining_room = low16(adjoining);
    for (size_t i = 0; i < 3; ++i)
        p.normal[i] = low16(normal[i]);
    for (size_t v = 0; v < 4; ++v)
        for (size_t i = 0; i < 3; ++i)
            p.vertices[v][i] = low16(vertices[v][i]);
}

void note(LogSink* log, int n, int k, const std::string& what) {
    if (log != nullptr) {
        log->add_line("Room " + std::to_string(n) + ": portal view " + std::to_string(k) + " " +
                      what + "; it was left out");
    }
}

}  // namespace

uint16_t step_sound_material(uint8_t step_sound) {
    switch (step_sound) {
        case 0:
            return 5;
        case 1:
            return 12;
        case 2:
            return 13;
        case 3:
            return 3;
        default:
            return step_sound <= 15 ? step_sound : 5;
    }
}

void build_step_sound(Ttrlevel& level, const Room& room, int n, int c, int r) {
    if (level.game_version < kTR3) return;
    tr_sector* g = level.rooms[static_cast<size_t>(n - 1)].sector_at(c, r);
    if (g == nullptr) return;
    const uint16_t material = step_sound_material(room.sector(c, r).step_sound);
    g->box_index = static_cast<uint16_t>((g->box_index & 0xFFF0) | material);
}

InsertResult build_wall_portal(Ttrlevel& level, const Room& room, int n, int c, int r) {
    const uint8_t side_room = room.sector(c, r).room_side;
    if (side_room == 0) return InsertResult::kDone;
    const uint16_t adjoining = static_cast<uint16_t>(side_room - 1);
    const uint8_t entry[] = {0x01, 0x80, static_cast<uint8_t>(adjoining & 0xFF),
                             static_cast<uint8_t>(adjoining >> 8)};
    return scp_insert_floor_data(level, n, c, r, entry, 4);
}

void build_room_portals(Ttrlevel& level, const Room& room, int n, LogSink* log) {
    troom& game = level.rooms[static_cast<size_t>(n - 1)];
    game.num_portals = 0;
    for (int k = 1; k <= room.portal_view_count && k <= kRoomMaxPortals; ++k) {
        const PortalView& view = room.portal_views[static_cast<size_t>(k - 1)];
        if (view.facing > kFacingFloor) {
            note(log, n, k, "has no facing (" + std::to_string(view.facing) + ")");
            continue;
        }
        if (view.view_room < 1 || view.view_room > level.num_rooms) {
            note(
                log, n, k,
                "joins room " + std::to_string(view.view_room) + ", which the level does not have");
            continue;
        }
        const int64_t c = static_cast<int16_t>(view.column & 0xFFFF);
        const int64_t r = static_cast<int16_t>(view.row & 0xFFFF);
        const int64_t e = (c - 1) * kBlock, x1 = c * kBlock;
        const int64_t i = (r - 1) * kBlock, z1 = r * kBlock;
        const int64_t w = int64_t{view.width} * kBlock, g = int64_t{view.view_height} * kBlock;
        int64_t h = 0;
        if (view.facing <= kFacingRight) {
            // Wall portals stand on the floor of their reference sector.
            const tr_sector* s =
                c >= 1 ? game.sector_at(static_cast<int32_t>(c), static_cast<int32_t>(r)) : nullptr;
            if (s == nullptr) {
                note(log, n, k, "stands on a sector outside the room");
                continue;
            }
            h = int64_t{s->floor} * kClick;
        }
        const int64_t t = game.y_top, b = game.y_bottom;
        Vertex normal{0, 0, 0};
        std::array<Vertex, 4> v{};
        switch (view.facing) {
            case kFacingFront:
                normal[2] = -1;
                v = {{{e, h, i}, {e, h - g, i}, {e + w, h - g, i}, {e + w, h, i}}};
                break;
            case kFacingBack:
                normal[2] = 1;
                v = {{{e + w, h, z1}, {e + w, h - g, z1}, {e, h - g, z1}, {e, h, z1}}};
                break;
            case kFacingLeft:
                normal[0] = 1;
                v = {{{x1, h, i}, {x1, h - g, i}, {x1, h - g, i + w}, {x1, h, i + w}}};
                break;
            case kFacingRight:
                normal[0] = -1;
                v = {{{e, h, z1}, {e, h - g, z1}, {e, h - g, z1 - w}, {e, h, z1 - w}}};
                break;
            case kFacingCeiling:
                normal[1] = 1;
                v = {{{e, t, z1 - g}, {e, t, z1}, {e + w, t, z1}, {e + w, t, z1 - g}}};
                break;
            default:
                normal[1] = -1;
                v = {{{e, b, z1 - g}, {e, b, z1}, {e + w, b, z1}, {e + w, b, z1 - g}}};
                break;
        }
        store_portal(game.portals[game.num_portals++], int64_t{view.view_room} - 1, normal, v);
    }
}

}  // namespace rw
