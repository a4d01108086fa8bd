#include "view/tr_scene.h"

#include <algorithm>

#include "view/mesh_drawing.h"
#include "view/texture_corners.h"

namespace rw {

namespace {

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kClimbGrey{128, 128, 128};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kDeathRed{128, 0, 0};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};

// Offsets of corners 1-4 from a sector's front-left point (x, z).
constexpr double kCornerDx[4] = {0, 1, 1, 0};
constexpr double kCornerDz[4] = {0, 0, 1, 1};

// Rooms may claim more rows or columns than a grid holds; only the grid is drawn.
int grid_columns(const Room& room) {
    return std::min<int>(room.columns, kGridSize);
}
int grid_rows(const Room& room) {
    return std::min<int>(room.rows, kGridSize);
}
// The place of grid line `k` (from 1) of a room at `pos`: a stored position may lie at the end of
// the int32 range, so the sum is made in doubles.
double place(int32_t pos, int32_t k) {
    return static_cast<double>(pos) + k - 1;
}
bool in_grid(int c, int r) {
    return c >= 1 && c <= kGridSize && r >= 1 && r <= kGridSize;
}

// This sector's edge (corners a, b) stands above the neighbour's matching corners (na, nb).
bool stands_above(const Corners& own, int a, int b, const Corners& other, int na, int nb) {
    return own[static_cast<size_t>(a)] > other[static_cast<size_t>(na)] ||
           own[static_cast<size_t>(b)] > other[static_cast<size_t>(nb)];
}

struct Vertex {
    double x, y, z;
};

Rgb ornament_colour(const Ornament& o, bool halved) {
    auto channel = [&](int v) {
        int c = std::clamp(v * 8, 0, 255);
        if (halved) c /= 2;
        return static_cast<uint8_t>(c);
    };
    if (o.red == -1) return {channel(31), channel(31), channel(31)};
    return {channel(o.red), channel(o.green), channel(o.blue)};
}

}  // namespace

tr_scene::tr_scene() = default;

void tr_scene::Draw() {
    if (document == nullptr) return;
    const int count = std::min<int>(document->room_count, kMaxRooms);
    if (count == 0) return;
    if (scene_room >= 1 && scene_room <= count) DrawRoom(scene_room);
    if (neighbour_room >= 1 && neighbour_room <= count && neighbour_room != scene_room &&
        !hide_neighbour)
        DrawRoom(neighbour_room);
}

void tr_scene::DrawRange(int from, int to) {
    BeginTransform();
    const int count = document != nullptr ? std::min<int>(document->room_count, kMaxRooms) : 0;
    from = std::max(std::min(from, count), 1);
    to = std::min(to, count);
    for (int n = from; n <= to; ++n)
        DrawRoom(n);
    gl->pop_matrix();
}

void tr_scene::CenterOnCurrentRoom() {
    if (document == nullptr || scene_room < 1 ||
        scene_room > std::min<int>(document->room_count, kMaxRooms))
        return;
    const Room& room = document->room(scene_room);
    bounds_min = {static_cast<double>(room.pos_x), static_cast<double>(room.pos_y),
                  -static_cast<double>(room.pos_z) - room.rows};
    bounds_max = {static_cast<double>(room.pos_x) + room.columns,
                  static_cast<double>(room.pos_y) + room.height, -static_cast<double>(room.pos_z)};
    for (size_t a = 0; a < 3; ++a)
        position[a] = -(bounds_min[a] + (bounds_max[a] - bounds_min[a]) / 2);
}

void tr_scene::DrawRoom(int n) {
    if (document == nullptr || n < 1 || n > std::min<int>(document->room_count, kMaxRooms)) return;
    const Room& room = document->room(n);
    const bool wireframe = render_mode == kWireframe;
    binder_.reset();
    gl->polygon_mode_fill(!wireframe);
    gl->set_texturing(!wireframe);
    gl->shade_flat();
    if (!hide_floor) draw_pass(room, n, Pass::kFloor);
    if (!hide_ceiling) draw_pass(room, n, Pass::kCeiling);
    if (!hide_static_meshes) DrawOrnaments(n);
    if (n != scene_room) return;
    gl->load_name(0);
    if (!hide_portals) draw_portal_views(room);
    if (!hide_grids) draw_grid(room);
    if (!hide_grids && !hide_portals && n == document->lara_room) draw_lara_marker(room);
}

