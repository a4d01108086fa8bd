#pragma once
// Why a script line was refused, and the message the compiler reports for it.

#include <string_view>

namespace rw {

enum class ScriptFault {
    kNone,
    kInvalidCommand,
    kMissingStartTrigger,
    kMissingEnd,
    kNotEnoughParameters,
    kInvalidParameter,
    kTooManyParameters,
    kRoomOutOfRange,
    kSectorOutOfRange,
    kTriggerTooLong,
    kTooManyStaticMeshes,
    kTooManyLights,
    kTooManyItems,
    kFloorDataFull,
    kNoCopiedTrigger,
};

// The message for a fault; the compiler follows it with the offending line where
// fault_names_line says so.
std::string_view fault_message(ScriptFault fault);
bool fault_names_line(ScriptFault fault);

}  // namespace rw
