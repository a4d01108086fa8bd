#pragma once
// Reads a command script line by line: skips blank and comment lines while counting them, so
// a line keeps the number an editor shows, and splits a command line into an upper-case name
// and its integer arguments. Knows nothing of what the commands mean.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rw {

inline constexpr int kScriptMaxArgs = 100;

// Why a line's arguments could not be taken.
enum class ParseFault {
    kNone,
    kBadArgument,       // not a 32-bit decimal integer (letters, empty text between commas)
    kTooManyArguments,  // more than kScriptMaxArgs
};

class ScriptReader {
  public:
    // Physical number (from 1) of the last line read; 0 right after opening; -1 once the end
    // of the script is reached.
    int32_t scp_line_number = 0;
    // The arguments of the last parsed line in slots 1..100 (slot 0 is unused).
    std::array<int32_t, kScriptMaxArgs + 1> scp_args{};
    int32_t scp_arg_count = 0;
    // Set by scp_parse_line when an argument could not be stored.
    ParseFault scp_parse_fault = ParseFault::kNone;

    // Opens a script file, read whole. True when no file of that name exists (nothing is
    // opened); false once it is open. A file that exists but cannot be read throws FileError.
    bool scp_open_file(const std::string& name);
    // Opens script text held in memory.
    void scp_open_text(std::string text);

    // The next command line, trimmed, and its line number; -1 with an empty text at the end.
    int32_t scp_read_line(std::string& text);

    // The upper-case command name, or the empty name when the line has no command form; fills
    // scp_args and scp_arg_count, or sets scp_parse_fault.
    std::string scp_parse_line(std::string_view text);

  private:
    bool next_physical_line(std::string_view& line);

    std::string text_;
    size_t position_ = 0;
};

}  // namespace rw