void tr_scene::draw_pass(const Room& room, int n, Pass pass) {
    const bool floor = pass == Pass::kFloor;
    const bool is_scene = n == scene_room;
    const bool wireframe = render_mode == kWireframe;
    const int columns = grid_columns(room), rows = grid_rows(room);
    // Corners of the pass's surface for every sector, and the floors for the closed test.
    std::array<Corners, kSectorsPerRoom> own{};
    std::array<Corners, kSectorsPerRoom> floors{};
    auto at = [](int c, int r) { return static_cast<size_t>((c - 1) * kGridSize + (r - 1)); };
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            const Sector& s = room.sector(c, r);
            floors[at(c, r)] = FloorCorners(s);
            own[at(c, r)] = floor ? floors[at(c, r)] : CeilingCorners(s);
        }
    }
    const Rgb default_colour = wireframe ? kGreen : kWhite;

    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            if ((is_scene || !floor) && (c < show_from_column || r < show_from_row)) continue;
            const Sector& s = room.sector(c, r);
            FaceSet f;
            f.pass = pass;
            f.corners = own[at(c, r)];
            f.edit_mode = edit_mode;
            f.selected = s.selected != 0;
            f.wireframe = wireframe;
            if (floor) {
                f.base = s.floor_base;
                f.top_texture1 = s.floor_texture, f.top_texture2 = s.floor_texture2;
                f.front_texture = s.floor_wall_front, f.back_texture = s.floor_wall_back;
                f.left_texture = s.floor_wall_left, f.right_texture = s.floor_wall_right;
                f.portal_triangle = s.floor_portal_triangle;
            } else {
                f.base = s.ceiling_base;
                f.top_texture1 = s.ceiling_texture, f.top_texture2 = s.ceiling_texture2;
                f.front_texture = s.ceiling_wall_front, f.back_texture = s.ceiling_wall_back;
                f.left_texture = s.ceiling_wall_left, f.right_texture = s.ceiling_wall_right;
                f.portal_triangle = s.ceiling_portal_triangle;
            }
            int32_t* textures[] = {&f.front_texture, &f.back_texture, &f.left_texture,
                                   &f.right_texture, &f.top_texture1, &f.top_texture2};
            if (render_mode == kSolid) {
                for (int32_t* t : textures)
                    if (*t != 0) *t = solid_texture;
            }

            f.front_colour = f.back_colour = f.left_colour = f.right_colour = f.top_colour =
                default_colour;
            if (floor) {
                if (s.climb_front) f.front_colour = kClimbGrey;
                if (s.climb_back) f.back_colour = kClimbGrey;
                if (s.climb_left) f.left_colour = kClimbGrey;
                if (s.climb_right) f.right_colour = kClimbGrey;
                if (s.step_sound != 0) f.top_colour = kCyan;
                if (s.death) f.top_colour = kDeathRed;
                if (s.room_side != 0 || s.room_below != 0) f.top_colour = kMagenta;
            } else {
                if (s.climb_ceiling) f.top_colour = kClimbGrey;
                if (s.room_above != 0) f.top_colour = kMagenta;
            }
            auto paint_all = [&](Rgb colour) {
                f.front_colour = f.back_colour = f.left_colour = f.right_colour = f.top_colour =
                    colour;
            };
            if (edit_mode == 1) paint_all(f.selected ? kRed : kCyan);
            if (!is_scene) paint_all(kWhite);

            // A wall shows only where this sector stands above its neighbour; none at the
            // room's border, nor towards a first-row or first-column portal sector.
            const Corners& h = f.corners;
            if (r == 1 || !stands_above(h, 0, 1, own[at(c, r - 1)], 3, 2) ||
                (c == 1 && room.sector(c, r - 1).room_side != 0))
                f.front_texture = 0;
            if (r == rows || !stands_above(h, 3, 2, own[at(c, r + 1)], 0, 1) ||
                (c == 1 && room.sector(c, r + 1).room_side != 0))
                f.back_texture = 0;
            if (c == 1 || !stands_above(h, 0, 3, own[at(c - 1, r)], 1, 2) ||
                (r == 1 && room.sector(c - 1, r).room_side != 0))
                f.left_texture = 0;
            if (c == columns || !stands_above(h, 1, 2, own[at(c + 1, r)], 0, 3) ||
                (r == 1 && room.sector(c + 1, r).room_side != 0))
                f.right_texture = 0;

            // A closed sector (floor meeting the ceiling at every corner) shows no top.
            const Corners& fl = floors[at(c, r)];
            const Corners ce = floor ? CeilingCorners(s) : f.corners;
            bool closed = true;
            for (size_t k = 0; k < 4; ++k)
                closed = closed && room.height - ce[k] <= fl[k];
            bool hidden = closed;
            if (!floor && (r == 1 || c == 1) && s.room_side != 0) hidden = true;
            if (hidden) f.top_texture1 = f.top_texture2 = 0;
            if (wireframe && (floor ? s.room_below : s.room_above) != 0)
                f.top_texture1 = f.top_texture2 = 1;

            if (edit_mode == 1 && f.selected) {
                const uint16_t split = floor ? s.floor_split : s.ceiling_split;
                int32_t marker = 0;
                if (split == 0) {
                    static constexpr int32_t kFloorSides[5] = {0, 4001, 4002, 4003, 4004};
                    static constexpr int32_t kCeilingSides[5] = {0, 4002, 4001, 4003, 4004};
                    if (marked_side >= 1 && marked_side <= 4)
                        f.top_texture1 = marker =
                            (floor ? kFloorSides : kCeilingSides)[marked_side];
                } else if (marked_triangle == 1 || marked_triangle == 2) {
                    // [split kind - 1][triangle - 1]
                    static constexpr int32_t kFloorTriangles[2][2] = {{4007, 4005}, {4006, 4008}};
                    static constexpr int32_t kCeilingTriangles[2][2] = {{4006, 4008}, {4007, 4005}};
                    if (split == 1 || split == 2) {
                        marker = (floor ? kFloorTriangles
                                        : kCeilingTriangles)[split - 1][marked_triangle - 1];
                        f.top_texture1 = f.top_texture2 = marker;
                    }
                }
                if (marker != 0) f.top_colour = kWhite;
            }

            gl->load_name(static_cast<uint32_t>(is_scene ? sector_pick_name(c, r, room.rows)
                                                         : kNeighbourPickName));
            const double x = place(room.pos_x, c);
            const double y = floor ? room.pos_y : static_cast<double>(room.pos_y) + room.height;
            const double z = -place(room.pos_z, r);
            DrawFaces(f, floor ? s.floor_split : s.ceiling_split, x, y, z);
        }
    }
}

