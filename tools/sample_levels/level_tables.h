#pragma once
// The sample level's remaining tables: floor data, boxes, overlaps and zones, Lara's item, the
// sound map and the blocks around the level data. Everything else stays empty.

#include "levelfile/trlevel.h"

namespace rw::samples {

// Needs the rooms in place: it links the wall portals' sectors to their floor data.
void put_floor_data(Ttrlevel& level);
void put_boxes(Ttrlevel& level);
void put_items(Ttrlevel& level);
void put_sound_map(Ttrlevel& level);
// The markers and fillers of the TR4/TR5 layouts, and the (empty) sample blocks.
void put_markers_and_samples(Ttrlevel& level);

}  // namespace rw::samples
