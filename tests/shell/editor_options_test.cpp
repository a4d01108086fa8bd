#include "shell/editor_options.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(EditorOptions, ReadTheProjectTheBaseLevelAndTheRooms) {
    std::string error;
    const auto o = parse_editor_options(
        {"roomyard", "level.rmw", "--base", "/x/LEVEL1.PHD", "--room", "3", "--neighbour", "2"},
        error);
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(o->project_path, "level.rmw");
    EXPECT_EQ(o->base_level, "/x/LEVEL1.PHD");
    EXPECT_EQ(o->room, 3);
    EXPECT_EQ(o->neighbour, 2);

    const auto empty = parse_editor_options({"roomyard"}, error);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->project_path.empty());
}

TEST(EditorOptions, RefuseWhatMakesNoSense) {
    const std::vector<std::vector<std::string>> cases = {
        {"roomyard", "--base"},         {"roomyard", "--room", "two"}, {"roomyard", "--room", "-1"},
        {"roomyard", "a.rmw", "b.rmw"}, {"roomyard", "--frobnicate"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        std::string error;
        EXPECT_FALSE(parse_editor_options(args, error).has_value());
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace rw
