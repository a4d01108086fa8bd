#pragma once
// Runs rwinfo in-process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "rwinfo.h"

namespace rw::test {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = info::run_rwinfo(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace rw::test
