#pragma once
// A viewport on an offscreen panel with a scene, as the main window sets them up.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <memory>

#include "gl_test_environment.h"
#include "view/gl_panel.h"
#include "view/gl_viewport.h"
#include "view/tr_scene.h"

namespace rw::test {

struct GlSession {
    explicit GlSession(int width = 400, int height = 300) {
        panel.resize(width, height);
        viewport.AttachPanel(panel);
        viewport.SetCamera(&camera);
        viewport.NoClickPick = true;
        viewport.SetTextureFilter(2);
        viewport.DrawProc = [this] { scene.Render(); };
        scene.document = doc.get();
        scene.base_level = &level;
        scene.mesh_list = &meshes;
    }

    // Frames the current room as the "Center Camera" command does, then looks straight down.
    void look_down_on_current_room() {
        scene.CenterOnCurrentRoom();
        viewport.SetBoundsFromFigure(scene);
        viewport.FitToBounds();
        viewport.view_rotation[0] = 90;
    }

    // Window pixel (from the top left) where a scene point appears, for the view above.
    std::array<int, 2> screen_of(double x, double y, double z) const {
        double p[3] = {x + scene.position[0], y + scene.position[1], z + scene.position[2]};
        const double a = viewport.view_rotation[0] * M_PI / 180;
        const double ry = p[1] * std::cos(a) - p[2] * std::sin(a);
        const double rz = p[1] * std::sin(a) + p[2] * std::cos(a);
        const double s = viewport.view_scale[0];
        const double ex = s * p[0] - double{camera.GetX()};
        const double ey = s * ry - double{camera.GetY()};
        const double ez = s * rz - double{camera.GetZ()};
        const double f = 1 / std::tan(22.5 * M_PI / 180);
        const double w = panel.panel_width(), h = panel.panel_height();
        const double nx = f / (w / h) * ex / -ez, ny = f * ey / -ez;
        return {static_cast<int>(std::lround((nx + 1) / 2 * w)),
                static_cast<int>(std::lround((1 - ny) / 2 * h))};
    }

    int32_t pick_at(std::array<int, 2> at) {
        viewport.set_last_mouse(at[0], at[1]);
        viewport.Pick();
        return viewport.PickedName;
    }

    QImage frame() {
        viewport.Redraw();
        return panel.read_offscreen_frame();
    }

    TGLPanel panel;
    TGLViewport viewport;
    TGLCamera camera;
    tr_scene scene;
    std::unique_ptr<LevelDocument> doc = std::make_unique<LevelDocument>();
    Ttrlevel level;
    Tmesh_list meshes;
};

}  // namespace rw::test
