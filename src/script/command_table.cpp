#include "script/command_table.h"

#include <algorithm>
#include <cctype>

namespace rw {

namespace {

Tscp_command_table build_table() {
    Tscp_command_table table;
    auto add_group = [&](int32_t group, std::initializer_list<const char*> names) {
        int32_t code = 1;
        for (const char* name : names)
            table.push_back({name, code++, group});
    };
    auto add_free = [&](int count) {
        for (int i = 0; i < count; ++i)
            table.push_back({"", 0, kGroupFree});
    };
    add_group(kGroupTopLevel,
              {"Start_Trigger", "Copy_Trigger", "Paste_Trigger", "Put_Item", "Kill_Lara",
               "Add_Camera", "Put_Alternate", "Put_Static_Mesh", "Put_Spot_Light", "Put_RGB_Light",
               "Climb_Wall", "Monkey_Swing", "exit", "Add_Sink"});
    add_free(2);
    add_group(kGroupTriggerType,
              {"Do_with_Activate", "Do_with_Deactivate", "If_Lara_on_ground_Do_with_Activate",
               "If_Lara_on_ground_Do_with_Deactivate", "TrapDoor",
               "If_KeyLock_is_ON_Do_with_Activate", "If_Switch_is_ON_Do_with_Activate",
               "If_Item_is_picked_Up_Do_with_Activate", "If_Item_at_Sector_Do_with_Activate",
               "End_Trigger", "IF_Lara_in_Combat_Do_With_Activate"});
    add_free(5);
    add_group(kGroupAction,
              {"Item", "Switch_camera", "Underwater_Flow", "Alternate_On", "Alternate_Room",
               "Alternate_Off", "Look_at_item", "End_Level", "Play_sound_Track", "Effects",
               "Found_Secret", "End", "Play_cutscene"});
    return table;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

const Tscp_command_table& scp_command_table() {
    static const Tscp_command_table table = build_table();
    return table;
}

int32_t scp_find_command(std::string_view name, const Tscp_command_table& table) {
    if (name.empty()) return -1;
    for (size_t i = 0; i < table.size(); ++i)
        if (equal_ignoring_case(name, table[i].name)) return static_cast<int32_t>(i);
    return -1;
}

}  // namespace rw
