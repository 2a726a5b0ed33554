// The serial port over real pseudo-terminals, and a fake device for the failures a
// pseudo-terminal cannot produce.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>

#include "devlink/serial_port.h"
#include "platform/error_text.h"
#include "res/strings_link.h"
#include "tests/devlink/link_test_support.h"
#include "tests/devlink/pty_peer.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

namespace {

using namespace std::chrono_literals;
using testing_support::Bytes;
using testing_support::CPtyPeer;

std::string WithReason(const char* text, int err) {
    return std::string(text) + " (" + platform::ErrorText(err) + ")";
}

// Records the frames the reader hands over, and each report of a lost line, so that a test can
// wait for them.
class CRecordingPort : public devlink::CSerialPort {
public:
    explicit CRecordingPort(std::unique_ptr<platform::ISerialDevice> device = nullptr)
        : CSerialPort(512, std::move(device)) {}
    ~CRecordingPort() override { Close(); }
    // A plain port: the system's default line settings.
    bool Open() { return CSerialPort::Open({}); }

    bool WaitForFrames(size_t n) {
        std::unique_lock lock(m_mutex);
        return m_arrived.wait_for(lock, 10s, [&] { return m_frames.size() >= n; });
    }
    std::vector<std::vector<uint8_t>> Frames() {
        std::lock_guard lock(m_mutex);
        return m_frames;
    }
    bool WaitForLosses(int n) {
        std::unique_lock lock(m_mutex);
        return m_arrived.wait_for(lock, 10s, [&] { return m_nLosses >= n; });
    }
    int Losses() {
        std::lock_guard lock(m_mutex);
        return m_nLosses;
    }

protected:
    void OnFrame(devlink::CPacketBuffer& frame) override {
        std::lock_guard lock(m_mutex);
        m_frames.emplace_back(frame.Data(), frame.Data() + frame.Count());
        m_arrived.notify_all();
    }
    void OnLineLost() override {
        std::lock_guard lock(m_mutex);
        ++m_nLosses;
        m_arrived.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<std::vector<uint8_t>> m_frames;
    int m_nLosses = 0;
};

// A device that fails where it is told to; reads wait for a wake unless told to fail.
class CFakeDevice : public platform::ISerialDevice {
public:
    enum class EStep { kNone, kOpen, kGetState, kSetState, kPurge, kTimeouts, kRead, kLineGone };
    CFakeDevice(EStep failing, int error, bool* pClosedFlag)
        : m_failing(failing), m_nError(error), m_pOpen(pClosedFlag) {}

    int Open(const std::string&) override {
        if (m_failing == EStep::kOpen) {
            return m_nError;
        }
        *m_pOpen = true;
        return 0;
    }
    int GetState() override { return Fail(EStep::kGetState); }
    int SetLineSettings(uint32_t, platform::EParity, platform::EStopBits) override {
        return Fail(EStep::kSetState);
    }
    int SetTimeouts(std::chrono::milliseconds) override { return Fail(EStep::kTimeouts); }
    int Purge() override { return Fail(EStep::kPurge); }
    int RequestLowLatency() override { return ENOTTY; }
    platform::SReadResult Read(uint8_t*, size_t, std::chrono::milliseconds) override {
        if (m_failing == EStep::kRead) {
            return {platform::EReadStatus::kReadError, 0, EINVAL};
        }
        if (m_failing == EStep::kLineGone) {
            return {platform::EReadStatus::kLineGone, 0, EIO};
        }
        WaitForWake();
        return {platform::EReadStatus::kWoken, 0, 0};
    }
    void Wake() override {
        std::lock_guard lock(m_mutex);
        m_bWake = true;
        m_woken.notify_all();
    }
    void WaitForWake() override {
        std::unique_lock lock(m_mutex);
        m_woken.wait(lock, [&] { return m_bWake; });
        m_bWake = false;
    }
    int Write(const uint8_t*, size_t) override {
        return m_failing == EStep::kLineGone ? EIO : EINVAL;
    }
    bool DrainQueue(const std::atomic<bool>*, int& queued) override {
        queued = m_nDrainLeft;
        return m_nDrainLeft == 0;
    }
    // What the next drain leaves in the queue (-1: the driver cannot tell).
    int m_nDrainLeft = 0;
    void Close(bool) override { *m_pOpen = false; }
    bool IsOpen() const override { return *m_pOpen; }

private:
    int Fail(EStep step) const { return m_failing == step ? m_nError : 0; }

