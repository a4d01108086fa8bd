#include "view/gl_camera.h"

namespace rw {

void TGLCamera::Apply(GlCalls& gl) const {
    gl.matrix_mode(GlMatrixMode::kProjection);
    gl.translate(-static_cast<double>(x_), -static_cast<double>(y_), -static_cast<double>(z_));
    gl.rotate(static_cast<double>(angle_x), 1, 0, 0);
    gl.rotate(static_cast<double>(angle_y), 0, 1, 0);
    gl.rotate(static_cast<double>(angle_z), 0, 0, 1);
}

}  // namespace rw
