#include "builder/boxes.h"

#include <gtest/gtest.h>

#include "build_fixture.h"

namespace rw {
namespace {

struct BoxedLevel {
    BoxedLevel(int32_t version, const test::RoomPlan& plan) : level(test::empty_level(version, 1)) {
        test::add_room(*doc, plan);
    }
    Room& room() { return doc->room(1); }
    troom& game() { return level->rooms[0]; }
    void prepare() { test::prepare_game_room(*level, *doc, 1); }
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::unique_ptr<Ttrlevel> level;
};

TEST(TiledBoxes, AWalledThreeByThreeRoomHasOneBoxLinkedOnlyToItself) {
    for (const int32_t version : test::kAllVersions) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        BoxedLevel b(version, {3, 3, 4, 2, 5, 1});
        b.prepare();
        EXPECT_TRUE(build_tiled_boxes(*b.level, 0));
        ASSERT_EQ(b.level->num_boxes, 1);
        const tr_box1& box = b.level->boxes1[0];
        EXPECT_EQ(box.z_min, 6 * 1024);
        EXPECT_EQ(box.z_max, 7 * 1024);
        EXPECT_EQ(box.x_min, 3 * 1024);
        EXPECT_EQ(box.x_max, 4 * 1024);
        EXPECT_EQ(box.true_floor, (127 - 124) * 128);
        EXPECT_EQ(box.overlap_index, 0);
        EXPECT_EQ(b.level->overlaps, (std::vector<uint16_t>{0x8000}));
        EXPECT_EQ(b.level->num_zones, 1);
        const bool shifted = version >= kTR3;
        EXPECT_EQ(b.game().sector_at(2, 2)->box_index, shifted ? 0x0005 : 0x0000);
        EXPECT_EQ(b.game().sector_at(1, 1)->box_index, shifted ? 0xFFF5 : 0xFFFF);
    }
}

TEST(TiledBoxes, NeighboursOneClickApartOverlapAndTwoClicksApartDoNot) {
    for (const int32_t difference : {1, 2}) {
        SCOPED_TRACE(testing::Message() << difference << " clicks");
        BoxedLevel b(kTR4, {4, 3, 4, 0, 0, 1});
        b.room().sector(3, 2).floor_raise = difference;
        b.prepare();
        build_tiled_boxes(*b.level, 0);
        ASSERT_EQ(b.level->num_boxes, 2);
        const std::vector<uint16_t> linked = {0x0000, 0x8001, 0x0001, 0x8000};
        const std::vector<uint16_t> alone = {0x8000, 0x8001};
        EXPECT_EQ(b.level->overlaps, difference == 1 ? linked : alone);
        EXPECT_EQ(b.level->boxes1[1].overlap_index, difference == 1 ? 2 : 1);
    }
}

TEST(TiledBoxes, NeighboursAreListedNextRowPreviousRowNextColumnPreviousColumn) {
    BoxedLevel b(kTR2, {3, 3, 4, 0, 0, 1});
    test::open_all(b.room());
    b.prepare();
    build_tiled_boxes(*b.level, 0);
    ASSERT_EQ(b.level->num_boxes, 9);
    // The middle sector is box 4; its run starts with itself.
    const int16_t start = b.level->boxes1[4].overlap_index;
    const std::vector<uint16_t> run(b.level->overlaps.begin() + start,
                                    b.level->overlaps.begin() + start + 5);
    EXPECT_EQ(run, (std::vector<uint16_t>{4, 5, 3, 7, 0x8001}));
}

TEST(TiledBoxes, BoxNumbersContinueFromTheBoxesOfEarlierRoomsAndAPitFloorValuesZero) {
    BoxedLevel b(kTR4, {3, 3, 4, 0, 0, 1});
    b.room().sector(2, 2).room_below = 2;
    b.prepare();
    b.level->set_num_boxes(2);
    b.level->set_num_zones(2);
    b.level->set_num_overlaps(3);
    build_tiled_boxes(*b.level, 0);
    EXPECT_EQ(b.game().sector_at(2, 2)->box_index, 0x0025);
    EXPECT_EQ(b.level->boxes1[2].true_floor, 0);
    EXPECT_EQ(b.level->boxes1[2].overlap_index, 3);
    EXPECT_EQ(b.level->overlaps.back(), 0x8002);
}

TEST(RoomBox, OneBoxWithoutTheBorderRingValuedAtTheRoomsBaseFloor) {
    for (const int32_t pos_y : {1, 3}) {
        SCOPED_TRACE(testing::Message() << "pos_y " << pos_y);
        BoxedLevel b(kTR3, {5, 4, 4, 1, 2, pos_y});
        b.prepare();
        EXPECT_TRUE(build_room_box(*b.level, 0));
        ASSERT_EQ(b.level->num_boxes, 1);
        const tr_box1& box = b.level->boxes1[0];
        EXPECT_EQ(box.z_min, 3 * 1024);
        EXPECT_EQ(box.z_max, 5 * 1024);
        EXPECT_EQ(box.x_min, 2 * 1024);
        EXPECT_EQ(box.x_max, 5 * 1024);
        // The bottom lies 4 * pos_y - 1 clicks up: 124 or 116; a click is 128.
        EXPECT_EQ(box.true_floor, (4 * pos_y - 1) * 128);
        EXPECT_EQ(b.level->overlaps, (std::vector<uint16_t>{0x8000}));
        EXPECT_EQ(b.level->num_zones, 1);
        EXPECT_EQ(b.game().sector_at(2, 2)->box_index, 0x0005);
        EXPECT_EQ(b.game().sector_at(1, 2)->box_index, 0xFFF5);
    }
}

TEST(BoxNumbers, TheLevelsBoxCapacityFollowsTheBoxIndexEncoding) {
    EXPECT_EQ(max_boxes(kTR1), 0x8000);
    EXPECT_EQ(max_boxes(kTRG), 0x8000);
    EXPECT_EQ(max_boxes(kTR3), 0xFFF);
    EXPECT_EQ(encode_box_index(kTR4, max_boxes(kTR4) - 1), 0xFFE5);
    EXPECT_EQ(encode_box_index(kTR2, max_boxes(kTR2) - 1), 0x7FFF);
    EXPECT_EQ(encode_box_index(kTR5, -1), 0xFFF5);
    EXPECT_EQ(encode_box_index(kTR1, -1), 0xFFFF);
}

TEST(BoxNumbers, ABoxWhoseOverlapsStartBeyondTheSignedIndexIsReported) {
    BoxedLevel b(kTR2, {3, 3, 4, 0, 0, 1});
    b.prepare();
    b.level->set_num_overlaps(kMaxOverlapIndex);
    EXPECT_TRUE(build_room_box(*b.level, 0));
    EXPECT_FALSE(build_room_box(*b.level, 0));
}

}  // namespace
}  // namespace rw
