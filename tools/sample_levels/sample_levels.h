#pragma once
// The bundled sample base levels: one per game version, filled entirely from code. What they
// hold is listed in sample_contents.h.

#include <array>
#include <cstdint>
#include <string_view>

#include "levelfile/trlevel.h"
#include "sample_contents.h"

namespace rw::samples {

struct SampleLevelFile {
    int32_t game_version;
    std::string_view file_name;  // its extension makes the writer choose the game version
};

inline constexpr std::array<SampleLevelFile, 7> kSampleLevelFiles = {{
    {kTR1, "sample.phd"},
    {kTUB, "sample.tub"},
    {kTR2, "sample.tr2"},
    {kTRG, "sample.trg"},
    {kTR3, "sample_tr3.tr2"},
    {kTR4, "sample.tr4"},
    {kTR5, "sample.trc"},
}};

// The version word a file of this game version starts with.
uint32_t sample_version_word(int32_t game_version);

// Replaces whatever `level` held by the sample level of `game_version` (1-7), ready for
// save_level: signature, version word and game version are set. Other codes are refused with
// std::invalid_argument.
void fill_sample_level(Ttrlevel& level, int32_t game_version);

}  // namespace rw::samples
