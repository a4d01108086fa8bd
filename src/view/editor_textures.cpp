#include "view/editor_textures.h"

#include <array>
#include <cmath>

#include "view/texture_upload.h"

namespace rw {

namespace {

constexpr Rgb kMarkerRed{200, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Picture directions (y grows downwards) of the eight markers.
constexpr std::array<std::array<double, 2>, kMarkerCount> kDirections{
    {{0, 1}, {0, -1}, {-1, 0}, {1, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};

// Inside the arrow: a shaft behind a head, measured along (u) and across (w) the direction from
// the middle of the picture.
bool in_arrow(double u, double w) {
    const bool shaft = u >= -24 && u <= 4 && std::abs(w) <= 5;
    const bool head = u >= 2 && u <= 26 && std::abs(w) <= (26 - u) * 0.75;
    return shaft || head;
}

}  // namespace

Bitmap marker_picture(int k) {
    Bitmap picture(kMarkerSide, kMarkerSide, PixelFormat::k24);
    picture.fill(kMarkerRed);
    if (k < 1 || k > kMarkerCount) return picture;
    const auto [dx, dy] = kDirections[static_cast<size_t>(k - 1)];
    const double length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    for (int y = 0; y < kMarkerSide; ++y) {
        for (int x = 0; x < kMarkerSide; ++x) {
            const double px = x + 0.5 - kMarkerSide / 2.0, py = y + 0.5 - kMarkerSide / 2.0;
            const double u = px * ux + py * uy;
            const double w = -px * uy + py * ux;
            if (in_arrow(u, w)) picture.set_pixel(x, y, kWhite);
        }
    }
    return picture;
}

Bitmap solid_picture() {
    Bitmap picture(64, 64, PixelFormat::k24);
    picture.fill(kWhite);
    constexpr Rgb kRim{176, 176, 176};
    for (int i = 0; i < 64; ++i) {
        picture.set_pixel(i, 0, kRim);
        picture.set_pixel(i, 63, kRim);
        picture.set_pixel(0, i, kRim);
        picture.set_pixel(63, i, kRim);
    }
    return picture;
}

void upload_editor_textures(TGLViewport& viewport, Bitmap solid, int colour_bits) {
    TGLViewport* const viewports[] = {&viewport};
    UploadTexture(kSolidTexture, solid, colour_bits, viewports);
    for (int k = 1; k <= kMarkerCount; ++k) {
        Bitmap marker = marker_picture(k);
        UploadTexture(kFirstMarkerTexture + static_cast<uint32_t>(k - 1), marker, colour_bits,
                      viewports);
    }
}

}  // namespace rw
