#include <gtest/gtest.h>

#include <QDir>

#include "gl_session.h"
#include "level_fixtures.h"
#include "view/editor_textures.h"
#include "view/view_textures.h"

namespace rw {
namespace {

using test::GlSession;

// A base level whose object texture 0 is a 64 x 64 tile corner of plain blue and texture 1 of
// plain green (1-5-5-5 tile pixels).
void blue_and_green_textures(Ttrlevel& level) {
    level.game_version = kTR4;
    test::set_tiles16(level, 1, [](int, int x, int) {
        return x < 64 ? test::rgb555(0, 0, 31) : test::rgb555(0, 31, 0);
    });
    test::set_object_textures(
        level, {test::quad_texture(0, 0, 0, 64, 64), test::quad_texture(0, 64, 0, 64, 64)});
}

Room& add_room(LevelDocument& doc, int columns, int rows, int height) {
    Room& room = doc.room(++doc.room_count);
    room.columns = static_cast<uint16_t>(columns);
    room.rows = static_cast<uint16_t>(rows);
    room.height = static_cast<uint16_t>(height);
    room.pos_x = 4, room.pos_y = 1, room.pos_z = 6;
    for (Sector& s : room.sectors) {
        s = Sector{};
        s.floor_texture = s.floor_texture2 = 1;
        s.ceiling_texture = s.ceiling_texture2 = 2;
    }
    return room;
}

QRgb colour_at(const QImage& image, std::array<int, 2> at) {
    return image.pixel(at[0], at[1]) & 0xFFFFFF;
}

struct Rendering : testing::Test {
    void SetUp() override {
        REQUIRE_DISPLAY();
        session = std::make_unique<GlSession>(320, 240);
        blue_and_green_textures(session->level);
        TGLViewport* const viewports[] = {&session->viewport};
        load_view_textures(session->level, viewports, 24);
        upload_editor_textures(session->viewport, solid_picture(), 24);
        Room& room = add_room(*session->doc, 4, 4, 3);
        room.sector(2, 2).death = 1;
        room.sector(3, 3).floor_texture = 2;
        session->scene.scene_room = 1;
        session->scene.hide_grids = true;
        session->look_down_on_current_room();
    }
    std::unique_ptr<GlSession> session;
};

TEST_F(Rendering, ATexturedRoomShowsEachFloorsTextureAndTheBackgroundStaysBlack) {
    session->scene.render_mode = kTextured;
    const QImage image = session->frame();
    ASSERT_FALSE(image.isNull());
    image.save(QDir::current().filePath("textured_room.png"));
    const auto centre = [&](int c, int r) {
        return session->screen_of(4 + c - 0.5, 1, -(6 + r - 0.5));
    };
    EXPECT_EQ(colour_at(image, centre(1, 2)), 0x0000FFu);  // texture 1, blue, in white
    // Texture 2, green: full 5-bit green becomes 62 of 63 in 5-6-5, so 251 of 255.
    EXPECT_EQ(colour_at(image, centre(3, 3)), 0x00FB00u);
    // The death colour (128, 0, 0) multiplies the blue texture down to black.
    EXPECT_EQ(colour_at(image, centre(2, 2)), 0x000000u);
    EXPECT_EQ(colour_at(image, {2, 2}), 0x000000u);
}

TEST_F(Rendering, SolidModeShowsTheFaceColoursOnTheSolidTexture) {
    session->scene.render_mode = kSolid;
    const QImage image = session->frame();
    image.save(QDir::current().filePath("solid_room.png"));
    const auto centre = [&](int c, int r) {
        return session->screen_of(4 + c - 0.5, 1, -(6 + r - 0.5));
    };
    EXPECT_EQ(colour_at(image, centre(1, 2)), 0xFFFFFFu);
    EXPECT_EQ(colour_at(image, centre(2, 2)), 0x800000u);
}

TEST_F(Rendering, AWireframeRoomIsDrawnInGreenLines) {
    session->scene.render_mode = kWireframe;
    const QImage image = session->frame();
    image.save(QDir::current().filePath("wireframe_room.png"));
    int green = 0, other = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xFFFFFF;
            if (c == 0x00FF00u) {
                ++green;
            } else if (c != 0 && c != 0x800000u) {  // the death sector's lines
                ++other;
            }
        }
    }
    EXPECT_GT(green, 100);
    EXPECT_EQ(other, 0);
    // Inside a sector there is no line.
    EXPECT_EQ(colour_at(image, session->screen_of(4 + 1.5, 1, -(6 + 1.5))), 0u);
}

TEST_F(Rendering, ASecondViewportSharesTheTexturesOfTheFirst) {
    GlSession second(320, 240);
    second.doc = std::move(session->doc);
    second.scene.document = second.doc.get();
    second.scene.base_level = &session->level;
    second.scene.scene_room = 1;
    second.scene.hide_grids = true;
    second.scene.render_mode = kTextured;
    second.look_down_on_current_room();
    const QImage image = second.frame();
    EXPECT_EQ(colour_at(image, second.screen_of(4 + 0.5, 1, -(6 + 1.5))), 0x0000FFu);
    EXPECT_NE(second.viewport.list_number(), session->viewport.list_number());
}

TEST(GlContext, GrantsADepthBufferAndACompatibilityContext) {
    REQUIRE_DISPLAY();
    GlSession session;
    EXPECT_GE(session.panel.depth_bits(), 16);
}

}  // namespace
}  // namespace rw
