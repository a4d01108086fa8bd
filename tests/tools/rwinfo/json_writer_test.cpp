#include "json_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rw::info {
namespace {

TEST(JsonQuote, EscapesWhatJsonForbidsAndKeepsValidUtf8) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string quoted;
    };
    const Case cases[] = {
        {"plain text", "Hall 1", R"("Hall 1")"},
        {"quote and backslash", R"(C:\levels\"x")", R"("C:\\levels\\\"x\"")"},
        {"common controls", "a\nb\tc\rd", R"("a\nb\tc\rd")"},
        {"other controls and DEL", std::string("\x01\x1f\x7f", 3), R"("\u0001\u001f\u007f")"},
        {"zero byte", std::string("a\0b", 3), R"("a\u0000b")"},
        {"valid UTF-8", "J\xc3\xbcrgen \xe2\x82\xac", "\"J\xc3\xbcrgen \xe2\x82\xac\""},
        {"lone Latin-1 byte", "Caf\xe9", R"("Caf\u00e9")"},
        {"sequence cut short", "\xe2\x82", R"("\u00e2\u0082")"},
        {"overlong encoding", "\xc0\x80", R"("\u00c0\u0080")"},
        {"surrogate", "\xed\xa0\x80", R"("\u00ed\u00a0\u0080")"},
        {"byte 0xFF", "\xff", R"("\u00ff")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(json_quote(c.bytes), c.quoted);
    }
}

TEST(JsonWriter, IndentsNestedContainersAndKeepsInlineOnesOnOneLine) {
    std::ostringstream out;
    JsonWriter json(out);
    json.begin_object();
    json.field("name", "Hall");
    json.field("count", uint8_t{200});
    json.field("lift", int8_t{-1});
    json.field("open", true);
    json.key("cells");
    json.begin_array();
    json.begin_object(true);
    json.field("column", 1);
    json.key("list");
    json.begin_array();
    json.value(2);
    json.value(3);
    json.end_array();
    json.end_object();
    json.end_array();
    json.key("empty");
    json.begin_array();
    json.end_array();
    json.end_object();
    json.finish();
    EXPECT_EQ(out.str(),
              "{\n"
              "  \"name\": \"Hall\",\n"
              "  \"count\": 200,\n"
              "  \"lift\": -1,\n"
              "  \"open\": true,\n"
              "  \"cells\": [\n"
              "    {\"column\": 1, \"list\": [2, 3]}\n"
              "  ],\n"
              "  \"empty\": []\n"
              "}\n");
}

}  // namespace
}  // namespace rw::info
