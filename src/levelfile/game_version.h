#pragma once
// The seven game versions a level file can be, and how a file's version word and name choose
// between them.

#include <cstdint>
#include <string_view>

namespace rw {

enum GameVersion : int32_t {
    kTR1 = 1,  // Tomb Raider (.phd)
    kTUB = 2,  // Unfinished Business (.tub)
    kTR2 = 3,  // Tomb Raider II (.tr2)
    kTRG = 4,  // the TR2 format in a file named .trg
    kTR3 = 5,  // Tomb Raider III (.tr2)
    kTR4 = 6,  // .tr4
    kTR5 = 7,  // .trc
};

inline constexpr uint32_t kVersionWordTR1 = 0x00000020;
inline constexpr uint32_t kVersionWordTR2 = 0x0000002D;
inline constexpr uint32_t kVersionWordTR3a = 0xFF080038;
inline constexpr uint32_t kVersionWordTR3b = 0xFF180038;
inline constexpr uint32_t kVersionWordTR4 = 0x00345254;  // "TR4" and a zero byte
inline constexpr uint32_t kVersionWordTR4Demo = 0xFFFFFFF0;

bool is_known_version_word(uint32_t version_word);

// The game version of a file with this version word and name; `otherwise` when the word is
// unknown. The name tests look for ".TUB"/".tub", ".TRG"/".trg" and ".TRC"/".trc" anywhere in
// the name, in exactly these two spellings.
int32_t game_version_for(uint32_t version_word, std::string_view file_name, int32_t otherwise);

}  // namespace rw
