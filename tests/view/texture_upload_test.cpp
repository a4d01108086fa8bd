#include "view/texture_upload.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fake_panel.h"
#include "level_fixtures.h"
#include "recording_gl.h"
#include "recording_sinks.h"
#include "view/base_level_view.h"
#include "view/editor_textures.h"
#include "view/view_textures.h"

namespace rw {
namespace {

using test::RecordingGl;

TEST(TextureUploadImage, KeepsPowerOfTwoSizesAndScalesOthersTo64) {
    struct Case {
        int w, h, out_w, out_h;
    };
    const Case cases[] = {
        {32, 32, 32, 32}, {8, 256, 8, 256}, {64, 48, 64, 64}, {300, 64, 64, 64}, {4, 4, 64, 64}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        Bitmap b(c.w, c.h, PixelFormat::k16);
        const TextureImage image = texture_upload_image(b, 24);
        EXPECT_EQ(image.width, c.out_w);
        EXPECT_EQ(image.height, c.out_h);
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(c.out_w * c.out_h * 3));
    }
}

TEST(TextureUploadImage, SixteenAndTwentyFourBitsGiveTheSameThreeComponentsAnd32GivesFour) {
    Bitmap picture(8, 8, PixelFormat::k16);
    picture.set_pixel(3, 2, {255, 128, 0});
    Bitmap a = picture, b = picture, c = picture, d = picture;
    const TextureImage i16 = texture_upload_image(a, 16);
    const TextureImage i24 = texture_upload_image(b, 24);
    const TextureImage i32 = texture_upload_image(c, 32);
    const TextureImage odd = texture_upload_image(d, 15);
    EXPECT_EQ(i16.components, 3);
    EXPECT_EQ(i16.pixels, i24.pixels);
    EXPECT_EQ(odd.pixels, i24.pixels);
    EXPECT_EQ(i32.components, 4);
    EXPECT_EQ(b.format(), PixelFormat::k24);  // the caller's picture is switched
    EXPECT_EQ(c.format(), PixelFormat::k32);
    // Blue, green, red order, top row first.
    const size_t at = (2 * 8 + 3) * 3;
    EXPECT_EQ(i24.pixels[at], 0);
    EXPECT_EQ(i24.pixels[at + 2], 255);
}

TEST(TextureUploadImage, OtherSizesAreStretchedOver65PixelsSoTheLastColumnFallsOutside) {
    Bitmap stripes(3, 3, PixelFormat::k24);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            stripes.set_pixel(x, y, {static_cast<uint8_t>(x * 100), 0, 0});
    const TextureImage image = texture_upload_image(stripes, 24);
    auto red_at = [&](int x) { return image.pixels[static_cast<size_t>(x * 3 + 2)]; };
    EXPECT_EQ(red_at(21), 0);
    EXPECT_EQ(red_at(22), 100);
    EXPECT_EQ(red_at(43), 100);  // a 64-pixel stretch would already show the third stripe
    EXPECT_EQ(red_at(44), 200);
}

TEST(UploadTexture, GivesEveryViewportTheSameImageUnderTheName) {
    RecordingGl gl_a, gl_b;
    TGLViewport a, b;
    a.gl = &gl_a;
    b.gl = &gl_b;
    Bitmap picture(16, 16, PixelFormat::k24);
    TGLViewport* const viewports[] = {&a, &b};
    EXPECT_TRUE(UploadTexture(77, picture, 32, viewports));
    ASSERT_EQ(gl_a.uploads.size(), 1u);
    ASSERT_EQ(gl_b.uploads.size(), 1u);
    EXPECT_EQ(gl_b.uploads[0].name, 77u);
    EXPECT_EQ(gl_b.uploads[0].components, 4);
    EXPECT_EQ(gl_a.count_calls("upload_state"), 1u);
}

struct ViewTextures : testing::Test {
    ViewTextures() {
        level.game_version = kTR4;
        test::set_tiles16(level, 1,
                          [](int, int x, int y) { return test::rgb555(x / 8, y / 8, 0); });
        std::vector<tr_object_texture> textures;
        for (int i = 0; i < 6; ++i)
            textures.push_back(test::quad_texture(0, 32 * i, 0, 32, 16, i == 1));
        test::set_object_textures(level, textures);
        viewport.gl = &gl;
        level.gauge = &progress;
    }
    Ttrlevel level;
    RecordingGl gl;
    TGLViewport viewport;
    test::RecordingProgress progress;
    test::RecordingLog log;
};

TEST_F(ViewTextures, ObjectTextureIBecomesNameIPlusOneUnmirrored) {
    TGLViewport* const viewports[] = {&viewport};
    EXPECT_EQ(load_view_textures(level, viewports, 24, &log), 0);
    ASSERT_EQ(gl.uploads.size(), 6u);
    const test::RecordedUpload& second = gl.uploads[1];
    EXPECT_EQ(second.name, 2u);
    EXPECT_EQ(second.width, 32);
    EXPECT_EQ(second.height, 16);
    // The mirrored texture keeps the tile's left pixel on the left: red = 32 / 8 = 4.
    EXPECT_EQ(second.pixels[2], (4 << 3) | (4 >> 2));
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(progress.values.back(), 0);
    EXPECT_EQ(progress.values[progress.values.size() - 2], 100);
}

TEST_F(ViewTextures, ARefusedTextureIsLeftWithoutImageReportedOnceAndTheRestStillLoad) {
    gl.refuse = {3};
    TGLViewport second;
    RecordingGl second_gl;
    second_gl.refuse = {3};
    second.gl = &second_gl;
    TGLViewport* const viewports[] = {&viewport, &second};
    EXPECT_EQ(load_view_textures(level, viewports, 24, &log), 1);
    EXPECT_EQ(gl.uploads.size(), 5u);
    EXPECT_EQ(gl.uploads.back().name, 6u);
    EXPECT_EQ(gl.deleted, (std::vector<uint32_t>{3}));
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0], "OpenGL refused 1 texture(s): 3");
}

