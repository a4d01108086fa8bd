#pragma once
// Appends a level file's fields to a block file stream, little-endian, and patches lengths and
// offsets that are only known after what follows them has been written.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "levelfile/little_endian.h"
#include "levelfile/zfile.h"

namespace rw {

class level_writer {
  public:
    explicit level_writer(TZfile& f) : f_(f) {}

    int32_t position() const { return zf_pos(f_); }

    void put(const void* source, size_t n) {
        if (n > 0) zf_write(f_, source, static_cast<int32_t>(n));
    }
    template <class T>
    void value(T v) {
        uint8_t bytes[sizeof(T)];
        store_le<T>(bytes, v);
        zf_write(f_, bytes, sizeof(T));
    }
    void u16(uint16_t v) { value(v); }
    void i16(int16_t v) { value(v); }
    void u32(uint32_t v) { value(v); }
    void i32(int32_t v) { value(v); }
    // `n` bytes of one value: the fillers between fields.
    void fill(size_t n, uint8_t byte) {
        uint8_t bytes[16];
        while (n > 0) {
            const size_t k = n < sizeof bytes ? n : sizeof bytes;
            std::memset(bytes, byte, k);
            zf_write(f_, bytes, static_cast<int32_t>(k));
            n -= k;
        }
    }
    // Overwrites the 32-bit field written earlier at `at`; the position stays where it is.
    void patch_u32(int32_t at, uint32_t v) { store_le<uint32_t>(f_.buffer + at, v); }

  private:
    TZfile& f_;
};

// The filler byte between the fields of TR5 rooms and after the TR5 level data.
inline constexpr uint8_t kTr5Filler = 0xCD;

}  // namespace rw
