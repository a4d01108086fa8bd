// Any project the reader accepts is drawn by the 3D view and built into a sample base level
// without a crash, hang or out-of-bounds access: the build either makes a level that can be
// written or stops with its refusal.
//
// The base level is the sample level whose file name ends the document's base level path (TR4
// when none does), so each version's sample project seed builds into its own version. Each run
// loads it afresh from bytes made once, since the build changes the level it works on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "builder/build_level.h"
#include "fuzzed_project.h"
#include "levelfile/errors.h"
#include "levelfile/level_check.h"
#include "levelfile/level_file.h"
#include "levelfile/mesh_list.h"
#include "sample_levels.h"
#include "view/tr_scene.h"

namespace {

using rw::samples::kSampleLevelFiles;

// Draws nowhere.
class NullGl : public rw::GlCalls {
  public:
    void setup_context() override {}
    void clear(rw::Rgb) override {}
    void flush() override {}
    void viewport(int, int, int, int) override {}
    std::array<int, 4> get_viewport() override { return {0, 0, 800, 600}; }
    void matrix_mode(rw::GlMatrixMode) override {}
    void push_matrix() override {}
    void pop_matrix() override {}
    void load_identity() override {}
    void translate(double, double, double) override {}
    void rotate(double, double, double, double) override {}
    void scale(double, double, double) override {}
    void perspective(double, double, double, double) override {}
    void pick_matrix(double, double, double, double, const std::array<int, 4>&) override {}
    void new_list(uint32_t) override {}
    void end_list() override {}
    void call_list(uint32_t) override {}
    void init_names() override {}
    void push_name(uint32_t) override {}
    void load_name(uint32_t) override {}
    void select_buffer(std::span<uint32_t>) override {}
    void render_mode_select() override {}
    int render_mode_render() override { return 0; }
    void polygon_mode_fill(bool) override {}
    void set_texturing(bool) override {}
    void shade_flat() override {}
    void color(rw::Rgb) override {}
    void bind_texture(uint32_t) override {}
    void texture_filters(bool, bool) override {}
    void begin(rw::GlPrimitive) override {}
    void end() override {}
    void tex_coord(double, double) override {}
    void vertex(double, double, double) override {}
    void texture_upload_state() override {}
    bool tex_image_2d(int, int, int, const uint8_t*) override { return true; }
    void delete_texture(uint32_t) override {}
};

// One sample base level: its file bytes for the build, and the level loaded once with its mesh
// list for the view, which keeps no rooms of its base level (as the editor).
struct Base {
    std::string name;
    std::vector<uint8_t> bytes;
    std::unique_ptr<rw::Ttrlevel> view_level = std::make_unique<rw::Ttrlevel>();
    rw::Tmesh_list meshes;
};

std::vector<Base>& bases() {
    static std::vector<Base>* all = [] {
        auto* out = new std::vector<Base>(kSampleLevelFiles.size());
        for (size_t i = 0; i < kSampleLevelFiles.size(); ++i) {
            Base& b = (*out)[i];
            b.name = std::string(kSampleLevelFiles[i].file_name);
            auto level = std::make_unique<rw::Ttrlevel>();
            rw::samples::fill_sample_level(*level, kSampleLevelFiles[i].game_version);
            if (rw::save_level_to_bytes(*level, b.name, b.bytes) != rw::kSaveOk ||
                rw::load_level_from_bytes(*b.view_level, b.name, b.bytes.data(), b.bytes.size()) !=
                    rw::kLoadOk) {
                std::abort();
            }
            b.view_level->set_num_rooms(0);
            rw::build_mesh_list(b.meshes, *b.view_level);
        }
        return out;
    }();
    return *all;
}

Base& base_for(const rw::LevelDocument& doc) {
    const std::string path = doc.base_level_path.str();
    for (Base& b : bases()) {
        if (path.ends_with(b.name)) return b;
    }
    return bases()[5];  // sample.tr4
}

// Every room in textured mode, then the current room with the next one as its neighbour in each
// render mode, with the selection marks and the static mesh mode's current ornament.
void draw(const rw::LevelDocument& doc, const Base& base) {
    static NullGl gl;
    rw::tr_scene scene;
    scene.gl = &gl;
    scene.document = &doc;
    scene.base_level = base.view_level.get();
    scene.mesh_list = &base.meshes;
    scene.render_mode = rw::kTextured;
    scene.DrawRange(1, doc.room_count);
    scene.scene_room = doc.current_room;
    scene.neighbour_room = doc.current_room + 1;
    scene.hide_grids = false;
    struct Look {
        uint8_t render_mode;
        int32_t edit_mode, marked_side, marked_triangle;
    };
    for (const Look look :
         {Look{rw::kWireframe, 1, 1, 0}, Look{rw::kSolid, 1, 0, 2}, Look{rw::kTextured, 2, 0, 0}}) {
        scene.render_mode = look.render_mode;
        scene.edit_mode = look.edit_mode;
        scene.marked_side = look.marked_side;
        scene.marked_triangle = look.marked_triangle;
        scene.Draw();
    }
    scene.CenterOnCurrentRoom();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A blank document per input, as a freshly started editor has, so each input reproduces
    // alone.
    static const auto* blank = new rw::LevelDocument{};
    static auto* doc = new rw::LevelDocument{};
    *doc = *blank;
    if (!rw::fuzz::read_fuzzed_project(*doc, data, size)) return 0;

    Base& base = base_for(*doc);
    draw(*doc, base);

    // The build proper, without the files it would read or write: no mesh file, no script.
    doc->mesh_file_path.assign("");
    doc->script_path.assign("");
    auto level = std::make_unique<rw::Ttrlevel>();
    if (rw::load_level_from_bytes(*level, base.name, base.bytes.data(), base.bytes.size()) !=
        rw::kLoadOk) {
        std::abort();
    }
    level->set_num_rooms(0);
    rw::ScriptCompiler compiler;
    if (!rw::build_game_data(*doc, *level, compiler, {})) return 0;
    // A build that went through must give a level the writer takes. TR4 and TR5 are only
    // checked: deflating their texture chunks would cost most of each run.
    if (rw::check_level_for_writing(*level)) std::abort();
    if (level->game_version < rw::kTR4) {
        std::vector<uint8_t> out;
        if (rw::save_level_to_bytes(*level, base.name, out) != rw::kSaveOk) std::abort();
    }
    return 0;
}
