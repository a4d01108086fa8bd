#include "view/texture_upload.h"

namespace rw {

namespace {

bool is_texture_side(int n) {
    return n == 8 || n == 16 || n == 32 || n == 64 || n == 128 || n == 256;
}

constexpr int kScaledSide = 64;

}  // namespace

int upload_components(int colour_bits) {
    return colour_bits == 32 ? 4 : 3;
}

TextureImage texture_upload_image(Bitmap& bitmap, int colour_bits) {
    TextureImage image;
    image.components = upload_components(colour_bits);
    const PixelFormat format = image.components == 4 ? PixelFormat::k32 : PixelFormat::k24;
    bitmap.set_format(format);
    const Bitmap* source = &bitmap;
    Bitmap scaled;
    if (!is_texture_side(bitmap.width()) || !is_texture_side(bitmap.height())) {
        scaled = Bitmap(kScaledSide, kScaledSide, format);
        draw_scaled(bitmap, scaled, 0, 0, kScaledSide + 1, kScaledSide + 1);
        source = &scaled;
    }
    image.width = source->width();
    image.height = source->height();
    const int n = image.width * image.height * image.components;
    image.pixels.resize(static_cast<size_t>(n));
    BitmapToBuffer(*source, n, image.pixels);
    return image;
}

void MakeCurrent(TGLViewport& viewport) {
    viewport.MakeCurrent();
}

void SetLinearFiltering(GlCalls& gl, bool linear) {
    gl.texture_filters(linear, linear);
}

bool UploadTexture(uint32_t name, Bitmap& bitmap, int colour_bits,
                   std::span<TGLViewport* const> viewports) {
    const TextureImage image = texture_upload_image(bitmap, colour_bits);
    bool accepted = true;
    for (TGLViewport* viewport : viewports) {
        MakeCurrent(*viewport);
        GlCalls& gl = *viewport->gl;
        gl.bind_texture(name);
        gl.texture_upload_state();
        if (!gl.tex_image_2d(image.components, image.width, image.height, image.pixels.data())) {
            gl.delete_texture(name);
            accepted = false;
        }
    }
    return accepted;
}

}  // namespace rw
