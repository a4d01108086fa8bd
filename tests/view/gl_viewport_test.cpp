#include "view/gl_viewport.h"

#include <gtest/gtest.h>

#include "fake_panel.h"
#include "recording_gl.h"

namespace rw {
namespace {

using test::FakePanel;
using test::RecordingGl;

TEST(FitToBounds, ScalesWideOrTallBoxesIntoTheViewAndCentresTheCamera) {
    struct Case {
        Vec3 min, max;
        double scale, camera_x, camera_y, camera_z;
    };
    const Case cases[] = {
        {{0, 0, -3}, {12, 2, 1}, 0.5, 3.0, 0.5, 5.0},  // 12 wide: 6 / 12
        {{1, 1, 0}, {4, 3, 0}, 1.0, 2.5, 2.0, 4.0},    // fits as it is
        {{0, -4, 0}, {2, 4, 0}, 0.5, 0.5, 0.0, 4.0},   // 8 high: 4 / 8
        {{0, 0, 0}, {24, 20, 2}, 0.2, 2.4, 2.0, 6.0},  // both too big: the smaller factor
        {{10, 0, 0}, {22, 8, 0}, 0.5, 8.0, 2.0, 4.0},  // equal factors
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "box " << c.max[0] - c.min[0] << " x " << c.max[1] - c.min[1]);
        TGLViewport viewport;
        TGLCamera camera;
        viewport.SetCamera(&camera);
        viewport.view_rotation = {10, 20, 30};
        viewport.bounds_min = c.min;
        viewport.bounds_max = c.max;
        viewport.FitToBounds();
        EXPECT_DOUBLE_EQ(viewport.view_scale[0], c.scale);
        EXPECT_DOUBLE_EQ(viewport.view_scale[2], c.scale);
        EXPECT_FLOAT_EQ(camera.GetX(), static_cast<float>(c.camera_x));
        EXPECT_FLOAT_EQ(camera.GetY(), static_cast<float>(c.camera_y));
        EXPECT_FLOAT_EQ(camera.GetZ(), static_cast<float>(c.camera_z));
        EXPECT_EQ(viewport.view_rotation, (Vec3{0, 0, 0}));
        EXPECT_EQ(viewport.drag().scale_at_start, viewport.view_scale);
        EXPECT_FLOAT_EQ(static_cast<float>(viewport.drag().camera_at_start[0]), camera.GetX());
    }
}

TEST(RotateBy, WrapsBelowZeroTo360AndAbove360ToZero) {
    struct Case {
        double start, delta, result;
    };
    const Case cases[] = {{0, -3, 360}, {359, 3, 0}, {357, 3, 360}, {90, 3, 93}, {1, -3, 360}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " + " << c.delta);
        TGLViewport viewport;
        viewport.view_rotation = {c.start, c.start, c.start};
        viewport.RotateBy(c.delta, c.delta, c.delta);
        EXPECT_EQ(viewport.view_rotation, (Vec3{c.result, c.result, c.result}));
        EXPECT_EQ(viewport.drag().rotation_at_start[0], c.result);
    }
}

TEST(ZoomBy, StopsAtZeroOnEveryAxis) {
    TGLViewport viewport;
    viewport.view_scale = {0.4, 1.0, 0.2};
    viewport.ZoomBy(-0.5, -0.5, 0.5);
    EXPECT_EQ(viewport.view_scale, (Vec3{0, 0.5, 0.7}));
    EXPECT_EQ(viewport.drag().scale_at_start, viewport.view_scale);
}

ShiftState right_with(bool shift, bool ctrl) {
    ShiftState s;
    s.right = true, s.shift = shift, s.ctrl = ctrl;
    return s;
}

TEST(MouseNavigation, ARightDragRotatesOneDegreePerPixel) {
    TGLViewport viewport;
    viewport.PanelMouseDown(MouseButton::kRight, right_with(false, false), 100, 100);
    viewport.PanelMouseMove(right_with(false, false), 130, 90);
    EXPECT_EQ(viewport.view_rotation[1], 30);
    EXPECT_EQ(viewport.view_rotation[0], -10);
    viewport.PanelMouseUp(MouseButton::kRight, {}, 130, 90);
    // The next drag starts from where this one ended.
    viewport.PanelMouseDown(MouseButton::kRight, right_with(false, false), 0, 0);
    viewport.PanelMouseMove(right_with(false, false), 5, 0);
    EXPECT_EQ(viewport.view_rotation[1], 35);
    EXPECT_EQ(viewport.last_mouse_x(), 5);
}

TEST(MouseNavigation, AShiftRightDragPansTheCameraByFiftiethsOfAPixel) {
    TGLViewport viewport;
    TGLCamera camera;
    viewport.SetCamera(&camera);
    viewport.PanelMouseDown(MouseButton::kRight, right_with(true, false), 100, 100);
    viewport.PanelMouseMove(right_with(true, false), 150, 75);
    EXPECT_FLOAT_EQ(camera.GetX(), -1.0f);
    EXPECT_FLOAT_EQ(camera.GetY(), -0.5f);
    EXPECT_EQ(viewport.view_rotation, (Vec3{0, 0, 0}));
    viewport.PanelMouseUp(MouseButton::kRight, {}, 150, 75);
    EXPECT_FLOAT_EQ(static_cast<float>(viewport.drag().camera_at_start[0]), -1.0f);
}

