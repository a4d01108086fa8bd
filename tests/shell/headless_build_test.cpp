#include "shell/headless_build.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "build_fixture.h"
#include "document/project_file.h"
#include "level_fixture.h"
#include "temp_dir.h"

namespace rw {
namespace {

// A TR4 base level and a project of one room naming it, in a temporary folder.
struct Project {
    Project() {
        test::fixture_level plan;
        plan.version = kTR4;
        test::write_file(dir.path("base.tr4"), test::level_file(plan));
        test::add_room(*doc, {});
        doc->base_level_path.assign(dir.path("base.tr4"));
        doc->new_level_path.assign(dir.path("out.tr4"));
    }
    std::string save() {
        WriteProjectFile(*doc, dir.path("level.rmw"));
        return dir.path("level.rmw");
    }
    int build(const std::string& path) { return build_project(path, out, err); }

    test::TempDir dir;
    std::unique_ptr<LevelDocument> doc = test::empty_document();
    std::ostringstream out, err;
};

TEST(HeadlessBuild, WritesTheLevelAndPrintsEveryLogLine) {
    Project p;
    EXPECT_EQ(p.build(p.save()), kHeadlessWritten);
    EXPECT_TRUE(std::filesystem::exists(p.dir.path("out.tr4")));
    EXPECT_EQ(p.err.str(), "");
    const std::string log = p.out.str();
    EXPECT_EQ(
        log.rfind("Building new level " + p.dir.path("out.tr4") + "\n \nOpening base Level...\n",
                  0),
        0u)
        << log;
    EXPECT_NE(log.find("\nTotal Boxes used in level------>1\n"), std::string::npos);
    const std::string ending = "\n \nwriting new level...\n***** DONE *****\n";
    EXPECT_EQ(log.substr(log.size() - ending.size()), ending);
}

TEST(HeadlessBuild, EachFailureExitsNonZeroWithItsTextOnStandardError) {
    struct Case {
        const char* name;
        void (*spoil)(Project&);
        std::string expected_err;  // a part of it
    };
    const Case cases[] = {
        {"missing base level",
         [](Project& p) { p.doc->base_level_path.assign(p.dir.path("none.tr4")); }, " not found\n"},
        {"no new level named", [](Project& p) { p.doc->new_level_path.assign("  "); },
         "The project names no new level\n"},
        {"no base level named", [](Project& p) { p.doc->base_level_path.assign(""); },
         "The project names no base level\n"},
        {"no rooms", [](Project& p) { p.doc->room_count = 0; },
         "There is not any room to build in the level\n"},
        {"missing script", [](Project& p) { p.doc->script_path.assign(p.dir.path("none.scp")); },
         "Scripting program file "},
        {"new level in a missing folder",
         [](Project& p) { p.doc->new_level_path.assign(p.dir.path("none/out.tr4")); },
         "none/out.tr4"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        Project p;
        tc.spoil(p);
        EXPECT_EQ(p.build(p.save()), kHeadlessNotWritten);
        EXPECT_NE(p.err.str().find(tc.expected_err), std::string::npos) << p.err.str();
        EXPECT_FALSE(std::filesystem::exists(p.dir.path("out.tr4")));
    }
}

TEST(HeadlessBuild, AMissingOrRefusedProjectFileExitsNonZero) {
    Project p;
    EXPECT_EQ(p.build(p.dir.path("none.rmw")), kHeadlessNotWritten);
    EXPECT_NE(p.err.str().find(p.dir.path("none.rmw")), std::string::npos);

    Project q;
    test::write_file(q.dir.path("bad.rmw"), std::vector<uint8_t>(40, 7));
    EXPECT_EQ(q.build(q.dir.path("bad.rmw")), kHeadlessNotWritten);
    EXPECT_NE(q.err.str().find("invalid Roomwright file format"), std::string::npos);
}

TEST(HeadlessBuild, RelativePathsAreTakenFromTheWorkingFolder) {
    Project p;
    p.doc->base_level_path.assign("base.tr4");
    p.doc->new_level_path.assign("out.tr4");
    const std::string project = p.save();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(p.dir.root());
    const int result = p.build(project);
    std::filesystem::current_path(previous);
    EXPECT_EQ(result, kHeadlessWritten) << p.err.str();
    EXPECT_TRUE(std::filesystem::exists(p.dir.path("out.tr4")));
}

TEST(HeadlessBuild, OnlyTheBuildOptionWithOneProjectIsAccepted) {
    EXPECT_TRUE(wants_headless_build({"roomyard", "--build"}));
    EXPECT_FALSE(wants_headless_build({"roomyard"}));
    EXPECT_FALSE(wants_headless_build({"roomyard", "level.rmw"}));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"roomyard", "--build"},
          std::vector<std::string>{"roomyard", "--build", "a.rmw", "b.rmw"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(run_headless_build(args, out, err), kHeadlessUsage);
        EXPECT_EQ(err.str(), std::string(kHeadlessUsageText) + "\n");
    }
}

}  // namespace
}  // namespace rw
