#include "build_fixture.h"

#include "builder/room_build.h"
#include "document/editor_state.h"

namespace rw::test {

std::unique_ptr<LevelDocument> empty_document() {
    auto doc = std::make_unique<LevelDocument>();
    doc->current_room = 1;
    doc->lara_room = 1;
    doc->lara_column = 2;
    doc->lara_row = 2;
    return doc;
}

Room& add_room(LevelDocument& doc, const RoomPlan& plan) {
    ++doc.room_count;
    Room& room = doc.room(doc.room_count);
    room.columns = plan.columns;
    room.rows = plan.rows;
    room.height = plan.height;
    room.pos_x = plan.pos_x;
    room.pos_z = plan.pos_z;
    room.pos_y = plan.pos_y;
    room.ambient = 16;
    room.default_floor_texture = kFloorTexture;
    room.default_floor_wall_texture = kFloorWallTexture;
    room.default_ceiling_texture = kCeilingTexture;
    room.default_ceiling_wall_texture = kCeilingWallTexture;
    InitRoomSectors(doc, doc.room_count);
    return room;
}

void open_all(Room& room) {
    for (int c = 1; c <= room.columns; ++c)
        for (int r = 1; r <= room.rows; ++r)
            room.sector(c, r).floor_base = 0;
}

std::unique_ptr<Ttrlevel> empty_level(int32_t game_version, int rooms) {
    auto level = std::make_unique<Ttrlevel>();
    level->game_version = game_version;
    level->set_num_rooms(rooms);
    level->set_num_floor_data(1);
    return level;
}

void prepare_game_room(Ttrlevel& level, const LevelDocument& doc, int n) {
    const Room& room = doc.room(n);
    troom& game = level.rooms[static_cast<size_t>(n - 1)];
    setup_room_header(room, game);
    game.num_x_sectors = room.columns;
    game.num_z_sectors = room.rows;
    for (int c = 1; c <= room.columns; ++c)
        for (int r = 1; r <= room.rows; ++r)
            *game.sector_at(c, r) = initial_sector(room, c, r);
}

std::vector<uint16_t> floor_words_from(const Ttrlevel& level, size_t from) {
    return {level.floor_data.begin() + static_cast<long>(from), level.floor_data.end()};
}

}  // namespace rw::test
