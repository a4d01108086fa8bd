// The console compiler end to end on the bundled sample levels and script.
#include "cuecomp/cuecomp_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "levelfile/level_file.h"
#include "temp_dir.h"

namespace rw {
namespace {

const std::string kSamples = RW_SAMPLES_DIR;
const std::string kBanner =
    "VO Viradudir Aridezuv. Version 2.03, Compile a SCP file to a TR level.\n\n";
const std::string kUsage =
    "Sintax: Cuecomp EmptyLevel Scriptfile Newlevel\n"
    "\n"
    "Example: Cuecomp empty.phd level2.scp level2.phd\n"
    "\n"
    "Type: Cuecomp LevelFile\n"
    "for find out how much Items & Cameras the level has.\n";

struct Outcome {
    int exit_code;
    std::string out, err;
};

Outcome cuecomp(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = run_cuecomp(args, out, err);
    return {code, out.str(), err.str()};
}

std::string sample_level(const std::string& file) {
    return kSamples + "/" + file;
}

void write_text(const std::string& path, const std::string& text) {
    test::write_file(path, {text.begin(), text.end()});
}

// One sample level per game version. Tests where the version does not matter use the TR1
// level, the quickest to write.
const char* const kSampleLevels[] = {"sample.phd",     "sample.tub", "sample.tr2", "sample.trg",
                                     "sample_tr3.tr2", "sample.tr4", "sample.trc"};

TEST(Cuecomp, PrintsTheUsageForNoArgumentsOrTwoAndWritesNothing) {
    test::TempDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {sample_level("sample.tr4"), kSamples + "/sample.scp"}}) {
        SCOPED_TRACE(args.size());
        const Outcome run = cuecomp(args);
        EXPECT_EQ(run.exit_code, kCuecompUsage);
        EXPECT_EQ(run.out, kBanner + kUsage);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.root()));
}

TEST(Cuecomp, CountsTheItemsAndCamerasOfALevelGivenAlone) {
    for (const char* file : kSampleLevels) {
        SCOPED_TRACE(file);
        const Outcome run = cuecomp({sample_level(file)});
        EXPECT_EQ(run.exit_code, kCuecompOk);
        EXPECT_EQ(run.out, kBanner +
                               "Opening the file...\n"
                               "Items used in this level:1\n"
                               "Cameras used in this level:0\n");
    }
}

TEST(Cuecomp, ReportsAMissingLevelOrScriptAndWritesNothing) {
    test::TempDir dir;
    const std::string missing = dir.path("missing.tr4");
    const std::string out_level = dir.path("out.tr4");
    Outcome run = cuecomp({missing});
    EXPECT_EQ(run.exit_code, kCuecompFailed);
    EXPECT_EQ(run.out, kBanner + "File " + missing + " Not Found!.\n");

    run = cuecomp({missing, kSamples + "/sample.scp", out_level});
    EXPECT_EQ(run.exit_code, kCuecompFailed);
    EXPECT_EQ(run.out, kBanner + "File " + missing + " Not Found!.\n");

    const std::string no_script = dir.path("none.scp");
    run = cuecomp({sample_level("sample.tr4"), no_script, out_level});
    EXPECT_EQ(run.exit_code, kCuecompFailed);
    EXPECT_EQ(run.out, kBanner + "Opening the file...\nFile " + no_script + " Not Found!.\n");
    EXPECT_FALSE(std::filesystem::exists(out_level));
}

TEST(Cuecomp, RefusesALevelItCannotRead) {
    test::TempDir dir;
    const std::string garbage = dir.path("garbage.tr4");
    write_text(garbage, "this is no level at all");
    const Outcome run = cuecomp({garbage});
    EXPECT_EQ(run.exit_code, kCuecompFailed);
    EXPECT_EQ(run.out, kBanner + "Opening the file...\nError Opening the Level file!.\n\n");
    EXPECT_EQ(run.err, garbage + ": " + kLoadUnknownVersionMessage + "\n");
}

TEST(Cuecomp, RefusesALevelWhoseCompressedDataIsDamaged) {
    test::TempDir dir;
    std::vector<uint8_t> bytes = test::read_file(sample_level("sample.tr4"));
    // The 32-bit tile chunk's deflated bytes start after the version word, three tile counts
    // and the chunk's two lengths.
    constexpr size_t kFirstChunk = 4 + 3 * 2 + 4 + 4;
    ASSERT_GT(bytes.size(), kFirstChunk + 64);
    std::fill_n(bytes.begin() + kFirstChunk + 2, 64, uint8_t{0x55});
    const std::string damaged = dir.path("damaged.tr4");
    test::write_file(damaged, bytes);
    const Outcome run = cuecomp({damaged});
    EXPECT_EQ(run.exit_code, kCuecompFailed);
    EXPECT_EQ(run.out, kBanner + "Opening the file...\nError Opening the Level file!.\n\n");
    // The cause names the file once.
    EXPECT_EQ(run.err.find(damaged), 0u);
    EXPECT_EQ(run.err.find(damaged, 1), std::string::npos);
}

