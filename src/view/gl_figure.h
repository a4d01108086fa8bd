#pragma once
// Anything a viewport draws: a placement (position, rotation, scale) and a bounding box.

#include <array>
#include <functional>

#include "view/gl_calls.h"

namespace rw {

using Vec3 = std::array<double, 3>;

// The empty box: min above and max below every coordinate a scene can hold.
inline constexpr double kBoundsEmptyMin = 922337203685477.6;
inline constexpr double kBoundsEmptyMax = -922337203685477.6;

class tglfigure {
  public:
    tglfigure();
    virtual ~tglfigure() = default;
    tglfigure(const tglfigure&) = delete;
    tglfigure& operator=(const tglfigure&) = delete;

    // Calls the draw callback when one is set.
    virtual void Draw();
    // Placement and bounds back to their defaults, no callback; the perspective flag stays.
    virtual void Reset();

    // Draws under the placement: push, translate, scale, rotate X, Y, Z, Draw, pop.
    void Render();
    // The same transform without Draw and without the pop; the caller draws and pops.
    void BeginTransform();

    Vec3 position{};
    Vec3 rotation{};
    Vec3 scale{1, 1, 1};
    Vec3 bounds_min{kBoundsEmptyMin, kBoundsEmptyMin, kBoundsEmptyMin};
    Vec3 bounds_max{kBoundsEmptyMax, kBoundsEmptyMax, kBoundsEmptyMax};
    bool perspective_correction = false;  // linear texture filtering for every face
    std::function<void()> draw_callback;

    // Where the figure's drawing goes; OpenGL unless a test records it.
    GlCalls* gl = &opengl();
};

}  // namespace rw
