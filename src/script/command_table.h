#pragma once
// The script vocabulary: top-level commands, trigger types and actions, in a fixed order with
// free slots between the groups.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rw {

enum CommandGroup : int32_t {
    kGroupFree = -1,
    kGroupTopLevel = 0,
    kGroupTriggerType = 1,
    kGroupAction = 2,
};

struct Tscp_tabla {
    std::string name;  // as written in scripts, compared without regard to case; empty = free
    int32_t code;      // the command's number within its group
    int32_t group;     // CommandGroup
};
using Tscp_command_table = std::vector<Tscp_tabla>;

enum TopLevelCode : int32_t {
    kStartTrigger = 1,
    kCopyTrigger,
    kPasteTrigger,
    kPutItem,
    kKillLara,
    kAddCamera,
    kPutAlternate,
    kPutStaticMesh,
    kPutSpotLight,
    kPutRgbLight,
    kClimbWall,
    kMonkeySwing,
    kExit,
    kAddSink,
};

enum TriggerTypeCode : int32_t {
    kDoWithActivate = 1,
    kDoWithDeactivate,
    kIfLaraOnGroundDoWithActivate,
    kIfLaraOnGroundDoWithDeactivate,
    kTrapDoor,
    kIfKeyLockIsOnDoWithActivate,
    kIfSwitchIsOnDoWithActivate,
    kIfItemIsPickedUpDoWithActivate,
    kIfItemAtSectorDoWithActivate,
    kEndTrigger,
    kIfLaraInCombatDoWithActivate,
};

enum ActionCode : int32_t {
    kActionItem = 1,
    kActionSwitchCamera,
    kActionUnderwaterFlow,
    kActionAlternateOn,
    kActionAlternateRoom,
    kActionAlternateOff,
    kActionLookAtItem,
    kActionEndLevel,
    kActionPlaySoundTrack,
    kActionEffects,
    kActionFoundSecret,
    kActionEnd,
    kActionPlayCutscene,
};

// The 45 entries: 0-13 top-level commands, 14-15 free, 16-26 trigger types, 27-31 free,
// 32-44 actions. Built once, never changed.
const Tscp_command_table& scp_command_table();

// Index (from 0) of the first entry whose name equals `name` without regard to case, or -1.
int32_t scp_find_command(std::string_view name, const Tscp_command_table& table);

}  // namespace rw
