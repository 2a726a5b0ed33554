// The simulated generator, driven over its pseudo-terminal by a raw client.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

#include "devlink/device_link.h"
#include "devlink/frame_assembler.h"
#include "model/program_book.h"
#include "platform/byte_order.h"
#include "platform/notify.h"
#include "res/notifications.h"
#include "res/version.h"
#include "sim/simulator.h"
#include "tests/devlink/link_test_support.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using testing_support::Bytes;
using testing_support::OnWire;
using testing_support::WithFcs;

// The program's side of the line, without the program: writes frames and collects replies.
class CRawClient {
public:
    explicit CRawClient(const std::string& path) {
        m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios t{};
        ::tcgetattr(m_fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_fd, TCSANOW, &t);
    }
    ~CRawClient() { ::close(m_fd); }
    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    void Send(const std::vector<uint8_t>& frame) { SendRaw(OnWire(WithFcs(frame))); }
    void SendRaw(const std::vector<uint8_t>& wire) {
        ASSERT_EQ(::write(m_fd, wire.data(), wire.size()), static_cast<ssize_t>(wire.size()));
    }
    // Everything the device has sent so far, without waiting.
    std::vector<uint8_t> Drain() {
        std::vector<uint8_t> out;
        pollfd fd{m_fd, POLLIN, 0};
        while (::poll(&fd, 1, 0) > 0) {
            uint8_t buffer[256];
            ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            out.insert(out.end(), buffer, buffer + n);
        }
        return out;
    }
    // The replies in what was drained, each with its check bytes.
    std::vector<std::vector<uint8_t>> Replies() {
        auto bytes = Drain();
        std::vector<std::vector<uint8_t>> frames;
        m_rx.Feed(bytes.data(), bytes.size(), [&](devlink::CPacketBuffer& f) {
            frames.emplace_back(f.Data(), f.Data() + f.Count());
        });
        return frames;
    }

private:
    int m_fd = -1;
    devlink::CFrameAssembler m_rx{512};
};

std::vector<uint8_t> BookBlock(uint16_t sequence, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> f = {0x00,
                              0x01,
                              0x00,
                              static_cast<uint8_t>(data.size() + 4),
                              0x00,
                              0x02,
                              static_cast<uint8_t>(sequence >> 8),
                              static_cast<uint8_t>(sequence)};
    f.insert(f.end(), data.begin(), data.end());
    return f;
}

std::vector<uint8_t> ProgramBlock(uint16_t index, uint16_t offset,
                                  const std::vector<uint8_t>& data) {
    std::vector<uint8_t> f = {0x00,
                              0x01,
                              0x00,
                              static_cast<uint8_t>(data.size() + 6),
                              0x00,
                              0x03,
                              static_cast<uint8_t>(index >> 8),
                              static_cast<uint8_t>(index),
                              static_cast<uint8_t>(offset >> 8),
                              static_cast<uint8_t>(offset)};
    f.insert(f.end(), data.begin(), data.end());
    return f;
}

const std::vector<uint8_t> kTestFrame = {0x00, 0x03, 0x00, 0x00};

struct SStarted {
    explicit SStarted(sim::SSimOptions options = {}) : device(std::move(options)) {
        std::string error;
        if (!device.Start(error)) {
            throw std::runtime_error(error);
        }
    }
    sim::CSimulator device;
};

TEST(Simulator, AnswersTheTestAndAcknowledgesEachBlock) {
    SStarted s;
    CRawClient client(s.device.PortPath());
    ASSERT_TRUE(client.IsOpen());
    std::vector<uint8_t> block(64);
    for (int i = 0; i < 64; ++i) {
        block[i] = static_cast<uint8_t>(0x70 + i);  // flag and escape among them
    }
    client.Send(kTestFrame);
    client.Send(BookBlock(5, block));
    client.Send(BookBlock(0xFFFF, Bytes({1, 2, 3, 4})));
    client.Send(ProgramBlock(1999, 64, block));
    client.Send(ProgramBlock(1999, 192, Bytes({9, 8, 7, 6})));
    ASSERT_TRUE(s.device.WaitForFrames(5, 10s));
    const std::vector<std::vector<uint8_t>> expected = {
        WithFcs(Bytes({0x00, 0x02, 0x00, 0x02, 0x00, 0x03})),
        WithFcs(Bytes({0x00, 0x02, 0x00, 0x06, 0x00, 0x01, 0x00, 0x02, 0x00, 0x05})),
        WithFcs(Bytes({0x00, 0x02, 0x00, 0x04, 0x00, 0x01, 0x00, 0x03})),
        WithFcs(Bytes({0x00, 0x02, 0x00, 0x06, 0x00, 0x01, 0x00, 0x02, 0x00, 0x40})),
        WithFcs(Bytes({0x00, 0x02, 0x00, 0x04, 0x00, 0x01, 0x00, 0x03})),
    };
    EXPECT_EQ(client.Replies(), expected);
    EXPECT_EQ(expected[0], Bytes({0x00, 0x02, 0x00, 0x02, 0x00, 0x03, 0x24, 0x66}));

    auto frames = s.device.Frames();
    EXPECT_EQ(frames[1].address, 5);
    EXPECT_EQ(frames[1].length, 68);
    EXPECT_EQ(frames[1].data, block);
    EXPECT_EQ(frames[3].offset, 64);
    EXPECT_EQ(frames[3].length, 70);
    auto program = s.device.ProgramImage(1999);
    ASSERT_EQ(program.size(), 196u);
    EXPECT_EQ(std::vector<uint8_t>(program.begin() + 64, program.begin() + 128), block);
    EXPECT_EQ(std::vector<uint8_t>(program.begin() + 192, program.end()), Bytes({9, 8, 7, 6}));
    // The final book block follows the last numbered one.
    auto book = s.device.BookImage();
    EXPECT_EQ(std::vector<uint8_t>(book.begin() + 384, book.begin() + 388), Bytes({1, 2, 3, 4}));
}

