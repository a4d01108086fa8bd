#pragma once
// Little-endian loads and stores of fixed-width integers and floats at any byte address.
// Every stored format of the system is little-endian; these helpers make that explicit and
// compile to plain moves on little-endian hosts.

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace rw {

template <class T>
inline T load_le(const void* at) {
    static_assert(std::is_trivially_copyable_v<T>);
    using U = std::conditional_t<
        sizeof(T) == 1, uint8_t,
        std::conditional_t<sizeof(T) == 2, uint16_t,
                           std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;
    static_assert(sizeof(U) == sizeof(T));
    const auto* p = static_cast<const uint8_t*>(at);
    U u = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        u |= static_cast<U>(static_cast<U>(p[i]) << (8 * i));
    return std::bit_cast<T>(u);
}

template <class T>
inline void store_le(void* at, T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    using U = std::conditional_t<
        sizeof(T) == 1, uint8_t,
        std::conditional_t<sizeof(T) == 2, uint16_t,
                           std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;
    static_assert(sizeof(U) == sizeof(T));
    auto u = std::bit_cast<U>(value);
    auto* p = static_cast<uint8_t*>(at);
    for (size_t i = 0; i < sizeof(T); ++i)
        p[i] = static_cast<uint8_t>(u >> (8 * i));
}

// Records whose in-memory layout is pinned to their stored layout (every offset checked by
// static_assert) are moved between memory and files as whole blocks. That is only the stored
// byte order on a little-endian host, which is what the system is built for.
inline constexpr bool kHostIsLittleEndian = std::endian::native == std::endian::little;
static_assert(kHostIsLittleEndian,
              "stored records are block-copied; a big-endian host needs per-field conversion");

}  // namespace rw
