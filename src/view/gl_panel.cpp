#include "view/gl_panel.h"

#include <QExposeEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QResizeEvent>
#include <QSurfaceFormat>

namespace rw {

namespace {

ShiftState shift_state(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    ShiftState s;
    s.shift = modifiers.testFlag(Qt::ShiftModifier);
    s.ctrl = modifiers.testFlag(Qt::ControlModifier);
    s.alt = modifiers.testFlag(Qt::AltModifier);
    s.left = buttons.testFlag(Qt::LeftButton);
    s.right = buttons.testFlag(Qt::RightButton);
    s.middle = buttons.testFlag(Qt::MiddleButton);
    return s;
}

MouseButton button_of(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::kRight;
    if (b == Qt::MiddleButton) return MouseButton::kMiddle;
    return MouseButton::kLeft;
}

// The context every panel shares lists and textures with: Qt's global one when the program
// asked for shared contexts, else the first panel's.
QOpenGLContext* first_context = nullptr;

}  // namespace

TGLPanel::TGLPanel(QWindow* parent) : QWindow(parent) {
    setSurfaceType(QSurface::OpenGLSurface);
}

TGLPanel::~TGLPanel() {
    release_context();
}

void TGLPanel::SetupPixelFormat(int colour_bits) {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    const int channel = colour_bits == 16 ? 5 : 8;
    format.setRedBufferSize(channel);
    format.setGreenBufferSize(colour_bits == 16 ? 6 : 8);
    format.setBlueBufferSize(channel);
    format.setAlphaBufferSize(colour_bits == 32 ? 8 : 0);
    format.setDepthBufferSize(32);  // a request: the deepest buffer the driver grants
    setFormat(format);

    release_context();
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(format);
    QOpenGLContext* share = QOpenGLContext::globalShareContext();
    context_->setShareContext(share != nullptr ? share : first_context);
    context_->create();
    if (share == nullptr && first_context == nullptr) first_context = context_.get();

    offscreen_ = std::make_unique<QOffscreenSurface>();
    offscreen_->setFormat(context_->format());
    offscreen_->create();
}

bool TGLPanel::on_screen() const {
    return isExposed();
}

void TGLPanel::make_current() {
    if (!context_) return;
    if (on_screen()) {
        context_->makeCurrent(this);
        // The offscreen frame may still be bound from a frame drawn before the window showed.
        context_->functions()->glBindFramebuffer(GL_FRAMEBUFFER,
                                                 context_->defaultFramebufferObject());
        return;
    }
    context_->makeCurrent(offscreen_.get());
    bind_offscreen_frame();
}

void TGLPanel::bind_offscreen_frame() {
    QOpenGLFunctions* gl = context_->functions();
    const int w = std::max(panel_width(), 1), h = std::max(panel_height(), 1);
    if (frame_.framebuffer == 0 || frame_.width != w || frame_.height != h) {
        delete_offscreen_frame();
        gl->glGenFramebuffers(1, &frame_.framebuffer);
        gl->glGenRenderbuffers(1, &frame_.colour);
        gl->glGenRenderbuffers(1, &frame_.depth);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, frame_.framebuffer);
        gl->glBindRenderbuffer(GL_RENDERBUFFER, frame_.colour);
        gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, w, h);
        gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                      frame_.colour);
        gl->glBindRenderbuffer(GL_RENDERBUFFER, frame_.depth);
        gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, w, h);
        gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                      frame_.depth);
        frame_.width = w, frame_.height = h;
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, frame_.framebuffer);
}

void TGLPanel::delete_offscreen_frame() {
    if (frame_.framebuffer == 0) return;
    QOpenGLFunctions* gl = context_->functions();
    gl->glDeleteFramebuffers(1, &frame_.framebuffer);
    gl->glDeleteRenderbuffers(1, &frame_.colour);
    gl->glDeleteRenderbuffers(1, &frame_.depth);
    frame_ = {};
}

void TGLPanel::done_current() {
    if (context_) context_->doneCurrent();
}

void TGLPanel::swap_buffers() {
    if (context_ && on_screen()) context_->swapBuffers(this);
}

void TGLPanel::release_context() {
    if (!context_) return;
    context_->makeCurrent(offscreen_.get());
    delete_offscreen_frame();
    context_->doneCurrent();
    if (first_context == context_.get()) first_context = nullptr;
    context_.reset();
    offscreen_.reset();
}

int TGLPanel::panel_width() const {
    return qRound(width() * devicePixelRatio());
}

int TGLPanel::panel_height() const {
    return qRound(height() * devicePixelRatio());
}

int TGLPanel::depth_bits() const {
    return context_ ? context_->format().depthBufferSize() : 0;
}

QImage TGLPanel::read_offscreen_frame() {
    if (!context_ || frame_.framebuffer == 0) return {};
    context_->makeCurrent(offscreen_.get());
    QOpenGLFunctions* gl = context_->functions();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, frame_.framebuffer);
    QImage image(frame_.width, frame_.height, QImage::Format_RGBA8888);
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl->glReadPixels(0, 0, frame_.width, frame_.height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    context_->doneCurrent();
    return image.mirrored(false, true).convertToFormat(QImage::Format_RGB32);
}

void TGLPanel::exposeEvent(QExposeEvent*) {
    if (isExposed() && OnPaint) OnPaint();
}

void TGLPanel::resizeEvent(QResizeEvent*) {
    if (context_ && OnResize) OnResize();
}

void TGLPanel::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position() * devicePixelRatio();
    if (OnMouseDown)
        OnMouseDown(button_of(event->button()), shift_state(event->modifiers(), event->buttons()),
                    qRound(p.x()), qRound(p.y()));
}

void TGLPanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position() * devicePixelRatio();
    // A left button released over the panel is a click, reported before the button's release.
    if (event->button() == Qt::LeftButton && OnClick) OnClick();
    if (OnMouseUp)
        OnMouseUp(button_of(event->button()), shift_state(event->modifiers(), event->buttons()),
                  qRound(p.x()), qRound(p.y()));
}

void TGLPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position() * devicePixelRatio();
    if (OnMouseMove)
        OnMouseMove(shift_state(event->modifiers(), event->buttons()), qRound(p.x()),
                    qRound(p.y()));
}

void TGLPanel::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown) {
        OnKeyDown(event);
    } else {
        QWindow::keyPressEvent(event);
    }
}

}  // namespace rw