TEST(Simulator, StaysSilentOnADamagedFrame) {
    SStarted s;
    CRawClient client(s.device.PortPath());
    auto wire = OnWire(WithFcs(kTestFrame));
    wire[3] ^= 0x01;  // after the check bytes were computed
    // A damaged frame followed by an intact one: only the second is answered.
    auto intact = OnWire(WithFcs(kTestFrame));
    wire.insert(wire.end(), intact.begin(), intact.end());
    client.SendRaw(wire);
    ASSERT_TRUE(s.device.WaitForFrames(1, 10s));
    EXPECT_EQ(s.device.BadFrames(), 1u);
    EXPECT_EQ(client.Replies().size(), 1u);
}

TEST(Simulator, MisbehavesAsItsSwitchesSay) {
    struct SCase {
        const char* name;
        sim::SSimOptions options;
        size_t replies;
        size_t damaged;
    };
    auto with = [](auto set) {
        sim::SSimOptions o;
        set(o);
        return o;
    };
    const SCase cases[] = {
        {"plain", {}, 4, 0},
        {"silent", with([](auto& o) { o.bSilent = true; }), 0, 0},
        {"drop every 2nd", with([](auto& o) { o.nDropEvery = 2; }), 2, 0},
        {"corrupt every 2nd", with([](auto& o) { o.nCorruptEvery = 2; }), 4, 2},
        {"duplicate every 2nd", with([](auto& o) { o.nDuplicateEvery = 2; }), 6, 0},
        {"delay and pace", with([](auto& o) {
             o.delay = 1ms;
             o.bPace = true;
         }),
         4, 0},
    };
    for (const auto& c : cases) {
        SStarted s(c.options);
        CRawClient client(s.device.PortPath());
        for (int i = 0; i < 4; ++i) {
            client.Send(kTestFrame);
        }
        ASSERT_TRUE(s.device.WaitForFrames(4, 10s)) << c.name;
        auto replies = client.Replies();
        EXPECT_EQ(replies.size(), c.replies) << c.name;
        size_t damaged = 0;
        for (const auto& r : replies) {
            damaged += !devlink::IsIntact(r.data(), static_cast<int32_t>(r.size()));
        }
        EXPECT_EQ(damaged, c.damaged) << c.name;
    }
}

// The switches that play a device which never confirms an upload, and one whose line goes away.
TEST(Simulator, CanWithholdTheFinalAnswerOrHangUp) {
    sim::SSimOptions noFinalAck;
    noFinalAck.bNoFinalAck = true;
    {
        SStarted s(noFinalAck);
        CRawClient client(s.device.PortPath());
        client.Send(ProgramBlock(3, 128, std::vector<uint8_t>(64, 1)));
        client.Send(ProgramBlock(3, 192, Bytes({1, 2, 3, 4})));
        client.Send(BookBlock(0xFFFF, Bytes({1, 2, 3, 4})));
        ASSERT_TRUE(s.device.WaitForFrames(3, 10s));
        const std::vector<std::vector<uint8_t>> expected = {
            WithFcs(Bytes({0x00, 0x02, 0x00, 0x06, 0x00, 0x01, 0x00, 0x02, 0x00, 0x80}))};
        EXPECT_EQ(client.Replies(), expected);
    }
    sim::SSimOptions hangingUp;
    hangingUp.nHangUpAfter = 2;
    {
        SStarted s(hangingUp);
        CRawClient client(s.device.PortPath());
        client.Send(kTestFrame);
        ASSERT_TRUE(s.device.WaitForFrames(1, 10s));
        EXPECT_EQ(client.Replies().size(), 1u);
        client.Send(kTestFrame);
        // After the second frame the line hangs up.
        pollfd fd{client.Fd(), 0, 0};
        ASSERT_EQ(::poll(&fd, 1, 10000), 1);
        EXPECT_NE(fd.revents & POLLHUP, 0);
        EXPECT_EQ(s.device.FrameCount(), 2u);
    }
}

