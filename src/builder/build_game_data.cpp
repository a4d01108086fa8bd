#include <memory>

#include "builder/boxes.h"
#include "builder/build_files.h"
#include "builder/build_level.h"
#include "builder/build_report.h"
#include "builder/level_finish.h"
#include "builder/portals.h"
#include "builder/room_build.h"
#include "levelfile/mesh_file.h"
#include "levelfile/tr5_layer.h"

namespace rw {

namespace {

// The gauge advances by 100 / room_count per room, shown with its fraction dropped.
class RoomGauge {
  public:
    RoomGauge(const BuildReport& report, int rooms)
        : report_(report), step_(rooms > 0 ? 100.0 / rooms : 0.0) {}
    void reset() {
        done_ = 0;
        report_.progress(0);
    }
    void advance() {
        done_ += step_;
        report_.progress(static_cast<int>(done_));
    }

  private:
    const BuildReport& report_;
    double step_;
    double done_ = 0;
};

bool build_rooms(LevelDocument& doc, Ttrlevel& level, const BuildReport& report, RoomGauge& gauge) {
    report.line("generating rooms's meshes & colisional data...");
    auto list = std::make_unique<face_list>();
    for (int n = 1; n <= doc.room_count; ++n) {
        if (const Refusal refusal = build_room(level, doc, n, *list, report.log())) {
            report.refuse(*refusal);
            return false;
        }
        gauge.advance();
    }
    return true;
}

bool build_boxes(const LevelDocument& doc, Ttrlevel& level, const BuildReport& report) {
    report.line("building boxes...");
    level.set_num_boxes(0);
    level.set_num_overlaps(0);
    level.set_num_zones(0);
    for (int n = 1; n <= doc.room_count; ++n) {
        const troom& game = level.rooms[static_cast<size_t>(n - 1)];
        const bool tiled = doc.room(n).tiled_boxes != 0;
        const int32_t needed = level.num_boxes + (tiled ? tiled_box_count(game) : 1);
        if (const Refusal refusal = check_box_count(n, needed, level.game_version)) {
            report.refuse(*refusal);
            return false;
        }
        const bool fits = tiled ? build_tiled_boxes(level, n - 1) : build_room_box(level, n - 1);
        if (!fits) {
            report.refuse(*overlap_index_too_far(n));
            return false;
        }
    }
    report.line("Total Boxes used in level------>" + std::to_string(level.num_boxes));
    report.line("Total Overlaps used in level--->" + std::to_string(level.num_overlaps));
    return true;
}

bool build_portals(const LevelDocument& doc, Ttrlevel& level, const BuildReport& report,
                   RoomGauge& gauge) {
    gauge.reset();
    report.line("Building Portals, adding step sounds...");
    for (int n = 1; n <= doc.room_count; ++n) {
        const Room& room = doc.room(n);
        for (int c = 1; c <= room.columns; ++c) {
            for (int r = 1; r <= room.rows; ++r) {
                build_step_sound(level, room, n, c, r);
                if (build_wall_portal(level, room, n, c, r) != InsertResult::kDone) {
                    report.refuse(floor_data_full(n));
                    return false;
                }
            }
        }
        build_room_portals(level, room, n, report.log());
        gauge.advance();
    }
    return true;
}

void merge_mesh_file(const LevelDocument& doc, Ttrlevel& level, const BuildReport& report) {
    const std::string name = trimmed(doc.mesh_file_path.view());
    if (name.empty()) return;
    report.line(",Using Polysmith Geometry & texture & light file " + doc.mesh_file_path.str() +
                "...");
    if (!file_exists(name)) {
        report.message("Polysmith Meshes file " + name + " not found");
        report.line("Polysmith Msh file WAS NOT USED");
        return;
    }
    if (import_mesh_file(level, name) != kMeshImported) report.message(kMeshFileErrorMessage);
}

// False when the named script is missing: the level is then not written.
bool compile_script(const LevelDocument& doc, Ttrlevel& level, ScriptCompiler& compiler,
                    const BuildReport& report) {
    const std::string name = trimmed(doc.script_path.view());
    if (name.empty()) return true;
    report.line("Compiling TR Scripting Program " + doc.script_path.str() + "...");
    if (!file_exists(name)) {
        report.message("Scripting program file " + name + " not found");
        report.line("TR Scripting Program HAS ERRORS!!!");
        report.line(kLevelNotBuiltLine);
        return false;
    }
    if (compiler.scp_compile(name, level) != 0) {
        report.message("Error at line " + std::to_string(compiler.scp_line_number()) + " --> " +
                       compiler.scp_error());
        report.line("Was FOUND ERRORS in scp file");
    }
    return true;
}

}  // namespace

bool build_game_data(LevelDocument& doc, Ttrlevel& level, ScriptCompiler& compiler,
                     const BuildSinks& sinks) {
    const BuildReport report(sinks);
    if (const Refusal refusal = check_document_counts(doc)) {
        report.refuse(*refusal);
        return false;
    }
    // Fresh rooms: nothing of a base level's own rooms or an earlier build may linger.
    level.set_num_rooms(0);
    level.set_num_rooms(doc.room_count);
    level.set_num_floor_data(1);
    RoomGauge gauge(report, doc.room_count);
    gauge.reset();
    if (!build_rooms(doc, level, report, gauge)) return false;
    if (!build_boxes(doc, level, report)) return false;
    if (!build_portals(doc, level, report, gauge)) return false;

    report.line("Adding Lara item...");
    finish_floor_data(level);
    place_lara_inside(doc, level, report.log());
    add_lara_item(level, doc);

    report.line("Converting data...");
    convert_level_data(level);
    merge_mesh_file(doc, level, report);
    if (level.game_version == kTR5) {
        report.line("building TR5 layer...");
        build_tr5_layer(level);
    }
    if (!compile_script(doc, level, compiler, report)) return false;

    store_le<uint16_t>(level.tr5_header.data() + 2, static_cast<uint16_t>(doc.tr5_weather));
    if (level.game_version == kTR5) add_tr5_lara_copy(level);
    return true;
}

}  // namespace rw