TEST_F(ViewTextures, ALevelOfOver4000TexturesLeavesTheSolidAndMarkerNamesToTheEditor) {
    test::set_object_textures(
        level, std::vector<tr_object_texture>(4010, test::quad_texture(0, 0, 0, 8, 8)));
    TGLViewport* const viewports[] = {&viewport};
    EXPECT_EQ(load_view_textures(level, viewports, 24, &log), 0);
    std::vector<uint32_t> names;
    for (const test::RecordedUpload& u : gl.uploads)
        names.push_back(u.name);
    EXPECT_EQ(names.size(), 4010u - 9u);
    for (uint32_t reserved = 4000; reserved <= 4008; ++reserved)
        EXPECT_EQ(std::count(names.begin(), names.end(), reserved), 0) << reserved;
    EXPECT_EQ(names.back(), 4010u);  // the textures above the reserved names still load
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0],
              "9 texture(s) not shown: their names belong to the editor's own textures");
    EXPECT_EQ(progress.values[progress.values.size() - 2], 100);
}

TEST_F(ViewTextures, ALevelWithFewerTexturesThanTheLastFreesTheNamesItDoesNotFill) {
    BaseLevelView view;
    TGLViewport* const viewports[] = {&viewport};
    build_base_level_view(level, view, viewports, 24);
    EXPECT_TRUE(gl.deleted.empty());
    test::set_object_textures(level, {test::quad_texture(0, 0, 0, 32, 16)});
    build_base_level_view(level, view, viewports, 24);
    // Names 2-6 would otherwise go on showing the pictures of the level loaded before.
    EXPECT_EQ(gl.deleted, (std::vector<uint32_t>{2, 3, 4, 5, 6}));
    EXPECT_EQ(gl.uploads.back().name, 1u);
}

TEST(EditorTextures, UploadsTheSolidTextureAndEightMarkers) {
    RecordingGl gl;
    TGLViewport viewport;
    viewport.gl = &gl;
    upload_editor_textures(viewport, solid_picture(), 16);
    ASSERT_EQ(gl.uploads.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(gl.uploads[i].name, 4000 + i);
        EXPECT_EQ(gl.uploads[i].width, 64);
    }
}

TEST(MarkerPicture, EachIsAWhiteArrowOnRedPointingItsWay) {
    // Picture directions of markers 1-8: down, up, left, right, lower-right, lower-left,
    // upper-left, upper-right.
    const int directions[8][2] = {{0, 1}, {0, -1}, {-1, 0},  {1, 0},
                                  {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        const Bitmap arrow = marker_picture(k);
        ASSERT_EQ(arrow.width(), 64);
        const double dx = directions[k - 1][0], dy = directions[k - 1][1];
        const double length = std::hypot(dx, dy);
        const double ux = dx / length, uy = dy / length;
        // Beside the head the arrow is wide, beside the tail it is narrow.
        auto at = [&](double along, double across) {
            return arrow.pixel(static_cast<int>(32 + along * ux - across * uy),
                               static_cast<int>(32 + along * uy + across * ux));
        };
        EXPECT_EQ(at(10, 8), (Rgb{255, 255, 255}));
        EXPECT_NE(at(-15, 8), (Rgb{255, 255, 255}));
        EXPECT_EQ(at(-15, 0), (Rgb{255, 255, 255}));
        EXPECT_EQ(arrow.pixel(0, 0).r, 200);
    }
}

}  // namespace
}  // namespace rw