    EStep m_failing;
    int m_nError;
    bool* m_pOpen;
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_bWake = false;
};

TEST(SerialPortOpen, ReportsEachFailureInItsOwnWordsAndReleasesTheDevice) {
    using EStep = CFakeDevice::EStep;
    const std::string accessDenied = res::kPortAccessDenied;
    struct SCase {
        EStep step;
        int error;
        std::string text;
    };
    const SCase cases[] = {
        {EStep::kOpen, ENOENT, res::kPortNotFound},
        {EStep::kOpen, ENODEV, res::kPortNotFound},
        {EStep::kOpen, ENXIO, res::kPortNotFound},
        {EStep::kOpen, EBUSY, accessDenied},
        {EStep::kOpen, EACCES, accessDenied + "\n" + res::kPortNeedsPermission},
        {EStep::kOpen, EIO, "Comm Port Error: 5 (Input/output error)"},
        {EStep::kGetState, ENOTTY, WithReason(res::kGetCommStateFailed, ENOTTY)},
        {EStep::kSetState, EINVAL, WithReason(res::kSetCommStateFailed, EINVAL)},
        {EStep::kPurge, EIO, WithReason(res::kPurgeCommFailed, EIO)},
        {EStep::kTimeouts, EINVAL, WithReason(res::kSetTimeoutsFailed, EINVAL)},
    };
    for (const auto& c : cases) {
        testing_support::CScriptedMessages messages;
        bool bDeviceOpen = false;
        CRecordingPort port(std::make_unique<CFakeDevice>(c.step, c.error, &bDeviceOpen));
        port.SetPortPath("/dev/ttyFAKE0");
        EXPECT_FALSE(port.Open()) << c.text;
        EXPECT_FALSE(port.IsOpen());
        EXPECT_FALSE(bDeviceOpen) << "device left open after: " << c.text;
        ASSERT_EQ(messages.Count(), 1u) << c.text;
        const auto request = messages.Requests()[0];
        EXPECT_EQ(request.text, c.text);
        EXPECT_EQ(request.caption, res::kCommPortErrorCaption);
        EXPECT_EQ(request.icon, platform::EMsgIcon::kWarning);
        EXPECT_FALSE(request.bOwned);
        port.Close();  // harmless after a failed open
        EXPECT_TRUE(port.ReaderDone());
    }
}

// Records the port's events as the trace hears them.
class CRecordingTrace : public devlink::IFrameTrace {
public:
    void OnSend(const uint8_t*, size_t) override {}
    void OnReceive(const uint8_t*, size_t) override {}
    void OnPortEvent(const std::string& text) override {
        std::lock_guard lock(m_mutex);
        m_events.push_back(text);
    }
    std::vector<std::string> Events() {
        std::lock_guard lock(m_mutex);
        return m_events;
    }

private:
    std::mutex m_mutex;
    std::vector<std::string> m_events;
};

// What the trace says of the drain at close, which the frames alone cannot show.
TEST(SerialPortTrace, SaysWhatTheDrainLeftAndThatTheLineWasLost) {
    struct SCase {
        CFakeDevice::EStep step;
        int nDrainLeft;
        std::string closing;
    };
    const SCase cases[] = {
        {CFakeDevice::EStep::kNone, 300, "output not drained at close: 300 bytes left after "},
        {CFakeDevice::EStep::kNone, -1, "output not drained at close after "},
        {CFakeDevice::EStep::kLineGone, 0, res::kTraceLostAtClose},
    };
    for (const SCase& c : cases) {
        testing_support::CScriptedMessages messages;
        CRecordingTrace trace;
        bool bDeviceOpen = false;
        auto device = std::make_unique<CFakeDevice>(c.step, EIO, &bDeviceOpen);
        device->m_nDrainLeft = c.nDrainLeft;
        CRecordingPort port(std::move(device));
        port.SetTrace(&trace);
        port.SetPortPath("/dev/ttyFAKE0");
        ASSERT_TRUE(port.Open());
        if (c.step == CFakeDevice::EStep::kLineGone) {
            ASSERT_TRUE(port.WaitForLosses(1));
        }
        port.Close();
        const std::vector<std::string> events = trace.Events();
        ASSERT_GE(events.size(), 4u);
        EXPECT_EQ(events[1],
                  "low-latency mode: refused by the driver (" + platform::ErrorText(ENOTTY) + ")");
        if (c.step == CFakeDevice::EStep::kLineGone) {
            EXPECT_EQ(events[2], "line lost: " + platform::ErrorText(EIO));
        }
        EXPECT_EQ(events[events.size() - 2].rfind(c.closing, 0), 0u) << events[events.size() - 2];
        EXPECT_EQ(events.back(), "port /dev/ttyFAKE0 closed");
    }
}

TEST(SerialPortReader, ReportsAReadFailureAndStillEndsOnClose) {
    testing_support::CScriptedMessages messages;
    bool bDeviceOpen = false;
    CRecordingPort port(
        std::make_unique<CFakeDevice>(CFakeDevice::EStep::kRead, EINVAL, &bDeviceOpen));
    ASSERT_TRUE(port.Open());
    ASSERT_TRUE(messages.WaitForCount(1, 10s));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{res::kReaderReadFailed});
    port.Close();
    EXPECT_TRUE(port.ReaderDone());
    EXPECT_FALSE(bDeviceOpen);
    EXPECT_EQ(messages.Count(), 1u);  // reported once, not once per turn of the loop
    EXPECT_FALSE(port.IsLineLost());
}

// A device that goes away is no read failure: the port remembers it, reports it once, and once
// more for each frame sent on it after, without a write error for each.
TEST(SerialPortReader, AGoneDeviceIsReportedOnceAndAgainForEachFrameSent) {
    testing_support::CScriptedMessages messages;
    bool bDeviceOpen = false;
    CRecordingPort port(
        std::make_unique<CFakeDevice>(CFakeDevice::EStep::kLineGone, EIO, &bDeviceOpen));
    ASSERT_TRUE(port.Open());
    ASSERT_TRUE(port.WaitForLosses(1));
    EXPECT_TRUE(port.IsLineLost());
    devlink::CPacketBuffer test(devlink::kTestFrameCapacity);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        test.BuildFrame(devlink::kFrameTypeTest, 0, nullptr, 0, 0);
        EXPECT_FALSE(port.SendFrame(test));
        EXPECT_EQ(port.Losses(), 1 + attempt);
    }
    port.Close();
    EXPECT_TRUE(port.ReaderDone());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SerialPortOverPty, ConfiguresTheLineForTheDevice) {
    testing_support::CScriptedMessages messages;
    CPtyPeer peer;
    CRecordingPort port;
    port.SetPortPath(peer.Path());
    ASSERT_TRUE(port.Open()) << (messages.Count() ? messages.Texts()[0] : "");
    termios t{};
    ASSERT_EQ(::tcgetattr(peer.SlaveFd(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), B9600);  // CSerialPort's own speed; the link sets 115200
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(t.c_cflag & (CREAD | CLOCAL), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SerialPortOverPty, WritesFramesAndReadsReplies) {
    testing_support::CScriptedMessages messages;
    CPtyPeer peer;
    CRecordingPort port;
    port.SetPortPath(peer.Path());
    ASSERT_TRUE(port.Open());

    devlink::CPacketBuffer test(16);
    test.BuildFrame(devlink::kFrameTypeTest, 0, nullptr, 0, 0);
    EXPECT_TRUE(port.SendFrame(test));
    EXPECT_EQ(peer.Read(8, 5s), Bytes({0x7E, 0x00, 0x03, 0x00, 0x00, 0xBA, 0x13, 0x7E}));

    const auto reply = Bytes({0x00, 0x02, 0x00, 0x02, 0x00, 0x03, 0x24, 0x66});
    peer.Write(Bytes({0x55, 0x7E}));  // noise before the first flag is dropped
    peer.Write(Bytes({0x00, 0x02, 0x00}));
    peer.Write(Bytes({0x02, 0x00, 0x03, 0x24, 0x66, 0x7E}));
    ASSERT_TRUE(port.WaitForFrames(1));
    EXPECT_EQ(port.Frames()[0], reply);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SerialPortOverPty, ClosesAndReopensOnAnotherPort) {
    testing_support::CScriptedMessages messages;
    CPtyPeer first;
    CPtyPeer second;
    CRecordingPort port;
    port.SetPortPath(first.Path());
    ASSERT_TRUE(port.Open());
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(port.ReaderDone());
    port.Close();  // a second Close does nothing

    port.SetPortPath(second.Path());
    ASSERT_TRUE(port.Open());
    devlink::CPacketBuffer test(16);
    test.BuildFrame(devlink::kFrameTypeTest, 0, nullptr, 0, 0);
    port.SendFrame(test);
    EXPECT_EQ(second.Read(8, 5s).size(), 8u);
    port.Close();

    // The first port was released: it opens again.
    port.SetPortPath(first.Path());
    EXPECT_TRUE(port.Open());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SerialPortOverPty, RefusesAMissingPathAndAPortHeldElsewhere) {
    testing_support::CScriptedMessages messages;
    CPtyPeer peer;

    CRecordingPort missing;
    missing.SetPortPath("/dev/zelkor-no-such-port");
    EXPECT_FALSE(missing.Open());

    // Another process holds the port.
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int fd = ::open(peer.Path().c_str(), O_RDWR | O_NOCTTY);
        char c = (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        (void)!::read(release[0], &c, 1);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    CRecordingPort held;
    held.SetPortPath(peer.Path());
    EXPECT_FALSE(held.Open());
    (void)!::write(release[1], "x", 1);
    ::waitpid(child, nullptr, 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]}) {
        ::close(fd);
    }

    // And a second port of this program cannot take it either.
    CRecordingPort owner;
    owner.SetPortPath(peer.Path());
    ASSERT_TRUE(owner.Open());
    CRecordingPort intruder;
    intruder.SetPortPath(peer.Path());
    EXPECT_FALSE(intruder.Open());

    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{res::kPortNotFound, res::kPortAccessDenied,
                                        res::kPortAccessDenied}));
}

