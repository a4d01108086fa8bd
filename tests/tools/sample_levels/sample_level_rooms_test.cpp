#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "levelfile/game_version.h"
#include "sample_cache.h"

namespace rw::samples::test {
namespace {

constexpr uint16_t kPortalEntry = 0x8001;

int decoded_box(int32_t game_version, uint16_t box_index) {
    if (game_version >= kTR3) return box_index == 0xFFF5 ? -1 : box_index >> 4;
    return box_index == 0xFFFF ? -1 : box_index;
}

bool is_wall(const tr_sector& s) {
    return s.floor == s.ceiling;
}

TEST(SampleLevel, FileNamesAndVersionWordsChooseTheirGameVersion) {
    for (const SampleLevelFile& f : kSampleLevelFiles) {
        SCOPED_TRACE(f.file_name);
        EXPECT_EQ(game_version_for(sample_version_word(f.game_version), f.file_name, 0),
                  f.game_version);
        const Ttrlevel& level = sample_level(f.game_version);
        EXPECT_TRUE(level.is_loaded());
        EXPECT_EQ(level.game_version, f.game_version);
        EXPECT_EQ(level.version_word, sample_version_word(f.game_version));
    }
}

TEST(SampleLevel, UnknownGameVersionsAreRefused) {
    Ttrlevel level;
    EXPECT_THROW(fill_sample_level(level, 0), std::invalid_argument);
    EXPECT_THROW(fill_sample_level(level, 8), std::invalid_argument);
    EXPECT_FALSE(level.is_loaded());
}

TEST(SampleLevel, RefillingAnInstanceGivesTheSameLevelAsAFreshOne) {
    Ttrlevel level;
    fill_sample_level(level, kTR5);
    fill_sample_level(level, kTR1);
    const Ttrlevel& fresh = sample_level(kTR1);
    EXPECT_EQ(level.textile8, fresh.textile8);
    EXPECT_TRUE(level.textile32.empty());
    EXPECT_TRUE(level.samples.empty());
    EXPECT_EQ(level.mesh_data, fresh.mesh_data);
    EXPECT_EQ(level.floor_data, fresh.floor_data);
    EXPECT_EQ(level.num_rooms, fresh.num_rooms);
    EXPECT_EQ(level.num_room_textiles, 0);
    EXPECT_EQ(level.sound_map, fresh.sound_map);
    for (size_t r = 0; r < level.rooms.size(); ++r) {
        EXPECT_EQ(level.rooms[r].num_vertices, fresh.rooms[r].num_vertices);
        EXPECT_TRUE(level.rooms[r].layer_headers.empty());
    }
}

TEST(SampleLevelRooms, RoomsAreRingedByWallSectorsAroundOpenOnes) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        ASSERT_EQ(level.num_rooms, kSampleRoomCount);
        for (const troom& room : level.rooms) {
            for (int c = 1; c <= room.num_x_sectors; ++c) {
                for (int r = 1; r <= room.num_z_sectors; ++r) {
                    const tr_sector& s = *room.sector_at(c, r);
                    const bool border =
                        c == 1 || r == 1 || c == room.num_x_sectors || r == room.num_z_sectors;
                    EXPECT_EQ(is_wall(s), border) << c << "," << r;
                    if (border) continue;
                    EXPECT_EQ(s.floor * 256, room.y_bottom);
                    EXPECT_EQ(s.ceiling * 256, room.y_top);
                }
            }
        }
    }
}

struct WorldPortal {
    int from, to;
    std::array<int, 3> normal;
    std::set<std::array<int, 3>> corners;
};

std::vector<WorldPortal> world_portals(const Ttrlevel& level) {
    std::vector<WorldPortal> out;
    for (size_t i = 0; i < level.rooms.size(); ++i) {
        const troom& room = level.rooms[i];
        for (int p = 0; p < room.num_portals; ++p) {
            const tr_portal& portal = room.portals[static_cast<size_t>(p)];
            WorldPortal w{static_cast<int>(i),
                          portal.adjoining_room,
                          {portal.normal[0], portal.normal[1], portal.normal[2]},
                          {}};
            for (const auto& v : portal.vertices)
                w.corners.insert({room.x + v[0], v[1], room.z + v[2]});
            out.push_back(w);
        }
    }
    return out;
}

