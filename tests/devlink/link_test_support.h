// Frames for the link suites: replies as the device sends them, checked and stuffed.
#pragma once

#include <cstdint>
#include <vector>

#include "devlink/packet_buffer.h"

namespace testing_support {

// The header and body as given, completed with their check bytes.
inline std::vector<uint8_t> WithFcs(std::vector<uint8_t> frame) {
    uint16_t c = devlink::ComputeFcs16(devlink::kFcsInit, frame.data(), frame.size()) ^ 0xFFFF;
    frame.push_back(static_cast<uint8_t>(c & 0xFF));
    frame.push_back(static_cast<uint8_t>(c >> 8));
    return frame;
}

// A complete frame (check bytes included) as it travels on the line.
inline std::vector<uint8_t> OnWire(const std::vector<uint8_t>& frame) {
    std::vector<uint8_t> wire;
    devlink::StuffFrame(frame.data(), static_cast<int32_t>(frame.size()), [&](uint8_t b) {
        wire.push_back(b);
        return true;
    });
    return wire;
}

}  // namespace testing_support
