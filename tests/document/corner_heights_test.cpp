#include "document/corner_heights.h"

#include <gtest/gtest.h>

#include "document/level_document.h"

namespace rw {
namespace {

struct CornerCase {
    int kind, base, raise, front, back, left, right;
    Corners expected;
};

TEST(CornerHeights, FollowTheShapeTable) {
    const CornerCase cases[] = {
        {0, 2, 4, 0, 0, 0, 0, {3.0, 3.0, 3.0, 3.0}},
        {0, 0, 0, 2, 0, 0, 0, {0.5, 0.5, 0.0, 0.0}},
        {0, 0, 0, 0, 0, 4, 2, {1.0, 0.5, 0.5, 1.0}},
        {1, 0, 0, 3, 1, 0, 0, {0.0, 0.25, 0.0, 0.75}},
        {2, 0, 0, 3, 1, 0, 0, {0.75, 0.0, 0.25, 0.0}},
        {0, 1, -2, 0, -1, 0, 0, {0.5, 0.5, 0.25, 0.25}},  // negative raises go below the base
        {1, 3, 1, 7, 7, 9, 9, {3.25, 5.0, 3.25, 5.0}},    // split kinds ignore left and right
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " base " << c.base << " raise "
                                        << c.raise << " front " << c.front << " back " << c.back
                                        << " left " << c.left << " right " << c.right);
        Corners h{};
        CornerHeights(c.kind, c.base, c.raise, c.front, c.back, c.left, c.right, h);
        EXPECT_EQ(h, c.expected);
    }
}

TEST(CornerHeights, UnknownKindLeavesTheCornersAlone) {
    Corners h{9.0, 8.0, 7.0, 6.0};
    CornerHeights(3, 1, 1, 1, 1, 1, 1, h);
    EXPECT_EQ(h, (Corners{9.0, 8.0, 7.0, 6.0}));
}

TEST(SplitPickName, InvertsTheSectorPickName) {
    struct Case {
        int name, rows, column, row;
    };
    const Case cases[] = {
        {6, 5, 2, 1}, {5, 5, 1, 5}, {10, 5, 2, 5}, {1, 1, 1, 1}, {31 * 31, 31, 31, 31}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " in " << c.rows << " rows");
        const GridCell cell = SplitPickName(c.name, c.rows);
        EXPECT_EQ(cell.column, c.column);
        EXPECT_EQ(cell.row, c.row);
        EXPECT_EQ(sector_pick_name(cell.column, cell.row, c.rows), c.name);
    }
}

}  // namespace
}  // namespace rw
