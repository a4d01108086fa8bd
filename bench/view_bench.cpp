// The 3D view's costs under Mesa, each beside the floor it cannot go below, in one run:
// - loading a TR4 base level of 32 tiles into the view (texture table, four panels, mesh list and
//   every texture upload; the level is already inflated) against the bare uploads of the same
//   pictures;
// - compiling the display list of a 31 x 31 room in textured mode against a list of as many
//   plain quads;
// - replaying that list in an 800 x 600 frame against a frame that is only cleared.
// Needs a display: run it under xvfb-run.

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "document/editor_state.h"
#include "levelfile/level_file.h"
#include "levelfile/texture_table.h"
#include "view/base_level_view.h"
#include "view/editor_textures.h"
#include "view/gl_panel.h"
#include "view/texture_upload.h"
#include "view/tr_scene.h"

namespace rw {
namespace {

constexpr int kTiles = 32;

// The TR4 sample widened to 32 tiles: its tiles and textures repeated, and every tile also cut
// into 32 x 32 quads, about as many textures as a large game level holds.
Ttrlevel& wide_tr4_level() {
    static Ttrlevel level;
    if (level.is_loaded()) return level;
    if (load_level(level, std::string(RW_SAMPLES_DIR) + "/sample.tr4") != 0) std::abort();
    const int tiles = level.num_textiles;
    const auto original = level.object_textures;
    std::vector<uint8_t> pixels = level.textile16;
    level.textile16.resize(static_cast<size_t>(kTiles) * kTileBytes16);
    std::vector<tr_object_texture> textures;
    for (int t = 0; t < kTiles; ++t) {
        std::copy(pixels.begin() + static_cast<std::ptrdiff_t>((t % tiles) * kTileBytes16),
                  pixels.begin() + static_cast<std::ptrdiff_t>((t % tiles + 1) * kTileBytes16),
                  level.textile16.begin() + static_cast<std::ptrdiff_t>(t * kTileBytes16));
        if (t >= tiles && t % tiles == 0) {
            for (tr_object_texture o : original) {
                o.tile = static_cast<uint16_t>(o.tile + (t / tiles) * tiles);
                if ((o.tile & 0x0FFF) < kTiles) textures.push_back(o);
            }
        }
        for (int y = 0; y < 256; y += 32) {
            for (int x = 0; x < 256; x += 32) {
                tr_object_texture o{};
                o.tile = static_cast<uint16_t>(t);
                const auto l = static_cast<uint8_t>(x), r = static_cast<uint8_t>(x + 31);
                const auto top = static_cast<uint8_t>(y), b = static_cast<uint8_t>(y + 31);
                o.corners = {{{1, l, 1, top}, {255, r, 1, top}, {255, r, 255, b}, {1, l, 255, b}}};
                textures.push_back(o);
            }
        }
    }
    textures.insert(textures.begin(), original.begin(), original.end());
    level.num_textiles = kTiles;
    level.set_num_object_textures(static_cast<int32_t>(textures.size()));
    level.object_textures = textures;
    return level;
}

struct View {
    View() {
        panel.resize(800, 600);
        viewport.AttachPanel(panel);
        viewport.SetCamera(&camera);
        viewport.DrawProc = [this] { scene.Render(); };
        scene.document = doc.get();
        scene.base_level = &wide_tr4_level();
        scene.mesh_list = &base.mesh_list;
    }
    TGLPanel panel;
    TGLViewport viewport;
    TGLCamera camera;
    tr_scene scene;
    BaseLevelView base;
    std::unique_ptr<LevelDocument> doc = std::make_unique<LevelDocument>();
};

std::unique_ptr<View> g_view;

View& view() {
    if (!g_view) g_view = std::make_unique<View>();
    return *g_view;
}

void finish() {
    glFinish();
}

void BM_LoadBaseLevelIntoView(benchmark::State& state) {
    Ttrlevel& level = wide_tr4_level();
    TGLViewport* const viewports[] = {&view().viewport};
    for (auto _ : state) {
        build_base_level_view(level, view().base, viewports, 24);
        finish();
    }
    state.counters["textures"] = level.num_object_textures;
}
BENCHMARK(BM_LoadBaseLevelIntoView)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_UploadOnlyFloor(benchmark::State& state) {
    Ttrlevel& level = wide_tr4_level();
    const Bitmap atlas = build_tile_atlas(level);
    std::vector<TextureImage> images;
    for (int i = 0; i < level.num_object_textures; ++i) {
        const TextureBounds b = atlas_bounds(level, i);
        Bitmap picture(b.width(), b.height(), PixelFormat::k24);
        copy_rect(atlas, b.left, b.top, b.right, b.bottom, picture);
        images.push_back(texture_upload_image(picture, 24));
    }
    view().viewport.MakeCurrent();
    for (auto _ : state) {
        for (size_t i = 0; i < images.size(); ++i) {
            glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(i + 1));
            glTexImage2D(GL_TEXTURE_2D, 0, 3, images[i].width, images[i].height, 0, GL_BGR,
                         GL_UNSIGNED_BYTE, images[i].pixels.data());
        }
        finish();
    }
}
BENCHMARK(BM_UploadOnlyFloor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// A 31 x 31 room of slopes, steps and split sectors, every face textured; the floors cycle
// through `floor_textures` textures (1: the room's default everywhere).
void make_big_room(LevelDocument& doc, int floor_textures) {
    doc.room_count = 1;
    doc.current_room = 1;
    Room& room = doc.room(1);
    room.rows = room.columns = 31;
    room.height = 8;
    room.pos_x = room.pos_z = 10, room.pos_y = 5;
    room.default_floor_texture = 5;
    room.default_floor_wall_texture = 9;
    room.default_ceiling_texture = 13;
    room.default_ceiling_wall_texture = 17;
    InitRoomSectors(doc, 1);
    for (int c = 2; c < 31; ++c) {
        for (int r = 2; r < 31; ++r) {
            Sector& s = room.sector(c, r);
            s.floor_base = (c * 7 + r * 3) % 4;
            s.floor_raise = (c + r) % 3;
            s.floor_split = static_cast<uint16_t>((c * r) % 3);
            s.floor_front = (c % 3) * 2;
            s.ceiling_base = (c + 2 * r) % 3;
            s.floor_texture = s.floor_texture2 = 5 + (c * 31 + r) % floor_textures;
        }
    }
}

void BM_CompileRoomList(benchmark::State& state) {
    View& v = view();
    make_big_room(*v.doc, static_cast<int>(state.range(0)));
    v.scene.render_mode = kTextured;
    v.scene.CenterOnCurrentRoom();
    v.viewport.SetBoundsFromFigure(v.scene);
    v.viewport.FitToBounds();
    v.viewport.MakeCurrent();
    for (auto _ : state) {
        glNewList(static_cast<GLuint>(v.viewport.list_number()), GL_COMPILE);
        glInitNames();
        glPushName(0);
        v.scene.Render();
        glEndList();
        finish();
    }
}
BENCHMARK(BM_CompileRoomList)
    ->Arg(1)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_CompilePlainQuadsFloor(benchmark::State& state) {
    View& v = view();
    v.viewport.MakeCurrent();
    // About the faces of the room above: floors, ceilings and walls of 961 sectors.
    const int quads = 31 * 31 * 4;
    for (auto _ : state) {
        glNewList(9999, GL_COMPILE);
        for (int q = 0; q < quads; ++q) {
            glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(1 + q % 60));
            glBegin(GL_QUADS);
            for (int k = 0; k < 4; ++k) {
                glTexCoord2d(k & 1, k >> 1);
                glVertex3d(q % 31 + (k & 1), 0, q / 31 + (k >> 1));
            }
            glEnd();
        }
        glEndList();
        finish();
    }
}
BENCHMARK(BM_CompilePlainQuadsFloor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_ReplayRoomFrame(benchmark::State& state) {
    View& v = view();
    make_big_room(*v.doc, static_cast<int>(state.range(0)));
    v.scene.render_mode = kTextured;
    v.viewport.Redraw();  // compiles the list once
    for (auto _ : state) {
        v.viewport.Paint();
        v.viewport.MakeCurrent();
        finish();
    }
}
BENCHMARK(BM_ReplayRoomFrame)
    ->Arg(1)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_ClearedFrameFloor(benchmark::State& state) {
    View& v = view();
    v.viewport.MakeCurrent();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        finish();
    }
}
BENCHMARK(BM_ClearedFrameFloor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace rw

int main(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::cerr << "view_bench needs a display: run it under xvfb-run\n";
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    rw::upload_editor_textures(rw::view().viewport, rw::solid_picture(), 24);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rw::g_view.reset();  // the view's context goes before the application
    return 0;
}
