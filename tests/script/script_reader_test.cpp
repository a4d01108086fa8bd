#include "script/script_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levelfile/errors.h"
#include "temp_dir.h"

namespace rw {
namespace {

struct ParseCase {
    const char* line;
    const char* name;
    std::vector<int32_t> args;
    ParseFault fault = ParseFault::kNone;
};

std::vector<int32_t> parsed_args(const ScriptReader& reader) {
    return {reader.scp_args.begin() + 1, reader.scp_args.begin() + 1 + reader.scp_arg_count};
}

TEST(ScriptParseLine, SplitsNameAndArgumentsByTheLineRules) {
    const ParseCase cases[] = {
        {"  put_item ( 1 , 2 , 3 )  ; note", "PUT_ITEM", {1, 2, 3}},
        {"End()", "END", {}},
        {"Item(5)", "ITEM", {5}},
        {"Item(1,2,)", "ITEM", {1, 2}},
        {"exit()", "EXIT", {}},
        {"Item(-7,+3)", "ITEM", {-7, 3}},
        {"Item(2147483647,-2147483648)", "ITEM", {2147483647, -2147483647 - 1}},
        {"Item(1)  text after the parenthesis", "ITEM", {1}},
        {"Item(1)  ; a comment, with commas", "ITEM", {1}},
        {"Start_Trigger", "", {}},
        {"Item 5", "", {}},
        {"Item(5", "", {}},
        {"Item(1,2", "", {}},
        // The comment cut keeps its ';', so a comment before ')' leaves no ')'.
        {"Item(1;2)", "", {}},
        {"Item(a)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(1,,2)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(,)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(2147483648)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(-2147483649)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(1.5)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(0x10)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(+)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(+-5)", "ITEM", {}, ParseFault::kBadArgument},  // one sign at most
        {"Item(-+5)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(++5)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(--5)", "ITEM", {}, ParseFault::kBadArgument},
        {"Item(\t5)", "ITEM", {}, ParseFault::kBadArgument},   // tabs are not blanks here
        {"Item(1,2),", "ITEM", {}, ParseFault::kBadArgument},  // commas after ')' still split
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.line);
        ScriptReader reader;
        EXPECT_EQ(reader.scp_parse_line(c.line), c.name);
        EXPECT_EQ(parsed_args(reader), c.args);
        EXPECT_EQ(reader.scp_parse_fault, c.fault);
    }
}

std::string argument_list(int count) {
    std::string line = "Item(";
    for (int i = 1; i <= count; ++i)
        line += std::to_string(i) + (i < count ? "," : ")");
    return line;
}

TEST(ScriptParseLine, TakesAHundredArgumentsAndRefusesMore) {
    ScriptReader reader;
    EXPECT_EQ(reader.scp_parse_line(argument_list(100)), "ITEM");
    EXPECT_EQ(reader.scp_arg_count, 100);
    EXPECT_EQ(reader.scp_args[100], 100);
    EXPECT_EQ(reader.scp_parse_fault, ParseFault::kNone);

    reader.scp_parse_line(argument_list(101));
    EXPECT_EQ(reader.scp_parse_fault, ParseFault::kTooManyArguments);
    EXPECT_EQ(reader.scp_arg_count, 0);
}

TEST(ScriptParseLine, ANewLineForgetsTheFaultAndCountOfTheLastOne) {
    ScriptReader reader;
    reader.scp_parse_line("Item(1,2,3)");
    reader.scp_parse_line("Item(x)");
    EXPECT_EQ(reader.scp_arg_count, 0);
    reader.scp_parse_line("End()");
    EXPECT_EQ(reader.scp_parse_fault, ParseFault::kNone);
    EXPECT_EQ(reader.scp_arg_count, 0);
}

struct Read {
    int32_t number;
    std::string text;
};

std::vector<Read> read_all(ScriptReader& reader) {
    std::vector<Read> lines;
    std::string text;
    while (reader.scp_read_line(text) >= 0)
        lines.push_back({reader.scp_line_number, text});
    return lines;
}

bool operator==(const Read& a, const Read& b) {
    return a.number == b.number && a.text == b.text;
}

TEST(ScriptReadLine, SkipsBlankAndCommentLinesButCountsThem) {
    ScriptReader reader;
    reader.scp_open_text("; one\n;two\n   ; three\n\nPut_Item(1)\n\t End() \t\n");
    std::string text;
    EXPECT_EQ(reader.scp_read_line(text), 5);
    EXPECT_EQ(text, "Put_Item(1)");
    EXPECT_EQ(reader.scp_read_line(text), 6);
    EXPECT_EQ(text, "End()");
    EXPECT_EQ(reader.scp_read_line(text), -1);
    EXPECT_EQ(text, "");
    EXPECT_EQ(reader.scp_read_line(text), -1);  // stays at the end
    EXPECT_EQ(reader.scp_line_number, -1);
}

TEST(ScriptReadLine, CountsEachKindOfLineEnding) {
    ScriptReader reader;
    reader.scp_open_text("A()\r\nB()\rC()\n\r\nD()");
    EXPECT_EQ(read_all(reader),
              (std::vector<Read>{{1, "A()"}, {2, "B()"}, {3, "C()"}, {5, "D()"}}));
}

TEST(ScriptReadLine, AScriptOfOnlyBlanksAndCommentsEndsAtOnce) {
    for (const char* script : {"", "\n\n", "; a\n  ;b\n\t\n", ";"}) {
        SCOPED_TRACE(script);
        ScriptReader reader;
        reader.scp_open_text(script);
        std::string text = "stale";
        EXPECT_EQ(reader.scp_read_line(text), -1);
        EXPECT_EQ(text, "");
    }
}

TEST(ScriptOpenFile, ReportsAMissingFileAndOpensAnExistingOneAtLineZero) {
    test::TempDir dir;
    ScriptReader reader;
    EXPECT_TRUE(reader.scp_open_file(dir.path("missing.scp")));

    test::write_file(dir.path("a.scp"), {'E', 'n', 'd', '(', ')', '\n'});
    reader.scp_open_text("X()\n");
    std::string text;
    reader.scp_read_line(text);
    EXPECT_FALSE(reader.scp_open_file(dir.path("a.scp")));
    EXPECT_EQ(reader.scp_line_number, 0);
    EXPECT_EQ(reader.scp_read_line(text), 1);
    EXPECT_EQ(text, "End()");
}

TEST(ScriptOpenFile, ThrowsForAFolderInsteadOfReadingNothing) {
    test::TempDir dir;
    ScriptReader reader;
    EXPECT_THROW(reader.scp_open_file(dir.root().string()), FileError);
}

}  // namespace
}  // namespace rw
