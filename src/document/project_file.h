#pragma once
// The editor's own saved form of the level document (extension rmw): version 9 is written,
// versions 6 to 9 are read, older layouts migrated in memory.

#include <cstdint>
#include <string>

#include "document/level_document.h"
#include "levelfile/sinks.h"
#include "levelfile/zfile.h"

namespace rw {

inline constexpr std::string_view kProjectMagic = "Zorvath Rmw file";
inline constexpr uint8_t kProjectVersion = 9;
inline constexpr uint8_t kOldestProjectVersion = 6;
inline constexpr int32_t kProjectHeaderSize = 893;
inline constexpr int32_t kRoomFieldsSize = 85;  // pos_x .. default_ceiling_wall_texture
inline constexpr int32_t kSectorGridBytes = kSectorsPerRoom * 148;
inline constexpr int32_t kVersion6SectorSize = 80;
inline constexpr int32_t kVersion6GridBytes = kSectorsPerRoom * kVersion6SectorSize;
// The most content a project can hold: every room in use with every list full. A compressed
// file that inflates to more is refused before it takes more memory.
inline constexpr int32_t kMaxRoomBlockSize = kRoomFieldsSize + kSectorGridBytes + 4 +
                                             kMaxPortalViews * 20 + 4 + kMaxReservedRecords * 36 +
                                             4 + kMaxOrnaments * 88 + 4;
inline constexpr int32_t kMaxProjectContentSize =
    kProjectHeaderSize + kMaxRooms * kMaxRoomBlockSize;
static_assert(kMaxRoomBlockSize == 151653 + 20 * 20 + 20 * 36 + 40 * 88);

inline constexpr const char* kInvalidProjectMessage = " ERROR...invalid Roomwright file format! ";
inline constexpr const char* kOldProjectMessage =
    " Oh, I am so sorry...Previous RMW file version is not supported :-( ";
inline constexpr const char* kDamagedProjectMessage =
    " ERROR...damaged Roomwright file: it ends before its last room! ";
inline constexpr const char* kOverfullProjectMessage =
    " ERROR...invalid Roomwright file format! (more rooms, sectors, portal views, reserved "
    "records or ornaments than a document holds) ";

// Writes the whole document into a stream opened with zf_rewrite.
void WriteProjectStream(const LevelDocument& doc, TZfile& f);
// Writes the document to `path` in the compressed form; throws FileError on OS failures.
void WriteProjectFile(const LevelDocument& doc, const std::string& path);

// Reads the project that starts at the position of a stream already loaded with zf_reset. Returns
// 0 when loaded, 1 when refused; a refused file shows its message and leaves the document
// exactly as it was.
int ReadProjectStream(LevelDocument& doc, TZfile& f, MessageSink* messages);
// Loads `path`; OS and zlib failures raise FileError / CompressionError, as does compressed
// content larger than any project.
int ReadProjectFile(LevelDocument& doc, const std::string& path, MessageSink* messages);

}  // namespace rw
