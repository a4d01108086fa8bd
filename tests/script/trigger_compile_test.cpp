// Trigger blocks: the floor-data entries that trigger types and actions write, and how a
// block reaches its sector.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "byte_builder.h"
#include "level_fixture.h"
#include "script/script_compiler.h"

namespace rw {
namespace {

using test::ByteBuilder;
using test::floor_bytes;
using test::script_level;

const tr_sector& sector(const Ttrlevel& level, int room, int x, int z) {
    return *level.rooms[static_cast<size_t>(room - 1)].sector_at(x, z);
}

TEST(TriggerBlock, FiveLineExampleWritesThreeWordsIntoAnEmptySector) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    ASSERT_EQ(compiler.scp_compile_text("Start_Trigger(1,2,3)\n"
                                        "Do_with_Activate(62,0,0)\n"
                                        "Item(5)\n"
                                        "End()\n"
                                        "End_Trigger()\n",
                                        *level),
              0);
    EXPECT_EQ(sector(*level, 1, 2, 3).fd_index, 1);
    EXPECT_EQ(level->num_floor_data, 4);
    EXPECT_EQ(floor_bytes(*level, 1), (std::vector<uint8_t>{0x04, 0x80, 0x00, 0x3E, 0x04, 0x80}));
}

TEST(TriggerBlock, CameraActionCarriesTheEndBitOnItsSecondWord) {
    auto level = script_level(kTR2);
    ScriptCompiler compiler;
    ASSERT_EQ(compiler.scp_compile_text("Start_Trigger(1,1,1)\n"
                                        "Do_with_Activate(0,5,0)\n"
                                        "Switch_camera(3,10,1,1)\n"
                                        "End()\n"
                                        "End_Trigger()\n",
                                        *level),
              0);
    const auto expected = ByteBuilder()
                              .u16(0x8004)           // trigger, kind 0, last entry
                              .u16(0x0005)           // timer 5
                              .u16(0x0400 | 2)       // camera 3 - 1
                              .u16(0x8000 | 0x110A)  // timer 10, flags A and B, end of actions
                              .take();
    EXPECT_EQ(floor_bytes(*level, 1), expected);
}

TEST(TriggerBlock, OnlyTheLastTriggerTypeOfABlockEndsTheChain) {
    auto level = script_level(kTR3);
    ScriptCompiler compiler;
    ASSERT_EQ(compiler.scp_compile_text("Start_Trigger(1,4,4)\n"
                                        "Do_with_Activate(31,3,1)\n"
                                        "Item(1)\n"
                                        "End()\n"
                                        "If_Switch_is_ON_Do_with_Activate(1,0,0,7)\n"
                                        "Item(2)\n"
                                        "Look_at_item(2)\n"
                                        "End()\n"
                                        "End_Trigger()\n",
                                        *level),
              0);
    const auto expected = ByteBuilder()
                              .u16(0x0004)
                              .u16(0x9F03)  // flags 31, bit 15 from the third argument, timer 3
                              .u16(0x8000)  // item 1
                              .u16(0x8204)  // switch trigger, last entry
                              .u16(0x0100)
                              .u16(6)  // switch item 7
                              .u16(0x0001)
                              .u16(0x8000 | 0x1801)
                              .take();
    EXPECT_EQ(floor_bytes(*level, 1), expected);
}

struct HeaderCase {
    const char* line;
    std::vector<uint16_t> words;  // the entry before its one action
};

TEST(TriggerBlock, EachTriggerTypeWritesItsKindTimerFlagsAndItem) {
    const HeaderCase cases[] = {
        {"Do_with_Activate(255,300,3)", {0x8004, 0xFF2C}},  // flags cut to 7 bits, timer to 8
        {"Do_with_Deactivate(5,1)", {0x8904, 0x8500}},
        {"If_Lara_on_ground_Do_with_Activate(2,9,0)", {0x8104, 0x0209}},
        {"If_Lara_on_ground_Do_with_Deactivate(2,0)", {0x8604, 0x0200}},
        {"TrapDoor(1,2,1)", {0x8804, 0x8102}},
        {"If_KeyLock_is_ON_Do_with_Activate(1,2,0,10)", {0x8304, 0x0102, 9}},
        {"If_Switch_is_ON_Do_with_Activate(1,2,0,10)", {0x8204, 0x0102, 9}},
        {"If_Item_is_picked_Up_Do_with_Activate(1,2,0,10)", {0x8404, 0x0102, 9}},
        {"If_Item_at_Sector_Do_with_Activate(1,2,0,10)", {0x8504, 0x0102, 9}},
        {"IF_Lara_in_Combat_Do_With_Activate(62,0,1)", {0x8704, 0xBE00}},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.line);
        auto level = script_level(kTR4);
        ScriptCompiler compiler;
        ASSERT_EQ(compiler.scp_compile_text(std::string("Start_Trigger(1,1,1)\n") + c.line +
                                                "\nItem(1)\nEnd()\nEnd_Trigger()\n",
                                            *level),
                  0)
            << compiler.scp_error();
        ByteBuilder expected;
        for (uint16_t w : c.words)
            expected.u16(w);
        expected.u16(0x8000);
        EXPECT_EQ(floor_bytes(*level, 1), expected.data());
    }
}

