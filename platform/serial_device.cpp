#include "platform/serial_device.h"

namespace platform {

namespace {
constexpr std::chrono::milliseconds kDrainSlack{100};
}  // namespace

SDrainResult ISerialDevice::Drain(const std::atomic<bool>* pStop) {
    const auto start = std::chrono::steady_clock::now();
    int queued = 0;
    const bool bEmptied = DrainQueue(pStop, queued);
    return {bEmptied, bEmptied ? 0 : queued,
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                  start)};
}

std::chrono::nanoseconds ByteTime(uint32_t baudRate, EParity parity, EStopBits stopBits) {
    const int bits =
        1 + 8 + (parity != EParity::kNone ? 1 : 0) + (stopBits == EStopBits::kTwo ? 2 : 1);
    return std::chrono::nanoseconds(std::chrono::seconds(bits)) /
           (baudRate > 0 ? baudRate : kDefaultBaudRate);
}

std::chrono::milliseconds DrainLimit(size_t queuedBytes, std::chrono::nanoseconds byteTime) {
    return std::chrono::ceil<std::chrono::milliseconds>(byteTime * queuedBytes) + kDrainSlack;
}

}  // namespace platform
