#pragma once
// A position and orientation applied to the projection before the view transform.

#include "view/gl_calls.h"

namespace rw {

class TGLCamera {
  public:
    float GetX() const { return x_; }
    float GetY() const { return y_; }
    float GetZ() const { return z_; }
    void SetX(float x) { x_ = x; }
    void SetY(float y) { y_ = y; }
    void SetZ(float z) { z_ = z; }

    float angle_x = 0, angle_y = 0, angle_z = 0;  // degrees

    // In projection mode: translate by minus the position, then rotate about X, Y and Z.
    void Apply(GlCalls& gl) const;

  private:
    float x_ = 0, y_ = 0, z_ = 5;
};

}  // namespace rw
