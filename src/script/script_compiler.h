#pragma once
// Compiles a command script into a game level held in memory: items, cameras, sinks, static
// meshes, room lights, alternate rooms and floor data (triggers, death, climbable walls,
// monkey swings). One object can compile many times; only scp_copied_fd_index carries over
// from one run to the next.

#include <array>
#include <cstdint>
#include <string>

#include "levelfile/trlevel.h"
#include "script/command_table.h"
#include "script/script_fault.h"
#include "script/script_position.h"
#include "script/script_reader.h"

namespace rw {

inline constexpr int kTriggerBufferBytes = 256;

class ScriptCompiler {
  public:
    // 0 when the script compiled to its end or to an `exit` line; -1 at the first refused
    // line, with scp_error() and scp_line_number() describing it. Lines before it have already
    // changed the level. The caller checks that the file exists; a file that cannot be read
    // throws FileError.
    int32_t scp_compile(const std::string& script_file, Ttrlevel& level);
    // The same for script text held in memory.
    int32_t scp_compile_text(std::string script, Ttrlevel& level);

    const std::string& scp_error() const { return scp_error_; }
    // The line of the last error (physical, from 1), or -1 after a run that reached the end.
    int32_t scp_line_number() const { return reader_.scp_line_number; }
    uint16_t scp_copied_fd_index() const { return scp_copied_fd_index_; }

  private:
    enum class Step { kCommand, kEndOfScript, kFailed };

    int32_t compile_lines(Ttrlevel& level);
    Step next_command(const Tscp_tabla*& command);
    int32_t fail(ScriptFault fault);
    int32_t check(ScriptFault fault) { return fault == ScriptFault::kNone ? 0 : fail(fault); }
    ScriptArgs args() const;

    int32_t run_top_level(const Tscp_tabla& command, Ttrlevel& level);
    int32_t compile_trigger_block(Ttrlevel& level);
    int32_t write_trigger_type(int32_t code);
    // 1 when the action list closed with End, 0 when the script ended inside it, -1 on error.
    int32_t compile_action_list();
    int32_t write_action(int32_t code);
    bool append_word(uint16_t word);
    int32_t copy_trigger(Ttrlevel& level);
    int32_t paste_trigger(Ttrlevel& level);

    ScriptReader reader_;
    std::string line_;  // the line being compiled, as written
    std::string scp_error_;
    std::array<uint8_t, kTriggerBufferBytes> scp_trigger_buffer_{};
    int32_t scp_trigger_length_ = 0;
    uint16_t scp_copied_fd_index_ = 0;
};

}  // namespace rw
