#pragma once
// The textures the editor brings itself: the solid texture that solid mode puts on every face,
// and the eight arrows that mark the selected side or triangle of a sector.

#include <cstdint>

#include "levelfile/bitmap.h"
#include "view/gl_viewport.h"

namespace rw {

inline constexpr uint32_t kSolidTexture = 4000;
// 4001 down, 4002 up, 4003 left, 4004 right, 4005 towards the lower-right corner, 4006 lower-left,
// 4007 upper-left, 4008 upper-right.
inline constexpr uint32_t kFirstMarkerTexture = 4001;
inline constexpr int kMarkerCount = 8;
inline constexpr int kMarkerSide = 64;

// Marker k (1-8): a white arrow on red, 64 x 64, 24-bit.
Bitmap marker_picture(int k);

// The solid picture the build writes as solid.bmp, used as well when that file is missing: white
// with a grey rim, so neighbouring faces stay apart.
Bitmap solid_picture();

// Uploads the solid picture as 4000 and the markers as 4001-4008 into the viewport.
void upload_editor_textures(TGLViewport& viewport, Bitmap solid, int colour_bits);

}  // namespace rw
