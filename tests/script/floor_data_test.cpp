#include "script/floor_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace rw {
namespace {

// A level of one 3 x 4 room whose floor data holds only the leading dummy word.
std::unique_ptr<Ttrlevel> small_level() {
    auto level = std::make_unique<Ttrlevel>();
    level->game_version = kTR4;
    level->set_num_rooms(1);
    level->rooms[0].num_x_sectors = 3;
    level->rooms[0].num_z_sectors = 4;
    level->set_num_floor_data(1);
    return level;
}

std::vector<uint16_t> chain_words(const Ttrlevel& level, size_t from) {
    return {level.floor_data.begin() + static_cast<long>(from), level.floor_data.end()};
}

TEST(InsertFloorData, EmptySectorGetsTheNewBytesAtTheEndOfTheList) {
    auto level = small_level();
    const uint8_t trigger[] = {0x04, 0x80, 0x00, 0x3E, 0x04, 0x80};
    ASSERT_EQ(scp_insert_floor_data(*level, 1, 2, 3, trigger, 6), InsertResult::kDone);
    const tr_sector* s = level->rooms[0].sector_at(2, 3);
    EXPECT_EQ(s->fd_index, 1);
    EXPECT_EQ(level->num_floor_data, 4);
    EXPECT_EQ(chain_words(*level, 1), (std::vector<uint16_t>{0x8004, 0x3E00, 0x8004}));
}

TEST(InsertFloorData, NoChainStartsAtIndexZeroWhichMeansNoFloorData) {
    auto level = small_level();
    level->set_num_floor_data(0);
    const uint8_t death[] = {0x05, 0x80};
    const uint8_t climb[] = {0x06, 0x81};
    ASSERT_EQ(scp_insert_floor_data(*level, 1, 2, 2, death, 2), InsertResult::kDone);
    EXPECT_EQ(level->rooms[0].sector_at(2, 2)->fd_index, 1);
    ASSERT_EQ(scp_insert_floor_data(*level, 1, 2, 2, climb, 2), InsertResult::kDone);
    EXPECT_EQ(level->rooms[0].sector_at(2, 2)->fd_index, 2);
    EXPECT_EQ(level->num_floor_data, 4);
    EXPECT_EQ(chain_words(*level, 0), (std::vector<uint16_t>{0x0000, 0x8005, 0x0005, 0x8106}));
}

TEST(InsertFloorData, OldChainIsCopiedWithEndBitsClearedAndTriggersWhole) {
    auto level = small_level();
    // A slope, then a switch trigger (kind 2: item word) whose camera action ends the list.
    const std::vector<uint16_t> old_chain = {0x0002, 0x0102, 0x8204, 0x3E00,
                                             0x0007, 0x0401, 0x8005};
    level->floor_data.insert(level->floor_data.end(), old_chain.begin(), old_chain.end());
    level->num_floor_data = static_cast<int32_t>(level->floor_data.size());
    level->rooms[0].sector_at(1, 1)->fd_index = 1;

    const uint8_t death[] = {0x05, 0x80};
    ASSERT_EQ(scp_insert_floor_data(*level, 1, 1, 1, death, 2), InsertResult::kDone);
    EXPECT_EQ(level->rooms[0].sector_at(1, 1)->fd_index, 8);
    EXPECT_EQ(chain_words(*level, 8), (std::vector<uint16_t>{0x0002, 0x0102, 0x0204, 0x3E00, 0x0007,
                                                             0x0401, 0x8005, 0x8005}));
    // The old chain stays where it was.
    EXPECT_EQ(level->floor_data[3], 0x8204);
}

TEST(InsertFloorData, CopiesEachKindOfEntryWithItsOwnLength) {
    struct Case {
        const char* what;
        std::vector<uint16_t> old_chain, copy;
    };
    const Case cases[] = {
        {"trigger without item word",
         {0x8004, 0x0000, 0x0001, 0x8002},
         {0x0004, 0x0000, 0x0001, 0x8002}},
        {"item word copied whatever its top bit",
         {0x8504, 0x0100, 0x8002, 0x8001},
         {0x0504, 0x0100, 0x8002, 0x8001}},
        {"camera's own end bit does not end the actions",
         {0x8004, 0x0000, 0x8401, 0x0005, 0x8003},
         {0x0004, 0x0000, 0x8401, 0x0005, 0x8003}},
        {"trigger before a death entry",
         {0x0004, 0x0000, 0x8001, 0x8005},
         {0x0004, 0x0000, 0x8001, 0x0005}},
        {"climb and monkey entries are single words", {0x0106, 0x8013}, {0x0106, 0x0013}},
        {"portal and slopes carry one data word",
         {0x0001, 0x8005, 0x0003, 0x0102, 0x8002, 0x0006},
         {0x0001, 0x8005, 0x0003, 0x0102, 0x0002, 0x0006}},
        {"copy ends with the entry that ended the chain", {0x8005, 0x8006, 0x8013}, {0x0005}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto level = small_level();
        level->floor_data.insert(level->floor_data.end(), c.old_chain.begin(), c.old_chain.end());
        level->num_floor_data = static_cast<int32_t>(level->floor_data.size());
        level->rooms[0].sector_at(3, 4)->fd_index = 1;
        const uint8_t death[] = {0x05, 0x80};
        ASSERT_EQ(scp_insert_floor_data(*level, 1, 3, 4, death, 2), InsertResult::kDone);
        std::vector<uint16_t> expected = c.copy;
        expected.push_back(0x8005);
        EXPECT_EQ(chain_words(*level, 1 + c.old_chain.size()), expected);
    }
}

TEST(InsertFloorData, CopyStopsAtTheEndOfAChainThatRunsOffTheList) {
    auto level = small_level();
    level->floor_data.push_back(0x0002);  // a slope without its data word or an end bit
    level->num_floor_data = 2;
    level->rooms[0].sector_at(1, 2)->fd_index = 1;
    const uint8_t death[] = {0x05, 0x80};
    ASSERT_EQ(scp_insert_floor_data(*level, 1, 1, 2, death, 2), InsertResult::kDone);
    EXPECT_EQ(chain_words(*level, 2), (std::vector<uint16_t>{0x0002, 0x8005}));
}

TEST(InsertFloorData, RefusesSectorsOutsideTheLevelAndChangesNothing) {
    auto level = small_level();
    const uint8_t death[] = {0x05, 0x80};
    struct Case {
        int room, x, z;
    };
    for (const Case c : {Case{0, 1, 1}, Case{2, 1, 1}, Case{1, 4, 1}, Case{1, 1, 5}, Case{1, -1, 1},
                         Case{1, 1, 0}}) {
        SCOPED_TRACE(testing::Message() << c.room << " " << c.x << " " << c.z);
        EXPECT_EQ(scp_insert_floor_data(*level, c.room, c.x, c.z, death, 2),
                  InsertResult::kNoSuchSector);
        EXPECT_EQ(level->num_floor_data, 1);
    }
}

TEST(InsertFloorData, RefusesAChainBeyondWhatASectorIndexCanAddress) {
    auto level = small_level();
    level->set_num_floor_data(kMaxFloorDataIndex + 1);
    const uint8_t death[] = {0x05, 0x80};
    EXPECT_EQ(scp_insert_floor_data(*level, 1, 1, 1, death, 2), InsertResult::kFloorDataFull);
    EXPECT_EQ(level->rooms[0].sector_at(1, 1)->fd_index, 0);
}

}  // namespace
}  // namespace rw
