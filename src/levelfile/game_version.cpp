#include "levelfile/game_version.h"

namespace rw {

namespace {

bool names(std::string_view file_name, std::string_view upper, std::string_view lower) {
    return file_name.find(upper) != std::string_view::npos ||
           file_name.find(lower) != std::string_view::npos;
}

}  // namespace

bool is_known_version_word(uint32_t w) {
    return w == kVersionWordTR1 || w == kVersionWordTR2 || w == kVersionWordTR3a ||
           w == kVersionWordTR3b || w == kVersionWordTR4 || w == kVersionWordTR4Demo;
}

int32_t game_version_for(uint32_t w, std::string_view file_name, int32_t otherwise) {
    switch (w) {
        case kVersionWordTR1:
            return names(file_name, ".TUB", ".tub") ? kTUB : kTR1;
        case kVersionWordTR2:
            return names(file_name, ".TRG", ".trg") ? kTRG : kTR2;
        case kVersionWordTR3a:
        case kVersionWordTR3b:
            return kTR3;
        case kVersionWordTR4:
        case kVersionWordTR4Demo:
            return names(file_name, ".TRC", ".trc") ? kTR5 : kTR4;
        default:
            return otherwise;
    }
}

}  // namespace rw
