#include "pictures.h"

#include <array>
#include <cmath>

#include "procedural.h"

namespace rw::samples {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Flagstones: the cells of jittered points on a grid that wraps around the tile.
double stone(int x, int y) {
    constexpr int kCells = 6;
    constexpr double kCell = static_cast<double>(kTileSide) / kCells;
    const int gx = static_cast<int>(x / kCell), gy = static_cast<int>(y / kCell);
    double nearest = 1e9, second = 1e9;
    int owner_x = 0, owner_y = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = gx + dx, cy = gy + dy;
            const int wx = (cx + kCells) % kCells, wy = (cy + kCells) % kCells;
            const double px = (cx + 0.2 + 0.6 * lattice_value(wx, wy, 11)) * kCell;
            const double py = (cy + 0.2 + 0.6 * lattice_value(wx, wy, 12)) * kCell;
            const double d = std::hypot(px - x, py - y);
            if (d < nearest) {
                second = nearest;
                nearest = d;
                owner_x = wx;
                owner_y = wy;
            } else if (d < second) {
                second = d;
            }
        }
    }
    const double edge = second - nearest;
    const double grain = fractal_noise(x / 12.0, y / 12.0, 4, 13) - 0.5;
    if (edge < 3.0) return 0.12 + 0.1 * grain;
    const double rim = edge < 8.0 ? 0.08 * (8.0 - edge) / 5.0 : 0.0;
    return 0.5 + 0.35 * (lattice_value(owner_x, owner_y, 14) - 0.5) + 0.4 * grain + rim;
}

double brick(int x, int y) {
    const int row = y / 16;
    const int shifted = x + (row % 2) * 16;
    const int column = shifted / 32;
    if (shifted % 32 < 2 || y % 16 < 2)
        return 0.88 + 0.1 * (value_noise(x / 3.0, y / 3.0, 21) - 0.5);
    return 0.38 + 0.3 * (lattice_value(column, row, 22) - 0.5) +
           0.25 * (fractal_noise(x / 4.0, y / 4.0, 3, 23) - 0.5);
}

double wood(int x, int y) {
    const int board = y / 32;
    const int joint = static_cast<int>(lattice_value(board, 0, 31) * kTileSide);
    if (y % 32 < 2 || (x - joint + kTileSide) % kTileSide < 2) return 0.06;
    const double wave = std::sin(
        (y + 24.0 * fractal_noise(x / 64.0, y / 16.0 + board * 7, 3, 32)) * 0.9 + board * 3.0);
    return 0.45 + 0.15 * wave + 0.25 * (fractal_noise(x / 40.0, y / 3.0, 3, 33) - 0.5) +
           0.2 * (lattice_value(board, 1, 34) - 0.5);
}

double grass(int x, int y) {
    return 0.1 + 0.45 * fractal_noise(x / 32.0, y / 32.0, 3, 41) +
           0.45 * value_noise(x * 0.6, y * 0.07, 42);
}

double metal(int x, int y) {
    const int lx = x % 64, ly = y % 64;
    if (lx < 3 || ly < 3) return 0.85;
    if (lx > 60 || ly > 60) return 0.12;
    for (const int rx : {8, 56}) {
        for (const int ry : {8, 56}) {
            const double d = std::hypot(lx - rx, ly - ry);
            if (d < 3.5) return 0.95 - d * 0.12;
            if (d < 4.5) return 0.2;
        }
    }
    return 0.5 + 0.2 * (lattice_value(x / 64, y / 64, 51) - 0.5) +
           0.25 * (value_noise(x / 40.0, y * 0.9, 52) - 0.5);
}

double water(int x, int y) {
    const double warp = 3.0 * fractal_noise(x / 64.0, y / 64.0, 3, 61);
    const double waves = std::sin(x * 0.09 + warp) + std::sin(y * 0.11 + x * 0.03 + warp);
    const double ripple =
        std::abs(std::sin(0.07 * x + 0.05 * y + 6.0 * fractal_noise(x / 48.0, y / 48.0, 3, 62)));
    return 0.35 + 0.12 * waves + 0.45 * std::pow(1.0 - ripple, 8.0);
}

double marble(int x, int y) {
    const double t = x * 0.02 + y * 0.035 + 5.0 * fractal_noise(x / 64.0, y / 64.0, 4, 71);
    const double vein = std::pow(1.0 - std::abs(std::sin(t * kPi)), 12.0);
    return 0.88 - 0.6 * vein + 0.12 * (fractal_noise(x / 8.0, y / 8.0, 2, 72) - 0.5);
}

