#include "script/script_compiler.h"

#include <iterator>

#include "levelfile/errors.h"
#include "script/room_lights.h"
#include "script/script_commands.h"

namespace rw {

namespace {

constexpr uint16_t kTriggerFunction = 4;
constexpr uint8_t kEndBitOfHighByte = 0x80;

// What a trigger type writes: its kind, where its timer and the flag of bit 15 come from, and
// whether it names an item (argument indices from 0; -1 for none).
struct TriggerType {
    size_t min_args;
    uint16_t kind;
    int timer;
    int last_flag;
    int item;
};

const TriggerType* trigger_type(int32_t code) {
    static constexpr TriggerType kTypes[] = {
        {3, 0, 1, 2, -1},    // Do_with_Activate
        {2, 9, -1, 1, -1},   // Do_with_Deactivate
        {3, 1, 1, 2, -1},    // If_Lara_on_ground_Do_with_Activate
        {2, 6, -1, 1, -1},   // If_Lara_on_ground_Do_with_Deactivate
        {3, 8, 1, 2, -1},    // TrapDoor
        {4, 3, 1, 2, 3},     // If_KeyLock_is_ON_Do_with_Activate
        {4, 2, 1, 2, 3},     // If_Switch_is_ON_Do_with_Activate
        {4, 4, 1, 2, 3},     // If_Item_is_picked_Up_Do_with_Activate
        {4, 5, 1, 2, 3},     // If_Item_at_Sector_Do_with_Activate
        {0, 0, -1, -1, -1},  // End_Trigger: writes nothing
        {3, 7, 1, 2, -1},    // IF_Lara_in_Combat_Do_With_Activate
    };
    if (code < 1 || code > static_cast<int32_t>(std::size(kTypes)) || code == kEndTrigger)
        return nullptr;
    return &kTypes[code - 1];
}

// An action word: the action's bits 10-14 combined with its parameter, numbered from 1 in
// scripts where `from_one` says so.
struct Action {
    size_t min_args;
    uint16_t bits;
    bool has_parameter;
    bool from_one;
};

const Action* action(int32_t code) {
    static constexpr Action kActions[] = {
        {1, 0x0000, true, true},    // Item
        {1, 0x0400, true, true},    // Switch_camera (and a second word)
        {1, 0x0800, true, true},    // Underwater_Flow
        {0, 0x0C00, false, false},  // Alternate_On
        {1, 0x1000, true, false},   // Alternate_Room
        {0, 0x1400, false, false},  // Alternate_Off
        {1, 0x1800, true, true},    // Look_at_item
        {0, 0x1C00, true, false},   // End_Level, level 0 when not given
        {1, 0x2000, true, false},   // Play_sound_Track
        {1, 0x2400, true, false},   // Effects
        {1, 0x2800, true, true},    // Found_Secret
        {0, 0x0000, false, false},  // End: writes nothing
        {1, 0x2C00, true, true},    // Play_cutscene
    };
    if (code < 1 || code > static_cast<int32_t>(std::size(kActions)) || code == kActionEnd)
        return nullptr;
    return &kActions[code - 1];
}

}  // namespace

int32_t ScriptCompiler::scp_compile(const std::string& script_file, Ttrlevel& level) {
    scp_error_.clear();
    if (reader_.scp_open_file(script_file)) throw FileError(script_file, "no such script file");
    return compile_lines(level);
}

int32_t ScriptCompiler::scp_compile_text(std::string script, Ttrlevel& level) {
    scp_error_.clear();
    reader_.scp_open_text(std::move(script));
    return compile_lines(level);
}

int32_t ScriptCompiler::compile_lines(Ttrlevel& level) {
    for (;;) {
        const Tscp_tabla* command = nullptr;
        switch (next_command(command)) {
            case Step::kEndOfScript:
                return 0;
            case Step::kFailed:
                return -1;
            case Step::kCommand:
                break;
        }
        if (command->group != kGroupTopLevel) return fail(ScriptFault::kMissingStartTrigger);
        if (command->code == kExit) return 0;
        if (run_top_level(*command, level) < 0) return -1;
    }
}

ScriptCompiler::Step ScriptCompiler::next_command(const Tscp_tabla*& command) {
    if (reader_.scp_read_line(line_) < 0) return Step::kEndOfScript;
    const std::string name = reader_.scp_parse_line(line_);
    ScriptFault fault = ScriptFault::kNone;
    if (reader_.scp_parse_fault == ParseFault::kBadArgument) fault = ScriptFault::kInvalidParameter;
    if (reader_.scp_parse_fault == ParseFault::kTooManyArguments)
        fault = ScriptFault::kTooManyParameters;
    const Tscp_command_table& table = scp_command_table();
    const int32_t index = scp_find_command(name, table);
    if (fault == ScriptFault::kNone && index < 0) fault = ScriptFault::kInvalidCommand;
    if (fault != ScriptFault::kNone) {
        fail(fault);
        return Step::kFailed;
    }
    command = &table[static_cast<size_t>(index)];
    return Step::kCommand;
}

int32_t ScriptCompiler::fail(ScriptFault fault) {
    scp_error_ = fault_message(fault);
    if (fault_names_line(fault)) scp_error_ += line_;
    return -1;
}

ScriptArgs ScriptCompiler::args() const {
    return ScriptArgs(reader_.scp_args.data() + 1, static_cast<size_t>(reader_.scp_arg_count));
}

int32_t ScriptCompiler::run_top_level(const Tscp_tabla& command, Ttrlevel& level) {
    switch (command.code) {
        case kStartTrigger:
            return compile_trigger_block(level);
        case kCopyTrigger:
            return copy_trigger(level);
        case kPasteTrigger:
            return paste_trigger(level);
        case kPutItem:
            return check(put_item(level, args()));
        case kKillLara:
            return check(kill_lara(level, args()));
        case kAddCamera:
            return check(add_camera(level, args()));
        case kPutAlternate:
            return check(put_alternate(level, args()));
        case kPutStaticMesh:
            return check(put_static_mesh(level, args()));
        case kPutSpotLight:
            return check(put_spot_light(level, args()));
        case kPutRgbLight:
            return check(put_rgb_light(level, args()));
        case kClimbWall:
            return check(climb_wall(level, args()));
        case kMonkeySwing:
            return check(monkey_swing(level, args()));
        case kAddSink:
            return check(add_sink(level, args()));
        default:
            return 0;
    }
}

int32_t ScriptCompiler::copy_trigger(Ttrlevel& level) {
    const ScriptArgs a = args();
    if (a.size() < 3) return fail(ScriptFault::kNotEnoughParameters);
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return fail(f);
    scp_copied_fd_index_ = at.sector->fd_index;
    return 0;
}

int32_t ScriptCompiler::paste_trigger(Ttrlevel& level) {
    const ScriptArgs a = args();
    if (a.size() < 3) return fail(ScriptFault::kNotEnoughParameters);
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return fail(f);
    // The index may have been copied from another level in an earlier run.
    if (scp_copied_fd_index_ != 0 && scp_copied_fd_index_ >= level.num_floor_data)
        return fail(ScriptFault::kNoCopiedTrigger);
    at.sector->fd_index = scp_copied_fd_index_;
    return 0;
}

int32_t ScriptCompiler::compile_trigger_block(Ttrlevel& level) {
    const ScriptArgs a = args();
    if (a.size() < 3) return fail(ScriptFault::kNotEnoughParameters);
    SectorRef at;
    if (const auto f = locate_sector(level, a[0], a[1], a[2], at); f != ScriptFault::kNone)
        return fail(f);
    scp_trigger_buffer_.fill(0);
    scp_trigger_length_ = 0;
    int32_t last_entry_high_byte = -1;
    for (;;) {
        const Tscp_tabla* command = nullptr;
        switch (next_command(command)) {
            case Step::kEndOfScript:
                return 0;  // an unfinished block is dropped
            case Step::kFailed:
                return -1;
            case Step::kCommand:
                break;
        }
        if (command->group != kGroupTriggerType) return fail(ScriptFault::kMissingEnd);
        if (command->code == kEndTrigger) {
            if (last_entry_high_byte < 0) return 0;  // nothing to write
            scp_trigger_buffer_[static_cast<size_t>(last_entry_high_byte)] |= kEndBitOfHighByte;
            return check(
                insert_floor_data(level, at, scp_trigger_buffer_.data(), scp_trigger_length_));
        }
        const int32_t high_byte = scp_trigger_length_ + 1;
        if (write_trigger_type(command->code) < 0) return -1;
        last_entry_high_byte = high_byte;
        if (compile_action_list() < 0) return -1;
    }
}

int32_t ScriptCompiler::write_trigger_type(int32_t code) {
    const TriggerType* type = trigger_type(code);
    const ScriptArgs a = args();
    if (type == nullptr) return 0;
    if (a.size() < type->min_args) return fail(ScriptFault::kNotEnoughParameters);
    const auto timer = static_cast<uint16_t>(type->timer < 0 ? 0 : a[type->timer] & 0xFF);
    const auto setup_high = static_cast<uint16_t>((a[0] & 0x7F) | ((a[type->last_flag] & 1) << 7));
    bool fits = append_word(static_cast<uint16_t>(kTriggerFunction | type->kind << 8)) &&
                append_word(static_cast<uint16_t>(timer | setup_high << 8));
    if (fits && type->item >= 0) fits = append_word(static_cast<uint16_t>(a[type->item] - 1));
    return fits ? 0 : fail(ScriptFault::kTriggerTooLong);
}

int32_t ScriptCompiler::compile_action_list() {
    for (;;) {
        const Tscp_tabla* command = nullptr;
        switch (next_command(command)) {
            case Step::kEndOfScript:
                return 0;  // the block is dropped by the caller
            case Step::kFailed:
                return -1;
            case Step::kCommand:
                break;
        }
        if (command->group != kGroupAction) return fail(ScriptFault::kMissingEnd);
        if (command->code == kActionEnd) {
            // The end-of-actions bit goes on the last word written, a camera's second word.
            scp_trigger_buffer_[static_cast<size_t>(scp_trigger_length_ - 1)] |= kEndBitOfHighByte;
            return 0;
        }
        if (write_action(command->code) < 0) return -1;
    }
}

int32_t ScriptCompiler::write_action(int32_t code) {
    const Action* act = action(code);
    const ScriptArgs a = args();
    if (act == nullptr) return 0;
    if (a.size() < act->min_args) return fail(ScriptFault::kNotEnoughParameters);
    int32_t parameter = act->has_parameter ? arg_or(a, 0, 0) : 0;
    if (act->from_one) parameter -= 1;
    // A parameter above 1023 spills into the action bits; bit 15 stays clear, since it would
    // end the list in the middle.
    bool fits = append_word(static_cast<uint16_t>((parameter | act->bits) & 0x7FFF));
    if (fits && code == kActionSwitchCamera) {
        const int32_t timer = arg_or(a, 1, 0) & 0xFF;
        const int32_t flag_a = (arg_or(a, 2, 0) & 0xFF) != 0 ? 0x10 : 0;
        const int32_t flag_b = (arg_or(a, 3, 0) & 0xFF) != 0 ? 0x01 : 0;
        fits = append_word(static_cast<uint16_t>(timer | (flag_a | flag_b) << 8));
    }
    return fits ? 0 : fail(ScriptFault::kTriggerTooLong);
}

bool ScriptCompiler::append_word(uint16_t word) {
    if (scp_trigger_length_ + 2 > kTriggerBufferBytes) return false;
    store_le(scp_trigger_buffer_.data() + scp_trigger_length_, word);
    scp_trigger_length_ += 2;
    return true;
}

}  // namespace rw
