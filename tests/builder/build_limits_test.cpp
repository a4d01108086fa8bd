#include "builder/build_limits.h"

#include <gtest/gtest.h>

#include "build_fixture.h"
#include "builder/room_build.h"

namespace rw {
namespace {

TEST(DocumentCounts, ADocumentWithinEveryCapacityPasses) {
    auto doc = test::empty_document();
    Room& room = test::add_room(*doc, {32, 1, 4, 0, 0, 1});
    room.portal_view_count = kMaxPortalViews;
    room.ornament_count = kMaxOrnaments;
    EXPECT_FALSE(check_document_counts(*doc));
}

TEST(DocumentCounts, EachCountBeyondItsCapacityIsRefusedNamingTheRoom) {
    struct Case {
        void (*spoil)(LevelDocument&);
        const char* message;
    };
    const Case cases[] = {
        {[](LevelDocument& d) { d.room(2).columns = 33; },
         "Room 2 has 33 columns; a room has 1 to 32"},
        {[](LevelDocument& d) { d.room(2).rows = 0; }, "Room 2 has 0 rows; a room has 1 to 32"},
        {[](LevelDocument& d) { d.room(2).portal_view_count = 21; },
         "Room 2 needs 21 portal views; a room holds at most 20"},
        {[](LevelDocument& d) { d.room(2).ornament_count = 41; },
         "Room 2 needs 41 static meshes; a room holds at most 40"},
        {[](LevelDocument& d) { d.room_count = 151; },
         "The level has 151 rooms; a level holds at most 150"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.message);
        auto doc = test::empty_document();
        test::add_room(*doc, {});
        test::add_room(*doc, {});
        tc.spoil(*doc);
        const Refusal refusal = check_document_counts(*doc);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(*refusal, tc.message);
    }
}

TEST(DocumentCounts, ASectorJoiningARoomTheLevelDoesNotHaveIsRefusedNamingIt) {
    struct Case {
        uint8_t Sector::*link;
        uint8_t room;
        const char* message;
    };
    const Case cases[] = {
        {&Sector::room_side, 3,
         "Room 2 (column 2, row 3) joins room 3 at its side; the level has 2 rooms"},
        {&Sector::room_above, 150,
         "Room 2 (column 2, row 3) joins room 150 above; the level has 2 rooms"},
        {&Sector::room_below, 255,
         "Room 2 (column 2, row 3) joins room 255 below; the level has 2 rooms"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.message);
        auto doc = test::empty_document();
        test::add_room(*doc, {}).sector(1, 1).*tc.link = 2;
        Room& room = test::add_room(*doc, {3, 4, 4, 0, 0, 1});
        // Sectors beyond the grid in use are never built.
        room.sector(4, 1).*tc.link = tc.room;
        room.sector(1, 5).*tc.link = tc.room;
        EXPECT_FALSE(check_document_counts(*doc));
        room.sector(2, 3).*tc.link = tc.room;
        const Refusal refusal = check_document_counts(*doc);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(*refusal, tc.message);
    }
}

TEST(RoomGeometry, EachNeedBeyondTheRoomsCapacityIsRefusedFacesFirst) {
    struct Case {
        room_geometry_needs needs;
        const char* message;
    };
    const Case cases[] = {
        {{6001, 1734, 2500, 1300}, "Room 12 needs 6001 faces; a room holds at most 6000"},
        {{6000, 1734, 2500, 1300}, "Room 12 needs 1734 vertices; a room holds at most 1500"},
        {{6000, 1500, 2001, 1300}, "Room 12 needs 2001 rectangles; a room holds at most 2000"},
        {{6000, 1500, 2000, 1251}, "Room 12 needs 1251 triangles; a room holds at most 1250"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.message);
        const Refusal refusal = check_room_geometry(12, tc.needs);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(*refusal, tc.message);
    }
    EXPECT_FALSE(check_room_geometry(12, {6000, 1500, 2000, 1250}));
}

TEST(RoomGeometry, AnOpenRoomOf31By31SectorsIsRefusedForItsVertices) {
    // Its floor and its ceiling are grids of 32 x 32 corners each.
    auto doc = test::empty_document();
    test::open_all(test::add_room(*doc, {31, 31, 4, 0, 0, 1}));
    auto level = test::empty_level(kTR4, 1);
    auto list = std::make_unique<face_list>();
    const Refusal refusal = build_room(*level, *doc, 1, *list, nullptr);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->rfind("Room 1 needs ", 0), 0u) << *refusal;
    EXPECT_NE(refusal->find(" vertices; a room holds at most 1500"), std::string::npos) << *refusal;
}

TEST(BoxCount, ALevelBeyondItsBoxNumbersIsRefusedNamingTheRoom) {
    EXPECT_FALSE(check_box_count(3, 4095, kTR4));
    EXPECT_EQ(check_box_count(3, 4096, kTR4).value_or(""),
              "Room 3 brings the level to 4096 boxes; a level holds at most 4095");
    EXPECT_FALSE(check_box_count(3, 32768, kTR2));
    EXPECT_EQ(check_box_count(3, 32769, kTR1).value_or(""),
              "Room 3 brings the level to 32769 boxes; a level holds at most 32768");
}

}  // namespace
}  // namespace rw
