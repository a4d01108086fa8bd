#include <gtest/gtest.h>

#include <memory>

#include "document/editor_state.h"

namespace rw {
namespace {

std::unique_ptr<LevelDocument> document_with_room(uint16_t columns, uint16_t rows,
                                                  uint16_t height) {
    auto doc = std::make_unique<LevelDocument>();
    doc->room_count = 1;
    Room& room = doc->room(1);
    room.columns = columns;
    room.rows = rows;
    room.height = height;
    room.default_floor_texture = 11;
    room.default_floor_wall_texture = 0x10012;
    room.default_ceiling_texture = 13;
    room.default_ceiling_wall_texture = 14;
    return doc;
}

TEST(LevelDocument, GridIsColumnMajorWithAStrideOf32) {
    auto doc = std::make_unique<LevelDocument>();
    EXPECT_EQ(&doc->room(1).sector(2, 1), &doc->room(1).sectors[32]);
    EXPECT_EQ(sector_pick_name(2, 1, 5), 6);
}

TEST(InitRoomSectors, BorderSectorsBecomeWallsAndTheInsideIsOpen) {
    auto doc = document_with_room(3, 3, 4);
    InitRoomSectors(*doc, 1);
    const Room& room = doc->room(1);
    int open = 0;
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 3; ++r) {
            const Sector& s = room.sector(c, r);
            if (s.floor_base == 0) {
                ++open;
            } else {
                EXPECT_EQ(s.floor_base, 4);
            }
        }
    }
    EXPECT_EQ(open, 1);
    EXPECT_EQ(room.sector(2, 2).floor_base, 0);

    auto single = document_with_room(1, 1, 7);
    InitRoomSectors(*single, 1);
    EXPECT_EQ(single->room(1).sector(1, 1).floor_base, 7);
}

TEST(InitRoomSectors, FillsDefaultsAndTouchesOnlyTheRoomsInUsePart) {
    auto doc = document_with_room(10, 5, 3);
    Room& room = doc->room(1);
    room.sector(11, 1).floor_texture = 99;
    room.sector(1, 6).floor_texture = 98;
    room.sector(4, 3).selected = 1;
    room.sector(4, 3).floor_portal_triangle = 1;
    room.sector(4, 3).climb_mask = 5;
    room.sector(4, 3).floor_split = 2;
    room.portal_view_count = 3;
    room.ornament_count = 2;
    room.reserved_count = 4;
    InitRoomSectors(*doc, 1);

    EXPECT_EQ(room.sector(11, 1).floor_texture, 99);
    EXPECT_EQ(room.sector(1, 6).floor_texture, 98);
    const Sector& s = room.sector(4, 3);
    EXPECT_EQ(s.floor_texture, 11);
    EXPECT_EQ(s.floor_texture2, 11);
    EXPECT_EQ(s.floor_wall_front, 0x10012);
    EXPECT_EQ(s.floor_wall_back, 0x12);
    EXPECT_EQ(s.floor_wall_right, 0x12);
    EXPECT_EQ(s.ceiling_texture2, 13);
    EXPECT_EQ(s.ceiling_wall_left, 14);
    EXPECT_EQ(s.climb_mask, 0);
    EXPECT_EQ(s.floor_split, 0);
    EXPECT_EQ(s.selected, 1);               // not touched
    EXPECT_EQ(s.floor_portal_triangle, 1);  // not touched
    EXPECT_EQ(room.portal_view_count, 0);
    EXPECT_EQ(room.ornament_count, 0);
    EXPECT_EQ(room.reserved_count, 4);
}

TEST(ResetDocument, EmptiesTheDocumentButKeepsRoomStorageAndTheBaseLevelPath) {
    auto doc = document_with_room(4, 4, 2);
    InitRoomSectors(*doc, 1);
    doc->current_room = 1;
    doc->base_level_path.assign("base.tr4");
    doc->script_path.assign("level.scp");
    doc->lara_room = 3;
    auto state = std::make_unique<EditorState>();
    state->current_shape = 7;
    state->undo_room.rows = 4;
    state->project_path = "x.rmw";
    state->block_clipboard.room = 2;
    SceneState scene{5, 2, 1};

    ResetDocument(*doc, *state, scene);
    EXPECT_EQ(doc->room_count, 0);
    EXPECT_EQ(doc->current_room, 1);
    EXPECT_EQ(doc->lara_room, 1);
    EXPECT_EQ(doc->lara_column, 2);
    EXPECT_EQ(doc->lara_row, 2);
    EXPECT_EQ(doc->room(1).sector(1, 1).floor_base, 2);  // old bytes stay
    EXPECT_EQ(doc->base_level_path.str(), "base.tr4");
    EXPECT_TRUE(doc->script_path.empty());
    EXPECT_EQ(scene.scene_room, 1);
    EXPECT_EQ(scene.neighbour_room, 0);
    EXPECT_TRUE(state->undo_room.empty());
    EXPECT_TRUE(state->project_path.empty());
    EXPECT_EQ(state->block_clipboard.room, 0);
    EXPECT_EQ(state->current_shape, 7);

    ResetDocument(*doc, *state, scene, /*at_start_up=*/true);
    EXPECT_EQ(state->current_shape, 1);
    EXPECT_EQ(state->step_sound_choice, 0);
}

}  // namespace
}  // namespace rw
