#include "devlink/packet_buffer.h"

#include <array>
#include <cstring>
#include <new>

#include "model/except.h"
#include "platform/byte_order.h"

namespace devlink {

namespace {

constexpr std::array<uint16_t, 256> MakeFcsTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        unsigned v = b;
        for (int i = 0; i < 8; ++i) {
            v = (v & 1) ? (v >> 1) ^ 0x8408 : v >> 1;
        }
        table[b] = static_cast<uint16_t>(v);
    }
    return table;
}

constexpr std::array<uint16_t, 256> kFcsTable = MakeFcsTable();
static_assert(kFcsTable[1] == 0x1189 && kFcsTable[2] == 0x2312 && kFcsTable[3] == 0x329B);

}  // namespace

CPacketBuffer::CPacketBuffer(int32_t capacity)
    : m_pData(new (std::nothrow) uint8_t[static_cast<size_t>(capacity)]()), m_nCapacity(capacity) {
    if (!m_pData) {
        model::ThrowOutOfMemory();
    }
}

bool CPacketBuffer::Append(uint8_t byte) {
    if (m_nCount >= m_nCapacity) {
        return false;
    }
    m_pData[m_nCount++] = byte;
    return true;
}

void CPacketBuffer::BuildFrame(uint8_t type, uint16_t command, const uint8_t* payload,
                               uint16_t payloadLength, uint8_t reserved) {
    uint8_t* p = m_pData.get();
    constexpr int kPayloadAt = kCommandAt + 2;
    if (payloadLength != 0) {
        PutHeader(p, type, static_cast<uint16_t>(payloadLength + 2), reserved);
        platform::PutBig16(p + kCommandAt, command);
        std::memcpy(p + kPayloadAt, payload, payloadLength);
    } else if (command != 0) {
        PutHeader(p, type, 2, reserved);
        platform::PutBig16(p + kCommandAt, command);
    } else {
        PutHeader(p, type, 0, reserved);
    }
}

uint16_t ComputeFcs16(uint16_t start, const uint8_t* bytes, size_t length) {
    uint16_t fcs = start;
    for (size_t i = 0; i < length; ++i) {
        fcs = static_cast<uint16_t>((fcs >> 8) ^ kFcsTable[(fcs ^ bytes[i]) & 0xFF]);
    }
    return fcs;
}

bool CompleteFrame(CPacketBuffer& frame, int32_t& length) {
    const int32_t body = FrameBodyLength(frame.Data());
    length = body + kHeaderSize + kFcsSize;
    if (length > frame.Capacity()) {
        return false;
    }
    uint8_t* p = frame.Data();
    uint16_t c = ComputeFcs16(kFcsInit, p, static_cast<size_t>(body + kHeaderSize)) ^ 0xFFFF;
    p[body + kHeaderSize] = static_cast<uint8_t>(c & 0xFF);
    p[body + kHeaderSize + 1] = static_cast<uint8_t>(c >> 8);
    return true;
}

}  // namespace devlink
