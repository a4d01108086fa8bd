#pragma once
// The sample object textures (quads of the four panel sizes, mirrored quads, triangles) and the
// animated texture ranges.

#include "levelfile/trlevel.h"

namespace rw::samples {

void put_object_textures(Ttrlevel& level);
void put_animated_textures(Ttrlevel& level);

}  // namespace rw::samples
