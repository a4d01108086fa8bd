#pragma once
// The figure that draws the level document into the main view: the current room with pick
// names (floors, ceilings, walls, ornaments, portal views, grid, axis and Lara markers) and one
// neighbour room in plain white, in wireframe, solid or textured mode.

#include <array>
#include <cstdint>

#include "document/corner_heights.h"
#include "document/editor_state.h"
#include "document/level_document.h"
#include "levelfile/mesh_list.h"
#include "levelfile/texture_table.h"
#include "levelfile/trlevel.h"
#include "view/gl_figure.h"
#include "view/texture_binder.h"

namespace rw {

enum RenderMode : uint8_t { kWireframe = 0, kSolid = 3, kTextured = 4 };

inline constexpr int32_t kNeighbourPickName = 3000;
inline constexpr int32_t kOrnamentPickBase = 4000;

enum class Pass : uint8_t { kFloor, kCeiling };

// What one sector shows in one pass; built by DrawRoom, drawn by DrawFaces.
struct FaceSet {
    Pass pass = Pass::kFloor;
    Corners corners{};
    int32_t base = 0;
    int32_t front_texture = 0, back_texture = 0, left_texture = 0, right_texture = 0;
    int32_t top_texture1 = 0, top_texture2 = 0;
    Rgb front_colour, back_colour, left_colour, right_colour, top_colour;
    uint8_t portal_triangle = 0;
    int32_t edit_mode = 0;
    bool selected = false;
    bool wireframe = false;
};

// The scene's view state (scene_room, neighbour_room, edit_mode) is the SceneState the editing
// operations take, so they act on the scene directly.
class tr_scene : public tglfigure, public SceneState {
  public:
    tr_scene();

    void Draw() override;
    void DrawRange(int from, int to);
    void CenterOnCurrentRoom();

    void DrawRoom(int room);
    void DrawFaces(const FaceSet& faces, int split_kind, double x, double y, double z);
    void DrawOrnaments(int room);

    const Ttrlevel* base_level = nullptr;
    const LevelDocument* document = nullptr;
    const Ttabla_textures* texture_table = nullptr;
    const Tmesh_list* mesh_list = nullptr;

    int32_t solid_texture = 4000;
    uint8_t render_mode = kWireframe;
    bool hide_neighbour = false;
    bool hide_portals = false;
    bool hide_floor = false;
    bool hide_ceiling = false;
    bool hide_static_meshes = false;
    bool hide_grids = false;
    int32_t show_from_column = 1;
    int32_t show_from_row = 1;
    int32_t marked_side = 0;      // 0 all, 1 front, 2 back, 3 left, 4 right
    int32_t marked_triangle = 0;  // 0 both, 1 triangle 1, 2 triangle 2

  private:
    void draw_pass(const Room& room, int n, Pass pass);
    void draw_wall(const FaceSet& f, int32_t texture, Rgb colour, int first, int second, double x,
                   double y, double z);
    void draw_portal_views(const Room& room);
    void draw_grid(const Room& room);
    void draw_lara_marker(const Room& room);
    void bind(int32_t texture);

    TextureBinder binder_;
};

}  // namespace rw
