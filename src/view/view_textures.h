#pragma once
// The base level's object textures as the OpenGL textures of the editor's views: object
// texture i becomes texture name i + 1.

#include <cstdint>
#include <span>

#include "levelfile/bitmap.h"
#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"
#include "view/gl_viewport.h"

namespace rw {

// How many object textures the views are given: the level's count, within the table it holds.
int view_texture_count(const Ttrlevel& level);

// Cuts every object texture out of the tile atlas and uploads it, advancing the level's gauge.
// Textures OpenGL refuses keep no image; they are named once in the log and the rest still load.
// The names of the editor's own textures (4000-4008) are never given to object textures.
// Returns the number refused.
int load_view_textures(const Ttrlevel& level, std::span<TGLViewport* const> viewports,
                       int colour_bits, LogSink* log = nullptr);
// The same from a tile atlas already built from the level.
int load_view_textures_from_atlas(const Ttrlevel& level, const Bitmap& atlas,
                                  std::span<TGLViewport* const> viewports, int colour_bits,
                                  LogSink* log = nullptr);

// Deletes the textures named `first` to `last` in each viewport, except the editor's own.
void delete_view_textures(uint32_t first, uint32_t last, std::span<TGLViewport* const> viewports);

}  // namespace rw