void tr_scene::bind(int32_t texture) {
    binder_.bind(*gl, static_cast<uint32_t>(texture), perspective_correction);
}

void tr_scene::draw_wall(const FaceSet& f, int32_t texture, Rgb colour, int first, int second,
                         double x, double y, double z) {
    if (texture == 0) return;
    const bool floor = f.pass == Pass::kFloor;
    const double b = f.wireframe ? 0 : f.base;
    auto c = [&](int k) { return f.corners[static_cast<size_t>(k)] - b; };
    const double sign = floor ? 1 : -1;
    const int n = texture;
    const TexCorners tc = (base_level != nullptr && n >= 1 && n < base_level->num_object_textures)
                              ? object_tex_corners(*base_level, n - 1)
                              : kDefaultTexCorners;
    const Vertex start{x + kCornerDx[first], 0, z - kCornerDz[first]};
    const Vertex end{x + kCornerDx[second], 0, z - kCornerDz[second]};
    gl->color(colour);
    bind(texture);
    gl->begin(GlPrimitive::kQuads);
    auto quad = [&](double upper_start, double upper_end, double lower_end, double lower_start,
                    double t_factor) {
        const double heights[4] = {upper_start, upper_end, lower_end, lower_start};
        const Vertex* ends[4] = {&start, &end, &end, &start};
        for (size_t k = 0; k < 4; ++k) {
            gl->tex_coord(tc[k].s, tc[k].t * t_factor);
            gl->vertex(ends[k]->x, heights[k], ends[k]->z);
        }
    };
    // The straight part from the room's floor (or ceiling) to the base; repeats once per block.
    if (b != 0) {
        if (floor) {
            quad(y + b, y + b, y, y, b);
        } else {
            quad(y, y, y - b, y - b, b);
        }
    }
    // The sloped part from the base to the corners.
    const double edge = y + sign * b;
    if (floor) {
        quad(edge + c(first), edge + c(second), edge, edge, 1);
    } else {
        quad(edge, edge, edge - c(second), edge - c(first), 1);
    }
    gl->end();
}

