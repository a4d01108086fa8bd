#pragma once
// The sample project once per game version: each names the sample base level of its version,
// so that every version's build is tried on the same rooms.

#include <array>
#include <cstdint>
#include <string_view>

namespace rw::samples {

struct SampleBuild {
    std::string_view project_file;
    std::string_view base_stem;  // the base level is <stem><extension>, the built one <stem>_out
    std::string_view extension;
    int32_t game_version;
};

inline constexpr std::array<SampleBuild, 7> kSampleBuilds = {{
    {"sample_tr1.rmw", "sample", ".phd", 1},
    {"sample_tub.rmw", "sample", ".tub", 2},
    {"sample_tr2.rmw", "sample", ".tr2", 3},
    {"sample_trg.rmw", "sample", ".trg", 4},
    {"sample_tr3.rmw", "sample_tr3", ".tr2", 5},
    {"sample_tr4.rmw", "sample", ".tr4", 6},
    {"sample_tr5.rmw", "sample", ".trc", 7},
}};

}  // namespace rw::samples
