#pragma once
// A GlCalls that remembers what the view asked for: every call as a line of text, every
// primitive with the state it was drawn in, and every texture image.

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "view/gl_calls.h"

namespace rw::test {

struct RecordedVertex {
    double x, y, z, s, t;
    Rgb colour;
};

struct RecordedPrimitive {
    GlPrimitive kind;
    uint32_t name;
    Rgb colour;
    uint32_t texture;
    bool texturing;
    bool fill;
    bool linear;
    std::vector<RecordedVertex> vertices;
};

struct RecordedUpload {
    uint32_t name;
    int components, width, height;
    std::vector<uint8_t> pixels;
};

class RecordingGl : public GlCalls {
  public:
    std::vector<std::string> calls;
    std::vector<RecordedPrimitive> primitives;
    std::vector<RecordedUpload> uploads;
    std::vector<uint32_t> deleted;
    std::set<uint32_t> refuse;  // texture names whose images are refused

    // What a selection pass reports: the buffer contents and the hit count.
    std::vector<uint32_t> selection;
    int hits = 0;

    void setup_context() override { say("setup_context"); }
    void clear(Rgb) override { say("clear"); }
    void flush() override { say("flush"); }
    void viewport(int x, int y, int w, int h) override { say("viewport", x, y, w, h); }
    std::array<int, 4> get_viewport() override { return viewport_rect; }
    void matrix_mode(GlMatrixMode m) override {
        say(m == GlMatrixMode::kProjection ? "projection" : "modelview");
    }
    void push_matrix() override { say("push"); }
    void pop_matrix() override { say("pop"); }
    void load_identity() override { say("identity"); }
    void translate(double x, double y, double z) override { say("translate", x, y, z); }
    void rotate(double a, double x, double y, double z) override { say("rotate", a, x, y, z); }
    void scale(double x, double y, double z) override { say("scale", x, y, z); }
    void perspective(double f, double a, double n, double far) override {
        say("perspective", f, a, n, far);
    }
    void pick_matrix(double x, double y, double w, double h, const std::array<int, 4>&) override {
        say("pick_matrix", x, y, w, h);
    }
    void new_list(uint32_t list) override { say("new_list", list); }
    void end_list() override { say("end_list"); }
    void call_list(uint32_t list) override { say("call_list", list); }
    void init_names() override { say("init_names"); }
    void push_name(uint32_t n) override { say("push_name", n), name = n; }
    void load_name(uint32_t n) override { name = n; }
    void select_buffer(std::span<uint32_t> buffer) override {
        say("select_buffer");
        select_target = buffer;
    }
    void render_mode_select() override { say("select"); }
    int render_mode_render() override {
        say("render");
        for (size_t i = 0; i < selection.size() && i < select_target.size(); ++i)
            select_target[i] = selection[i];
        return hits;
    }
    void polygon_mode_fill(bool f) override { fill = f; }
    void set_texturing(bool on) override { texturing = on; }
    void shade_flat() override {}
    void color(Rgb c) override { colour = c; }
    void bind_texture(uint32_t n) override { texture = n; }
    void texture_filters(bool mag, bool min) override { linear = mag && min; }
    void begin(GlPrimitive kind) override {
        primitives.push_back({kind, name, colour, texture, texturing, fill, linear, {}});
    }
    void end() override {}
    void tex_coord(double s, double t) override { s_ = s, t_ = t; }
    void vertex(double x, double y, double z) override {
        primitives.back().vertices.push_back({x, y, z, s_, t_, colour});
    }
    void texture_upload_state() override { say("upload_state"); }
    bool tex_image_2d(int components, int w, int h, const uint8_t* pixels) override {
        if (refuse.count(texture) != 0) return false;
        uploads.push_back(
            {texture, components, w, h,
             std::vector<uint8_t>(pixels, pixels + static_cast<size_t>(w) * h * components)});
        return true;
    }
    void delete_texture(uint32_t n) override { deleted.push_back(n); }

    std::array<int, 4> viewport_rect{0, 0, 800, 600};

    // Primitives drawn under pick name `n`.
    std::vector<RecordedPrimitive> named(uint32_t n) const {
        std::vector<RecordedPrimitive> out;
        for (const auto& p : primitives)
            if (p.name == n) out.push_back(p);
        return out;
    }
    size_t count_calls(const std::string& prefix) const {
        size_t n = 0;
        for (const auto& c : calls)
            n += c.rfind(prefix, 0) == 0;
        return n;
    }

  private:
    template <class... Args>
    void say(const char* what, Args... args) {
        std::string line = what;
        (append(line, static_cast<double>(args)), ...);
        calls.push_back(line);
    }
    static void append(std::string& line, double v) {
        char text[32];
        std::snprintf(text, sizeof text, " %g", v);
        line += text;
    }

    uint32_t name = 0;
    Rgb colour{};
    uint32_t texture = 0;
    bool texturing = false, fill = false, linear = false;
    double s_ = 0, t_ = 0;
    std::span<uint32_t> select_target;
};

}  // namespace rw::test
