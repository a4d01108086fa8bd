#pragma once
// rwinfo [--full] FILE: prints a JSON description of a Roomwright file.

#include <ostream>
#include <string>
#include <vector>

namespace rw::info {

// Exit codes of rwinfo.
inline constexpr int kPrinted = 0;
inline constexpr int kRefused = 1;  // the file's content was refused; the message is on err
inline constexpr int kUsage = 2;    // bad arguments or an unknown kind of file
inline constexpr int kFailed = 3;   // the file could not be read or inflated

// Runs rwinfo with its arguments (without the program name).
int run_rwinfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rw::info