TEST(SerialPortWrite, AFrameThatCannotBeWrittenIsReportedOnce) {
    testing_support::CScriptedMessages messages;
    CRecordingPort closed;
    devlink::CPacketBuffer frame(128);
    std::vector<uint8_t> payload(64, 0x7E);
    frame.BuildFrame(devlink::kFrameTypeData, 2, payload.data(), 64, 0);
    EXPECT_FALSE(closed.SendFrame(frame));
    ASSERT_EQ(messages.Count(), 1u);
    // The number, and what the system calls it.
    EXPECT_EQ(messages.Texts()[0], "Couldn't write to comm port. Error: 9 (Bad file descriptor)");
    EXPECT_EQ(messages.Requests()[0].caption, res::kCommPortErrorCaption);
    EXPECT_EQ(closed.Losses(), 0);
}

// What was written reaches the device even when the port closes before the device has read it.
// A pseudo-terminal shows it at once: beyond the 4 KiB its far end holds ready to read, a purge
// throws away what is still on its way. Only output the user gave up on is thrown away.
TEST(SerialPortClose, LetsQueuedFramesReachTheDeviceUnlessAbandoned) {
    testing_support::CScriptedMessages messages;
    for (const bool bAbandon : {false, true}) {
        CPtyPeer peer;
        CRecordingPort port;
        port.SetPortPath(peer.Path());
        ASSERT_TRUE(port.Open());
        devlink::CPacketBuffer frame(devlink::kDataFrameCapacity);
        std::vector<uint8_t> data(devlink::kBlockSize, 0x7E);
        std::vector<uint8_t> expected;
        for (uint16_t i = 0; i < 60; ++i) {  // about 8 KiB on the line
            devlink::PutBookBlock(frame.Data(), i, data.data(), devlink::kBlockSize);
            ASSERT_TRUE(port.SendFrame(frame));
            int32_t length = devlink::FrameBodyLength(frame.Data()) + 6;
            const auto wire = testing_support::OnWire({frame.Data(), frame.Data() + length});
            expected.insert(expected.end(), wire.begin(), wire.end());
        }
        if (bAbandon) {
            port.AbandonOutput();
        }
        port.Close();
        const std::vector<uint8_t> arrived = peer.Read(expected.size(), 200ms);
        if (bAbandon) {
            EXPECT_LT(arrived.size(), expected.size());
        } else {
            EXPECT_EQ(arrived, expected);
        }
    }
    EXPECT_EQ(messages.Count(), 0u);
}

