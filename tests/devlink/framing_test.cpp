// Frame layout, check sequence, stuffing and the reassembly of received bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "devlink/block_answers.h"
#include "devlink/serial_port.h"
#include "tests/devlink/link_test_support.h"
#include "tests/test_support.h"

namespace {

using testing_support::Bytes;
using testing_support::OnWire;
using testing_support::WithFcs;

class CRecordingPort : public devlink::CSerialPort {
public:
    CRecordingPort() : CSerialPort(512) {}
    std::vector<std::vector<uint8_t>> m_frames;

protected:
    void OnFrame(devlink::CPacketBuffer& frame) override {
        m_frames.emplace_back(frame.Data(), frame.Data() + frame.Count());
    }
};

TEST(Fcs16, MatchesTheKnownFrames) {
    EXPECT_EQ(devlink::ComputeFcs16(0xFFFF, nullptr, 0), 0xFFFF);
    EXPECT_EQ(devlink::ComputeFcs16(0x1234, nullptr, 0), 0x1234);
    // The device's answer to the connection test passes the check over all its bytes.
    auto reply = Bytes({0x00, 0x02, 0x00, 0x02, 0x00, 0x03, 0x24, 0x66});
    EXPECT_EQ(devlink::ComputeFcs16(0xFFFF, reply.data(), reply.size()), devlink::kFcsGood);
    EXPECT_TRUE(devlink::IsIntact(reply.data(), 8));
    reply[5] ^= 0x01;
    EXPECT_FALSE(devlink::IsIntact(reply.data(), 8));
    // RFC 1662's check value of "123456789".
    const std::string check = "123456789";
    EXPECT_EQ(devlink::ComputeFcs16(0xFFFF, reinterpret_cast<const uint8_t*>(check.data()),
                                    check.size()) ^
                  0xFFFF,
              0x906E);
}

TEST(PacketBuffer, AppendStopsAtCapacityAndBuildFrameLaysOutTheHeader) {
    devlink::CPacketBuffer buffer(3);
    EXPECT_TRUE(buffer.Append(1));
    EXPECT_TRUE(buffer.Append(2));
    EXPECT_TRUE(buffer.Append(3));
    EXPECT_FALSE(buffer.Append(4));
    EXPECT_EQ(buffer.Count(), 3);

    struct SCase {
        uint16_t command;
        std::vector<uint8_t> payload;
        std::vector<uint8_t> header;
    };
    const SCase cases[] = {
        {0, {}, {0x00, 0x03, 0x00, 0x00}},
        {0x0102, {}, {0x00, 0x03, 0x00, 0x02, 0x01, 0x02}},
        {0x0102, {0xAA, 0xBB}, {0x00, 0x03, 0x00, 0x04, 0x01, 0x02, 0xAA, 0xBB}},
    };
    for (const auto& c : cases) {
        devlink::CPacketBuffer frame(16);
        frame.BuildFrame(devlink::kFrameTypeTest, c.command, c.payload.data(),
                         static_cast<uint16_t>(c.payload.size()), 0);
        EXPECT_EQ(std::vector<uint8_t>(frame.Data(), frame.Data() + c.header.size()), c.header);
        EXPECT_EQ(frame.Count(), 0);
    }
}

TEST(SendEncoding, FlagsStuffsAndChecksTheFrame) {
    struct SCase {
        const char* name;
        std::vector<uint8_t> frame;  // header and body
        std::vector<uint8_t> wire;   // empty: only the stuffing rules are checked
    };
    const SCase cases[] = {
        {"connection test", Bytes({0x00, 0x03, 0x00, 0x00}),
         Bytes({0x7E, 0x00, 0x03, 0x00, 0x00, 0xBA, 0x13, 0x7E})},
    };
    for (const auto& c : cases) {
        devlink::CPacketBuffer buffer(16);
        std::copy(c.frame.begin(), c.frame.end(), buffer.Data());
        int32_t length = 0;
        ASSERT_TRUE(devlink::CompleteFrame(buffer, length)) << c.name;
        EXPECT_EQ(length, static_cast<int32_t>(c.frame.size() + 2));
        EXPECT_EQ(OnWire({buffer.Data(), buffer.Data() + length}), c.wire) << c.name;
    }
    // Flag and escape are stuffed, control characters and blanks are not, in the body and in
    // the check bytes alike.
    auto body = Bytes({0x00, 0x01, 0x00, 0x06, 0x7E, 0x7D, 0x00, 0x11, 0x13, 0x20});
    auto wire = OnWire(WithFcs(body));
    EXPECT_EQ(std::vector<uint8_t>(wire.begin() + 5, wire.begin() + 13),
              Bytes({0x7D, 0x5E, 0x7D, 0x5D, 0x00, 0x11, 0x13, 0x20}));
    int escapedCheckBytes = 0;
    for (int first = 0; first < 256; ++first) {
        auto probe = WithFcs(Bytes({0x00, 0x01, 0x00, 0x01, first}));
        auto special = [](uint8_t b) { return b == 0x7E || b == 0x7D; };
        auto stuffed = OnWire(probe);
        EXPECT_EQ(std::count(stuffed.begin(), stuffed.end(), 0x7E), 2);
        EXPECT_EQ(stuffed.size(),
                  probe.size() + 2 + std::count_if(probe.begin(), probe.end(), special));
        escapedCheckBytes += special(probe[5]) + special(probe[6]);
    }
    EXPECT_GT(escapedCheckBytes, 0);
}

TEST(SendEncoding, RefusesALengthFieldBeyondTheBuffer) {
    devlink::CPacketBuffer buffer(16);
    auto header = Bytes({0x00, 0x01, 0x00, 0x0B});  // 11 + 6 bytes do not fit in 16
    std::copy(header.begin(), header.end(), buffer.Data());
    int32_t length = 0;
    EXPECT_FALSE(devlink::CompleteFrame(buffer, length));
}

TEST(Reassembly, DeliversWholeFramesOnly) {
    const auto reply = WithFcs(Bytes({0x00, 0x02, 0x00, 0x02, 0x00, 0x03}));
    const auto stuffedBody = Bytes({0x00, 0x02, 0x7E, 0x7D, 0x01});
    std::vector<uint8_t> overlong(513, 0x55);
    std::vector<uint8_t> overlongThenFrame = {0x7E};
    overlongThenFrame.insert(overlongThenFrame.end(), overlong.begin(), overlong.end());
    auto next = OnWire(reply);
    overlongThenFrame.insert(overlongThenFrame.end(), next.begin(), next.end());
    std::vector<uint8_t> exactly512 = {0x7E};
    exactly512.insert(exactly512.end(), 512, 0x11);
    exactly512.push_back(0x7E);

    struct SCase {
        const char* name;
        std::vector<std::vector<uint8_t>> chunks;
        std::vector<std::vector<uint8_t>> frames;
        uint32_t overruns;
    };
    const SCase cases[] = {
        {"whole frame", {OnWire(reply)}, {reply}, 0},
        {"split in three reads",
         {Bytes({0x7E, 0x00, 0x02}), Bytes({0x00, 0x02, 0x00}), Bytes({0x03, 0x24, 0x66, 0x7E})},
         {reply},
         0},
        {"escape and its byte split",
         {Bytes({0x7E, 0x00, 0x7D}), Bytes({0x5E, 0x7D, 0x5D, 0x7E})},
         {Bytes({0x00, 0x7E, 0x7D})},
         0},
        {"stuffed bytes restored", {OnWire(stuffedBody)}, {stuffedBody}, 0},
        {"flags only", {Bytes({0x7E, 0x7E, 0x7E})}, {}, 0},
        {"bytes before the first flag",
         {Bytes({0x01, 0x02, 0x7E, 0x09, 0x7E})},
         {Bytes({0x09})},
         0},
        {"one flag ends and opens",
         {Bytes({0x7E, 0x01, 0x7E, 0x02, 0x7E})},
         {Bytes({0x01}), Bytes({0x02})},
         0},
        {"escape before a flag is forgotten",
         {Bytes({0x7E, 0x01, 0x7D, 0x7E, 0x02, 0x7E})},
         {Bytes({0x01}), Bytes({0x02})},
         0},
        {"unfinished frame waits", {Bytes({0x7E, 0x01, 0x02})}, {}, 0},
        {"512 bytes fit", {exactly512}, {std::vector<uint8_t>(512, 0x11)}, 0},
        {"overlong dropped, next frame kept", {overlongThenFrame}, {reply}, 1},
    };
    for (const auto& c : cases) {
        CRecordingPort port;
        for (const auto& chunk : c.chunks) {
            port.ReceiveBytes(chunk.size(), chunk.data());
        }
        EXPECT_EQ(port.m_frames, c.frames) << c.name;
        EXPECT_EQ(port.Overruns(), c.overruns) << c.name;
    }
}

// The data blocks laid out as the device expects them and read back as the device reads them.
TEST(FrameLayout, DataBlocksRoundTrip) {
    const uint8_t data[4] = {0xA1, 0x7E, 0x7D, 0xA4};
    devlink::CPacketBuffer frame(devlink::kDataFrameCapacity);
    struct SCase {
        const char* name;
        std::function<void()> build;
        std::vector<uint8_t> header;  // before the data
        uint16_t command, address, offset;
    };
    const SCase cases[] = {
        {"book block",
         [&] { devlink::PutBookBlock(frame.Data(), 0x1234, data, 4); },
         {0x00, 0x01, 0x00, 0x08, 0x00, 0x02, 0x12, 0x34},
         devlink::kCmdBookBlock,
         0x1234,
         0},
        {"program block",
         [&] { devlink::PutProgramBlock(frame.Data(), 1999, 192, data, 4); },
         {0x00, 0x01, 0x00, 0x0A, 0x00, 0x03, 0x07, 0xCF, 0x00, 0xC0},
         devlink::kCmdProgramBlock,
         1999,
         192},
    };
    for (const auto& c : cases) {
        c.build();
        std::vector<uint8_t> expected = c.header;
        expected.insert(expected.end(), data, data + 4);
        const auto body = std::vector<uint8_t>(frame.Data(), frame.Data() + expected.size());
        EXPECT_EQ(body, expected) << c.name;
        const auto received = WithFcs(body);
        const auto block =
            devlink::ReadDataBlock(received.data(), static_cast<int32_t>(received.size()));
        ASSERT_TRUE(block) << c.name;
        EXPECT_EQ(block->command, c.command) << c.name;
        EXPECT_EQ(block->address, c.address) << c.name;
        EXPECT_EQ(block->offset, c.offset) << c.name;
        EXPECT_EQ(std::vector<uint8_t>(block->data, block->data + block->length),
                  std::vector<uint8_t>(data, data + 4))
            << c.name;
        EXPECT_EQ(frame.Count(), 0) << c.name;
    }
}

// What is not a data block, or is too short for its fields, is not read as one; and so for
// replies.
TEST(FrameLayout, ShortOrForeignFramesAreNotTakenForBlocksOrReplies) {
    struct SCase {
        const char* name;
        std::vector<uint8_t> body;
        bool bBlock;
        bool bReply;
    };
    const SCase cases[] = {
        {"book block without data", Bytes({0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00, 0x01}), true,
         false},
        {"book block without sequence", Bytes({0x00, 0x01, 0x00, 0x02, 0x00, 0x02}), false, false},
        {"program block without offset", Bytes({0x00, 0x01, 0x00, 0x04, 0x00, 0x03, 0x00, 0x01}),
         false, false},
        {"other command", Bytes({0x00, 0x01, 0x00, 0x04, 0x00, 0x07, 0x00, 0x01}), false, false},
        {"test frame", Bytes({0x00, 0x03, 0x00, 0x00}), false, false},
        {"reply", Bytes({0x00, 0x02, 0x00, 0x02, 0x00, 0x03}), false, true},
        {"reply type 4", Bytes({0x00, 0x04, 0x00, 0x02, 0x00, 0x01}), false, true},
        {"reply type 5", Bytes({0x00, 0x05, 0x00, 0x02, 0x00, 0x01}), false, false},
        {"reply without code", Bytes({0x00, 0x02, 0x00, 0x00}), false, false},
        {"type only", Bytes({0x00, 0x02}), false, false},
    };
    for (const auto& c : cases) {
        const auto frame = WithFcs(c.body);
        const auto count = static_cast<int32_t>(frame.size());
        EXPECT_EQ(devlink::ReadDataBlock(frame.data(), count).has_value(), c.bBlock) << c.name;
        EXPECT_EQ(devlink::ReadReply(frame.data(), count).has_value(), c.bReply) << c.name;
    }
    const auto ack = WithFcs(Bytes({0x00, 0x02, 0x00, 0x06, 0x00, 0x01, 0x00, 0x02, 0x12, 0x34}));
    const auto reply = devlink::ReadReply(ack.data(), static_cast<int32_t>(ack.size()));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->code, devlink::kReplyAck);
    EXPECT_EQ(reply->subCode, devlink::kAckBlock);
    EXPECT_EQ(reply->value, 0x1234);
}