TEST(SampleLevelRooms, PortalsComeInPairsThatMeetInTheWorld) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const auto portals = world_portals(sample_level(v));
        EXPECT_EQ(portals.size(), 4u);
        for (const WorldPortal& p : portals) {
            EXPECT_EQ(p.corners.size(), 4u);
            const auto back = std::find_if(
                portals.begin(), portals.end(),
                [&](const WorldPortal& q) { return q.from == p.to && q.to == p.from; });
            ASSERT_NE(back, portals.end()) << p.from << " -> " << p.to;
            EXPECT_EQ(back->corners, p.corners);
            for (size_t k = 0; k < 3; ++k)
                EXPECT_EQ(back->normal[k], -p.normal[k]);
        }
    }
}

// Each portal's normal points into its own room: from the portal plane towards the room's
// open sectors.
TEST(SampleLevelRooms, PortalNormalsPointIntoTheirOwnRoom) {
    const Ttrlevel& level = sample_level(kTR1);
    for (const troom& room : level.rooms) {
        const int centre[3] = {room.num_x_sectors * 512, (room.y_top + room.y_bottom) / 2,
                               room.num_z_sectors * 512};
        for (int p = 0; p < room.num_portals; ++p) {
            const tr_portal& portal = room.portals[static_cast<size_t>(p)];
            int towards = 0;
            for (size_t k = 0; k < 3; ++k)
                towards += portal.normal[k] * (centre[k] - portal.vertices[0][k]);
            EXPECT_GT(towards, 0);
        }
    }
}

TEST(SampleLevelRooms, WallPortalSectorsCarryFloorDataLeadingToTheRoomBeyond) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        ASSERT_FALSE(level.floor_data.empty());
        EXPECT_EQ(level.floor_data[0], 0);
        EXPECT_EQ(level.num_floor_data, static_cast<int32_t>(level.floor_data.size()));
        int portal_sectors = 0;
        for (size_t i = 0; i < level.rooms.size(); ++i) {
            const troom& room = level.rooms[i];
            for (int s = 0; s < room.num_x_sectors * room.num_z_sectors; ++s) {
                const uint16_t fd = room.sectors[static_cast<size_t>(s)].fd_index;
                if (fd == 0) continue;
                ASSERT_LT(fd + 1u, level.floor_data.size());
                EXPECT_EQ(level.floor_data[fd], kPortalEntry);
                const uint16_t beyond = level.floor_data[fd + 1u];
                EXPECT_NE(beyond, i);
                EXPECT_TRUE(is_wall(room.sectors[static_cast<size_t>(s)]));
                ++portal_sectors;
            }
        }
        EXPECT_EQ(portal_sectors, 4);
    }
}

TEST(SampleLevelRooms, FloorAndCeilingOpeningsLinkTheSameSectorsBothWays) {
    const Ttrlevel& level = sample_level(kTR3);
    const troom& gallery = level.rooms[kGalleryRoom];
    const troom& cistern = level.rooms[kCisternRoom];
    int open = 0;
    for (size_t s = 0; s < gallery.num_x_sectors * gallery.num_z_sectors; ++s) {
        const bool pit = gallery.sectors[s].pit_room == kCisternRoom;
        EXPECT_EQ(pit, cistern.sectors[s].sky_room == kGalleryRoom) << s;
        EXPECT_EQ(gallery.sectors[s].sky_room, 255);
        EXPECT_EQ(cistern.sectors[s].pit_room, 255);
        open += pit;
    }
    EXPECT_EQ(open, 9);
}

