#include "devlink/frame_layout.h"

#include <cstring>

#include "platform/byte_order.h"

namespace devlink {

uint16_t FrameBodyLength(const uint8_t* frame) {
    return platform::GetBig16(frame + kLengthAt);
}

void PutHeader(uint8_t* frame, uint8_t type, uint16_t bodyLength, uint8_t reserved) {
    frame[0] = reserved;
    frame[kTypeAt] = type;
    platform::PutBig16(frame + kLengthAt, bodyLength);
}

bool LengthAgrees(const uint8_t* frame, int32_t count) {
    return count < kHeaderSize + kFcsSize ||
           FrameBodyLength(frame) == count - kHeaderSize - kFcsSize;
}

bool ReadFrameField(const uint8_t* frame, int32_t count, int offset, uint16_t& value) {
    if (offset + 2 + kFcsSize > count) {
        return false;
    }
    value = platform::GetBig16(frame + offset);
    return true;
}

void PutBookBlock(uint8_t* frame, uint16_t sequence, const uint8_t* data, uint16_t length) {
    PutHeader(frame, kFrameTypeData, static_cast<uint16_t>(length + kBookDataAt - kHeaderSize));
    platform::PutBig16(frame + kCommandAt, kCmdBookBlock);
    platform::PutBig16(frame + kAddressAt, sequence);
    std::memcpy(frame + kBookDataAt, data, length);
}

void PutProgramBlock(uint8_t* frame, uint16_t program, uint16_t offset, const uint8_t* data,
                     uint16_t length) {
    PutHeader(frame, kFrameTypeData, static_cast<uint16_t>(length + kProgramDataAt - kHeaderSize));
    platform::PutBig16(frame + kCommandAt, kCmdProgramBlock);
    platform::PutBig16(frame + kAddressAt, program);
    platform::PutBig16(frame + kOffsetAt, offset);
    std::memcpy(frame + kProgramDataAt, data, length);
}

std::optional<SDataBlock> ReadDataBlock(const uint8_t* frame, int32_t count) {
    SDataBlock block;
    if (count <= kTypeAt || frame[kTypeAt] != kFrameTypeData ||
        !ReadFrameField(frame, count, kCommandAt, block.command) ||
        !ReadFrameField(frame, count, kAddressAt, block.address)) {
        return std::nullopt;
    }
    int dataAt = kBookDataAt;
    if (block.command == kCmdProgramBlock) {
        if (!ReadFrameField(frame, count, kOffsetAt, block.offset)) {
            return std::nullopt;
        }
        dataAt = kProgramDataAt;
    } else if (block.command != kCmdBookBlock) {
        return std::nullopt;
    }
    block.data = frame + dataAt;
    block.length = count - kFcsSize - dataAt;
    return block;
}

std::optional<SReply> ReadReply(const uint8_t* frame, int32_t count) {
    SReply reply;
    if (count <= kTypeAt) {
        return std::nullopt;
    }
    const uint8_t type = frame[kTypeAt];
    if (type < kFirstReplyType || type > kLastReplyType ||
        !ReadFrameField(frame, count, kReplyCodeAt, reply.code)) {
        return std::nullopt;
    }
    uint16_t word = 0;
    if (ReadFrameField(frame, count, kSubCodeAt, word)) {
        reply.subCode = word;
        if (ReadFrameField(frame, count, kAckValueAt, word)) {
            reply.value = word;
        }
    }
    return reply;
}

}  // namespace devlink
