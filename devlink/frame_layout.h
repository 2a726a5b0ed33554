// The layout of a frame before stuffing, in one place for everything that writes or reads one:
// the connection test and the replies here in the link, the upload's data blocks and the
// simulated generator. Multi-byte fields are big-endian; only the check bytes go least
// significant byte first.
//
//   byte 0 reserved | 1 type | 2-3 body length N | 4 .. 3+N body | 4+N .. 5+N check bytes
//
//   data block body:  command | sequence number (book) or program index | [byte offset] | data
//   reply body:       reply code | [acknowledgement sub-code | [value]]
//
// Threads: plain functions on caller-owned bytes.
#pragma once

#include <cstdint>
#include <optional>

namespace devlink {

inline constexpr int kTypeAt = 1;
inline constexpr int kLengthAt = 2;
inline constexpr int kHeaderSize = 4;
inline constexpr int kFcsSize = 2;

// Frame types. The program sends data and test frames; the device answers with type 2, and
// types 3 and 4 are taken as replies too.
inline constexpr uint8_t kFrameTypeData = 1;
inline constexpr uint8_t kFrameTypeReply = 2;
inline constexpr uint8_t kFrameTypeTest = 3;
inline constexpr uint8_t kFirstReplyType = 2;
inline constexpr uint8_t kLastReplyType = 4;

// The connection test is a bare header; its buffer has room to spare.
inline constexpr int32_t kTestFrameCapacity = 16;

// Data blocks.
inline constexpr int kCommandAt = 4;
inline constexpr int kAddressAt = 6;  // sequence number (book) or program index
inline constexpr int kOffsetAt = 8;   // program blocks: where the data go in the payload
inline constexpr int kBookDataAt = 8;
inline constexpr int kProgramDataAt = 10;
inline constexpr uint16_t kCmdBookBlock = 2;
inline constexpr uint16_t kCmdProgramBlock = 3;
inline constexpr uint16_t kLastSequence = 0xFFFF;  // the final block of a book
inline constexpr int32_t kBlockSize = 64;          // data bytes per block at most
inline constexpr int32_t kDataFrameCapacity = 128;

// Replies.
inline constexpr int kReplyCodeAt = 4;
inline constexpr int kSubCodeAt = 6;
inline constexpr int kAckValueAt = 8;
inline constexpr uint16_t kReplyAck = 1;
inline constexpr uint16_t kReplyTestResponse = 3;
inline constexpr uint16_t kAckBlock = 2;  // acknowledgement sub-code with a value
inline constexpr uint16_t kAckFinal = 3;  // acknowledgement of the final block

// The body length N from a frame's header.
uint16_t FrameBodyLength(const uint8_t* frame);
void PutHeader(uint8_t* frame, uint8_t type, uint16_t bodyLength, uint8_t reserved = 0);

// Whether a received frame's length field counts the body bytes that arrived. A frame too short
// to hold the field has none to disagree.
bool LengthAgrees(const uint8_t* frame, int32_t count);

// A 16-bit field of a received frame, when the frame holds it before its check bytes.
bool ReadFrameField(const uint8_t* frame, int32_t count, int offset, uint16_t& value);

// Lay out a data block; the frame must have room for the data after the header. The check
// bytes are left for sending.
void PutBookBlock(uint8_t* frame, uint16_t sequence, const uint8_t* data, uint16_t length);
void PutProgramBlock(uint8_t* frame, uint16_t program, uint16_t offset, const uint8_t* data,
                     uint16_t length);

struct SDataBlock {
    uint16_t command = 0;
    uint16_t address = 0;  // sequence number or program index
    uint16_t offset = 0;   // program blocks only
    const uint8_t* data = nullptr;
    int32_t length = 0;  // data bytes before the check bytes
};
// Reads a received data frame (check bytes included, already checked); nullopt for any other
// frame or one too short for its fields.
std::optional<SDataBlock> ReadDataBlock(const uint8_t* frame, int32_t count);

struct SReply {
    uint16_t code = 0;
    std::optional<uint16_t> subCode;  // present when the frame holds it
    std::optional<uint16_t> value;
};
// Reads a received reply (check bytes included, already checked); nullopt when the frame is not
// of a reply type or holds no reply code.
std::optional<SReply> ReadReply(const uint8_t* frame, int32_t count);

}  // namespace devlink