void tr_scene::DrawFaces(const FaceSet& f, int split_kind, double x, double y, double z) {
    draw_wall(f, f.front_texture, f.front_colour, 0, 1, x, y, z);
    draw_wall(f, f.back_texture, f.back_colour, 2, 3, x, y, z);
    draw_wall(f, f.left_texture, f.left_colour, 3, 0, x, y, z);
    draw_wall(f, f.right_texture, f.right_colour, 1, 2, x, y, z);

    const bool floor = f.pass == Pass::kFloor;
    Rgb alternative = f.top_colour;
    if (f.edit_mode == 0) alternative = kWhite;
    if (f.edit_mode == 1 && f.selected) alternative = kBlue;

    // One polygon of the top: corners (1-4) with the texture corners (1-4) they take.
    auto polygon = [&](int32_t texture, Rgb colour, std::initializer_list<int> corners,
                       std::initializer_list<int> tex) {
        if (texture == 0) return;
        const TexCorners tc =
            (base_level != nullptr && texture >= 1 && texture < base_level->num_object_textures)
                ? object_tex_corners(*base_level, texture - 1)
                : kDefaultTexCorners;
        gl->color(colour);
        bind(texture);
        gl->begin(corners.size() == 4 ? GlPrimitive::kQuads : GlPrimitive::kTriangles);
        auto t = tex.begin();
        for (int k : corners) {
            const size_t i = static_cast<size_t>(k - 1);
            const TexCorner& uv = tc[static_cast<size_t>(*t++ - 1)];
            gl->tex_coord(uv.s, uv.t);
            const double h = f.corners[i];
            gl->vertex(x + kCornerDx[i], floor ? y + h : y - h, z - kCornerDz[i]);
        }
        gl->end();
    };

    const uint8_t pt = f.portal_triangle;
    if (split_kind == 0) {
        if (floor) {
            polygon(f.top_texture1, f.top_colour, {4, 3, 2, 1}, {1, 2, 3, 4});
        } else {
            polygon(f.top_texture1, f.top_colour, {1, 2, 3, 4}, {1, 2, 3, 4});
        }
        return;
    }
    const Rgb tri1 =
        floor ? (pt != 0 ? f.top_colour : alternative) : (pt == 1 ? alternative : f.top_colour);
    const Rgb tri2 =
        floor ? (pt == 1 ? alternative : f.top_colour) : (pt == 0 ? alternative : f.top_colour);
    if (split_kind == 1) {
        if (floor) {
            polygon(f.top_texture1, tri1, {4, 3, 1}, {1, 2, 4});
            polygon(f.top_texture2, tri2, {3, 2, 1}, {2, 3, 4});
        } else {
            polygon(f.top_texture1, tri1, {1, 3, 4}, {1, 3, 4});
            polygon(f.top_texture2, tri2, {1, 2, 3}, {1, 2, 3});
        }
    } else if (split_kind == 2) {
        if (floor) {
            polygon(f.top_texture2, tri2, {4, 3, 2}, {1, 2, 3});
            polygon(f.top_texture1, tri1, {4, 2, 1}, {1, 3, 4});
        } else {
            polygon(f.top_texture1, tri1, {1, 2, 4}, {1, 2, 4});
            polygon(f.top_texture2, tri2, {2, 3, 4}, {2, 3, 4});
        }
    }
}

