#include "sample_project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "document/corner_heights.h"
#include "document/project_file.h"
#include "room_builder.h"
#include "room_joins.h"

namespace rw::samples {
namespace {

std::unique_ptr<LevelDocument> sample() {
    auto doc = std::make_unique<LevelDocument>();
    FillSampleProject(*doc, sample_project_paths(RW_SAMPLES_DIR));
    return doc;
}

std::vector<uint8_t> content_of(const LevelDocument& doc) {
    TZfile f;
    zf_rewrite(f, 1);
    WriteProjectStream(doc, f);
    return {f.buffer, f.buffer + f.size};
}

template <class F>
void for_each_sector(const LevelDocument& doc, F f) {
    for (int n = 1; n <= doc.room_count; ++n) {
        const Room& room = doc.room(n);
        for (int c = 1; c <= room.columns; ++c) {
            for (int r = 1; r <= room.rows; ++r)
                f(n, room, c, r, room.sector(c, r));
        }
    }
}

bool is_wall(const Room& room, const Sector& s) {
    return s.floor_base >= room.height;
}

// The sector of `room` that covers the world cell (x, z), if any.
const Sector* sector_at(const Room& room, int x, int z) {
    const int c = x - room.pos_x + 1;
    const int r = z - room.pos_z + 1;
    if (c < 1 || c > room.columns || r < 1 || r > room.rows) return nullptr;
    return &room.sector(c, r);
}

TEST(SampleProject, IsTheSameDocumentWhateverTheDocumentHeldBefore) {
    auto first = sample();
    auto second = std::make_unique<LevelDocument>();
    std::memset(static_cast<void*>(second.get()), 0x5A, sizeof *second);
    FillSampleProject(*second, sample_project_paths(RW_SAMPLES_DIR));
    EXPECT_EQ(std::memcmp(first.get(), second.get(), sizeof *first), 0);
}

TEST(SampleProject, BuildTreeHoldsTheSampleFileWithPathsBesideIt) {
    auto stored = std::make_unique<LevelDocument>();
    const std::string file = std::string(RW_SAMPLES_DIR) + "/sample.rmw";
    ASSERT_EQ(ReadProjectFile(*stored, file, nullptr), 0);
    EXPECT_EQ(content_of(*stored), content_of(*sample()));

    const auto paths = sample_project_paths(RW_SAMPLES_DIR);
    ShortString<100> base;
    base.assign(paths.base_level_path);
    EXPECT_EQ(stored->base_level_path.view(), base.view());
    EXPECT_TRUE(paths.base_level_path.ends_with("/sample.tr4"));
    EXPECT_TRUE(paths.new_level_path.ends_with("/sample_out.tr4"));
    EXPECT_EQ(paths.base_level_path.front(), '/');
}

TEST(SampleProject, PathsFollowTheStemAndExtensionAskedFor) {
    const auto paths = sample_project_paths("/levels/x/../samples", "tr2_sample", ".tr2");
    EXPECT_EQ(paths.base_level_path, "/levels/samples/tr2_sample.tr2");
    EXPECT_EQ(paths.new_level_path, "/levels/samples/tr2_sample_out.tr2");
}

TEST(SampleProject, FloorsAndCeilingsStayInsideTheirRoomsAndNeverCross) {
    for_each_sector(*sample(), [](int n, const Room& room, int c, int r, const Sector& s) {
        SCOPED_TRACE(testing::Message() << "room " << n << " sector " << c << "," << r);
        const Corners floor = FloorCorners(s);
        const Corners ceiling = CeilingCorners(s);
        for (int i = 0; i < 4; ++i) {
            EXPECT_GE(floor[i], 0.0);
            EXPECT_LE(floor[i], room.height);
            EXPECT_GE(ceiling[i], 0.0);
            EXPECT_LE(ceiling[i], room.height);
        }
        if (!is_wall(room, s)) {
            const double highest_floor = highest(floor);
            const double lowest_ceiling = highest(ceiling);  // the deepest point below the top
            EXPECT_LT(highest_floor + lowest_ceiling, room.height);
        }
    });
}

TEST(SampleProject, BorderSectorsAreWallsExceptWhereAWallPortalOpens) {
    for_each_sector(*sample(), [](int n, const Room& room, int c, int r, const Sector& s) {
        const bool border = c == 1 || r == 1 || c == room.columns || r == room.rows;
        if (!border) return;
        SCOPED_TRACE(testing::Message() << "room " << n << " sector " << c << "," << r);
        EXPECT_TRUE(is_wall(room, s) || s.room_side != 0);
    });
}

TEST(SampleProject, WallPortalSectorsLieOnAnOpenSectorOfTheJoinedRoomAtTheSameFloor) {
    auto doc = sample();
    for_each_sector(*doc, [&](int n, const Room& room, int c, int r, const Sector& s) {
        if (s.room_side == 0) return;
        SCOPED_TRACE(testing::Message() << "room " << n << " sector " << c << "," << r);
        ASSERT_LE(s.room_side, doc->room_count);
        ASSERT_NE(s.room_side, n);
        const Room& other = doc->room(s.room_side);
        const Sector* under = sector_at(other, room.pos_x + c - 1, room.pos_z + r - 1);
        ASSERT_NE(under, nullptr);
        EXPECT_FALSE(is_wall(other, *under));
        const Corners mine = FloorCorners(s);
        const Corners theirs = FloorCorners(*under);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(room.pos_y + mine[i], other.pos_y + theirs[i]) << "corner " << i + 1;
        }
    });
}

TEST(SampleProject, FloorPortalsLieOnTheCeilingPortalsOfTheRoomBelow) {
    auto doc = sample();
    int floor_portals = 0;
    for_each_sector(*doc, [&](int n, const Room& room, int c, int r, const Sector& s) {
        if (s.room_below == 0) return;
        ++floor_portals;
        SCOPED_TRACE(testing::Message() << "room " << n << " sector " << c << "," << r);
        const Room& below = doc->room(s.room_below);
        EXPECT_EQ(room.pos_y, below.pos_y + below.height);
        EXPECT_EQ(s.floor_base, 0);
        const Sector* under = sector_at(below, room.pos_x + c - 1, room.pos_z + r - 1);
        ASSERT_NE(under, nullptr);
        EXPECT_EQ(under->room_above, n);
        EXPECT_EQ(under->ceiling_base, 0);
    });
    EXPECT_GT(floor_portals, 0);
}

// Where a portal view's opening lies in the world, in blocks: the plane it stands in and the
// rectangle it covers in that plane, so that the two sides of one portal compare equal.
struct Opening {
    char axis;  // 'x', 'z' or 'y': the axis the plane is perpendicular to
    int plane;
    int u0, u1, v0, v1;
    bool operator==(const Opening&) const = default;
};

std::optional<Opening> opening_of(const Room& room, const PortalView& v) {
    const int x0 = room.pos_x + v.column - 1;
    const int z1 = room.pos_z + v.row;
    const int w = v.width;
    const int g = v.view_height;
    const int floor = room.pos_y + room.sector(v.column, v.row).floor_base;
    switch (v.facing) {
        case kFacingFront:
            return Opening{'z', z1 - 1, x0, x0 + w, floor, floor + g};
        case kFacingBack:
            return Opening{'z', z1, x0, x0 + w, floor, floor + g};
        case kFacingLeft:
            return Opening{'x', x0 + 1, z1 - 1, z1 - 1 + w, floor, floor + g};
        case kFacingRight:
            return Opening{'x', x0, z1 - w, z1, floor, floor + g};
        case kFacingCeiling:
            return Opening{'y', room.pos_y + room.height, x0, x0 + w, z1 - g, z1};
        case kFacingFloor:
            return Opening{'y', room.pos_y, x0, x0 + w, z1 - g, z1};
        default:
            return std::nullopt;
    }
}

TEST(SampleProject, EveryPortalViewHasAMirrorInItsViewRoomOverTheSameOpening) {
    auto doc = sample();
    int views = 0;
    for (int n = 1; n <= doc->room_count; ++n) {
        const Room& room = doc->room(n);
        for (int k = 0; k < room.portal_view_count; ++k) {
            ++views;
            const PortalView& v = room.portal_views[static_cast<size_t>(k)];
            SCOPED_TRACE(testing::Message() << "room " << n << " view " << k + 1);
            ASSERT_GE(v.view_room, 1);
            ASSERT_LE(v.view_room, doc->room_count);
            const auto mine = opening_of(room, v);
            ASSERT_TRUE(mine.has_value());
            EXPECT_GT(v.width, 0);
            const Room& other = doc->room(v.view_room);
            const int mirror_facing = v.facing ^ 1;  // front-back, left-right, ceiling-floor
            int mirrors = 0;
            for (int j = 0; j < other.portal_view_count; ++j) {
                const PortalView& w = other.portal_views[static_cast<size_t>(j)];
                if (w.view_room != n || w.facing != mirror_facing) continue;
                ++mirrors;
                EXPECT_EQ(w.width, v.width);
                EXPECT_EQ(w.view_height, v.view_height);
                EXPECT_EQ(opening_of(other, w), mine);
            }
            EXPECT_EQ(mirrors, 1);
        }
    }
    EXPECT_GE(views, 10);
}

TEST(SampleProject, LaraStartsOnAnOpenSectorOfALiveRoom) {
    auto doc = sample();
    ASSERT_GE(doc->lara_room, 1);
    ASSERT_LE(doc->lara_room, doc->room_count);
    const Room& room = doc->room(doc->lara_room);
    ASSERT_GT(doc->lara_column, 1);
    ASSERT_LT(doc->lara_column, room.columns);
    ASSERT_GT(doc->lara_row, 1);
    ASSERT_LT(doc->lara_row, room.rows);
    EXPECT_FALSE(is_wall(room, room.sector(doc->lara_column, doc->lara_row)));
}

TEST(SampleProject, HoldsEveryKindOfContentTheBuildHandles) {
    auto doc = sample();
    EXPECT_GE(doc->room_count, 5);
    using SectorTest = std::function<bool(const Room&, const Sector&)>;
    const std::pair<const char*, SectorTest> sector_features[] = {
        {"front raise", [](auto&, auto& s) { return s.floor_split == 0 && s.floor_front > 0; }},
        {"back raise", [](auto&, auto& s) { return s.floor_split == 0 && s.floor_back > 0; }},
        {"negative front raise", [](auto&, auto& s) { return s.floor_front < 0; }},
        {"left raise", [](auto&, auto& s) { return s.floor_left > 0; }},
        {"right raise", [](auto&, auto& s) { return s.floor_right > 0; }},
        {"negative left raise", [](auto&, auto& s) { return s.floor_left < 0; }},
        {"negative right raise", [](auto&, auto& s) { return s.floor_right < 0; }},
        {"sloped ceiling", [](auto&, auto& s) { return s.ceiling_split == 0 && s.ceiling_right; }},
        {"raised floor", [](auto& room, auto& s) { return s.floor_base > 0 && !is_wall(room, s); }},
        {"floor split 1", [](auto&, auto& s) { return s.floor_split == 1; }},
        {"floor split 2", [](auto&, auto& s) { return s.floor_split == 2; }},
        {"ceiling split 1", [](auto&, auto& s) { return s.ceiling_split == 1; }},
        {"ceiling split 2", [](auto&, auto& s) { return s.ceiling_split == 2; }},
        {"floor portal triangle", [](auto&, auto& s) { return s.floor_portal_triangle == 1; }},
        {"ceiling portal triangle", [](auto&, auto& s) { return s.ceiling_portal_triangle; }},
        {"climbable front", [](auto&, auto& s) { return s.climb_front == 1; }},
        {"climbable back", [](auto&, auto& s) { return s.climb_back == 1; }},
        {"climbable left", [](auto&, auto& s) { return s.climb_left == 1; }},
        {"climbable right", [](auto&, auto& s) { return s.climb_right == 1; }},
        {"monkey swing", [](auto&, auto& s) { return s.climb_ceiling == 1; }},
        {"death", [](auto&, auto& s) { return s.death == 1; }},
        {"wood", [](auto&, auto& s) { return s.step_sound == kWood; }},
        {"metal", [](auto&, auto& s) { return s.step_sound == kMetal; }},
        {"grass", [](auto&, auto& s) { return s.step_sound == kGrass; }},
        {"wall portal", [](auto&, auto& s) { return s.room_side != 0; }},
        {"floor portal", [](auto&, auto& s) { return s.room_below != 0; }},
        {"ceiling portal", [](auto&, auto& s) { return s.room_above != 0; }},
        {"water room", [](auto& room, auto&) { return room.water == 1; }},
        {"outdoor sky room", [](auto& room, auto&) { return room.outdoor && room.sky; }},
        {"tiled boxes", [](auto& room, auto&) { return room.tiled_boxes == 1; }},
    };
    for (const auto& [what, test] : sector_features) {
        bool found = false;
        for_each_sector(*doc, [&](int, const Room& room, int, int, const Sector& s) {
            found = found || test(room, s);
        });
        EXPECT_TRUE(found) << what;
    }

    bool meshes[4] = {};
    bool ambient_lit = false;
    for (int n = 1; n <= doc->room_count; ++n) {
        const Room& room = doc->room(n);
        for (int k = 0; k < room.ornament_count; ++k) {
            const Ornament& o = room.ornaments[static_cast<size_t>(k)];
            ASSERT_GE(o.mesh, 0);
            ASSERT_LE(o.mesh, 3);
            meshes[o.mesh] = true;
            ambient_lit = ambient_lit || o.red == -1;
            EXPECT_FALSE(is_wall(room, room.sector(o.column, o.row)));
        }
    }
    EXPECT_TRUE(meshes[0] && meshes[1] && meshes[2] && meshes[3]);
    EXPECT_TRUE(ambient_lit);
}

TEST(SampleProject, TextureNumbersStayWithinTheSampleBaseLevelsTextures) {
    for_each_sector(*sample(), [](int n, const Room&, int c, int r, const Sector& s) {
        SCOPED_TRACE(testing::Message() << "room " << n << " sector " << c << "," << r);
        for (int32_t t :
             {s.floor_texture, s.floor_texture2, s.ceiling_texture, s.ceiling_texture2,
              s.floor_wall_front, s.ceiling_wall_front, int32_t{s.floor_wall_back},
              int32_t{s.floor_wall_left}, int32_t{s.floor_wall_right}, int32_t{s.ceiling_wall_back},
              int32_t{s.ceiling_wall_left}, int32_t{s.ceiling_wall_right}}) {
            EXPECT_GE(t, 1);
            EXPECT_LE(t, 40);
        }
    });
}

TEST(SampleRoomJoins, RoomsThatDoNotTouchAreNotJoined) {
    struct Case {
        const char* what;
        int far_x, far_z, far_y;
        uint16_t far_rows;
    };
    // The near room: 6 columns x 5 rows at x 2, z 3, y 6, 4 high; joined at its Right side.
    const Case cases[] = {
        {"gap between the rooms", 7, 2, 6, 7}, {"overlapping by three sectors", 5, 2, 6, 7},
        {"far room too short", 6, 2, 6, 4},    {"not aligned", 6, 4, 6, 7},
        {"far room higher", 6, 2, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto doc = std::make_unique<LevelDocument>();
        make_room(*doc, 1, {"near", 2, 3, 6, 6, 5, 4, 16, {1, 1, 1, 1}},
                  {"######", "#0000#", "#0000#", "#0000#", "######"});
        Room& far = doc->room(2);
        far.pos_x = c.far_x;
        far.pos_z = c.far_z;
        far.pos_y = c.far_y;
        far.columns = 5;
        far.rows = c.far_rows;
        far.height = 5;
        doc->room_count = 2;
        EXPECT_THROW(join_through_wall(*doc, 1, Side::kRight, 2), std::logic_error);
    }
}

}  // namespace
}  // namespace rw::samples
