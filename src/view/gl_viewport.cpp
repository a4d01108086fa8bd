#include "view/gl_viewport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace rw {

namespace {

// Each viewport gets its own list number; the views share lists, so numbers must not repeat.
int32_t g_list_counter = 0;

constexpr double kFieldOfView = 45.0;
constexpr double kNearPlane = 0.1;
constexpr double kFarPlane = 100.0;
constexpr double kPickRegion = 0.09;

}  // namespace

TGLViewport::TGLViewport() : list_number_(++g_list_counter) {}

TGLViewport::~TGLViewport() {
    if (context_ready_) ReleaseContext();
}

void TGLViewport::AttachPanel(ViewPanel& panel) {
    panel_ = &panel;
    saved_paint_ = panel.OnPaint;
    saved_resize_ = panel.OnResize;
    saved_click_ = panel.OnClick;
    saved_mouse_down_ = panel.OnMouseDown;
    saved_mouse_up_ = panel.OnMouseUp;
    saved_mouse_move_ = panel.OnMouseMove;
    panel.OnPaint = [this] {
        if (saved_paint_) saved_paint_();
        Paint();
    };
    panel.OnResize = [this] {
        if (saved_resize_) saved_resize_();
        MakeCurrent();
        SetProjection();
        Paint();
    };
    panel.OnClick = [this] {
        if (!NoClickPick) Pick();
        if (saved_click_) saved_click_();
    };
    panel.OnMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
        PanelMouseDown(b, s, x, y);
        if (saved_mouse_down_) saved_mouse_down_(b, s, x, y);
    };
    panel.OnMouseUp = [this](MouseButton b, ShiftState s, int x, int y) {
        PanelMouseUp(b, s, x, y);
        if (saved_mouse_up_) saved_mouse_up_(b, s, x, y);
    };
    panel.OnMouseMove = [this](ShiftState s, int x, int y) {
        PanelMouseMove(s, x, y);
        if (saved_mouse_move_) saved_mouse_move_(s, x, y);
    };

    panel.SetupPixelFormat(ColorBits);
    panel.make_current();
    gl->setup_context();
    context_ready_ = true;
    SetProjection();
    panel.done_current();
}

void TGLViewport::ReleaseContext() {
    if (panel_ != nullptr) {
        panel_->done_current();
        panel_->release_context();
    }
    context_ready_ = false;
}

void TGLViewport::MakeCurrent() {
    if (panel_ != nullptr && context_ready_) panel_->make_current();
}

void TGLViewport::SetTextureFilter(int kind) {
    texture_filter_kind_ = kind;
    if (!context_ready_) return;
    switch (kind) {
        case 0:
            gl->texture_filters(false, false);
            break;
        case 1:
            gl->texture_filters(true, false);
            break;
        case 2:
            gl->texture_filters(true, true);
            break;
        default:
            break;
    }
}

void TGLViewport::perspective() {
    const int h = panel_ != nullptr ? std::max(panel_->panel_height(), 1) : 1;
    const int w = panel_ != nullptr ? panel_->panel_width() : 1;
    gl->perspective(kFieldOfView, static_cast<double>(w) / h, kNearPlane, kFarPlane);
}

void TGLViewport::SetProjection() {
    if (!context_ready_) return;
    gl->matrix_mode(GlMatrixMode::kProjection);
    gl->load_identity();
    perspective();
    gl->viewport(0, 0, panel_->panel_width(), panel_->panel_height());
}

// Clears the frame and sets up the camera and the view's own scale and rotation.
void TGLViewport::BeginFrame() {
    gl->clear(clear_colour);
    gl->matrix_mode(GlMatrixMode::kProjection);
    gl->push_matrix();
    if (camera_ != nullptr) camera_->Apply(*gl);
    gl->matrix_mode(GlMatrixMode::kModelView);
    gl->push_matrix();
    gl->scale(view_scale[0], view_scale[1], view_scale[2]);
    gl->rotate(view_rotation[0], 1, 0, 0);
    gl->rotate(view_rotation[1], 0, 1, 0);
    gl->rotate(view_rotation[2], 0, 0, 1);
}

void TGLViewport::EndFrame() {
    gl->matrix_mode(GlMatrixMode::kModelView);
    gl->pop_matrix();
    gl->matrix_mode(GlMatrixMode::kProjection);
    gl->pop_matrix();
    gl->flush();
}

void TGLViewport::Paint() {
    if (!context_ready_) return;
    if (!picking_) panel_->make_current();
    BeginFrame();
    if (list_built_ == 0) {
        gl->new_list(static_cast<uint32_t>(list_number_));
        gl->init_names();
        gl->push_name(0);
        DrawProc();
        gl->end_list();
        list_built_ = 1;
    } else {
        gl->call_list(static_cast<uint32_t>(list_number_));
    }
    EndFrame();
    // A selection pass draws nothing visible, so it shows no frame.
    if (!picking_) panel_->swap_buffers();
    gl->flush();
    if (!picking_) panel_->done_current();
}

void TGLViewport::Redraw() {
    list_built_ = 0;
    Paint();
}

void TGLViewport::BeginListPaint() {
    if (!context_ready_) return;
    panel_->make_current();
    BeginFrame();
    gl->new_list(static_cast<uint32_t>(list_number_));
}

void TGLViewport::EndListPaint() {
    if (!context_ready_) return;
    gl->end_list();
    EndFrame();
    panel_->swap_buffers();
    gl->flush();
    panel_->done_current();
}

void TGLViewport::SetBoundsFromFigure(const tglfigure& figure) {
    for (size_t a = 0; a < 3; ++a) {
        bounds_min[a] = figure.bounds_min[a] + figure.position[a];
        bounds_max[a] = figure.bounds_max[a] + figure.position[a];
    }
}

