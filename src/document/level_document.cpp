#include "document/editor_state.h"

namespace rw {

void InitRoomSectors(LevelDocument& doc, int n) {
    Room& room = doc.room(n);
    const auto floor_wall = static_cast<uint16_t>(room.default_floor_wall_texture);
    const auto ceiling_wall = static_cast<uint16_t>(room.default_ceiling_wall_texture);
    for (int c = 1; c <= room.columns; ++c) {
        for (int r = 1; r <= room.rows; ++r) {
            Sector& s = room.sector(c, r);
            s.floor_base = s.floor_raise = s.floor_front = s.floor_back = 0;
            s.floor_left = s.floor_right = 0;
            s.floor_split = 0;
            s.ceiling_base = s.ceiling_raise = s.ceiling_front = s.ceiling_back = 0;
            s.ceiling_left = s.ceiling_right = 0;
            s.ceiling_split = 0;
            s.room_above = s.room_side = s.room_below = 0;
            s.climb_front = s.climb_back = s.climb_left = s.climb_right = 0;
            s.climb_ceiling = s.climb_mask = s.step_sound = s.death = 0;
            s.floor_texture = s.floor_texture2 = room.default_floor_texture;
            s.floor_wall_front = room.default_floor_wall_texture;
            s.floor_wall_back = s.floor_wall_left = s.floor_wall_right = floor_wall;
            s.ceiling_texture = s.ceiling_texture2 = room.default_ceiling_texture;
            s.ceiling_wall_front = room.default_ceiling_wall_texture;
            s.ceiling_wall_back = s.ceiling_wall_left = s.ceiling_wall_right = ceiling_wall;
            if (r == 1 || r == room.rows || c == 1 || c == room.columns) {
                s.floor_base = room.height;
            }
        }
    }
    room.portal_view_count = 0;
    room.ornament_count = 0;
}

void ResetDocument(LevelDocument& doc, EditorState& state, SceneState& scene, bool at_start_up) {
    doc.room_count = 0;
    doc.current_room = 1;
    doc.lara_room = 1;
    doc.lara_column = 2;
    doc.lara_row = 2;
    scene.scene_room = 1;
    scene.neighbour_room = 0;
    state.selected_row = state.selected_column = 0;
    state.sector_clipboard = Sector{};
    state.room_clipboard.rows = 0;
    state.undo_room.rows = 0;
    state.redo_room.rows = 0;
    state.project_path.clear();
    state.base_level_file.clear();
    state.block_corner_pending = false;
    state.block_clipboard = BlockSelection{};
    doc.level_description.assign("");
    doc.comments.assign("");
    doc.items_table_path.assign("");
    doc.mesh_file_path.assign("");
    doc.script_path.assign("");
    doc.new_level_path.assign("");
    if (at_start_up) {
        state.current_shape = 1;
        state.step_sound_choice = 0;
    }
}

}  // namespace rw
