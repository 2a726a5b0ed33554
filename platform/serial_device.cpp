#include "platform/serial_device.h"

namespace platform {

namespace {
constexpr std::chrono::milliseconds kDrainSlack{100};
constexpr uint32_t kUnknownSpeed = 9600;
}  // namespace

std::chrono::nanoseconds ByteTime(uint32_t baudRate, EParity parity, EStopBits stopBits) {
    const int bits =
        1 + 8 + (parity != EParity::kNone ? 1 : 0) + (stopBits == EStopBits::kTwo ? 2 : 1);
    return std::chrono::nanoseconds(std::chrono::seconds(bits)) /
           (baudRate > 0 ? baudRate : kUnknownSpeed);
}

std::chrono::milliseconds DrainLimit(size_t queuedBytes, std::chrono::nanoseconds byteTime) {
    return std::chrono::ceil<std::chrono::milliseconds>(byteTime * queuedBytes) + kDrainSlack;
}

}  // namespace platform
