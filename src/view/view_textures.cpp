#include "view/view_textures.h"

#include <algorithm>
#include <string>
#include <vector>

#include "levelfile/texture_table.h"
#include "view/editor_textures.h"
#include "view/texture_upload.h"

namespace rw {

namespace {

void report_refused(const std::vector<int>& names, LogSink* log) {
    if (names.empty() || log == nullptr) return;
    constexpr size_t kNamed = 10;
    std::string line = "OpenGL refused " + std::to_string(names.size()) + " texture(s):";
    for (size_t i = 0; i < names.size() && i < kNamed; ++i)
        line += " " + std::to_string(names[i]);
    if (names.size() > kNamed) line += " ...";
    log->add_line(line);
}

// Names from 4000 on hold the solid and marker textures, which solid mode and the selection
// markers need; a level with that many textures must not paint over them.
bool is_editor_texture_name(uint32_t name) {
    return name >= kSolidTexture && name < kFirstMarkerTexture + kMarkerCount;
}

}  // namespace

int view_texture_count(const Ttrlevel& level) {
    return std::clamp<int>(level.num_object_textures, 0,
                           static_cast<int>(level.object_textures.size()));
}

int load_view_textures(const Ttrlevel& level, std::span<TGLViewport* const> viewports,
                       int colour_bits, LogSink* log) {
    return load_view_textures_from_atlas(level, build_tile_atlas(level), viewports, colour_bits,
                                         log);
}

int load_view_textures_from_atlas(const Ttrlevel& level, const Bitmap& atlas,
                                  std::span<TGLViewport* const> viewports, int colour_bits,
                                  LogSink* log) {
    const int count = view_texture_count(level);
    std::vector<int> refused;
    int kept_out = 0;
    Bitmap picture;
    for (int i = 0; i < count; ++i) {
        const auto name = static_cast<uint32_t>(i + 1);
        if (is_editor_texture_name(name)) {
            ++kept_out;
        } else {
            const TextureBounds b = atlas_bounds(level, i);
            picture = Bitmap(b.width(), b.height(), PixelFormat::k24);
            copy_rect(atlas, b.left, b.top, b.right, b.bottom, picture);
            if (!UploadTexture(name, picture, colour_bits, viewports)) refused.push_back(i + 1);
        }
        level.report_progress(static_cast<int>(static_cast<int64_t>(i + 1) * 100 / count));
    }
    level.report_progress(0);
    if (kept_out != 0 && log != nullptr)
        log->add_line(std::to_string(kept_out) +
                      " texture(s) not shown: their names belong to the editor's own textures");
    report_refused(refused, log);
    return static_cast<int>(refused.size());
}

void delete_view_textures(uint32_t first, uint32_t last, std::span<TGLViewport* const> viewports) {
    for (TGLViewport* viewport : viewports) {
        MakeCurrent(*viewport);
        for (uint32_t name = first; name <= last && name >= first; ++name)
            if (!is_editor_texture_name(name)) viewport->gl->delete_texture(name);
    }
}

}  // namespace rw
