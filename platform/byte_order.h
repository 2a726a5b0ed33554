// Big-endian conversions for the document file, the device payload and the frame headers.
#pragma once

#include <cstdint>

namespace platform {

// Byte-wise, so that buffers need not be aligned and the host's own order never matters.
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
