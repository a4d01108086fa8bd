#include "levelfile/texture_panel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "levelfile/texture_table.h"

namespace rw {

namespace {

bool has_cell_size(const Ttrlevel& level, int index, int w, int h) {
    if (is_triangle_texture(level, index)) return false;
    const auto& c = level.object_textures[static_cast<size_t>(index)].corners;
    return std::abs(c[1].x_pixel - c[0].x_pixel) + 1 == w &&
           std::abs(c[2].y_pixel - c[1].y_pixel) + 1 == h;
}

void draw_cell(const Ttrlevel& level, const Bitmap& atlas, int index, Bitmap& cell) {
    const TextureBounds b = atlas_bounds(level, index);
    if (b.width() == cell.width() && b.height() == cell.height()) {
        copy_rect(atlas, b.left, b.top, b.right, b.bottom, cell);
    } else {
        Bitmap picture(b.width(), b.height(), PixelFormat::k16);
        copy_rect(atlas, b.left, b.top, b.right, b.bottom, picture);
        draw_scaled(picture, cell, 0, 0, cell.width(), cell.height());
    }
    apply_mirroring(cell, texture_mirroring(level, index));
}

}  // namespace

void build_texture_panel(int w, int h, int columns, tpanel_texture& panel, const Ttrlevel& level,
                         LogSink* log) {
    build_texture_panel_from_atlas(w, h, columns, panel, level, build_tile_atlas(level), log);
}

void build_texture_panel_from_atlas(int w, int h, int columns, tpanel_texture& panel,
                                    const Ttrlevel& level, const Bitmap& atlas, LogSink* log) {
    w = std::clamp(w, 1, 255);
    h = std::clamp(h, 1, 255);
    columns = std::clamp(columns, 1, 255);
    const int capacity = std::min(kPanelCapacity, kMaxPanelRows * columns);
    const int textures =
        std::min<int>(level.num_object_textures, static_cast<int>(level.object_textures.size()));
    int found = 0;
    panel.entry_count = 0;
    for (int i = 0; i < textures; ++i) {
        if (!has_cell_size(level, i, w, h)) continue;
        if (found < capacity) panel.entries[static_cast<size_t>(panel.entry_count++)] = i;
        ++found;
    }
    if (found > capacity && log != nullptr) {
        log->add_line("Texture panel " + std::to_string(w) + "x" + std::to_string(h) + ": " +
                      std::to_string(found) + " textures fit, showing the first " +
                      std::to_string(capacity) + ".");
    }

    panel.cell_width = static_cast<uint8_t>(w);
    panel.cell_height = static_cast<uint8_t>(h);
    panel.columns = static_cast<uint8_t>(columns);
    const int rows = (panel.entry_count + columns - 1) / columns;
    panel.panel_rows = static_cast<uint8_t>(rows);
    panel.panel_bitmap =
        Bitmap(columns * w + columns - 1, std::max(rows * h + rows - 1, 0), PixelFormat::k16);
    panel.marker = kBuiltMarker;

    Bitmap cell(w, h, PixelFormat::k16);
    for (int n = 0; n < panel.entry_count; ++n) {
        const int r = n / columns, c = n % columns;
        draw_cell(level, atlas, panel.entries[static_cast<size_t>(n)], cell);
        copy_rect(cell, 0, 0, w - 1, h - 1, panel.panel_bitmap, c * (w + 1), r * (h + 1));
    }
}

int panel_texture_at(int x, int y, const tpanel_texture& panel) {
    if (panel.marker != kBuiltMarker) return 0;
    const double column = static_cast<double>(x) / (panel.cell_width + 1);
    const double row = std::ceil(static_cast<double>(y) / (panel.cell_height + 1));
    const double n = std::trunc(panel.columns * row + column) - panel.columns + 1;
    if (n < 0 || n > panel.entry_count) return 0;
    return static_cast<int>(n);
}

}  // namespace rw