void tr_scene::DrawOrnaments(int n) {
    if (document == nullptr || base_level == nullptr || mesh_list == nullptr) return;
    const Room& room = document->room(n);
    const int count = std::clamp<int>(room.ornament_count, 0, kMaxOrnaments);
    for (int i = 1; i <= count; ++i) {
        const Ornament& o = room.ornaments[static_cast<size_t>(i - 1)];
        if (!in_grid(o.column, o.row)) continue;
        double x = place(room.pos_x, o.column);
        double z = -place(room.pos_z, o.row);
        const double y =
            room.pos_y + highest(FloorCorners(room.sector(o.column, o.row))) + o.lift / 4.0;
        switch (o.alignment) {
            case 0:
                x += 0.5, z -= 0.5;
                break;
            case 1:
                z -= 0.5;
                break;
            case 2:
                x += 0.5;
                break;
            case 3:
                x += 1, z -= 0.5;
                break;
            case 4:
                x += 0.5, z -= 1;
                break;
            default:
                break;
        }
        const double angle = o.rotation == 0 ? 0 : 360 - o.rotation * 45.0;
        gl->color(ornament_colour(o, edit_mode == 2 && i == room.current_ornament));
        int entry = 0;
        const Ttrlevel& level = *base_level;
        if (o.mesh >= 0 && o.mesh < level.num_static_meshes &&
            static_cast<size_t>(o.mesh) < level.static_meshes.size()) {
            const size_t pointer = level.static_meshes[static_cast<size_t>(o.mesh)].mesh;
            if (pointer < mesh_list->pointer_to_mesh.size())
                entry = mesh_list->pointer_to_mesh[pointer];
        }
        gl->load_name(static_cast<uint32_t>(kOrnamentPickBase + i));
        draw_mesh(*gl, *mesh_list, level, entry, x, y, z, angle, 0.1, false, perspective_correction,
                  &binder_);
    }
}

void tr_scene::draw_portal_views(const Room& room) {
    gl->polygon_mode_fill(true);
    gl->set_texturing(false);
    gl->shade_flat();
    gl->color(kYellow);
    const double X = room.pos_x, Y = room.pos_y, Z = room.pos_z;
    const int count = std::clamp<int>(room.portal_view_count, 0, kMaxPortalViews);
    for (int v = 0; v < count; ++v) {
        const PortalView& pv = room.portal_views[static_cast<size_t>(v)];
        const int row = pv.row & 0xFF, column = pv.column & 0xFF;
        if (row == 0 || column == 0 || !in_grid(column, row)) continue;
        const Sector& s = room.sector(column, row);
        const double x = X + column - 1, z = -(Z + row);
        const double ybot = Y, ytop = Y + room.height;
        const double A = pv.width, B = pv.view_height;
        const double side = pv.facing <= 1 ? s.floor_back : s.floor_right;
        const double y = Y + s.floor_base + (s.floor_raise + side) / 4;
        std::array<Vertex, 4> q;
        switch (pv.facing) {
            case kFacingFront:
                q = {{{x, y + B, z}, {x + A, y + B, z}, {x + A, y, z}, {x, y, z}}};
                break;
            case kFacingBack:
                q = {{{x + A, y + B, z}, {x, y + B, z}, {x, y, z}, {x + A, y, z}}};
                break;
            case kFacingLeft:
                q = {{{x + 1, y + B, z + 1},
                      {x + 1, y + B, z + 1 - A},
                      {x + 1, y, z + 1 - A},
                      {x + 1, y, z + 1}}};
                break;
            case kFacingRight:
                q = {{{x + 1, y + B, z}, {x + 1, y + B, z + A}, {x + 1, y, z + A}, {x + 1, y, z}}};
                break;
            case kFacingCeiling:
                q = {{{x, ytop, z + B}, {x + A, ytop, z + B}, {x + A, ytop, z}, {x, ytop, z}}};
                break;
            case kFacingFloor:
                q = {{{x, ybot, z}, {x + A, ybot, z}, {x + A, ybot, z + B}, {x, ybot, z + B}}};
                break;
            default:
                continue;
        }
        gl->begin(GlPrimitive::kQuads);
        for (const Vertex& p : q)
            gl->vertex(p.x, p.y, p.z);
        gl->end();
    }
}

