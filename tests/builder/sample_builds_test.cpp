// The bundled sample project builds without errors into every sample base level.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "builder/build_level.h"
#include "document/project_file.h"
#include "levelfile/level_file.h"
#include "mini_json.h"
#include "recording_sinks.h"
#include "rwinfo.h"
#include "sample_builds.h"
#include "temp_dir.h"

namespace rw {
namespace {

TEST(SampleBuilds, EveryVersionsSampleProjectBuildsWithoutErrorsAndReadsBack) {
    for (const auto& build : samples::kSampleBuilds) {
        SCOPED_TRACE(std::string(build.project_file));
        auto doc = std::make_unique<LevelDocument>();
        const std::string project =
            std::string(RW_SAMPLES_DIR) + "/" + std::string(build.project_file);
        ASSERT_EQ(ReadProjectFile(*doc, project, nullptr), 0);
        EXPECT_FALSE(doc->script_path.empty());
        // The level is written to a folder of the test's own.
        test::TempDir dir;
        const std::string out_path = dir.path("built" + std::string(build.extension));
        doc->new_level_path.assign(out_path);

        auto level = std::make_unique<Ttrlevel>();
        ScriptCompiler compiler;
        test::RecordingLog log;
        test::RecordingMessages messages;
        ASSERT_TRUE(build_level(*doc, *level, "", compiler, {&log, nullptr, &messages, nullptr}));
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        EXPECT_EQ(log.lines.back(), "***** DONE *****");

        auto built = std::make_unique<Ttrlevel>();
        ASSERT_EQ(load_level(*built, out_path), kLoadOk);
        EXPECT_EQ(built->game_version, build.game_version);
        EXPECT_EQ(built->num_rooms, doc->room_count);
        // Lara, four items of the script, and for TR5 Lara's copy.
        EXPECT_EQ(built->num_items, build.game_version == kTR5 ? 6 : 5);
        EXPECT_EQ(built->num_cameras, 3);  // two cameras and a sink
        EXPECT_GT(built->num_boxes, doc->room_count);

        // rwinfo reads the same out of the file.
        std::ostringstream out, err;
        ASSERT_EQ(info::run_rwinfo({out_path}, out, err), info::kPrinted) << err.str();
        const test::Json json = test::JsonParser::parse(out.str());
        EXPECT_EQ(json["game_version"].integer(), build.game_version);
        EXPECT_EQ(json["num_rooms"].integer(), doc->room_count);
        EXPECT_EQ(json["num_items"].integer(), built->num_items);
        EXPECT_EQ(json["num_floor_data"].integer(), built->num_floor_data);
    }
}

}  // namespace
}  // namespace rw