void TGLViewport::FitToBounds() {
    const double cx = (bounds_max[0] - bounds_min[0]) / 2 + bounds_min[0];
    const double cy = (bounds_max[1] - bounds_min[1]) / 2 + bounds_min[1];
    const double eye_z = bounds_max[2] + 4;
    const double width = std::abs(bounds_max[0] - bounds_min[0]);
    const double height = std::abs(bounds_max[1] - bounds_min[1]);
    const double fx = width > 6 ? 6 / width : 1;
    const double fy = height > 4 ? 4 / height : 1;
    const double s = fx < fy ? fx : fy;
    if (camera_ != nullptr) {
        camera_->SetX(static_cast<float>(cx * s));
        camera_->SetY(static_cast<float>(cy * s));
        camera_->SetZ(static_cast<float>(eye_z));
    }
    view_scale = {s, s, s};
    view_rotation = {0, 0, 0};
    drag_.rotating = false;
    drag_.zooming = false;
    drag_.rotation_at_start = {0, 0};
    if (camera_ != nullptr)
        drag_.camera_at_start = {static_cast<double>(camera_->GetX()),
                                 static_cast<double>(camera_->GetY())};
    drag_.scale_at_start = view_scale;
    last_x_ = last_y_ = 0;
}

int32_t nearest_hit_name(std::span<const uint32_t> buffer, int hits) {
    if (hits <= 0) return 0;
    size_t at = 0;
    int32_t name = 0;
    uint32_t best_depth = 0;
    for (int hit = 0; hit < hits; ++hit) {
        if (at + 3 > buffer.size()) return 0;
        const uint32_t names = buffer[at];
        const uint32_t min_depth = buffer[at + 1];
        if (names > buffer.size() - at - 3) return 0;
        if (hit == 0 || min_depth < best_depth) {
            best_depth = min_depth;
            name = names == 0 ? 0 : static_cast<int32_t>(buffer[at + 3 + names - 1]);
        }
        at += 3 + names;
    }
    return name;
}

void TGLViewport::Pick() {
    if (!context_ready_) {
        PickedName = 0;
        return;
    }
    MakeCurrent();
    picking_ = true;
    std::vector<uint32_t> buffer(kSelectionBufferSize, 0);
    const std::array<int, 4> viewport = gl->get_viewport();
    gl->select_buffer(buffer);
    gl->matrix_mode(GlMatrixMode::kProjection);
    gl->push_matrix();
    gl->render_mode_select();
    gl->load_identity();
    gl->pick_matrix(last_x_, viewport[3] - last_y_, kPickRegion, kPickRegion, viewport);
    perspective();
    Paint();
    gl->matrix_mode(GlMatrixMode::kProjection);
    gl->pop_matrix();
    const int hits = gl->render_mode_render();
    PickedName = nearest_hit_name(buffer, hits);
    SetProjection();
    panel_->done_current();
    picking_ = false;
}

void TGLViewport::RotateBy(double dx, double dy, double dz) {
    const Vec3 delta{dx, dy, dz};
    for (size_t a = 0; a < 3; ++a) {
        view_rotation[a] += delta[a];
        if (view_rotation[a] < 0) view_rotation[a] = 360;
        if (view_rotation[a] > 360) view_rotation[a] = 0;
    }
    drag_.rotation_at_start = {view_rotation[0], view_rotation[1]};
}

void TGLViewport::ZoomBy(double dx, double dy, double dz) {
    const Vec3 delta{dx, dy, dz};
    for (size_t a = 0; a < 3; ++a) {
        view_scale[a] += delta[a];
        if (view_scale[a] < 0) view_scale[a] = 0;
    }
    drag_.scale_at_start = view_scale;
}

void TGLViewport::PanelMouseDown(MouseButton, ShiftState shift, int x, int y) {
    if (shift.right && !shift.shift && !shift.ctrl) {
        drag_.rotate_x = x, drag_.rotate_y = y;
        drag_.rotating = true;
    }
    if (shift.right && shift.shift) drag_.pan_x = x, drag_.pan_y = y;
}

void TGLViewport::PanelMouseMove(ShiftState shift, int x, int y) {
    last_x_ = x, last_y_ = y;
    if (drag_.rotating && !shift.shift) {
        view_rotation[1] = drag_.rotation_at_start[1] + (x - drag_.rotate_x);
        view_rotation[0] = drag_.rotation_at_start[0] + (y - drag_.rotate_y);
    }
    if (shift.right && shift.shift && camera_ != nullptr) {
        camera_->SetX(static_cast<float>(drag_.camera_at_start[0] - (x - drag_.pan_x) / 50.0));
        camera_->SetY(static_cast<float>(drag_.camera_at_start[1] + (y - drag_.pan_y) / 50.0));
    }
    if (shift.right && shift.ctrl) {
        if (!drag_.zooming) {
            drag_.zooming = true;
            drag_.scale_at_start = view_scale;
            drag_.zoom_x = x, drag_.zoom_y = y;
        }
        for (size_t a = 0; a < 3; ++a)
            view_scale[a] = std::max(drag_.scale_at_start[a] + (y - drag_.zoom_y) / 100.0, 0.0);
    }
    if (!shift.ctrl) drag_.zooming = false;
    Paint();
}

void TGLViewport::PanelMouseUp(MouseButton, ShiftState, int, int) {
    drag_.rotating = false;
    drag_.zooming = false;
    drag_.rotation_at_start = {view_rotation[0], view_rotation[1]};
    if (camera_ != nullptr)
        drag_.camera_at_start = {static_cast<double>(camera_->GetX()),
                                 static_cast<double>(camera_->GetY())};
}

}  // namespace rw
