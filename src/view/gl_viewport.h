#pragma once
// An OpenGL view bound to a panel: it owns the view transform, the mouse navigation and the
// picking. The scene is compiled once into a display list; paints replay it under the current
// transform until Redraw asks for a new one.

#include <array>
#include <cstdint>
#include <functional>

#include "view/gl_calls.h"
#include "view/gl_camera.h"
#include "view/gl_figure.h"
#include "view/view_panel.h"

namespace rw {

class TGLViewport {
  public:
    TGLViewport();
    ~TGLViewport();
    TGLViewport(const TGLViewport&) = delete;
    TGLViewport& operator=(const TGLViewport&) = delete;

    // Binds the viewport to `panel`: chains its events, creates the context with ColorBits
    // and sets the editor's drawing state and the projection.
    void AttachPanel(ViewPanel& panel);
    void ReleaseContext();

    void SetTextureFilter(int kind);
    void SetCamera(TGLCamera* camera) { camera_ = camera; }
    TGLCamera* GetCamera() const { return camera_; }
    ViewPanel* GetPanel() const { return panel_; }
    bool context_ready() const { return context_ready_; }
    int32_t list_number() const { return list_number_; }
    bool list_built() const { return list_built_ != 0; }
    int texture_filter_kind() const { return texture_filter_kind_; }

    void MakeCurrent();
    void SetProjection();
    void Paint();
    void Redraw();
    // A frame whose display list the caller fills between the two calls.
    void BeginListPaint();
    void EndListPaint();

    void SetBoundsFromFigure(const tglfigure& figure);
    void FitToBounds();
    void Pick();
    void RotateBy(double dx, double dy, double dz);
    void ZoomBy(double dx, double dy, double dz);

    // The viewport's own steps of the panel's events (each then calls the saved handler).
    void PanelMouseDown(MouseButton button, ShiftState shift, int x, int y);
    void PanelMouseMove(ShiftState shift, int x, int y);
    void PanelMouseUp(MouseButton button, ShiftState shift, int x, int y);

    Vec3 view_rotation{};
    Vec3 view_scale{1, 1, 1};
    int32_t PickedName = 0;
    Vec3 bounds_min{kBoundsEmptyMin, kBoundsEmptyMin, kBoundsEmptyMin};
    Vec3 bounds_max{kBoundsEmptyMax, kBoundsEmptyMax, kBoundsEmptyMax};
    int32_t ColorBits = 16;
    bool NoClickPick = false;
    std::function<void()> DrawProc = [] {};
    Rgb clear_colour{0, 0, 0};

    // Navigation state, exposed for the windows that read it.
    struct Drag {
        int rotate_x = 0, rotate_y = 0;
        int pan_x = 0, pan_y = 0;
        int zoom_x = 0, zoom_y = 0;
        bool rotating = false;
        bool zooming = false;
        std::array<double, 2> rotation_at_start{};
        std::array<double, 2> camera_at_start{};
        Vec3 scale_at_start{1, 1, 1};
    };
    const Drag& drag() const { return drag_; }
    int last_mouse_x() const { return last_x_; }
    int last_mouse_y() const { return last_y_; }
    void set_last_mouse(int x, int y) { last_x_ = x, last_y_ = y; }

    GlCalls* gl = &opengl();

  private:
    void perspective();
    void BeginFrame();
    void EndFrame();

    ViewPanel* panel_ = nullptr;
    bool context_ready_ = false;
    int texture_filter_kind_ = 0;
    int32_t list_built_ = 0;
    int32_t list_number_ = 0;
    TGLCamera* camera_ = nullptr;
    Drag drag_;
    bool picking_ = false;
    int last_x_ = 0, last_y_ = 0;

    // Handlers the panel had before the viewport chained into it.
    std::function<void()> saved_paint_, saved_resize_, saved_click_;
    MouseEvent saved_mouse_down_, saved_mouse_up_;
    MouseMoveEvent saved_mouse_move_;
};

// The winning name of a selection: the hit with the smallest minimum depth (the earlier one on
// equal depth), its innermost name. No hit, an overflowed selection (negative count) or records
// running past the buffer give 0.
int32_t nearest_hit_name(std::span<const uint32_t> buffer, int hits);

inline constexpr int kSelectionBufferSize = 256;

}  // namespace rw
