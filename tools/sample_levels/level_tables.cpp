#include "level_tables.h"

#include <vector>

#include "levelfile/item_forms.h"
#include "room_plans.h"

namespace rw::samples {

namespace {

constexpr uint16_t kPortalEntry = 0x8001;  // function 1 (portal), last entry of its sector
constexpr uint16_t kLastOverlap = 0x8000;

// The boxes each box overlaps, besides itself.
const std::vector<int>& box_neighbours(int box) {
    static const std::vector<int> neighbours[kSampleBoxCount] = {
        {kGalleryRoom}, {kHallRoom, kCisternRoom}, {kGalleryRoom}};
    return neighbours[box];
}

}  // namespace

// Word 0 is the dummy entry that sectors without floor data point at.
void put_floor_data(Ttrlevel& level) {
    std::vector<uint16_t> words{0};
    const auto& plans = sample_room_plans();
    for (size_t i = 0; i < plans.size(); ++i) {
        troom& room = level.rooms[i];
        for (const DoorPlan& d : plans[i].doors) {
            for (int row = d.first_row; row <= d.last_row; ++row) {
                room.sector_at(d.column + 1, row + 1)->fd_index =
                    static_cast<uint16_t>(words.size());
                words.insert(words.end(), {kPortalEntry, static_cast<uint16_t>(d.room)});
            }
        }
    }
    level.set_num_floor_data(static_cast<int32_t>(words.size()));
    level.floor_data = words;
}

// One box per room over its inner sectors, at the room's floor height (world units); overlap
// runs begin with the box itself. The hall and gallery share a ground zone, the cistern has its
// own; one fly zone holds all.
void put_boxes(Ttrlevel& level) {
    const auto& plans = sample_room_plans();
    level.set_num_boxes(kSampleBoxCount);
    level.set_num_zones(kSampleBoxCount);
    std::vector<uint16_t> overlaps;
    for (int b = 0; b < kSampleBoxCount; ++b) {
        const RoomPlan& p = plans[static_cast<size_t>(b)];
        const auto i = static_cast<size_t>(b);
        const tr_box1 box{p.z + 1024,
                          p.z + (p.rows - 1) * 1024,
                          p.x + 1024,
                          p.x + (p.columns - 1) * 1024,
                          static_cast<int16_t>(p.y_bottom),
                          static_cast<int16_t>(overlaps.size())};
        level.boxes1[i] = box;
        level.boxes[i] = {static_cast<uint8_t>(box.z_min / 1024),
                          static_cast<uint8_t>(box.z_max / 1024),
                          static_cast<uint8_t>(box.x_min / 1024),
                          static_cast<uint8_t>(box.x_max / 1024),
                          box.true_floor,
                          box.overlap_index};
        overlaps.push_back(static_cast<uint16_t>(b));
        for (const int n : box_neighbours(b))
            overlaps.push_back(static_cast<uint16_t>(n));
        overlaps.back() |= kLastOverlap;

        const uint16_t ground = b == kCisternRoom ? 2 : 1;
        for (int z = 0; z < kZoneArrayCount; ++z) {
            const bool fly = z == kZoneFly || z == kZoneFlyAlt;
            level.zones[static_cast<size_t>(z)][i] = fly ? 1 : ground;
        }
    }
    level.set_num_overlaps(static_cast<int32_t>(overlaps.size()));
    level.overlaps = overlaps;
}

// Lara (object 0) in the hall, facing the door to the gallery. Both item forms are filled; the
// one a version does not store holds what its reader would make of the stored one.
void put_items(Ttrlevel& level) {
    level.set_num_items(1);
    if (level.game_version <= kTUB) {
        level.items1[0] = {0, kHallRoom, 2560, 0, 2560, 0x4000, -1, 0};
        level.items[0] = item_from_tr1_form(level.items1[0]);
    } else {
        const int16_t ocb_or_intensity = level.game_version >= kTR4 ? 0 : -1;
        level.items[0] = {0, kHallRoom, 2560, 0, 2560, 0x4000, -1, ocb_or_intensity, 0};
        level.items1[0] = item_to_tr1_form(level.items[0]);
    }
}

// No sounds: every entry the version stores is -1.
void put_sound_map(Ttrlevel& level) {
    const int entries = level.game_version <= kTUB ? 256 : (level.game_version <= kTR4 ? 370 : 450);
    for (int i = 0; i < entries; ++i)
        level.sound_map[static_cast<size_t>(i)] = -1;
}

void put_markers_and_samples(Ttrlevel& level) {
    level.samples.clear();
    if (level.game_version == kTR4) {
        level.tex_marker = {'T', 'E', 'X', 0, 0};
        level.spr_marker = {'S', 'P', 'R', 0};
        level.samples = {0, 0, 0, 0};  // a sample table with no samples
    } else if (level.game_version == kTR5) {
        level.tex_marker = {0, 'T', 'E', 'X', 0};
        level.spr_marker = {'S', 'P', 'R', 0};
        level.samples = {0xCD, 0xCD, 0, 0, 0, 0};  // the two filler bytes, then an empty table
    }
    level.samples_size = static_cast<int32_t>(level.samples.size());
}

}  // namespace rw::samples