double crate(int x, int y) {
    const int lx = x % 64, ly = y % 64;
    const double grain = 0.15 * (value_noise(x / 30.0, y * 0.5, 81) - 0.5) +
                         0.1 * (lattice_value(x / 64, y / 64, 82) - 0.5);
    if (lx == 0 || ly == 0 || lx == 63 || ly == 63) return 0.05;
    if (lx < 7 || ly < 7 || lx > 56 || ly > 56) return 0.62 + grain;
    if (lx == 7 || ly == 7 || lx == 56 || ly == 56) return 0.1;
    const int brace = std::abs(lx + ly - 63);
    if (brace < 6) return 0.7 + grain;
    if (brace < 8) return 0.12;
    if ((ly - 8) % 10 == 9) return 0.18;
    return 0.45 + grain;
}

double sky(int x, int y) {
    const double cloud = clamp01((fractal_noise(x / 64.0, y / 32.0, 5, 91) - 0.5) * 3.0);
    return 0.15 + 0.35 * y / (kTileSide - 1.0) + 0.5 * cloud;
}

double grid(int x, int y) {
    if (x % 16 == 0 || y % 16 == 0) return 0.92;
    const int lx = x % 16 - 2, ly = y % 16 - 2;
    if (lx < 0 || ly < 0 || lx >= 12 || ly >= 12) return 0.1;
    const uint32_t glyph = lattice_hash(x / 16, y / 16, 101);
    return (glyph >> ((ly / 3) * 4 + lx / 3)) & 1u ? 0.7 : 0.1;
}

using PictureFunction = double (*)(int, int);
constexpr std::array<PictureFunction, kPictureCount> kPictureFunctions = {
    stone, brick, wood, grass, metal, water, marble, crate, sky, grid};

// Each ramp runs dark, middle, light.
constexpr std::array<std::array<Rgb, 3>, kPictureCount> kRamps = {{
    {{{40, 40, 44}, {112, 110, 106}, {196, 192, 184}}},
    {{{52, 18, 12}, {150, 58, 38}, {220, 206, 186}}},
    {{{45, 25, 10}, {128, 80, 38}, {210, 165, 105}}},
    {{{14, 40, 8}, {60, 122, 30}, {168, 216, 96}}},
    {{{30, 36, 46}, {100, 112, 126}, {206, 216, 228}}},
    {{{4, 20, 62}, {20, 92, 164}, {178, 226, 252}}},
    {{{92, 86, 80}, {192, 186, 176}, {252, 250, 242}}},
    {{{62, 30, 8}, {164, 98, 36}, {236, 186, 104}}},
    {{{18, 46, 118}, {90, 150, 222}, {252, 252, 255}}},
    {{{20, 20, 24}, {92, 92, 104}, {252, 222, 60}}},
}};

std::vector<uint8_t> draw(int picture) {
    std::vector<uint8_t> shades(kTilePixels);
    const PictureFunction f = kPictureFunctions[static_cast<size_t>(picture)];
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileSide; ++x) {
            const double v = clamp01(f(x, y));
            shades[static_cast<size_t>(y * kTileSide + x)] =
                static_cast<uint8_t>(std::lround(v * (kShades - 1)));
        }
    }
    return shades;
}

uint8_t mix(uint8_t a, uint8_t b, double t) {
    return static_cast<uint8_t>(std::lround(a + (b - a) * t));
}

}  // namespace

const std::vector<uint8_t>& picture_shades(int picture) {
    static const std::array<std::vector<uint8_t>, kPictureCount> all = [] {
        std::array<std::vector<uint8_t>, kPictureCount> pictures;
        for (int p = 0; p < kPictureCount; ++p)
            pictures[static_cast<size_t>(p)] = draw(p);
        return pictures;
    }();
    return all[static_cast<size_t>(picture)];
}

Rgb shade_colour(int picture, int shade) {
    const auto& ramp = kRamps[static_cast<size_t>(picture)];
    const double t = static_cast<double>(shade) / (kShades - 1) * 2.0;
    const Rgb& a = ramp[t < 1.0 ? 0 : 1];
    const Rgb& b = ramp[t < 1.0 ? 1 : 2];
    const double f = t < 1.0 ? t : t - 1.0;
    return {mix(a.red, b.red, f), mix(a.green, b.green, f), mix(a.blue, b.blue, f)};
}

}  // namespace rw::samples
