#pragma once
// The drawing surface a viewport is bound to: the window toolkit's OpenGL panel, or a test's
// stand-in. It owns the rendering context and fires the events a viewport chains into.

#include <functional>

namespace rw {

enum class MouseButton { kLeft, kRight, kMiddle };

// Keys and buttons held during a mouse event.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
};

using MouseEvent = std::function<void(MouseButton, ShiftState, int x, int y)>;
using MouseMoveEvent = std::function<void(ShiftState, int x, int y)>;

class ViewPanel {
  public:
    virtual ~ViewPanel() = default;

    // Chooses the surface format (colour depth, 32 depth bits or the deepest granted, double
    // buffering) and creates the rendering context, sharing lists and textures with the other
    // panels of the program.
    virtual void SetupPixelFormat(int colour_bits) = 0;
    virtual void make_current() = 0;
    virtual void done_current() = 0;
    virtual void swap_buffers() = 0;
    virtual void release_context() = 0;
    // Size in device pixels.
    virtual int panel_width() const = 0;
    virtual int panel_height() const = 0;

    // Event slots, fired by the toolkit in this order for a left click: down, click, up.
    std::function<void()> OnPaint;
    std::function<void()> OnResize;
    std::function<void()> OnClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
};

}  // namespace rw
