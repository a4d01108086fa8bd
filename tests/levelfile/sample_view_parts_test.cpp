// The parts the editor's views build from a base level, on the bundled sample of every game
// version: nothing is clipped or cut short, and every static mesh finds its mesh.

#include <gtest/gtest.h>

#include <string>

#include "levelfile/level_file.h"
#include "levelfile/mesh_list.h"
#include "levelfile/texture_panel.h"
#include "levelfile/texture_table.h"
#include "recording_sinks.h"

namespace rw {
namespace {

const char* const kSamples[] = {"sample.phd",     "sample.tub", "sample.tr2", "sample.trg",
                                "sample_tr3.tr2", "sample.tr4", "sample.trc"};

TEST(SampleViewParts, EverySampleGivesWholeMeshesAndFullPanels) {
    for (const char* name : kSamples) {
        SCOPED_TRACE(name);
        Ttrlevel level;
        ASSERT_EQ(load_level(level, std::string(RW_SAMPLES_DIR) + "/" + name), 0);

        test::RecordingLog log;
        Tmesh_list meshes;
        build_mesh_list(meshes, level, &log);
        EXPECT_TRUE(log.lines.empty()) << log.lines.front();
        ASSERT_GE(level.num_static_meshes, 4);
        for (const tr_static_mesh& s : level.static_meshes) {
            ASSERT_LT(s.mesh, meshes.pointer_to_mesh.size());
            const int entry = meshes.pointer_to_mesh[s.mesh];
            EXPECT_EQ(meshes.meshes[static_cast<size_t>(entry)].data_offset,
                      level.mesh_pointers[s.mesh]);
            EXPECT_FALSE(meshes.meshes[static_cast<size_t>(entry)].tex_rects.empty() &&
                         meshes.meshes[static_cast<size_t>(entry)].tex_tris.empty());
        }

        const Bitmap atlas = build_tile_atlas(level);
        EXPECT_EQ(atlas.height(), level.num_textiles * 256);
        tpanel_texture panel;
        build_texture_panel_from_atlas(64, 64, 4, panel, level, atlas, &log);
        EXPECT_GE(panel.entry_count, 40);
        EXPECT_TRUE(log.lines.empty());
        for (int i = 0; i < level.num_object_textures; ++i) {
            const TextureBounds b = atlas_bounds(level, i);
            ASSERT_LT(b.bottom, atlas.height()) << "texture " << i;
        }
    }
}

}  // namespace
}  // namespace rw
