#include "builder/build_level.h"

#include "builder/build_files.h"
#include "builder/build_report.h"
#include "levelfile/level_file.h"

namespace rw {

namespace {

// The level reports its own writing progress on the build's gauge, for this one write only.
class GaugeLoan {
  public:
    GaugeLoan(Ttrlevel& level, ProgressSink* gauge) : level_(level), saved_(level.gauge) {
        level_.gauge = gauge;
    }
    ~GaugeLoan() { level_.gauge = saved_; }
    GaugeLoan(const GaugeLoan&) = delete;
    GaugeLoan& operator=(const GaugeLoan&) = delete;

  private:
    Ttrlevel& level_;
    ProgressSink* saved_;
};

// Makes sure `level` holds the document's base level; false (messages given) when it cannot.
bool open_base_level(const LevelDocument& doc, Ttrlevel& level, const std::string& open_name,
                     const BuildReport& report) {
    const std::string path = doc.base_level_path.str();
    if (!file_exists(path)) {
        report.message("Base Level file " + path + "\n" + " not found");
        return false;
    }
    if (path == open_name && level.is_loaded()) return true;
    report.line("Opening base Level...");
    std::string refusal;
    if (load_level(level, path, &refusal) != kLoadOk) {
        report.message(kBaseLevelUnreadableMessage);
        report.line(refusal);
        report.line(kLevelNotBuiltLine);
        if (report.sinks().base_level != nullptr) report.sinks().base_level->base_level_lost();
        return false;
    }
    // The editor keeps no rooms of its base level.
    level.set_num_rooms(0);
    if (report.sinks().base_level != nullptr) report.sinks().base_level->base_level_loaded(path);
    return true;
}

}  // namespace

bool build_level(LevelDocument& doc, Ttrlevel& level, const std::string& open_base_level_name,
                 ScriptCompiler& compiler, const BuildSinks& sinks) {
    const BuildReport report(sinks);
    if (doc.room_count == 0) {
        report.message(kNoRoomsMessage);
        return false;
    }
    report.clear();
    report.line("Building new level " + doc.new_level_path.str());
    report.line(" ");
    if (!open_base_level(doc, level, open_base_level_name, report)) return false;
    if (!build_game_data(doc, level, compiler, sinks)) return false;

    report.progress(0);
    report.line(" ");
    report.line("writing new level...");
    std::string refusal;
    int saved = kSaveOk;
    {
        const GaugeLoan loan(level, sinks.progress);
        saved = save_level(level, doc.new_level_path.str(), &refusal);
    }
    if (saved != kSaveOk) {
        report.refuse(refusal);
        return false;
    }
    level.set_num_rooms(0);
    report.line("***** DONE *****");
    return true;
}

}  // namespace rw