TEST(MouseNavigation, ACtrlRightDragZoomsByHundredthsAndNotBelowZero) {
    TGLViewport viewport;
    viewport.PanelMouseDown(MouseButton::kRight, right_with(false, true), 10, 200);
    viewport.PanelMouseMove(right_with(false, true), 10, 200);  // the first move only starts
    viewport.PanelMouseMove(right_with(false, true), 10, 250);
    EXPECT_DOUBLE_EQ(viewport.view_scale[1], 1.5);
    viewport.PanelMouseMove(right_with(false, true), 10, 0);
    EXPECT_EQ(viewport.view_scale, (Vec3{0, 0, 0}));
    EXPECT_FALSE(viewport.drag().rotating);
}

TEST(NearestHitName, TakesTheClosestHitAndGivesNothingForAnOverflow) {
    const std::vector<uint32_t> buffer = {1, 500, 900, 17,   // hit 1: name 17 at depth 500
                                          1, 200, 300, 42,   // hit 2: nearer
                                          1, 200, 250, 43};  // same depth: the earlier wins
    EXPECT_EQ(nearest_hit_name(buffer, 3), 42);
    EXPECT_EQ(nearest_hit_name(buffer, 1), 17);
    EXPECT_EQ(nearest_hit_name(buffer, 0), 0);
    EXPECT_EQ(nearest_hit_name(buffer, -1), 0);  // overflow: whatever the buffer holds
    EXPECT_EQ(nearest_hit_name(buffer, 4), 0);   // records past the buffer
    const std::vector<uint32_t> bad_count = {1, 5, 5, 9, 300, 1, 1, 1};
    EXPECT_EQ(nearest_hit_name(bad_count, 2), 0);
}

struct AttachedViewport : testing::Test {
    void SetUp() override {
        viewport.gl = &gl;
        viewport.ColorBits = 24;
        panel.OnMouseDown = [this](MouseButton, ShiftState, int x, int) {
            form_saw.push_back("down " + std::to_string(x) + " rotating " +
                               std::to_string(viewport.drag().rotating));
        };
        panel.OnClick = [this] {
            form_saw.push_back("click " + std::to_string(viewport.PickedName));
        };
        viewport.AttachPanel(panel);
        viewport.SetCamera(&camera);
    }
    std::string list_call(const char* what) const {
        return std::string(what) + " " + std::to_string(viewport.list_number());
    }
    RecordingGl gl;
    FakePanel panel;
    TGLViewport viewport;
    TGLCamera camera;
    std::vector<std::string> form_saw;
};

TEST_F(AttachedViewport, SetsUpTheContextWithTheColourBits) {
    EXPECT_EQ(panel.events.front(), "format 24");
    EXPECT_TRUE(viewport.context_ready());
    EXPECT_EQ(gl.count_calls("setup_context"), 1u);
    EXPECT_EQ(gl.count_calls("perspective 45 1.33333 0.1 100"), 1u);
    EXPECT_EQ(gl.count_calls("viewport 0 0 800 600"), 1u);
}

TEST_F(AttachedViewport, TheFormsMouseDownRunsAfterTheViewportRecordedTheDrag) {
    ShiftState s;
    s.right = true;
    panel.OnMouseDown(MouseButton::kRight, s, 7, 8);
    EXPECT_EQ(form_saw, (std::vector<std::string>{"down 7 rotating 1"}));
}

TEST_F(AttachedViewport, AClickPicksBeforeTheFormSeesItUnlessNoClickPick) {
    gl.selection = {1, 10, 10, 3000};
    gl.hits = 1;
    panel.OnClick();
    EXPECT_EQ(form_saw.back(), "click 3000");
    viewport.NoClickPick = true;
    viewport.PickedName = 0;
    panel.OnClick();
    EXPECT_EQ(form_saw.back(), "click 0");
}

TEST_F(AttachedViewport, PickAimsAtTheLastMousePositionFromTheBottom) {
    viewport.set_last_mouse(120, 100);
    gl.selection = {1, 10, 10, 7};
    gl.hits = 1;
    viewport.Pick();
    EXPECT_EQ(viewport.PickedName, 7);
    EXPECT_EQ(gl.count_calls("pick_matrix 120 500 0.09 0.09"), 1u);
    // A selection pass shows no frame.
    EXPECT_EQ(std::count(panel.events.begin(), panel.events.end(), "swap"), 0);
}

TEST_F(AttachedViewport, AnOverflowingSelectionPicksNothing) {
    viewport.PickedName = 12;
    gl.selection = {1, 10, 10, 99};  // stale records in the buffer
    gl.hits = -1;
    viewport.Pick();
    EXPECT_EQ(viewport.PickedName, 0);
}

TEST_F(AttachedViewport, PaintCompilesOnceThenReplaysUntilRedraw) {
    int drawn = 0;
    viewport.DrawProc = [&] { ++drawn; };
    viewport.Paint();
    viewport.Paint();
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(gl.count_calls(list_call("new_list")), 1u);
    EXPECT_EQ(gl.count_calls(list_call("call_list")), 1u);
    viewport.Redraw();
    EXPECT_EQ(drawn, 2);
}

TEST_F(AttachedViewport, ARangeDrawnBetweenBeginAndEndListPaintIsReplayedUntilRedraw) {
    int scene = 0;
    viewport.DrawProc = [&] { ++scene; };
    viewport.Paint();
    viewport.BeginListPaint();
    viewport.EndListPaint();
    EXPECT_EQ(gl.count_calls(list_call("new_list")), 2u);
    ShiftState s;
    viewport.PanelMouseMove(s, 1, 1);  // navigation replays what the list holds now
    EXPECT_EQ(scene, 1);
    EXPECT_EQ(gl.count_calls(list_call("call_list")), 1u);
    viewport.Redraw();
    EXPECT_EQ(scene, 2);
}

TEST(ViewportLists, EachViewportHasItsOwnListNumber) {
    TGLViewport a, b;
    EXPECT_EQ(b.list_number(), a.list_number() + 1);
}

}  // namespace
}  // namespace rw
