#include "view/gl_panel.h"

#include <QExposeEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
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
        return;
    }
    context_->makeCurrent(offscreen_.get());
    const QSize size(std::max(panel_width(), 1), std::max(panel_height(), 1));
    if (!frame_ || frame_->size() != size) {
        frame_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::Depth);
    }
    frame_->bind();
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
    frame_.reset();
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
    if (!context_ || !frame_) return {};
    context_->makeCurrent(offscreen_.get());
    QImage image = frame_->toImage();
    context_->doneCurrent();
    return image;
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