// The far end of the line hangs up (a USB adapter pulled): the reader finds it once, a frame
// sent then says so again instead of failing with a write error, and opening the port anew
// starts afresh.
TEST(SerialPortOverPty, AHungUpLineIsFoundOnceAndForgottenOnReopen) {
    testing_support::CScriptedMessages messages;
    CPtyPeer first;
    CRecordingPort port;
    port.SetPortPath(first.Path());
    ASSERT_TRUE(port.Open());
    first.HangUp();
    ASSERT_TRUE(port.WaitForLosses(1));
    EXPECT_TRUE(port.IsLineLost());
    devlink::CPacketBuffer test(devlink::kTestFrameCapacity);
    test.BuildFrame(devlink::kFrameTypeTest, 0, nullptr, 0, 0);
    EXPECT_FALSE(port.SendFrame(test));
    EXPECT_EQ(port.Losses(), 2);
    port.Close();
    EXPECT_TRUE(port.ReaderDone());

    CPtyPeer second;
    port.SetPortPath(second.Path());
    ASSERT_TRUE(port.Open());
    EXPECT_FALSE(port.IsLineLost());
    test.BuildFrame(devlink::kFrameTypeTest, 0, nullptr, 0, 0);
    EXPECT_TRUE(port.SendFrame(test));
    EXPECT_EQ(second.Read(8, 5s).size(), 8u);
    EXPECT_EQ(port.Losses(), 2);
    EXPECT_EQ(messages.Count(), 0u);
}

}  // namespace
