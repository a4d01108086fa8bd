#pragma once
// The stored fields of the document's records, each with its name, for printing.

#include "document/level_document.h"

namespace rw::info {

template <class F>
void visit_sector_fields(const Sector& s, F&& f) {
    f("floor_base", s.floor_base);
    f("floor_raise", s.floor_raise);
    f("floor_front", s.floor_front);
    f("floor_back", s.floor_back);
    f("floor_left", s.floor_left);
    f("floor_right", s.floor_right);
    f("ceiling_base", s.ceiling_base);
    f("ceiling_raise", s.ceiling_raise);
    f("ceiling_front", s.ceiling_front);
    f("ceiling_back", s.ceiling_back);
    f("ceiling_left", s.ceiling_left);
    f("ceiling_right", s.ceiling_right);
    f("room_above", s.room_above);
    f("room_side", s.room_side);
    f("room_below", s.room_below);
    f("climb_front", s.climb_front);
    f("climb_back", s.climb_back);
    f("climb_left", s.climb_left);
    f("climb_right", s.climb_right);
    f("climb_ceiling", s.climb_ceiling);
    f("climb_mask", s.climb_mask);
    f("step_sound", s.step_sound);
    f("death", s.death);
    f("floor_texture", s.floor_texture);
    f("floor_wall_front", s.floor_wall_front);
    f("ceiling_texture", s.ceiling_texture);
    f("ceiling_wall_front", s.ceiling_wall_front);
    f("selected", s.selected);
    f("floor_split", s.floor_split);
    f("ceiling_split", s.ceiling_split);
    f("floor_texture2", s.floor_texture2);
    f("ceiling_texture2", s.ceiling_texture2);
    f("floor_portal_triangle", s.floor_portal_triangle);
    f("ceiling_portal_triangle", s.ceiling_portal_triangle);
    f("floor_wall_back", s.floor_wall_back);
    f("floor_wall_left", s.floor_wall_left);
    f("floor_wall_right", s.floor_wall_right);
    f("ceiling_wall_back", s.ceiling_wall_back);
    f("ceiling_wall_left", s.ceiling_wall_left);
    f("ceiling_wall_right", s.ceiling_wall_right);
}

template <class F>
void visit_portal_view_fields(const PortalView& v, F&& f) {
    f("facing", v.facing);
    f("view_room", v.view_room);
    f("width", v.width);
    f("view_height", v.view_height);
    f("row", v.row);
    f("column", v.column);
}

template <class F>
void visit_ornament_fields(const Ornament& o, F&& f) {
    f("mesh", o.mesh);
    f("row", o.row);
    f("column", o.column);
    f("lift", o.lift);
    f("rotation", o.rotation);
    f("alignment", o.alignment);
    f("red", o.red);
    f("green", o.green);
    f("blue", o.blue);
}

}  // namespace rw::info
