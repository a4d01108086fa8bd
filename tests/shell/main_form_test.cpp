#include "shell/main_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <memory>
#include <set>

#include "document/project_file.h"
#include "gl_test_environment.h"
#include "levelfile/level_file.h"
#include "temp_dir.h"

namespace rw {
namespace {

// A project of two rooms side by side whose floors carry textures 1 to 3 of the base level.
std::string write_project(const test::TempDir& dir, const std::string& base_level) {
    auto doc = std::make_unique<LevelDocument>();
    EditorState state;
    SceneState scene;
    ResetDocument(*doc, state, scene, true);
    for (int n = 1; n <= 2; ++n) {
        Room& room = doc->room(++doc->room_count);
        room.rows = 6, room.columns = 6, room.height = 3;
        room.pos_x = 20 + (n - 1) * 6, room.pos_y = 10, room.pos_z = 20;
        room.name.assign("Room #" + std::to_string(n));
        room.default_floor_texture = n;
        room.default_floor_wall_texture = 3;
        room.default_ceiling_texture = 2;
        room.default_ceiling_wall_texture = 3;
        InitRoomSectors(*doc, n);
    }
    doc->current_room = 1;
    doc->base_level_path.assign(base_level);
    const std::string path = dir.path("two_rooms.rmw");
    WriteProjectFile(*doc, path);
    return path;
}

std::string sample(const char* name) {
    return std::string(RW_SAMPLES_DIR) + "/" + name;
}

// Share of the frame's pixels that are not black.
double drawn_share(const QImage& image) {
    int64_t drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += (image.pixel(x, y) & 0xFFFFFF) != 0;
    return static_cast<double>(drawn) / (image.width() * image.height());
}

int distinct_colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

struct MainForm : testing::Test {
    void SetUp() override { REQUIRE_DISPLAY(); }
    test::TempDir dir;
};

TEST_F(MainForm, OpensTheProjectOnItsOwnBaseLevelAndShowsTheCurrentRoom) {
    const std::string base = sample("sample.tr4");
    EditorOptions options;
    options.project_path = write_project(dir, base);
    TForm1 form(options);
    EXPECT_EQ(form.windowTitle().toStdString(), "Roomforge - " + options.project_path);
    EXPECT_EQ(form.editor_state().base_level_file, base);
    EXPECT_TRUE(form.base_level().is_loaded());
    EXPECT_EQ(form.base_level().num_rooms, 0);
    EXPECT_EQ(form.scene().scene_room, 1);
    EXPECT_EQ(form.base_view().texture_table.texture_count, form.base_level().num_object_textures);
    EXPECT_GT(form.base_view().mesh_list.mesh_count, 0);
    // The camera was centred on the room.
    EXPECT_DOUBLE_EQ(form.scene().position[0], -23);
}

TEST_F(MainForm, ShowsTheSampleProjectTexturedOnTheSampleOfEveryGameVersion) {
    const char* bases[] = {"sample.phd",     "sample.tub", "sample.tr2", "sample.trg",
                           "sample_tr3.tr2", "sample.tr4", "sample.trc"};
    for (const char* base : bases) {
        SCOPED_TRACE(base);
        EditorOptions options;
        options.project_path = sample("sample.rmw");
        options.base_level = sample(base);
        options.neighbour = 2;
        TForm1 form(options);
        ASSERT_EQ(form.editor_state().base_level_file, sample(base));
        ASSERT_TRUE(form.base_level().is_loaded());
        ASSERT_GE(form.document().room_count, 2);
        EXPECT_GE(form.base_view().panels[0].entry_count, 40);
        EXPECT_EQ(form.scene().neighbour_room, 2);
        form.SetRenderMode(kTextured);
        const QImage frame = form.panel().read_offscreen_frame();
        frame.save(QDir::current().filePath(QString("form_%1.png").arg(base)));
        EXPECT_GT(drawn_share(frame), 0.3);
        // Textured faces show the base level's pictures, not the plain white of no texture.
        EXPECT_GT(distinct_colours(frame), 100);
    }
}

TEST_F(MainForm, TheSampleProjectOpensOnItsOwnSampleBaseLevel) {
    EditorOptions options;
    options.project_path = sample("sample.rmw");
    TForm1 form(options);
    EXPECT_TRUE(form.base_level().is_loaded());
    EXPECT_EQ(form.base_level().game_version, kTR4);
}

TEST_F(MainForm, ALeftClickShowsThePickedNameInTheStatusBar) {
    EditorOptions options;
    options.project_path = write_project(dir, sample("sample.tr4"));
    TForm1 form(options);
    form.SetRenderMode(kSolid);
    form.viewport().view_rotation[0] = 90;  // look straight down on the floors
    form.viewport().Redraw();
    const int cx = form.panel().panel_width() / 2, cy = form.panel().panel_height() / 2;
    form.Panel1MouseDown(MouseButton::kLeft, {}, cx, cy);
    // The middle of a 6 x 6 room is the corner of sectors (3..4, 3..4); any of them will do.
    const QString text = form.status_text(0);
    EXPECT_TRUE(text.startsWith("Picked ")) << text.toStdString();
    EXPECT_TRUE(text.contains("Column:3") || text.contains("Column:4")) << text.toStdString();
    form.Panel1MouseDown(MouseButton::kLeft, {}, 2, 2);
    EXPECT_EQ(form.status_text(0), "Picked 0");
}

TEST_F(MainForm, KeysRotateZoomAndHomeCentresTheCameraAgain) {
    EditorOptions options;
    options.project_path = write_project(dir, sample("sample.tr4"));
    TForm1 form(options);
    TGLViewport& v = form.viewport();
    const double scale = v.view_scale[0];
    form.FormKeyDown(Qt::Key_Left, {});
    form.FormKeyDown(Qt::Key_PageDown, {});
    form.FormKeyDown(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(v.view_rotation[1], 3);
    EXPECT_EQ(v.view_rotation[0], 360);
    EXPECT_DOUBLE_EQ(v.view_scale[0], scale + 0.5);
    form.FormKeyDown(Qt::Key_Home, {});
    EXPECT_EQ(v.view_rotation, (Vec3{0, 0, 0}));
    EXPECT_DOUBLE_EQ(v.view_scale[0], scale);
}

TEST_F(MainForm, MenuShortcutsTypedInTheViewReachTheMenu) {
    EditorOptions options;
    options.project_path = write_project(dir, sample("sample.tr4"));
    TForm1 form(options);
    const struct {
        Qt::Key key;
        uint8_t mode;
    } cases[] = {{Qt::Key_F6, kSolid}, {Qt::Key_F7, kTextured}, {Qt::Key_F5, kWireframe}};
    for (const auto& c : cases) {
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        form.panel().OnKeyDown(&press);
        EXPECT_EQ(form.scene().render_mode, c.mode);
    }
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    form.panel().OnKeyDown(&f2);
    EXPECT_TRUE(form.scene().perspective_correction);
}

TEST_F(MainForm, AnUnreadableBaseLevelLeavesNoBaseLevelFile) {
    EditorOptions options;
    options.project_path = write_project(dir, dir.path("missing.tr4"));
    // The refusal is shown in a message box; answer every box as soon as it is up, however
    // late in the form's construction it comes.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) box->accept();
    });
    answer.start(10);
    TForm1 form(options);
    answer.stop();
    EXPECT_TRUE(form.editor_state().base_level_file.empty());
    EXPECT_FALSE(form.base_level().is_loaded());
}

}  // namespace
}  // namespace rw
