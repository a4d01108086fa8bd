// The compile driver: which lines it refuses with which message and line number, and what a
// run leaves behind.
#include "script/script_compiler.h"

#include <gtest/gtest.h>

#include <string>

#include "level_fixture.h"
#include "levelfile/errors.h"
#include "temp_dir.h"

namespace rw {
namespace {

using test::script_level;

struct ErrorCase {
    const char* script;
    const char* error;
    int32_t line;
};

TEST(ScriptCompile, RefusesTheFirstBadLineWithItsMessageAndPhysicalLineNumber) {
    const ErrorCase cases[] = {
        {"; header\n\nPut_Itme(1,1,1,0,1,0,0)\n", "Invalid Command:->Put_Itme(1,1,1,0,1,0,0)", 3},
        {"Kill_Lara(1,1,1)\nKill_Lara 1\n", "Invalid Command:->Kill_Lara 1", 2},
        {"Item(5)\n", "Missing Start_trigger commando:->Item(5)", 1},
        {"\tEnd_Trigger()  ; stray\n", "Missing Start_trigger commando:->End_Trigger()  ; stray",
         1},
        {"Start_Trigger(1,1,1)\nKill_Lara(1,1,1)\n", "Missing End() command:->Kill_Lara(1,1,1)", 2},
        {"Start_Trigger(1,1,1)\nItem(1)\n", "Missing End() command:->Item(1)", 2},
        {"Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nTrapDoor(0,0,0)\n",
         "Missing End() command:->TrapDoor(0,0,0)", 3},
        {"Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nexit()\n",
         "Missing End() command:->exit()", 3},
        {"Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nFoo()\n", "Invalid Command:->Foo()", 3},
        {"Start_Trigger(1,1,1)\nBar(2)\n", "Invalid Command:->Bar(2)", 2},
        {"Put_Item(1,1,1,0,1,0)\n", "Not enough parameters:->", 1},
        {"Start_Trigger(1,1)\n", "Not enough parameters:->", 1},
        {"Start_Trigger(1,1,1)\nDo_with_Activate(0,0)\n", "Not enough parameters:->", 2},
        {"Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nItem()\n", "Not enough parameters:->", 3},
        {"\n\nPut_Item(1,a,1,0,1,0,0)\n", "Invalid parameter:->Put_Item(1,a,1,0,1,0,0)", 3},
        {"Kill_Lara(1,,1)\n", "Invalid parameter:->Kill_Lara(1,,1)", 1},
        {"Kill_Lara(1,1,99999999999)\n", "Invalid parameter:->Kill_Lara(1,1,99999999999)", 1},
        {"Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nItem(x)\n", "Invalid parameter:->Item(x)",
         3},
        {"Kill_Lara(3,1,1)\n", "Room out of range:->Kill_Lara(3,1,1)", 1},
        {"Start_Trigger(0,1,1)\n", "Room out of range:->Start_Trigger(0,1,1)", 1},
        {"Start_Trigger(1,6,1)\n", "Sector out of range:->Start_Trigger(1,6,1)", 1},
        {"Copy_Trigger(1,1,0)\n", "Sector out of range:->Copy_Trigger(1,1,0)", 1},
        {"Paste_Trigger(2,-1,1)\n", "Sector out of range:->Paste_Trigger(2,-1,1)", 1},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.script);
        auto level = script_level(kTR4);
        ScriptCompiler compiler;
        EXPECT_EQ(compiler.scp_compile_text(c.script, *level), -1);
        EXPECT_EQ(compiler.scp_error(), c.error);
        EXPECT_EQ(compiler.scp_line_number(), c.line);
    }
}

TEST(ScriptCompile, RefusesALineOfMoreThanAHundredArguments) {
    std::string line = "Kill_Lara(1,1,1";
    for (int i = 0; i < 98; ++i)
        line += ",0";
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    EXPECT_EQ(compiler.scp_compile_text(line + ")\n", *level), -1);
    EXPECT_EQ(compiler.scp_error(), "Too many parameters:->" + line + ")");
    EXPECT_EQ(compiler.scp_compile_text(line.substr(0, line.size() - 2) + ")\n", *level), 0);
}

TEST(ScriptCompile, KeepsWhatLinesBeforeAnErrorChanged) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    EXPECT_EQ(compiler.scp_compile_text("Add_Camera(1,1,1,0)\nAdd_Camera(1,1,1)\n", *level), -1);
    EXPECT_EQ(level->num_cameras, 1);
}

TEST(ScriptCompile, ExitEndsTheRunAndLeavesLaterLinesUnread) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    EXPECT_EQ(compiler.scp_compile_text("Add_Camera(1,1,1,0)\nEXIT()\nAdd_Camera(1,1,1,0)\nFoo\n",
                                        *level),
              0);
    EXPECT_EQ(level->num_cameras, 1);
    EXPECT_EQ(compiler.scp_line_number(), 2);
}

TEST(ScriptCompile, AScriptOfOnlyCommentsChangesNothing) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    EXPECT_EQ(compiler.scp_compile_text("; nothing\n\n   ; at all\n", *level), 0);
    EXPECT_EQ(compiler.scp_line_number(), -1);
    EXPECT_EQ(level->num_floor_data, 1);
    EXPECT_EQ(level->num_items, 0);
    EXPECT_EQ(level->num_cameras, 0);
}

TEST(ScriptCompile, RunsOfOneCompilerDoNotInterfere) {
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    ASSERT_EQ(compiler.scp_compile_text("Start_Trigger(1,1,1)\nDo_with_Activate(0,0,0)\nItem(1)\n",
                                        *level),
              0);
    ASSERT_EQ(compiler.scp_compile_text("\n\nFoo()\n", *level), -1);
    EXPECT_EQ(compiler.scp_line_number(), 3);
    // A fresh run starts at line 1 at top level with no error left over.
    EXPECT_EQ(compiler.scp_compile_text("Kill_Lara(1,1,1)\n", *level), 0);
    EXPECT_EQ(compiler.scp_error(), "");
    EXPECT_EQ(level->num_floor_data, 2);
}

TEST(ScriptCompile, TwoCompilersKeepTheirOwnState) {
    auto level = script_level(kTR4);
    ScriptCompiler first, second;
    ASSERT_EQ(first.scp_compile_text("Kill_Lara(1,2,2)\nCopy_Trigger(1,2,2)\nFoo()\n", *level), -1);
    ASSERT_EQ(second.scp_compile_text("Kill_Lara(1,1,1)\n", *level), 0);
    EXPECT_EQ(first.scp_error(), "Invalid Command:->Foo()");
    EXPECT_EQ(first.scp_line_number(), 3);
    EXPECT_EQ(first.scp_copied_fd_index(), 1);
    EXPECT_EQ(second.scp_copied_fd_index(), 0);
}

TEST(ScriptCompile, CompilesAScriptFileAndThrowsWhenItIsGone) {
    test::TempDir dir;
    const std::string path = dir.path("level.scp");
    const std::string text = "Kill_Lara(1,1,1)\r\n";
    test::write_file(path, {text.begin(), text.end()});
    auto level = script_level(kTR4);
    ScriptCompiler compiler;
    EXPECT_EQ(compiler.scp_compile(path, *level), 0);
    EXPECT_EQ(level->num_floor_data, 2);
    EXPECT_THROW(compiler.scp_compile(dir.path("gone.scp"), *level), FileError);
}

}  // namespace
}  // namespace rw
