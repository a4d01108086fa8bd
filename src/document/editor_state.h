#pragma once
// The unsaved editing state shared by the editing operations, and the scene's copy of which
// rooms are drawn. Neither is ever stored in a file.

#include <cstdint>
#include <string>

#include "document/level_document.h"

namespace rw {

struct GridPoint {
    int32_t row = 0;
    int32_t column = 0;
};

struct BlockSelection {
    int32_t room = 0;  // 0: no block selected
    int32_t row1 = 0;
    int32_t column1 = 0;
    int32_t row2 = 0;
    int32_t column2 = 0;
};

struct EditorState {
    int32_t current_shape = 1;  // primary geometry shape, 1..12
    int32_t selected_row = 0;
    int32_t selected_column = 0;
    Sector sector_clipboard{};
    int32_t step_sound_choice = 0;
    Room room_clipboard{};
    Room undo_room{};
    Room redo_room{};
    bool block_corner_pending = false;
    GridPoint block_first;
    GridPoint block_second;
    BlockSelection block_clipboard;
    std::string project_path;
    std::string base_level_file;
};

// What the 3D view draws: the view's scene object keeps these for the editing operations.
struct SceneState {
    int32_t scene_room = 1;      // kept equal to the document's current room
    int32_t neighbour_room = 0;  // 0 none
    int32_t edit_mode = 0;       // 0 sector editing, 1 selection mode, 2 static mesh mode
};

// Fills the in-use part of room n's grid with its defaults; border sectors become walls.
void InitRoomSectors(LevelDocument& doc, int n);

// Empties the document logically (room storage keeps its bytes) and the editing state.
// At start-up the primary shape and the step sound choice are reset as well.
void ResetDocument(LevelDocument& doc, EditorState& state, SceneState& scene,
                   bool at_start_up = false);

}  // namespace rw