TEST(SampleLevelRooms, OnlyTheCisternIsAWaterRoom) {
    for (const int32_t v : kAllVersions) {
        const Ttrlevel& level = sample_level(v);
        for (int i = 0; i < kSampleRoomCount; ++i)
            EXPECT_EQ(level.rooms[static_cast<size_t>(i)].is_water(), i == kCisternRoom) << v;
    }
}

TEST(SampleLevelRooms, GeometryStaysInsideTheRoomAndUsesTheFirstFortyTextures) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        for (const troom& room : sample_level(v).rooms) {
            ASSERT_GT(room.num_vertices, 0);
            ASSERT_GT(room.num_rectangles, 0);
            for (int i = 0; i < room.num_vertices; ++i) {
                const tr_vertex& p = room.vertices[static_cast<size_t>(i)];
                EXPECT_GE(p.x, 1024);
                EXPECT_LE(p.x, (room.num_x_sectors - 1) * 1024);
                EXPECT_GE(p.z, 1024);
                EXPECT_LE(p.z, (room.num_z_sectors - 1) * 1024);
                EXPECT_GE(p.y, room.y_top);
                EXPECT_LE(p.y, room.y_bottom);
            }
            for (int i = 0; i < room.num_rectangles; ++i) {
                const tr_rectangle& f = room.rectangles[static_cast<size_t>(i)];
                for (const uint16_t index : f.vertices)
                    EXPECT_LT(index, room.num_vertices);
                EXPECT_LT(f.texture, 40);
            }
        }
    }
}

TEST(SampleLevelRooms, EveryRoomHasALightAndPlacesExistingStaticMeshesInside) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        for (const troom& room : level.rooms) {
            EXPECT_EQ(room.num_lights, 1);
            EXPECT_GE(room.num_room_statics, 1);
            for (int i = 0; i < room.num_room_statics; ++i) {
                const auto k = static_cast<size_t>(i);
                const bool old = v <= kTUB;
                const int32_t x = old ? room.room_statics1[k].x : room.room_statics[k].x;
                const int32_t z = old ? room.room_statics1[k].z : room.room_statics[k].z;
                const uint16_t mesh =
                    old ? room.room_statics1[k].mesh_id : room.room_statics[k].mesh_id;
                EXPECT_LT(mesh, level.num_static_meshes);
                EXPECT_GT(x, room.x + 1024);
                EXPECT_LT(x, room.x + (room.num_x_sectors - 1) * 1024);
                EXPECT_GT(z, room.z + 1024);
                EXPECT_LT(z, room.z + (room.num_z_sectors - 1) * 1024);
            }
        }
    }
}

TEST(SampleLevelBoxes, EachRoomsOpenSectorsLieInItsBoxWithOverlapRunsAndZones) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        ASSERT_EQ(level.num_boxes, kSampleBoxCount);
        EXPECT_EQ(level.num_zones, level.num_boxes);
        for (const auto& zone : level.zones)
            EXPECT_EQ(zone.size(), static_cast<size_t>(level.num_boxes));
        for (int b = 0; b < kSampleBoxCount; ++b) {
            const auto i = static_cast<size_t>(b);
            const troom& room = level.rooms[i];
            const tr_box1& box = level.boxes1[i];
            const tr_box& small = level.boxes[i];
            EXPECT_EQ(small.x_min * 1024, box.x_min);
            EXPECT_EQ(small.z_max * 1024, box.z_max);
            EXPECT_EQ(box.true_floor, room.y_bottom);
            for (int c = 1; c <= room.num_x_sectors; ++c) {
                for (int r = 1; r <= room.num_z_sectors; ++r) {
                    const tr_sector& s = *room.sector_at(c, r);
                    const int decoded = decoded_box(v, s.box_index);
                    EXPECT_EQ(decoded, is_wall(s) ? -1 : b);
                    if (is_wall(s)) continue;
                    const int x = room.x + (c - 1) * 1024, z = room.z + (r - 1) * 1024;
                    EXPECT_TRUE(x >= box.x_min && x + 1024 <= box.x_max);
                    EXPECT_TRUE(z >= box.z_min && z + 1024 <= box.z_max);
                }
            }
            size_t at = static_cast<size_t>(box.overlap_index);
            ASSERT_LT(at, level.overlaps.size());
            EXPECT_EQ(level.overlaps[at], b);  // runs begin with the box itself
            while (at < level.overlaps.size() && (level.overlaps[at] & 0x8000) == 0)
                ++at;
            EXPECT_LT(at, level.overlaps.size()) << "the run of box " << b << " has no end";
        }
    }
}

