#pragma once
// Assembles file images field by field, little-endian, the way the format tables list them.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace rw::test {

class ByteBuilder {
  public:
    ByteBuilder& u8(uint32_t v) { return raw(&v, 1); }
    ByteBuilder& u16(uint32_t v) { return le(v, 2); }
    ByteBuilder& i16(int32_t v) { return le(static_cast<uint32_t>(v), 2); }
    ByteBuilder& u32(uint32_t v) { return le(v, 4); }
    ByteBuilder& i32(int32_t v) { return le(static_cast<uint32_t>(v), 4); }
    ByteBuilder& f32(float v) {
        uint32_t u;
        std::memcpy(&u, &v, 4);
        return le(u, 4);
    }
    ByteBuilder& fill(size_t n, uint8_t value = 0) {
        bytes_.insert(bytes_.end(), n, value);
        return *this;
    }
    ByteBuilder& text(std::string_view s) { return raw(s.data(), s.size()); }
    // A short string: length byte, the text, then zeros up to the capacity.
    ByteBuilder& short_string(std::string_view s, size_t capacity) {
        u8(static_cast<uint32_t>(s.size()));
        text(s);
        return fill(capacity - s.size());
    }
    ByteBuilder& bytes(const std::vector<uint8_t>& v) {
        bytes_.insert(bytes_.end(), v.begin(), v.end());
        return *this;
    }
    ByteBuilder& raw(const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
        return *this;
    }
    // Overwrites a 32-bit value at an earlier position.
    ByteBuilder& patch_u32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes_[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
        return *this;
    }
    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& data() const { return bytes_; }
    std::vector<uint8_t> take() { return std::move(bytes_); }

  private:
    ByteBuilder& le(uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::vector<uint8_t> bytes_;
};

}  // namespace rw::test
