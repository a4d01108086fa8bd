#pragma once
// Drawing one parsed mesh with the level's textures.

#include "levelfile/mesh_list.h"
#include "view/gl_calls.h"
#include "view/texture_binder.h"

namespace rw {

// Draws entry `entry` of the list: at (x, y, z) turned by `angle` degrees about y, or, when
// `centered`, around the origin without a transform. Vertices are divided by 100 / scale.
// Textures are bound through `binder` when the caller's pass has one.
void draw_mesh(GlCalls& gl, const Tmesh_list& list, const Ttrlevel& level, int entry, double x,
               double y, double z, double angle, double scale, bool centered, bool linear_filter,
               TextureBinder* binder = nullptr);

}  // namespace rw