TEST(SampleLevelItems, LaraStandsInTheHallInBothItemForms) {
    for (const int32_t v : kAllVersions) {
        SCOPED_TRACE(v);
        const Ttrlevel& level = sample_level(v);
        ASSERT_EQ(level.num_items, 1);
        const tr_item& item = level.items[0];
        const tr_item1& old = level.items1[0];
        EXPECT_EQ(item.object_id, 0);
        EXPECT_EQ(item.room, kHallRoom);
        const troom& hall = level.rooms[kHallRoom];
        const tr_sector& below = *hall.sector_at(item.x / 1024 + 1, item.z / 1024 + 1);
        EXPECT_FALSE(is_wall(below));
        EXPECT_EQ(item.y, hall.y_bottom);
        EXPECT_EQ(old.x, item.x);
        EXPECT_EQ(old.angle, item.angle);
        EXPECT_EQ(old.intensity & 0xFF, item.intensity1 & 0xFF);
        EXPECT_EQ((old.intensity >> 8) & 0xFF, item.intensity2 & 0xFF);
        if (v >= kTR4) {
            EXPECT_EQ(item.intensity2, 0);
        }
    }
}

TEST(SampleLevel, SoundMapHasNoSoundsInTheEntriesEachVersionStores) {
    struct Case {
        int32_t version;
        size_t stored;
    };
    for (const Case c : {Case{kTR1, 256}, Case{kTR3, 370}, Case{kTR4, 370}, Case{kTR5, 450}}) {
        SCOPED_TRACE(c.version);
        const auto& map = sample_level(c.version).sound_map;
        EXPECT_TRUE(std::all_of(map.begin(), map.begin() + static_cast<long>(c.stored),
                                [](int16_t e) { return e == -1; }));
        EXPECT_TRUE(std::all_of(map.begin() + static_cast<long>(c.stored), map.end(),
                                [](int16_t e) { return e == 0; }));
    }
}

TEST(SampleLevel, BytesAfterTheLevelDataHoldAnEmptySampleTable) {
    struct Case {
        int32_t version;
        std::vector<uint8_t> samples;
    };
    const Case cases[] = {
        {kTR1, {}},
        {kTR3, {}},
        {kTR4, {0, 0, 0, 0}},
        {kTR5, {0xCD, 0xCD, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const Ttrlevel& level = sample_level(c.version);
        EXPECT_EQ(level.samples, c.samples);
        EXPECT_EQ(level.samples_size, static_cast<int32_t>(c.samples.size()));
    }
}

TEST(SampleLevelRooms, Tr5RoomsEachCarryTheirOneLayer) {
    const Ttrlevel& level = sample_level(kTR5);
    for (const troom& room : level.rooms) {
        ASSERT_EQ(room.layer_headers.size(), 1u);
        EXPECT_EQ(room.tr5_num_rectangles, room.num_rectangles);
        EXPECT_EQ(room.tr5_num_triangles, room.num_triangles);
        const tr5_vertex& first = room.vertices5[0];
        EXPECT_EQ(first.x, room.vertices[0].x);
        EXPECT_EQ(first.alpha, 255);
        EXPECT_EQ(room.rectangles5[0].texture, room.rectangles[0].texture);
    }
    EXPECT_TRUE(sample_level(kTR4).rooms[0].layer_headers.empty());
}

}  // namespace
}  // namespace rw::samples::test
