#include "script/command_table.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(CommandTable, HoldsTheVocabularyInItsFixedOrderWithFreeSlots) {
    const Tscp_tabla expected[] = {
        {"Start_Trigger", 1, 0},
        {"Copy_Trigger", 2, 0},
        {"Paste_Trigger", 3, 0},
        {"Put_Item", 4, 0},
        {"Kill_Lara", 5, 0},
        {"Add_Camera", 6, 0},
        {"Put_Alternate", 7, 0},
        {"Put_Static_Mesh", 8, 0},
        {"Put_Spot_Light", 9, 0},
        {"Put_RGB_Light", 10, 0},
        {"Climb_Wall", 11, 0},
        {"Monkey_Swing", 12, 0},
        {"exit", 13, 0},
        {"Add_Sink", 14, 0},
        {"", 0, -1},
        {"", 0, -1},
        {"Do_with_Activate", 1, 1},
        {"Do_with_Deactivate", 2, 1},
        {"If_Lara_on_ground_Do_with_Activate", 3, 1},
        {"If_Lara_on_ground_Do_with_Deactivate", 4, 1},
        {"TrapDoor", 5, 1},
        {"If_KeyLock_is_ON_Do_with_Activate", 6, 1},
        {"If_Switch_is_ON_Do_with_Activate", 7, 1},
        {"If_Item_is_picked_Up_Do_with_Activate", 8, 1},
        {"If_Item_at_Sector_Do_with_Activate", 9, 1},
        {"End_Trigger", 10, 1},
        {"IF_Lara_in_Combat_Do_With_Activate", 11, 1},
        {"", 0, -1},
        {"", 0, -1},
        {"", 0, -1},
        {"", 0, -1},
        {"", 0, -1},
        {"Item", 1, 2},
        {"Switch_camera", 2, 2},
        {"Underwater_Flow", 3, 2},
        {"Alternate_On", 4, 2},
        {"Alternate_Room", 5, 2},
        {"Alternate_Off", 6, 2},
        {"Look_at_item", 7, 2},
        {"End_Level", 8, 2},
        {"Play_sound_Track", 9, 2},
        {"Effects", 10, 2},
        {"Found_Secret", 11, 2},
        {"End", 12, 2},
        {"Play_cutscene", 13, 2},
    };
    const Tscp_command_table& table = scp_command_table();
    ASSERT_EQ(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].name, expected[i].name);
        EXPECT_EQ(table[i].code, expected[i].code);
        EXPECT_EQ(table[i].group, expected[i].group);
    }
}

TEST(FindCommand, MatchesNamesWithoutRegardToCase) {
    const Tscp_command_table& table = scp_command_table();
    for (const char* name : {"exit", "EXIT", "Exit"})
        EXPECT_EQ(scp_find_command(name, table), 12) << name;
    EXPECT_EQ(scp_find_command("PUT_RGB_LIGHT", table), 9);
    EXPECT_EQ(scp_find_command("play_CUTSCENE", table), 44);
}

TEST(FindCommand, GivesMinusOneForEmptyOrUnknownNamesAndEmptyTables) {
    const Tscp_command_table& table = scp_command_table();
    EXPECT_EQ(scp_find_command("", table), -1);
    EXPECT_EQ(scp_find_command("Put_Items", table), -1);
    EXPECT_EQ(scp_find_command("Item", Tscp_command_table{}), -1);
}

}  // namespace
}  // namespace rw
