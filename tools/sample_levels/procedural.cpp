#include "procedural.h"

#include <cmath>

namespace rw::samples {

uint32_t lattice_hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double lattice_value(int32_t x, int32_t y, uint32_t seed) {
    return static_cast<double>(lattice_hash(x, y, seed) & 0xFFFFFFu) / 16777216.0;
}

namespace {

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double value_noise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = lattice_value(ix, iy, seed), b = lattice_value(ix + 1, iy, seed);
    const double c = lattice_value(ix, iy + 1, seed), d = lattice_value(ix + 1, iy + 1, seed);
    const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double fractal_noise(double x, double y, int octaves, uint32_t seed) {
    double sum = 0.0, weight = 1.0, total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += value_noise(x, y, seed + static_cast<uint32_t>(i) * 101u) * weight;
        total += weight;
        x *= 2.0;
        y *= 2.0;
        weight *= 0.5;
    }
    return sum / total;
}

double clamp01(double v) {
    return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}

}  // namespace rw::samples
