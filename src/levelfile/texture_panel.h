#pragma once
// A texture panel: every rectangular object texture of one size side by side in a picture, so
// the user can pick one with the mouse.

#include <array>
#include <cstdint>
#include <string>

#include "levelfile/bitmap.h"
#include "levelfile/sinks.h"
#include "levelfile/trlevel.h"

namespace rw {

inline constexpr int kPanelCapacity = 999;  // entries one panel lists
inline constexpr int kMaxPanelRows = 255;

struct tpanel_texture {
    std::string marker;  // "Valido" once built
    uint8_t cell_width = 0;
    uint8_t cell_height = 0;
    uint8_t columns = 0;
    uint8_t panel_rows = 0;
    Bitmap panel_bitmap{0, 0, PixelFormat::k16};
    int32_t entry_count = 0;
    std::array<int32_t, kPanelCapacity> entries{};  // object texture index of each cell
};

// The four panels the editor keeps: cell width, height and columns.
struct PanelLayout {
    int cell_width, cell_height, columns;
};
inline constexpr std::array<PanelLayout, 4> kPanelLayouts{
    {{64, 64, 4}, {64, 48, 1}, {64, 32, 1}, {64, 16, 1}}};

// Lists the quads of exactly w x h pixels and draws them into the panel. A level with more of
// them than the panel holds (999 entries, 255 rows) shows the first ones and says so in the log.
void build_texture_panel(int w, int h, int columns, tpanel_texture& panel, const Ttrlevel& level,
                         LogSink* log = nullptr);
// The same from an atlas already built from the level.
void build_texture_panel_from_atlas(int w, int h, int columns, tpanel_texture& panel,
                                    const Ttrlevel& level, const Bitmap& atlas,
                                    LogSink* log = nullptr);

// The 1-based position of the cell under pixel (x, y) of the panel picture, or 0.
int panel_texture_at(int x, int y, const tpanel_texture& panel);

}  // namespace rw