struct ActionCase {
    const char* line;
    std::vector<uint16_t> words;  // before End() sets the end bit of the last
};

TEST(TriggerBlock, EachActionWritesItsCodeAndParameter) {
    const ActionCase cases[] = {
        {"Item(5)", {0x0004}},
        {"Item(1500)", {0x05DB}},  // a parameter above 1023 spills into the action bits
        {"Item(0)\nItem(2)", {0x7FFF, 0x0001}},  // but never into the end bit
        {"Switch_camera(1)", {0x0400, 0x0000}},
        {"Switch_camera(2,7)", {0x0401, 0x0007}},
        {"Switch_camera(2,7,256,0)", {0x0401, 0x0007}},  // only the low byte of a flag counts
        {"Switch_camera(2,7,1,0)", {0x0401, 0x1007}},
        {"Switch_camera(2,7,0,2)", {0x0401, 0x0107}},
        {"Underwater_Flow(3)", {0x0802}},
        {"Alternate_On()", {0x0C00}},
        {"Alternate_Room(3)", {0x1003}},
        {"Alternate_Off()", {0x1400}},
        {"Look_at_item(4)", {0x1803}},
        {"End_Level()", {0x1C00}},
        {"End_Level(7)", {0x1C07}},
        {"Play_sound_Track(12)", {0x200C}},
        {"Effects(9)", {0x2409}},
        {"Found_Secret(2)", {0x2801}},
        {"Play_cutscene(3)", {0x2C02}},
    };
    for (const ActionCase& c : cases) {
        SCOPED_TRACE(c.line);
        auto level = script_level(kTR4);
        ScriptCompiler compiler;
        ASSERT_EQ(compiler.scp_compile_text(std::string("Start_Trigger(1,1,1)\n"
                                                        "Do_with_Activate(0,0,0)\n") +
                                                c.line + "\nEnd()\nEnd_Trigger()\n",
                                            *level),
                  0)
            << compiler.scp_error();
        ByteBuilder expected;
        expected.u16(0x8004).u16(0x0000);
        for (size_t i = 0; i < c.words.size(); ++i)
            expected.u16(i + 1 == c.words.size() ? (c.words[i] | 0x8000) : c.words[i]);
        EXPECT_EQ(floor_bytes(*level, 1), expected.data());
    }
}

