#pragma once
// Deterministic pattern helpers for the sample pictures: integer hashing and value noise. They
// use no random generator and no clock, so every build draws the same pixels.

#include <cstdint>

namespace rw::samples {

// A well-mixed 32-bit hash of a lattice point and a seed.
uint32_t lattice_hash(int32_t x, int32_t y, uint32_t seed);

// The hash as a value in [0, 1).
double lattice_value(int32_t x, int32_t y, uint32_t seed);

// Smoothly interpolated lattice values: continuous, in [0, 1).
double value_noise(double x, double y, uint32_t seed);

// Octaves of value noise, each twice the frequency and half the weight of the one before,
// normalised back to [0, 1).
double fractal_noise(double x, double y, int octaves, uint32_t seed);

double clamp01(double v);

}  // namespace rw::samples
