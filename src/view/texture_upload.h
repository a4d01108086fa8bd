#pragma once
// Turning pictures into OpenGL textures of the editor's views.

#include <cstdint>
#include <span>
#include <vector>

#include "levelfile/bitmap.h"
#include "view/gl_viewport.h"

namespace rw {

// The pixels handed to OpenGL for one picture.
struct TextureImage {
    int width = 0;
    int height = 0;
    int components = 3;  // blue, green, red (and alpha when 4)
    std::vector<uint8_t> pixels;
};

// 16 and 24 colour bits give three components, 32 four; other values count as 16.
int upload_components(int colour_bits);

// Switches `bitmap` to the upload's pixel format and takes its pixels: as they are when both
// sides are 8 to 256 and a power of two, otherwise drawn scaled onto a 64 x 64 picture (over a
// 65 x 65 rectangle, so the last scaled row and column fall outside it).
TextureImage texture_upload_image(Bitmap& bitmap, int colour_bits);

void MakeCurrent(TGLViewport& viewport);
void SetLinearFiltering(GlCalls& gl, bool linear);

// Uploads `bitmap` as texture `name` into each viewport's context in turn; the last one stays
// current. False when OpenGL refused the image: the name is then left without an image.
bool UploadTexture(uint32_t name, Bitmap& bitmap, int colour_bits,
                   std::span<TGLViewport* const> viewports);

}  // namespace rw
