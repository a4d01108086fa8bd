#pragma once
// Items in their two stored forms. The two bytes of the older form's one intensity are the low
// bytes of the later form's two intensities.

#include <cstdint>

#include "levelfile/game_records.h"

namespace rw {

inline tr_item item_from_tr1_form(const tr_item1& old) {
    const auto bytes = static_cast<uint16_t>(old.intensity);
    return tr_item{old.object_id,
                   old.room,
                   old.x,
                   old.y,
                   old.z,
                   old.angle,
                   static_cast<int16_t>(bytes & 0xFF),
                   static_cast<int16_t>(bytes >> 8),
                   old.flags};
}

inline tr_item1 item_to_tr1_form(const tr_item& item) {
    const auto low1 = static_cast<uint16_t>(static_cast<uint16_t>(item.intensity1) & 0xFF);
    const auto low2 = static_cast<uint16_t>(static_cast<uint16_t>(item.intensity2) & 0xFF);
    return tr_item1{item.object_id,
                    item.room,
                    item.x,
                    item.y,
                    item.z,
                    item.angle,
                    static_cast<int16_t>(low1 | low2 << 8),
                    item.flags};
}

}  // namespace rw
