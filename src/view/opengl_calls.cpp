#include <GL/gl.h>
#include <GL/glu.h>

#include "view/gl_calls.h"

namespace rw {

namespace {

GLenum primitive_of(GlPrimitive p) {
    switch (p) {
        case GlPrimitive::kLines:
            return GL_LINES;
        case GlPrimitive::kTriangles:
            return GL_TRIANGLES;
        case GlPrimitive::kQuads:
            break;
    }
    return GL_QUADS;
}

class OpenGlCalls final : public GlCalls {
  public:
    void setup_context() override {
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glFrontFace(GL_CW);
    }
    void clear(Rgb c) override {
        glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void flush() override { glFlush(); }
    void viewport(int x, int y, int width, int height) override { glViewport(x, y, width, height); }
    std::array<int, 4> get_viewport() override {
        std::array<GLint, 4> v{};
        glGetIntegerv(GL_VIEWPORT, v.data());
        return {v[0], v[1], v[2], v[3]};
    }

    void matrix_mode(GlMatrixMode mode) override {
        glMatrixMode(mode == GlMatrixMode::kProjection ? GL_PROJECTION : GL_MODELVIEW);
    }
    void push_matrix() override { glPushMatrix(); }
    void pop_matrix() override { glPopMatrix(); }
    void load_identity() override { glLoadIdentity(); }
    void translate(double x, double y, double z) override { glTranslated(x, y, z); }
    void rotate(double degrees, double x, double y, double z) override {
        glRotated(degrees, x, y, z);
    }
    void scale(double x, double y, double z) override { glScaled(x, y, z); }
    void perspective(double fovy, double aspect, double z_near, double z_far) override {
        gluPerspective(fovy, aspect, z_near, z_far);
    }
    void pick_matrix(double x, double y, double width, double height,
                     const std::array<int, 4>& viewport) override {
        std::array<GLint, 4> v{viewport[0], viewport[1], viewport[2], viewport[3]};
        gluPickMatrix(x, y, width, height, v.data());
    }

    void new_list(uint32_t list) override { glNewList(list, GL_COMPILE_AND_EXECUTE); }
    void end_list() override { glEndList(); }
    void call_list(uint32_t list) override { glCallList(list); }
    void init_names() override { glInitNames(); }
    void push_name(uint32_t name) override { glPushName(name); }
    void load_name(uint32_t name) override { glLoadName(name); }
    void select_buffer(std::span<uint32_t> buffer) override {
        glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    }
    void render_mode_select() override { glRenderMode(GL_SELECT); }
    int render_mode_render() override { return glRenderMode(GL_RENDER); }

    void polygon_mode_fill(bool fill) override {
        glPolygonMode(GL_FRONT_AND_BACK, fill ? GL_FILL : GL_LINE);
    }
    void set_texturing(bool on) override {
        if (on) {
            glEnable(GL_TEXTURE_2D);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
    }
    void shade_flat() override { glShadeModel(GL_FLAT); }
    void color(Rgb c) override { glColor3ub(c.r, c.g, c.b); }
    void bind_texture(uint32_t name) override { glBindTexture(GL_TEXTURE_2D, name); }
    void texture_filters(bool linear_magnify, bool linear_minify) override {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                        linear_magnify ? GL_LINEAR : GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                        linear_minify ? GL_LINEAR : GL_NEAREST);
    }

    void begin(GlPrimitive primitive) override { glBegin(primitive_of(primitive)); }
    void end() override { glEnd(); }
    void tex_coord(double s, double t) override { glTexCoord2d(s, t); }
    void vertex(double x, double y, double z) override { glVertex3d(x, y, z); }

    void texture_upload_state() override {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_PRIORITY, 0.0f);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    }
    bool tex_image_2d(int components, int width, int height, const uint8_t* pixels) override {
        // Errors left by earlier calls must not count against this image.
        for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
        }
        glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0,
                     components == 4 ? GL_BGRA : GL_BGR, GL_UNSIGNED_BYTE, pixels);
        return glGetError() == GL_NO_ERROR;
    }
    void delete_texture(uint32_t name) override {
        const GLuint n = name;
        glDeleteTextures(1, &n);
    }
};

}  // namespace

GlCalls& opengl() {
    static OpenGlCalls calls;
    return calls;
}

}  // namespace rw
