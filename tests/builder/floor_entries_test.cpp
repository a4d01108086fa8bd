#include "builder/floor_entries.h"

#include <gtest/gtest.h>

#include "build_fixture.h"

namespace rw {
namespace {

using test::kAllVersions;

// One 3 x 3 room (height 4, pos_y 1) whose middle sector is open with its floor on the room's
// bottom (game value 124) and its ceiling under the room's top (game value 108).
struct MiddleSector {
    explicit MiddleSector(int32_t version = kTR4) : level(test::empty_level(version, 1)) {
        test::add_room(*doc, {});
    }
    Sector& sector() { return doc->room(1).sector(2, 2); }
    const tr_sector& game() { return *level->rooms[0].sector_at(2, 2); }
    void prepare() { test::prepare_game_room(*level, *doc, 1); }
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::unique_ptr<Ttrlevel> level;
};

struct SlopeCase {
    const char* name;
    int32_t raise, front, back, left, right;
    uint16_t data_word;
    int8_t game_value;
};

TEST(FloorSlope, EntryCarriesTheSlantsAndTheFloorValueIsTheHighestCornerInEveryVersion) {
    const SlopeCase cases[] = {
        {"front edge up 2", 0, 2, 0, 0, 0, 0xFE00, 122},
        {"left edge down 1 folds into the raise", 0, 0, 0, -1, 0, 0x0001, 124},
        {"raised and sloped two ways", 2, 0, 3, 0, 1, 0x0301, 118},
        {"both front and back edges down", 0, -2, -1, 0, 0, 0x0100, 125},
        {"left and right edges up alike", 0, 0, 0, 2, 2, 0x0000, 122},
    };
    for (const int32_t version : kAllVersions) {
        for (const auto& tc : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << ": " << tc.name);
            MiddleSector m(version);
            Sector& s = m.sector();
            s.floor_raise = tc.raise;
            s.floor_front = tc.front;
            s.floor_back = tc.back;
            s.floor_left = tc.left;
            s.floor_right = tc.right;
            m.prepare();
            ASSERT_EQ(build_floor_slope(*m.level, m.doc->room(1), 1, 2, 2), InsertResult::kDone);
            EXPECT_EQ(m.game().fd_index, 1);
            EXPECT_EQ(test::floor_words_from(*m.level, 1),
                      (std::vector<uint16_t>{0x8002, tc.data_word}));
            EXPECT_EQ(m.game().floor, tc.game_value);
        }
    }
}

TEST(CeilingSlope, EntryCarriesTheSlantsAndTheCeilingValueIsTheLowestCornerInEveryVersion) {
    const SlopeCase cases[] = {
        {"front edge down 2", 0, 2, 0, 0, 0, 0xFE00, 110},
        {"left edge down 3", 0, 0, 0, 3, 0, 0x0003, 111},
        {"right edge up 1 folds into the raise", 0, 0, 0, 0, -1, 0x0001, 108},
        {"lowered and sloped", 1, 0, 2, 0, 0, 0x0200, 111},
    };
    for (const int32_t version : kAllVersions) {
        for (const auto& tc : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << ": " << tc.name);
            MiddleSector m(version);
            Sector& s = m.sector();
            s.ceiling_raise = tc.raise;
            s.ceiling_front = tc.front;
            s.ceiling_back = tc.back;
            s.ceiling_left = tc.left;
            s.ceiling_right = tc.right;
            m.prepare();
            ASSERT_EQ(build_ceiling_slope(*m.level, m.doc->room(1), 1, 2, 2), InsertResult::kDone);
            EXPECT_EQ(test::floor_words_from(*m.level, 1),
                      (std::vector<uint16_t>{0x8003, tc.data_word}));
            EXPECT_EQ(m.game().ceiling, tc.game_value);
        }
    }
}

TEST(FloorSlope, FlatAndSplitSurfacesGetNoSlopeEntry) {
    MiddleSector m;
    m.sector().floor_raise = 3;  // raised, but flat
    m.doc->room(1).sector(2, 2).ceiling_split = 1;
    m.doc->room(1).sector(2, 2).ceiling_front = 2;
    m.prepare();
    build_floor_slope(*m.level, m.doc->room(1), 1, 2, 2);
    build_ceiling_slope(*m.level, m.doc->room(1), 1, 2, 2);
    EXPECT_EQ(m.level->num_floor_data, 1);
    EXPECT_EQ(m.game().fd_index, 0);
    EXPECT_EQ(m.game().floor, 121);
}

