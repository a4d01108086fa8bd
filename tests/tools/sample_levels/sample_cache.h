#pragma once
// Each game version's sample level, filled once per test run.

#include <array>
#include <memory>

#include "sample_levels.h"

namespace rw::samples::test {

inline constexpr int32_t kAllVersions[] = {kTR1, kTUB, kTR2, kTRG, kTR3, kTR4, kTR5};

inline const Ttrlevel& sample_level(int32_t game_version) {
    static std::array<std::unique_ptr<Ttrlevel>, 8> cache;
    auto& slot = cache.at(static_cast<size_t>(game_version));
    if (!slot) {
        slot = std::make_unique<Ttrlevel>();
        fill_sample_level(*slot, game_version);
    }
    return *slot;
}

}  // namespace rw::samples::test