TEST(Cuecomp, ReportsAScriptErrorWithItsLineAndWritesNothing) {
    test::TempDir dir;
    const std::string script = dir.path("bad.scp");
    write_text(script,
               "; a script whose seventh line is wrong\n"
               "\n"
               "Add_Camera(1,2,2,0)\n"
               "Start_Trigger(1,3,3)\n"
               "Do_with_Activate(0,0,0)\n"
               "; the list is not closed\n"
               "Add_Camera(1,2,2,0)\n");
    const std::string out_level = dir.path("out.phd");
    const Outcome run = cuecomp({sample_level("sample.phd"), script, out_level});
    EXPECT_EQ(run.exit_code, kCuecompFailed);
    EXPECT_EQ(run.out, kBanner +
                           "Opening the file...\n"
                           "Compiling the Commands scripts...\n"
                           "Error at line 7\n"
                           "Missing End() command:->Add_Camera(1,2,2,0)\n");
    EXPECT_FALSE(std::filesystem::exists(out_level));
}

TEST(Cuecomp, WritesTheLevelUnchangedForAnEmptyScript) {
    test::TempDir dir;
    for (const char* text : {"", "; only a comment\n\n"}) {
        SCOPED_TRACE(text);
        const std::string script = dir.path("empty.scp");
        write_text(script, text);
        const std::string out_level = dir.path("out.phd");
        const Outcome run = cuecomp({sample_level("sample.phd"), script, out_level});
        EXPECT_EQ(run.exit_code, kCuecompOk);
        EXPECT_EQ(run.out, kBanner +
                               "Opening the file...\n"
                               "Compiling the Commands scripts...\n"
                               "Done.\n");
        // The same bytes as the sample level read and written again without a script.
        Ttrlevel level;
        ASSERT_EQ(load_level(level, sample_level("sample.phd")), kLoadOk);
        const std::string plain = dir.path("plain.phd");
        ASSERT_EQ(save_level(level, plain), kSaveOk);
        EXPECT_EQ(test::read_file(out_level), test::read_file(plain));
    }
}

TEST(Cuecomp, CompilesTheSampleScriptIntoEverySampleLevel) {
    test::TempDir dir;
    for (const char* file : kSampleLevels) {
        SCOPED_TRACE(file);
        // The output keeps the sample's name, which tells the writer the game version.
        const std::string out_level = dir.path(file);
        // Arguments after the third are ignored.
        Outcome run = cuecomp({sample_level(file), kSamples + "/sample.scp", out_level, "extra"});
        EXPECT_EQ(run.exit_code, kCuecompOk) << run.out;
        EXPECT_EQ(run.out, kBanner +
                               "Opening the file...\n"
                               "Compiling the Commands scripts...\n"
                               "Done.\n");
        run = cuecomp({out_level});
        EXPECT_EQ(run.out, kBanner +
                               "Opening the file...\n"
                               "Items used in this level:6\n"
                               "Cameras used in this level:3\n");
    }
}

TEST(Cuecomp, SampleScriptAddsItsTriggerBehindTheHallDoorwaysPortal) {
    test::TempDir dir;
    const std::string out_level = dir.path("compiled.phd");
    ASSERT_EQ(cuecomp({sample_level("sample.phd"), kSamples + "/sample.scp", out_level}).exit_code,
              kCuecompOk);
    Ttrlevel before, after;
    ASSERT_EQ(load_level(before, sample_level("sample.phd")), kLoadOk);
    ASSERT_EQ(load_level(after, out_level), kLoadOk);
    const tr_sector* old_doorway = before.rooms[0].sector_at(6, 3);
    const tr_sector* doorway = after.rooms[0].sector_at(6, 3);
    ASSERT_NE(old_doorway->fd_index, 0);
    const uint16_t portal = before.floor_data[old_doorway->fd_index];
    ASSERT_EQ(portal, 0x8001);  // a portal entry that ended the chain
    const uint16_t portal_room = before.floor_data[old_doorway->fd_index + 1u];
    const std::vector<uint16_t> expected = {0x0001, portal_room, 0x8104, 0x1F00, 0x0003, 0x8004};
    ASSERT_LE(doorway->fd_index + expected.size(), after.floor_data.size());
    EXPECT_EQ(std::vector<uint16_t>(after.floor_data.begin() + doorway->fd_index,
                                    after.floor_data.begin() + doorway->fd_index + 6),
              expected);
}

TEST(Cuecomp, ReportsALevelThatCannotBeWritten) {
    test::TempDir dir;
    const std::string script = dir.path("empty.scp");
    write_text(script, "");
    const std::string out_level = dir.path("no-such-folder/out.phd");
    const Outcome run = cuecomp({sample_level("sample.phd"), script, out_level});
    EXPECT_EQ(run.exit_code, kCuecompFailed);
    // Nothing beyond the cause, on the error stream.
    EXPECT_EQ(run.out, kBanner +
                           "Opening the file...\n"
                           "Compiling the Commands scripts...\n");
    EXPECT_EQ(run.err.find(out_level), 0u);
    EXPECT_EQ(run.err.find(out_level, 1), std::string::npos);
}

}  // namespace
}  // namespace rw
