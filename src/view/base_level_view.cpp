#include "view/base_level_view.h"

#include "view/view_textures.h"

namespace rw {

void build_base_level_view(const Ttrlevel& level, BaseLevelView& view,
                           std::span<TGLViewport* const> viewports, int colour_bits, LogSink* log) {
    auto say = [&](const char* line) {
        if (log != nullptr) log->add_line(line);
    };
    say("Building texture table...");
    build_texture_table(level, view.texture_table);
    say("Building texture panel...");
    for (size_t i = 0; i < view.panels.size(); ++i) {
        const PanelLayout& p = kPanelLayouts[i];
        build_texture_panel_from_atlas(p.cell_width, p.cell_height, p.columns, view.panels[i],
                                       level, view.texture_table.atlas, log);
    }
    say("Building Meshes...");
    build_mesh_list(view.mesh_list, level, log);
    say("Loading textures into Opengl buffers...");
    load_view_textures_from_atlas(level, view.texture_table.atlas, viewports, colour_bits, log);
    const int32_t names = view_texture_count(level);
    if (view.texture_names > names)
        delete_view_textures(static_cast<uint32_t>(names) + 1,
                             static_cast<uint32_t>(view.texture_names), viewports);
    view.texture_names = names;
}

}  // namespace rw
