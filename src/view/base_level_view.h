#pragma once
// What the editor builds from a base level for its views: the texture table, the four texture
// panels, the mesh list and the OpenGL textures.

#include <array>
#include <span>

#include "levelfile/mesh_list.h"
#include "levelfile/sinks.h"
#include "levelfile/texture_panel.h"
#include "levelfile/texture_table.h"
#include "levelfile/trlevel.h"
#include "view/gl_viewport.h"

namespace rw {

struct BaseLevelView {
    Ttabla_textures texture_table;
    std::array<tpanel_texture, 4> panels;
    Tmesh_list mesh_list;
    int32_t texture_names = 0;  // object textures given OpenGL names by the last build
};

// Builds every part from a loaded level, writing the step lines to the log; object texture i
// becomes OpenGL texture i + 1 in the viewports, and names an earlier level filled beyond the
// new level's textures are freed.
void build_base_level_view(const Ttrlevel& level, BaseLevelView& view,
                           std::span<TGLViewport* const> viewports, int colour_bits,
                           LogSink* log = nullptr);

}  // namespace rw