void tr_scene::draw_grid(const Room& room) {
    gl->polygon_mode_fill(false);
    gl->set_texturing(false);
    gl->load_name(0);
    const double X = room.pos_x, Y = room.pos_y, Z = room.pos_z;
    const Vertex o{X - 0.1, Y, -Z + 0.1};
    gl->begin(GlPrimitive::kLines);
    gl->color(kRed);
    gl->vertex(o.x, o.y, o.z);
    gl->vertex(o.x, o.y, o.z - 1);
    gl->color(kMagenta);
    gl->vertex(o.x, o.y, o.z);
    gl->vertex(o.x + 1, o.y, o.z);
    gl->color(kCyan);
    gl->vertex(o.x, o.y, o.z);
    gl->vertex(o.x, o.y + 1, o.z);
    gl->end();
    gl->color(kBlue);
    const double top = Y + room.height;
    for (int c = 1; c <= grid_columns(room); ++c) {
        for (int r = 1; r <= grid_rows(room); ++r) {
            gl->load_name(static_cast<uint32_t>(sector_pick_name(c, r, room.rows)));
            const double x = X + c - 1, z = -(Z + r - 1);
            // The bottom square faces up and the top square down, into the room.
            gl->begin(GlPrimitive::kQuads);
            gl->vertex(x, Y, z - 1);
            gl->vertex(x + 1, Y, z - 1);
            gl->vertex(x + 1, Y, z);
            gl->vertex(x, Y, z);
            gl->end();
            gl->begin(GlPrimitive::kQuads);
            gl->vertex(x, top, z);
            gl->vertex(x + 1, top, z);
            gl->vertex(x + 1, top, z - 1);
            gl->vertex(x, top, z - 1);
            gl->end();
        }
    }
}

void tr_scene::draw_lara_marker(const Room& room) {
    const int column = document->lara_column, row = document->lara_row;
    if (!in_grid(column, row)) return;
    gl->polygon_mode_fill(true);
    gl->set_texturing(false);
    gl->shade_flat();
    const double x = place(room.pos_x, column), z = -place(room.pos_z, row);
    const double y = room.pos_y + highest(FloorCorners(room.sector(column, row)));
    gl->load_name(static_cast<uint32_t>(sector_pick_name(column, row, room.rows)));
    const Vertex apex{x + 0.5, y + 0.5, z - 0.5};
    struct Edge {
        Rgb colour;
        Vertex from, to;
    };
    const Edge edges[4] = {
        {kRed, {x + 1, y, z}, {x, y, z}},              // front
        {kGreen, {x, y, z - 1}, {x + 1, y, z - 1}},    // back
        {kBlue, {x, y, z}, {x, y, z - 1}},             // left
        {kMagenta, {x + 1, y, z - 1}, {x + 1, y, z}},  // right
    };
    gl->begin(GlPrimitive::kTriangles);
    for (const Edge& e : edges) {
        gl->color(e.colour);
        gl->vertex(apex.x, apex.y, apex.z);
        gl->vertex(e.from.x, e.from.y, e.from.z);
        gl->vertex(e.to.x, e.to.y, e.to.z);
    }
    gl->end();
}

}  // namespace rw