TEST(FloorSlope, AnySplitKindOtherThanZeroLeavesTheSlopeOut) {
    // Kinds 1 and 2 are triangle pairs; a stored kind the editor never makes is not a
    // four-corner surface either.
    for (const uint16_t kind : {1, 2, 3, 0xFFFF}) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        MiddleSector m(kTR2);
        Sector& s = m.sector();
        s.floor_split = s.ceiling_split = kind;
        s.floor_left = s.ceiling_right = 2;
        m.prepare();
        build_floor_slope(*m.level, m.doc->room(1), 1, 2, 2);
        build_ceiling_slope(*m.level, m.doc->room(1), 1, 2, 2);
        EXPECT_EQ(m.level->num_floor_data, 1);
        EXPECT_EQ(m.game().floor, 124);
        EXPECT_EQ(m.game().ceiling, 108);
    }
}

struct SplitCase {
    const char* name;
    uint16_t kind;
    int32_t front, back;
    bool other_room;  // room below for floors, room above for ceilings
    uint8_t portal_triangle;
    uint16_t first_word, corner_word;
    int8_t game_value;
};

TEST(FloorSplit, EntryEncodesHeightsSignsCornersAndPortalTriangleFromTR3On) {
    const SplitCase cases[] = {
        {"kind 1 raised corners", 1, 3, 1, false, 0, 0x8468, 0x0301, 120},
        {"kind 2 over no room", 2, 2, 0, false, 0, 0x8047, 0x0020, 122},
        {"kind 2 portal triangle 1", 2, 2, 0, true, 1, 0x804B, 0x0020, 122},
        {"kind 2 portal triangle 2", 2, 2, 0, true, 0, 0x804C, 0x0020, 122},
        {"kind 1 portal triangle 1", 1, 3, 1, true, 1, 0x846D, 0x0301, 120},
        {"kind 1 portal triangle 2", 1, 3, 1, true, 0, 0x846E, 0x0301, 120},
        {"front corner dips", 1, -2, 1, false, 0, 0xFC08, 0x2023, 123},
        {"both corners dip", 2, -1, -3, false, 0, 0xFFA7, 0x0323, 124},
        {"back corner dips", 1, 2, -1, false, 0, 0x8028, 0x1310, 122},
    };
    for (const int32_t version : kAllVersions) {
        for (const auto& tc : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << ": " << tc.name);
            MiddleSector m(version);
            Sector& s = m.sector();
            s.floor_split = tc.kind;
            s.floor_front = tc.front;
            s.floor_back = tc.back;
            s.room_below = tc.other_room ? 2 : 0;
            s.floor_portal_triangle = tc.portal_triangle;
            m.prepare();
            ASSERT_EQ(build_floor_split(*m.level, m.doc->room(1), 1, 2, 2), InsertResult::kDone);
            if (version >= kTR3) {
                EXPECT_EQ(test::floor_words_from(*m.level, 1),
                          (std::vector<uint16_t>{tc.first_word, tc.corner_word}));
                EXPECT_EQ(m.game().floor, tc.game_value);
            } else {
                EXPECT_EQ(m.level->num_floor_data, 1);
                EXPECT_EQ(m.game().floor, 124);
            }
        }
    }
}

TEST(CeilingSplit, EntryCountsHeightsDownwardsAndUsesTheCeilingFunctions) {
    const SplitCase cases[] = {
        {"kind 1 lowered corners", 1, 3, 1, false, 0, 0xFFAA, 0x1030, 112},
        {"kind 2 under no room", 2, 0, 2, false, 0, 0xF809, 0x0002, 110},
        {"kind 2 portal triangle 2", 2, 0, 2, true, 1, 0xF810, 0x0002, 110},
        {"kind 2 portal triangle 1", 2, 0, 2, true, 0, 0xF80F, 0x0002, 110},
        {"kind 1 portal triangle 2", 1, 3, 1, true, 1, 0xFFB2, 0x1030, 112},
        {"kind 1 portal triangle 1", 1, 3, 1, true, 0, 0xFFB1, 0x1030, 112},
        {"front corner rises", 1, -1, 0, false, 0, 0x840A, 0x1101, 108},
    };
    for (const int32_t version : kAllVersions) {
        for (const auto& tc : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << ": " << tc.name);
            MiddleSector m(version);
            Sector& s = m.sector();
            s.ceiling_split = tc.kind;
            s.ceiling_front = tc.front;
            s.ceiling_back = tc.back;
            s.room_above = tc.other_room ? 2 : 0;
            s.ceiling_portal_triangle = tc.portal_triangle;
            m.prepare();
            ASSERT_EQ(build_ceiling_split(*m.level, m.doc->room(1), 1, 2, 2), InsertResult::kDone);
            if (version >= kTR3) {
                EXPECT_EQ(test::floor_words_from(*m.level, 1),
                          (std::vector<uint16_t>{tc.first_word, tc.corner_word}));
                EXPECT_EQ(m.game().ceiling, tc.game_value);
            } else {
                EXPECT_EQ(m.level->num_floor_data, 1);
                EXPECT_EQ(m.game().ceiling, 108);
            }
        }
    }
}

