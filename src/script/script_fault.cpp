#include "script/script_fault.h"

namespace rw {

std::string_view fault_message(ScriptFault fault) {
    switch (fault) {
        case ScriptFault::kNone:
            return "";
        case ScriptFault::kInvalidCommand:
            return "Invalid Command:->";
        case ScriptFault::kMissingStartTrigger:
            return "Missing Start_trigger commando:->";
        case ScriptFault::kMissingEnd:
            return "Missing End() command:->";
        case ScriptFault::kNotEnoughParameters:
            return "Not enough parameters:->";
        case ScriptFault::kInvalidParameter:
            return "Invalid parameter:->";
        case ScriptFault::kTooManyParameters:
            return "Too many parameters:->";
        case ScriptFault::kRoomOutOfRange:
            return "Room out of range:->";
        case ScriptFault::kSectorOutOfRange:
            return "Sector out of range:->";
        case ScriptFault::kTriggerTooLong:
            return "Trigger too long:->";
        case ScriptFault::kTooManyStaticMeshes:
            return "Too many static meshes in the room:->";
        case ScriptFault::kTooManyLights:
            return "Too many lights in the room:->";
        case ScriptFault::kTooManyItems:
            return "Too many items:->";
        case ScriptFault::kFloorDataFull:
            return "Floor data full:->";
        case ScriptFault::kNoCopiedTrigger:
            return "No copied trigger in this level:->";
    }
    return "";
}

// "Not enough parameters" has always been reported without the line; callers show the line
// number beside it.
bool fault_names_line(ScriptFault fault) {
    return fault != ScriptFault::kNone && fault != ScriptFault::kNotEnoughParameters;
}

}  // namespace rw
