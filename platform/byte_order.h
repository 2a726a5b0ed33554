// Big-endian conversions for the document file, the device payload and the frame headers.
#pragma once

#include <bit>
#include <cstdint>

namespace platform {

constexpr uint32_t HostToNet32(uint32_t v) {
    if constexpr (std::endian::native == std::endian::big) {
        return v;
    } else {
        return __builtin_bswap32(v);
    }
}
constexpr uint32_t NetToHost32(uint32_t v) {
    return HostToNet32(v);
}

constexpr uint16_t HostToNet16(uint16_t v) {
    if constexpr (std::endian::native == std::endian::big) {
        return v;
    } else {
        return __builtin_bswap16(v);
    }
}
constexpr uint16_t NetToHost16(uint16_t v) {
    return HostToNet16(v);
}

// Byte-wise helpers for buffers that need not be aligned.
inline void PutBig32(uint8_t* out, uint32_t v) {
    out[0] = static_cast<uint8_t>(v >> 24);
    out[1] = static_cast<uint8_t>(v >> 16);
    out[2] = static_cast<uint8_t>(v >> 8);
    out[3] = static_cast<uint8_t>(v);
}
inline void PutBig16(uint8_t* out, uint16_t v) {
    out[0] = static_cast<uint8_t>(v >> 8);
    out[1] = static_cast<uint8_t>(v);
}
inline uint32_t GetBig32(const uint8_t* in) {
    return (uint32_t{in[0]} << 24) | (uint32_t{in[1]} << 16) | (uint32_t{in[2]} << 8) |
           uint32_t{in[3]};
}
inline uint16_t GetBig16(const uint8_t* in) {
    return static_cast<uint16_t>((in[0] << 8) | in[1]);
}

}  // namespace platform
