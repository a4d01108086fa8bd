#pragma once
// The console compiler: loads a level, compiles a script into it and writes the result under a
// new name; with a level file alone it counts the level's items and cameras.

#include <iosfwd>
#include <string>
#include <vector>

namespace rw {

enum CuecompExit : int {
    kCuecompOk = 0,
    kCuecompFailed = 1,  // a file was missing or unreadable, the script had an error, or
                         // the new level could not be written
    kCuecompUsage = 2,
};

// Runs the program on its positional arguments (without the program name). The messages go
// to `out`; causes of failures that the messages do not name go to `err`.
int run_cuecomp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rw
