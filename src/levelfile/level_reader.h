#pragma once
// A bounded cursor over a level file's bytes. Every read checks what remains; every count is
// checked against what remains and against the capacity of its table before anything is sized.
// A file that fails a check is damaged (or of a kind we do not support): the cursor raises
// level_damage, which load_level turns into its refusal.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "levelfile/little_endian.h"

namespace rw {

class level_damage : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// No fixed capacity: only the remaining bytes bound the count.
inline constexpr uint64_t kUnbounded = UINT64_MAX;

class level_reader {
  public:
    level_reader(const uint8_t* data, size_t size) : data_(data), end_(size) {}

    size_t position() const { return position_; }
    size_t end() const { return end_; }
    size_t remaining() const { return end_ - position_; }
    const uint8_t* here() const { return data_ + position_; }

    void read(void* destination, size_t n, const char* what) {
        require(n, what);
        if (n > 0) std::memcpy(destination, data_ + position_, n);
        position_ += n;
    }
    void skip(size_t n, const char* what) {
        require(n, what);
        position_ += n;
    }
    template <class T>
    T value(const char* what) {
        require(sizeof(T), what);
        const T v = load_le<T>(data_ + position_);
        position_ += sizeof(T);
        return v;
    }
    uint16_t u16(const char* what) { return value<uint16_t>(what); }
    int16_t i16(const char* what) { return value<int16_t>(what); }
    uint32_t u32(const char* what) { return value<uint32_t>(what); }
    int32_t i32(const char* what) { return value<int32_t>(what); }

    // Checks that `count` records of `record_size` bytes can follow and fit a table of
    // `capacity` entries.
    void expect(uint64_t count, size_t record_size, uint64_t capacity, const char* what) const {
        if (count > capacity) {
            throw level_damage(std::string(what) + ": count " + std::to_string(count) +
                               " exceeds the capacity of " + std::to_string(capacity));
        }
        if (record_size > 0 && count > remaining() / record_size) {
            throw level_damage(
                std::string(what) + ": " + std::to_string(count) +
                (record_size == 1 ? " bytes"
                                  : " records of " + std::to_string(record_size) + " bytes") +
                " do not fit in the " + std::to_string(remaining()) + " bytes that remain");
        }
    }

    // Moves to an absolute position inside the readable range.
    void seek(size_t p, const char* what) {
        if (p > end_) throw level_damage(std::string(what) + " lies beyond the end of the file");
        position_ = p;
    }
    // Narrows the readable range to end at `p` (a room, the level data), returning the old end
    // so that the caller can widen it again.
    size_t limit_to(size_t p, const char* what) {
        if (p > end_ || p < position_) {
            throw level_damage(std::string(what) + " lies beyond the end of the file");
        }
        const size_t old = end_;
        end_ = p;
        return old;
    }
    void widen_to(size_t old_end) { end_ = old_end; }

  private:
    void require(size_t n, const char* what) const {
        if (n > remaining()) {
            throw level_damage(std::string(what) + ": the data ends early");
        }
    }

    const uint8_t* data_;
    size_t end_;
    size_t position_ = 0;
};

}  // namespace rw
