// Frames on the serial line: a short header, a body and the FCS-16 of RFC 1662, sent between
// flags with octet stuffing (flag and escape only, no control-character map).
//
// Threads: a CPacketBuffer or CFrameAssembler belongs to one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "devlink/frame_layout.h"

namespace devlink {

inline constexpr uint8_t kFlag = 0x7E;
inline constexpr uint8_t kEscape = 0x7D;
inline constexpr uint8_t kEscapeXor = 0x20;
inline constexpr uint16_t kFcsInit = 0xFFFF;
inline constexpr uint16_t kFcsGood = 0xF0B8;

// A fixed-capacity buffer holding one frame.
class CPacketBuffer {
public:
    // Throws MExceptOutOfMemory when the bytes cannot be had.
    explicit CPacketBuffer(int32_t capacity);
    CPacketBuffer(const CPacketBuffer&) = delete;
    CPacketBuffer& operator=(const CPacketBuffer&) = delete;

    bool Append(uint8_t byte);
    // Lays out a header (and an optional command word and payload); the count is not touched.
    void BuildFrame(uint8_t type, uint16_t command, const uint8_t* payload, uint16_t payloadLength,
                    uint8_t reserved);

    uint8_t* Data() { return m_pData.get(); }
    const uint8_t* Data() const { return m_pData.get(); }
    int32_t Capacity() const { return m_nCapacity; }
    int32_t Count() const { return m_nCount; }
    void SetCount(int32_t count) { m_nCount = count; }

private:
    std::unique_ptr<uint8_t[]> m_pData;
    int32_t m_nCapacity;
    int32_t m_nCount = 0;
};

uint16_t ComputeFcs16(uint16_t start, const uint8_t* bytes, size_t length);

// Writes the check bytes after the body (least significant first) and returns the frame's
// length N + 6. False when the frame with its check bytes does not fit in the buffer.
bool CompleteFrame(CPacketBuffer& frame, int32_t& length);

// Hands every byte of a completed frame of 'length' bytes, flags and stuffing included, to
// emit(byte), which returns false to stop. Returns false when emit stopped it.
template <class FEmit>
bool StuffFrame(const uint8_t* frame, int32_t length, FEmit&& emit) {
    if (!emit(kFlag)) {
        return false;
    }
    for (int32_t i = 0; i < length; ++i) {
        uint8_t b = frame[i];
        if (b == kFlag || b == kEscape) {
            if (!emit(kEscape) || !emit(static_cast<uint8_t>(b ^ kEscapeXor))) {
                return false;
            }
        } else if (!emit(b)) {
            return false;
        }
    }
    return emit(kFlag);
}

// The completed frame as it travels on the line, flags and stuffing included.
inline std::vector<uint8_t> StuffedFrame(const uint8_t* frame, int32_t length) {
    std::vector<uint8_t> wire;
    wire.reserve(2 * static_cast<size_t>(length) + 2);
    StuffFrame(frame, length, [&wire](uint8_t b) {
        wire.push_back(b);
        return true;
    });
    return wire;
}

// True when the frame (check bytes included) passes the FCS test.
inline bool IsIntact(const uint8_t* frame, int32_t count) {
    return ComputeFcs16(kFcsInit, frame, static_cast<size_t>(count)) == kFcsGood;
}

}  // namespace devlink
