#include "levelfile/texture_panel.h"

#include <gtest/gtest.h>

#include "level_fixtures.h"
#include "recording_sinks.h"

namespace rw {
namespace {

using test::quad_texture;

Ttrlevel& position_level(Ttrlevel& level) {
    level.game_version = kTR4;
    test::set_tiles16(level, 1, [](int, int x, int y) { return test::rgb555(x / 8, y / 8, 0); });
    return level;
}

uint16_t position_565(int x, int y) {
    return static_cast<uint16_t>(((x / 8) << 11) | ((y / 8) << 6));
}

TEST(BuildTexturePanel, TenSquareQuadsAmongThreeHundredFillThreeRowsOfFour) {
    Ttrlevel level;
    position_level(level);
    std::vector<tr_object_texture> textures;
    for (int i = 0; i < 300; ++i) {
        // Every 30th texture is a 64 x 64 quad, the others 32 x 32.
        textures.push_back(i % 30 == 0 ? quad_texture(0, 0, 0, 64, 64)
                                       : quad_texture(0, 0, 0, 32, 32));
    }
    test::set_object_textures(level, textures);
    tpanel_texture panel;
    build_texture_panel(64, 64, 4, panel, level);
    EXPECT_EQ(panel.marker, "Valido");
    EXPECT_EQ(panel.entry_count, 10);
    EXPECT_EQ(panel.entries[0], 0);
    EXPECT_EQ(panel.entries[9], 270);
    EXPECT_EQ(panel.panel_rows, 3);
    EXPECT_EQ(panel.panel_bitmap.width(), 259);
    EXPECT_EQ(panel.panel_bitmap.height(), 194);
    // The cell of entry 6 (row 1, column 1) starts at (65, 65).
    EXPECT_EQ(panel.panel_bitmap.word_at(65 + 40, 65 + 17), position_565(40, 17));
    EXPECT_EQ(panel.panel_bitmap.word_at(64, 65), 0);  // the gap between cells
}

TEST(BuildTexturePanel, ListsOnlyQuadsOfTheCellSize) {
    Ttrlevel level;
    position_level(level);
    test::set_object_textures(
        level, {test::triangle_texture(0, 0, 0, 64, 64), quad_texture(0, 0, 0, 64, 48),
                quad_texture(0, 0, 0, 48, 64)});
    tpanel_texture panel;
    build_texture_panel(64, 64, 4, panel, level);
    EXPECT_EQ(panel.entry_count, 0);
    build_texture_panel(64, 48, 1, panel, level);
    ASSERT_EQ(panel.entry_count, 1);
    EXPECT_EQ(panel.entries[0], 1);
}

TEST(BuildTexturePanel, ShowsMirroredTexturesMirroredInTheirCell) {
    Ttrlevel level;
    position_level(level);
    test::set_object_textures(level, {quad_texture(0, 64, 0, 64, 64, true)});
    tpanel_texture panel;
    build_texture_panel(64, 64, 4, panel, level);
    EXPECT_EQ(panel.panel_bitmap.word_at(0, 0), position_565(127, 0));
    EXPECT_EQ(panel.panel_bitmap.word_at(63, 0), position_565(64, 0));
}

TEST(BuildTexturePanel, ClampsToWhatAPanelHoldsAndSaysSo) {
    struct Case {
        int h, columns, expected_entries, expected_rows;
    };
    const Case cases[] = {{64, 4, 999, 250}, {16, 1, 255, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.h);
        Ttrlevel level;
        position_level(level);
        test::set_object_textures(
            level, std::vector<tr_object_texture>(1200, quad_texture(0, 0, 0, 64, c.h)));
        tpanel_texture panel;
        test::RecordingLog log;
        build_texture_panel(64, c.h, c.columns, panel, level, &log);
        EXPECT_EQ(panel.entry_count, c.expected_entries);
        EXPECT_EQ(panel.panel_rows, c.expected_rows);
        EXPECT_EQ(panel.panel_bitmap.height(), c.expected_rows * (c.h + 1) - 1);
        ASSERT_EQ(log.lines.size(), 1u);
        EXPECT_NE(log.lines[0].find("1200"), std::string::npos);
    }
}

TEST(PanelTextureAt, GivesTheListPositionUnderThePixel) {
    tpanel_texture panel;
    panel.marker = "Valido";
    panel.cell_width = 64;
    panel.cell_height = 64;
    panel.columns = 4;
    panel.entry_count = 10;
    struct Case {
        int x, y, position;
    };
    const Case cases[] = {
        {65, 10, 2}, {0, 0, 0},    {0, 1, 1},     {10, 64, 1},   {10, 65, 1},
        {10, 66, 5}, {200, 70, 8}, {65, 140, 10}, {130, 140, 0}, {0, 300, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y);
        EXPECT_EQ(panel_texture_at(c.x, c.y, panel), c.position);
    }
    panel.marker.clear();
    EXPECT_EQ(panel_texture_at(65, 10, panel), 0);
}

}  // namespace
}  // namespace rw