TEST(ClimbMask, ComesFromTheWallsTheNeighboursTurnTowardsTheSector) {
    struct Case {
        const char* name;
        int c, r;
        uint8_t Sector::*flag;
        uint8_t mask;
    };
    const Case cases[] = {
        {"next row's front wall", 2, 3, &Sector::climb_front, 0x01},
        {"previous row's back wall", 2, 1, &Sector::climb_back, 0x04},
        {"previous column's right wall", 1, 2, &Sector::climb_right, 0x08},
        {"next column's left wall", 3, 2, &Sector::climb_left, 0x02},
        {"next row's back wall faces away", 2, 3, &Sector::climb_back, 0x00},
        {"previous column's left wall faces away", 1, 2, &Sector::climb_left, 0x00},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        MiddleSector m;
        m.doc->room(1).sector(tc.c, tc.r).*tc.flag = 1;
        EXPECT_EQ(climb_mask(m.doc->room(1), 2, 2), tc.mask);
    }
    MiddleSector own;
    own.sector().climb_front = own.sector().climb_back = 1;
    EXPECT_EQ(climb_mask(own.doc->room(1), 2, 2), 0) << "a sector's own flags do not count";
}

TEST(ClimbMask, NeighboursOutsideTheGridCountForNothing) {
    MiddleSector m;
    Room& room = m.doc->room(1);
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 3; ++r) {
            Sector& s = room.sector(c, r);
            s.climb_front = s.climb_back = s.climb_left = s.climb_right = 1;
        }
    }
    EXPECT_EQ(climb_mask(room, 1, 1), 0x01 | 0x02);
    EXPECT_EQ(climb_mask(room, 3, 3), 0x04 | 0x08);
}

TEST(SectorEntries, ClimbMonkeyAndDeathAreOneWordEntriesMonkeyFromTR3On) {
    for (const int32_t version : kAllVersions) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        MiddleSector m(version);
        m.sector().climb_mask = 0x09;
        m.prepare();
        build_climb_entry(*m.level, m.doc->room(1), 1, 2, 2);
        EXPECT_EQ(m.level->floor_data.back(), 0x8906);
        const int32_t before = m.level->num_floor_data;
        build_monkey_entry(*m.level, 1, 2, 2);
        if (version >= kTR3) {
            EXPECT_EQ(m.level->floor_data.back(), 0x8013);
        } else {
            EXPECT_EQ(m.level->num_floor_data, before);
        }
        build_death_entry(*m.level, 1, 2, 2);
        EXPECT_EQ(m.level->floor_data.back(), 0x8005);
    }
}

TEST(SectorEntries, EachEntryEndsAFreshCopyOfTheSectorsChain) {
    MiddleSector m;
    m.sector().floor_front = 2;
    m.sector().climb_mask = 0x01;
    m.prepare();
    const Room& room = m.doc->room(1);
    build_floor_slope(*m.level, room, 1, 2, 2);
    build_climb_entry(*m.level, room, 1, 2, 2);
    build_death_entry(*m.level, 1, 2, 2);
    EXPECT_EQ(m.game().fd_index, 6);
    EXPECT_EQ(test::floor_words_from(*m.level, 0),
              (std::vector<uint16_t>{0, 0x8002, 0xFE00, 0x0002, 0xFE00, 0x8106, 0x0002, 0xFE00,
                                     0x0106, 0x8005}));
}

}  // namespace
}  // namespace rw
