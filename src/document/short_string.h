#pragma once
// A length byte followed by a fixed capacity of characters. Text longer than the capacity is
// cut when stored; the bytes after the text are kept as they are, because files store the
// whole field.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace rw {

template <size_t Capacity>
struct ShortString {
    static_assert(Capacity <= 255);
    static constexpr size_t capacity = Capacity;

    uint8_t length = 0;
    std::array<char, Capacity> text{};

    std::string_view view() const { return {text.data(), std::min<size_t>(length, Capacity)}; }
    std::string str() const { return std::string(view()); }
    void assign(std::string_view s) {
        const size_t n = std::min(s.size(), Capacity);
        if (n > 0) std::memcpy(text.data(), s.data(), n);
        length = static_cast<uint8_t>(n);
    }
    bool empty() const { return length == 0; }
};

}  // namespace rw
