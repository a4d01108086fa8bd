#pragma once
// The Qt side of a viewport: an OpenGL window (placed in a form through a window container)
// that owns the rendering context and turns Qt's events into the panel events a viewport
// chains into. While the window is not on screen, frames go to an offscreen framebuffer of the
// window's size, which tests and screenshots read back.

#include <QImage>
#include <QWindow>
#include <functional>
#include <memory>

#include "view/view_panel.h"

class QKeyEvent;
class QOffscreenSurface;
class QOpenGLContext;

namespace rw {

class TGLPanel : public QWindow, public ViewPanel {
  public:
    explicit TGLPanel(QWindow* parent = nullptr);
    ~TGLPanel() override;

    void SetupPixelFormat(int colour_bits) override;
    void make_current() override;
    void done_current() override;
    void swap_buffers() override;
    void release_context() override;
    int panel_width() const override;
    int panel_height() const override;

    // The last frame drawn offscreen (call between a paint's drawing and the next make_current).
    QImage read_offscreen_frame();
    // Depth bits the context was granted.
    int depth_bits() const;

    // Keys typed while the panel has the focus go to the form.
    std::function<void(QKeyEvent*)> OnKeyDown;

  protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool on_screen() const;

    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOffscreenSurface> offscreen_;
    // Renderbuffers, not textures: the texture names belong to the editor's textures.
    struct OffscreenFrame {
        unsigned framebuffer = 0, colour = 0, depth = 0;
        int width = 0, height = 0;
    };
    void bind_offscreen_frame();
    void delete_offscreen_frame();
    OffscreenFrame frame_;
};

}  // namespace rw
