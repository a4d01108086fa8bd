#pragma once
// "Build Level": turns the level document into a game level made from the base level, and
// writes it. The steps report through the sinks: each log line and message-box text exactly as
// the user sees it, and the progress of the room passes.

#include <string>

#include "document/level_document.h"
#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"
#include "script/script_compiler.h"

namespace rw {

// Told when the build loads the base level named by the document into the level holder, so
// the editor can record it as its open base level and refresh its texture and mesh windows.
class BaseLevelListener {
  public:
    virtual ~BaseLevelListener() = default;
    virtual void base_level_loaded(const std::string& path) = 0;
    // The load failed: the holder no longer holds any level.
    virtual void base_level_lost() {}
};

struct BuildSinks {
    LogSink* log = nullptr;
    ProgressSink* progress = nullptr;
    MessageSink* messages = nullptr;
    BaseLevelListener* base_level = nullptr;
};

inline constexpr const char* kNoRoomsMessage = "There is not any room to build in the level";
inline constexpr const char* kBaseLevelUnreadableMessage = " ERROR...Unable to Open TR file! ";
inline constexpr const char* kMeshFileErrorMessage = "Error en MSH file!";
inline constexpr const char* kLevelNotBuiltLine = "***Levels WAS NOT BUILT***";

// Builds the document into `level`, which holds the base level named `open_base_level` (empty:
// none); the document's base level is loaded first when it is another. Returns true when the
// new level file was written. The document's Lara start and climb masks are updated as the
// build goes. File system and zlib failures propagate as FileError.
bool build_level(LevelDocument& doc, Ttrlevel& level, const std::string& open_base_level,
                 ScriptCompiler& compiler, const BuildSinks& sinks);

// The part of the build between loading the base level and writing the new one: rooms, boxes,
// portals, Lara, conversion, mesh file, TR5 layer and script. Returns false when the build
// stopped (its messages already given); `level` must hold a loaded base level.
bool build_game_data(LevelDocument& doc, Ttrlevel& level, ScriptCompiler& compiler,
                     const BuildSinks& sinks);

}  // namespace rw
