#pragma once
// Every OpenGL call the views make goes through this interface, so the decisions about what to
// draw (which faces, colours, textures and pick names) can be checked by a recording
// implementation without a context. opengl() gives the one that calls OpenGL.

#include <array>
#include <cstdint>
#include <span>

#include "levelfile/bitmap.h"

namespace rw {

enum class GlPrimitive : uint8_t { kLines, kTriangles, kQuads };
enum class GlMatrixMode : uint8_t { kProjection, kModelView };

class GlCalls {
  public:
    virtual ~GlCalls() = default;

    // ---- context set-up and frames ----
    // Depth test, back faces culled, clockwise front faces, both faces drawn as lines.
    virtual void setup_context() = 0;
    virtual void clear(Rgb colour) = 0;  // colour and depth buffers
    virtual void flush() = 0;
    virtual void viewport(int x, int y, int width, int height) = 0;
    virtual std::array<int, 4> get_viewport() = 0;

    // ---- matrices ----
    virtual void matrix_mode(GlMatrixMode mode) = 0;
    virtual void push_matrix() = 0;
    virtual void pop_matrix() = 0;
    virtual void load_identity() = 0;
    virtual void translate(double x, double y, double z) = 0;
    virtual void rotate(double degrees, double x, double y, double z) = 0;
    virtual void scale(double x, double y, double z) = 0;
    virtual void perspective(double fovy, double aspect, double z_near, double z_far) = 0;
    virtual void pick_matrix(double x, double y, double width, double height,
                             const std::array<int, 4>& viewport) = 0;

    // ---- display lists, names and selection ----
    virtual void new_list(uint32_t list) = 0;  // compile and execute
    virtual void end_list() = 0;
    virtual void call_list(uint32_t list) = 0;
    virtual void init_names() = 0;
    virtual void push_name(uint32_t name) = 0;
    virtual void load_name(uint32_t name) = 0;
    virtual void select_buffer(std::span<uint32_t> buffer) = 0;
    virtual void render_mode_select() = 0;
    // Back to rendering; the hit count of the selection (negative when the buffer overflowed).
    virtual int render_mode_render() = 0;

    // ---- drawing state ----
    virtual void polygon_mode_fill(bool fill) = 0;  // both faces; lines otherwise
    virtual void set_texturing(bool on) = 0;
    virtual void shade_flat() = 0;
    virtual void color(Rgb colour) = 0;
    virtual void bind_texture(uint32_t name) = 0;
    // Filters of the bound texture.
    virtual void texture_filters(bool linear_magnify, bool linear_minify) = 0;

    // ---- primitives ----
    virtual void begin(GlPrimitive primitive) = 0;
    virtual void end() = 0;
    virtual void tex_coord(double s, double t) = 0;
    virtual void vertex(double x, double y, double z) = 0;

    // ---- texture images ----
    // Modulate, repeat in s and t, nearest filters, priority 0, rows packed two-byte aligned:
    // the state every uploaded texture gets.
    virtual void texture_upload_state() = 0;
    // Level 0 of the bound texture from rows of blue, green, red (3 components) or blue, green,
    // red, alpha (4). False when OpenGL refuses the image.
    virtual bool tex_image_2d(int components, int width, int height, const uint8_t* pixels) = 0;
    virtual void delete_texture(uint32_t name) = 0;
};

// The implementation that calls OpenGL in the current context.
GlCalls& opengl();

}  // namespace rw