// Faults of block 1 of four: the values the answers carry (-1 the final block's confirmation),
// and whether the block was kept.
TEST(Simulator, RepeatsLosesOrMisnamesSingleBlocks) {
    const std::pair<int sim::SSimOptions::*, std::vector<int>> cases[] = {
        {&sim::SSimOptions::nRepeatLate, {0, 64, 64, 128, -1}},
        {&sim::SSimOptions::nLoseBlock, {0, 128, -1}},
        {&sim::SSimOptions::nMisnameFrom, {0, 128, 192, -1}},
    };
    for (const auto& [fault, expected] : cases) {
        sim::SSimOptions options;
        options.*fault = 1;
        SStarted s(options);
        CRawClient client(s.device.PortPath());
        for (uint16_t offset = 0; offset < 196; offset += 64) {
            client.Send(ProgramBlock(3, offset, std::vector<uint8_t>(offset < 192 ? 64 : 4, 7)));
        }
        const bool bLost = fault == &sim::SSimOptions::nLoseBlock;
        ASSERT_TRUE(s.device.WaitForFrames(bLost ? 3 : 4, 10s));
        std::vector<int> answers;
        for (const auto& r : client.Replies()) {
            answers.push_back(r[7] == devlink::kAckFinal ? -1 : r[8] << 8 | r[9]);
        }
        EXPECT_EQ(answers, expected);
        EXPECT_EQ(s.device.ProgramImage(3)[64], bLost ? 0 : 7);
    }
}

TEST(Simulator, WritesTheReceivedBookAsADocument) {
    testing_support::CTempDir dir;
    sim::SSimOptions options;
    options.strSavePath = dir.File("received.vq");
    SStarted s(options);
    CRawClient client(s.device.PortPath());
    // Program 1: one frequency of 1000.0 Hz in its first slot.
    std::vector<uint8_t> first(64, 0);
    platform::PutBig32(first.data(), 0x00000001);
    platform::PutBig32(first.data() + 4, 10000);
    client.Send(BookBlock(0, first));
    client.Send(BookBlock(0xFFFF, std::vector<uint8_t>(64, 0)));
    ASSERT_TRUE(s.device.WaitForBooks(1, 10s));
    ASSERT_TRUE(s.device.WaitForFrames(2, 10s));
    auto book = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::LoadBookFromPath(*book, options.strSavePath));
    EXPECT_EQ((*book)[0].m_freq[0], 10000u);
    EXPECT_EQ((*book)[0].GroupCount(0), 1);
    EXPECT_TRUE((*book)[1].IsEmpty());
}

TEST(SimulatorTool, PrintsItsPortAndAnswersTheProgram) {
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string tool = std::string(ZELKOR_BINARY_DIR) + "/sim/vq7100-sim";
    char* argv[] = {tool.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string path;
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n') {
        path += c;
    }
    ::close(out[0]);
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;

    {
        testing_support::CScriptedMessages messages;
        platform::CNotifyQueue queue;
        platform::INotifyDispatcher* previous = platform::SetNotifyDispatcher(&queue);
        std::vector<uintptr_t> events;
        const platform::NotifyHandle target =
            platform::RegisterNotifyTarget([&](uint32_t msg, uintptr_t wParam, intptr_t) {
                if (msg == res::WM_LINKEVENT) {
                    events.push_back(wParam);
                }
            });
        {
            devlink::CDeviceLink link;
            link.m_hEventWnd = target;
            link.SetPortPath(path);
            ASSERT_TRUE(link.Open());
            link.SendConnectionTest();
            EXPECT_TRUE(queue.RunFor(10s));
        }
        EXPECT_EQ(events,
                  std::vector<uintptr_t>{static_cast<uintptr_t>(devlink::ELinkEvent::kTestAnswer)});
        EXPECT_EQ(messages.Count(), 0u);
        platform::UnregisterNotifyTarget(target);
        platform::SetNotifyDispatcher(previous);
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The tool's own answers, before any pseudo-terminal: its version, and one status for every
// kind of bad argument.
TEST(SimulatorTool, AnswersItsVersionAndRefusesBadArguments) {
    testing_support::CTempDir dir;
    const std::string out = dir.File("out.txt");
    struct SCase {
        const char* args;
        int nStatus;
    };
    const SCase cases[] = {
        {"--version", 0}, {"--bogus", 2}, {"--drop -1", 2}, {"--delay", 2}, {"--delay x", 2}};
    for (const auto& c : cases) {
        const std::string command = std::string(ZELKOR_BINARY_DIR) + "/sim/vq7100-sim " + c.args +
                                    " >" + out + " 2>/dev/null";
        const int raw = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(raw)) << c.args;
        EXPECT_EQ(WEXITSTATUS(raw), c.nStatus) << c.args;
        if (c.nStatus == 0) {
            const auto bytes = testing_support::ReadAll(out);
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
                      std::string("vq7100-sim ") + res::kVersion + "\n");
        }
    }
}

}  // namespace