TEST(ReplyFields, AreReadOnlyWhenTheyLieBeforeTheCheckBytes) {
    const auto frame = WithFcs(Bytes({0x00, 0x02, 0x00, 0x02, 0x00, 0x03}));
    uint16_t value = 0;
    EXPECT_TRUE(devlink::ReadFrameField(frame.data(), 8, 4, value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(devlink::ReadFrameField(frame.data(), 8, 6, value));
    EXPECT_FALSE(devlink::ReadFrameField(frame.data(), 7, 4, value));
}

// The answers that come after each of a program's four blocks (offsets 0 to 192; -1 the final
// block's confirmation): a device whose first two answers echo the blocks is held to them.
TEST(BlockAnswers, HoldADeviceThatEchoesToTheBlockSent) {
    using EAnswer = devlink::CBlockAnswers::EAnswer;
    constexpr EAnswer N = EAnswer::kNext, F = EAnswer::kFinal, R = EAnswer::kRepeat,
                      O = EAnswer::kOtherBlock;
    using SAnswers = std::vector<std::pair<int, EAnswer>>;
    const std::pair<const char*, std::vector<SAnswers>> cases[] = {
        {"echoes", {{{0, N}}, {{64, N}}, {{128, N}}, {{-1, F}}}},
        {"repeats pass", {{{0, N}}, {{64, N}, {64, R}}, {{0, R}, {128, N}}, {{128, R}, {192, F}}}},
        {"another block", {{{0, N}}, {{64, N}}, {{192, O}}}},
        {"confirms too early", {{{0, N}}, {{64, N}}, {{-1, O}}}},
        {"zeros", {{{0, N}}, {{0, N}}, {{0, N}}, {{0, N}, {-1, F}}}},
        {"first answer twice", {{{0, N}, {0, N}}, {{64, N}}, {{0, N}}, {{-1, F}}}},
        {"its own values", {{{5, N}}, {{5, N}}, {{5, N}}, {{192, F}}}},
        {"always the final", {{{-1, N}}, {{-1, N}}, {{-1, N}}, {{-1, F}}}},
    };
    for (const auto& [name, afterBlock] : cases) {
        devlink::CBlockAnswers answers;
        for (size_t block = 0; block < afterBlock.size(); ++block) {
            answers.Sending(static_cast<uint16_t>(64 * block), block == 3);
            for (const auto& [value, expected] : afterBlock[block]) {
                const uint16_t subCode = value < 0 ? devlink::kAckFinal : devlink::kAckBlock;
                EXPECT_EQ(answers.Take(subCode, static_cast<uint16_t>(value < 0 ? 0 : value)),
                          expected)
                    << name << ", block " << block << ", answer " << value;
            }
        }
    }
}

}  // namespace
