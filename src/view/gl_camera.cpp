#include "view/gl_camera.h"

namespace rw {

void TGLCamera::Apply(GlCalls& gl) const {
    gl.matrix_mode(GlMatrixMode::kProjection);
    gl.translate(-x_, -y_, -z_);
    gl.rotate(angle_x, 1, 0, 0);
    gl.rotate(angle_y, 0, 1, 0);
    gl.rotate(angle_z, 0, 0, 1);
}

}  // namespace rw
