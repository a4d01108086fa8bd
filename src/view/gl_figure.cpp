#include "view/gl_figure.h"

namespace rw {

tglfigure::tglfigure() = default;

void tglfigure::Draw() {
    if (draw_callback) draw_callback();
}

void tglfigure::Reset() {
    position = {};
    rotation = {};
    scale = {1, 1, 1};
    bounds_min = {kBoundsEmptyMin, kBoundsEmptyMin, kBoundsEmptyMin};
    bounds_max = {kBoundsEmptyMax, kBoundsEmptyMax, kBoundsEmptyMax};
    draw_callback = nullptr;
}

void tglfigure::BeginTransform() {
    gl->matrix_mode(GlMatrixMode::kModelView);
    gl->push_matrix();
    gl->translate(position[0], position[1], position[2]);
    gl->scale(scale[0], scale[1], scale[2]);
    gl->rotate(rotation[0], 1, 0, 0);
    gl->rotate(rotation[1], 0, 1, 0);
    gl->rotate(rotation[2], 0, 0, 1);
}

void tglfigure::Render() {
    BeginTransform();
    Draw();
    gl->pop_matrix();
}

}  // namespace rw