TEST(TriggerBlock, ASecondInsertionCopiesTheSectorsChainBeforeTheNewEntry) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    ASSERT_EQ(compiler.scp_compile_text("Kill_Lara(1,2,2)\n"
                                        "Start_Trigger(1,2,2)\n"
                                        "TrapDoor(0,0,0)\n"
                                        "Item(3)\n"
                                        "End()\n"
                                        "End_Trigger()\n",
                                        *level),
              0);
    EXPECT_EQ(sector(*level, 1, 2, 2).fd_index, 2);
    const auto expected = ByteBuilder()
                              .u16(0x8005)  // the first chain, left in place
                              .u16(0x0005)  // its copy, no longer the last entry
                              .u16(0x8804)
                              .u16(0x0000)
                              .u16(0x8002)
                              .take();
    EXPECT_EQ(floor_bytes(*level, 1), expected);
}

TEST(TriggerBlock, CopyAndPasteMakeTwoSectorsShareOneChain) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    ASSERT_EQ(compiler.scp_compile_text("Start_Trigger(1,2,2)\n"
                                        "Do_with_Activate(0,0,0)\nItem(1)\nEnd()\n"
                                        "End_Trigger()\n"
                                        "Copy_Trigger(1,2,2)\n"
                                        "Paste_Trigger(2,5,5)\n",
                                        *level),
              0);
    EXPECT_EQ(compiler.scp_copied_fd_index(), 1);
    EXPECT_EQ(sector(*level, 2, 5, 5).fd_index, 1);
    EXPECT_EQ(level->num_floor_data, 4);
}

TEST(TriggerBlock, CopiedIndexOutlivesTheRunButIsRefusedWhereItPointsPastTheFloorData) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    ASSERT_EQ(compiler.scp_compile_text("Kill_Lara(1,1,1)\nCopy_Trigger(1,1,1)\n", *level), 0);
    ASSERT_EQ(compiler.scp_compile_text("Paste_Trigger(1,3,3)\n", *level), 0);
    EXPECT_EQ(sector(*level, 1, 3, 3).fd_index, 1);

    auto other = script_level(kTR4);
    EXPECT_EQ(compiler.scp_compile_text("\nPaste_Trigger(1,3,3)\n", *other), -1);
    EXPECT_EQ(compiler.scp_error(), "No copied trigger in this level:->Paste_Trigger(1,3,3)");
    EXPECT_EQ(compiler.scp_line_number(), 2);
    EXPECT_EQ(sector(*other, 1, 3, 3).fd_index, 0);
}

TEST(TriggerBlock, UnfinishedOrEmptyBlocksLeaveTheLevelAlone) {
    for (const char* script :
         {"Start_Trigger(1,1,1)\nEnd_Trigger()\n",
          "Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nItem(1)\nEnd()\n",
          "Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nItem(1)\n", "Start_Trigger(1,1,1)\n"}) {
        SCOPED_TRACE(script);
        auto level = script_level(kTR4);
        ScriptCompiler compiler;
        EXPECT_EQ(compiler.scp_compile_text(script, *level), 0);
        EXPECT_EQ(level->num_floor_data, 1);
        EXPECT_EQ(sector(*level, 1, 1, 1).fd_index, 0);
    }
}

TEST(TriggerBlock, ABlockOverTheBufferIsRefusedAtTheLineThatOverflows) {
    std::string script = "Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\n";
    for (int i = 0; i < 126; ++i)  // 4 bytes of header and 126 actions fill 256 bytes
        script += "Item(1)\n";
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    EXPECT_EQ(compiler.scp_compile_text(script + "End()\nEnd_Trigger()\n", *level), 0);
    EXPECT_EQ(level->num_floor_data, 1 + 128);

    auto fresh = script_level(kTR4);
    EXPECT_EQ(
        compiler.scp_compile_text(script + "Switch_camera(1)\nEnd()\nEnd_Trigger()\n", *fresh), -1);
    EXPECT_EQ(compiler.scp_error(), "Trigger too long:->Switch_camera(1)");
    EXPECT_EQ(compiler.scp_line_number(), 129);
    EXPECT_EQ(fresh->num_floor_data, 1);
}

}  // namespace
}  // namespace rw
