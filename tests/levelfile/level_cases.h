#pragma once
// The seven game versions with a file name of each, shared by the level file tests.

#include <cstdint>
#include <string>
#include <vector>

#include "levelfile/game_version.h"

namespace rw::test {

struct version_case {
    int32_t version;
    const char* file_name;
};

inline const version_case kVersionCases[] = {
    {kTR1, "level.phd"}, {kTUB, "level.tub"}, {kTR2, "level.tr2"}, {kTRG, "level.trg"},
    {kTR3, "level.tr2"}, {kTR4, "level.tr4"}, {kTR5, "level.trc"},
};

inline std::string version_label(int32_t v) {
    static const char* const labels[] = {"", "tr1", "tub", "tr2", "trg", "tr3", "tr4", "tr5"};
    return labels[v];
}

}  // namespace rw::test
