#pragma once
// Reading and writing game level files of the seven game versions.
//
// The file name takes part in choosing the layout: a version word shared by two versions is told
// apart by ".TUB"/".tub", ".TRG"/".trg" and ".TRC"/".trc" in the name (see game_version_for).
// Failures of the file system and of zlib raise FileError / CompressionError naming the file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "levelfile/trlevel.h"

namespace rw {

enum LoadResult : int {
    kLoadOk = 0,
    kLoadNoFile = 1,          // no file of that name exists
    kLoadUnknownVersion = 2,  // the first four bytes are not a known version word
    kLoadDamaged = 3,         // a count or length does not fit the file or a capacity
};

enum SaveResult : int {
    kSaveOk = 0,
    kSaveNothingLoaded = 1,  // no level has been loaded into the instance; no file is touched
    kSaveInconsistent = 2,   // a count disagrees with its table or capacity; no file is touched
};

inline constexpr const char* kLoadNoFileMessage = "No level file of that name exists";
inline constexpr const char* kLoadUnknownVersionMessage =
    "Not a level file: its version word is unknown";
inline constexpr const char* kLoadDamagedMessage = "Damaged or unsupported level file";
inline constexpr const char* kSaveNothingLoadedMessage = "No level has been loaded";
inline constexpr const char* kSaveInconsistentMessage = "The level cannot be written";

// Reads the file into `level`. On any result but 0 the level holds no loaded level any more
// (`signature` is empty), so save_level refuses it. `refusal`, when given, receives the message
// of a non-zero result; for result 3 it names what was found wrong.
int load_level(Ttrlevel& level, const std::string& file_name, std::string* refusal = nullptr);

// The same from bytes in memory; `file_name` still chooses between versions.
int load_level_from_bytes(Ttrlevel& level, const std::string& file_name, const uint8_t* data,
                          size_t size, std::string* refusal = nullptr);

// Writes the level in the layout its version word and `file_name` choose, and stores that
// version in `game_version`. The file is replaced atomically.
int save_level(Ttrlevel& level, const std::string& file_name, std::string* refusal = nullptr);

// The same into memory.
int save_level_to_bytes(Ttrlevel& level, const std::string& file_name, std::vector<uint8_t>& out,
                        std::string* refusal = nullptr);

}  // namespace rw
