// The Win32 serial device. Wine cannot set up a Linux pseudo-terminal as a COM port, so the
// parts that need a real comm driver (the comm state, mask, queues, purge and time-outs) are
// tested through the values they hand to the system, and the overlapped reading, waking and
// writing against a named pipe, which the device opens with the same calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "devlink/device_link.h"
#include "platform/error_text.h"
#include "platform/serial_device.h"
#include "platform/serial_device_win32.h"
#include "res/strings_link.h"
#include "tests/scripted_messages.h"

using platform::EReadStatus;
using namespace std::chrono_literals;

namespace {

TEST(SerialDeviceWin32, LineSettingsGiveTheGeneratorsDcbAndDropEveryHandshake) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    // What another program may have left on the port.
    dcb.fOutxCtsFlow = TRUE;
    dcb.fOutxDsrFlow = TRUE;
    dcb.fDsrSensitivity = TRUE;
    dcb.fOutX = TRUE;
    dcb.fInX = TRUE;
    dcb.fNull = TRUE;
    dcb.fErrorChar = TRUE;
    dcb.fAbortOnError = TRUE;
    dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    dcb.EofChar = 0x1A;
    using platform::EParity;
    using platform::EStopBits;
    const struct {
        EParity parity;
        EStopBits stop;
        uint8_t parityCode;
        uint8_t stopBitsCode;
        BOOL parityCheck;
    } cases[] = {{EParity::kNone, EStopBits::kOne, NOPARITY, ONESTOPBIT, FALSE},
                 {EParity::kOdd, EStopBits::kTwo, ODDPARITY, TWOSTOPBITS, TRUE},
                 {EParity::kEven, EStopBits::kOne, EVENPARITY, ONESTOPBIT, TRUE}};
    for (const auto& c : cases) {
        DCB out = dcb;
        platform::win32::ApplyLineSettings(out, 115200, c.parity, c.stop);
        EXPECT_EQ(out.BaudRate, 115200u);
        EXPECT_EQ(out.ByteSize, 8);
        EXPECT_EQ(out.Parity, c.parityCode);
        EXPECT_EQ(out.StopBits, c.stopBitsCode);
        EXPECT_EQ(out.fParity, static_cast<DWORD>(c.parityCheck));
        EXPECT_EQ(out.fBinary, 1u);
        EXPECT_EQ(out.fAbortOnError, 0u);
        EXPECT_EQ(out.XonLim, 100);
        EXPECT_EQ(out.XoffLim, 100);
        EXPECT_EQ(out.XonChar, 0x11);
        EXPECT_EQ(out.XoffChar, 0x13);
        EXPECT_EQ(out.fOutxCtsFlow | out.fOutxDsrFlow | out.fDsrSensitivity | out.fOutX | out.fInX,
                  0u);
        EXPECT_EQ(out.fNull | out.fErrorChar, 0u) << "every byte of a frame counts";
        EXPECT_EQ(out.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
        EXPECT_EQ(out.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
        EXPECT_EQ(out.EofChar, 0x1A) << "what the line does not need stays as the port had it";
    }
}

TEST(SerialDeviceWin32, TimeoutsMaskQueuesAndPurgeAreTheLinesValues) {
    const COMMTIMEOUTS t = platform::win32::MakeTimeouts(1000ms);
    EXPECT_EQ(t.ReadIntervalTimeout, MAXDWORD) << "a read takes what is there and returns";
    EXPECT_EQ(t.ReadTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(t.ReadTotalTimeoutConstant, 0u);
    EXPECT_EQ(t.WriteTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(t.WriteTotalTimeoutConstant, 1000u);
    EXPECT_EQ(platform::win32::kCommMask, 0x81u);
    EXPECT_EQ(platform::win32::kQueueSize, 4096u);
    EXPECT_EQ(platform::win32::kPurgeAll, 0x0Fu);
}

TEST(SerialDeviceWin32, ADrainWaitsAsLongAsTheLineNeedsForWhatIsQueued) {
    const struct {
        DWORD queued;
        DWORD baud;
        std::chrono::milliseconds limit;
    } cases[] = {
        {0, 115200, 100ms},     // nothing queued: the slack alone
        {4096, 115200, 456ms},  // a full queue: 356 ms on the line
        {4096, 9600, 4367ms},   //
        {10, 0, 111ms},         // a port that reported no speed counts as 9600
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            platform::DrainLimit(c.queued, platform::ByteTime(c.baud, platform::EParity::kNone,
                                                              platform::EStopBits::kOne)),
            c.limit)
            << c.queued << " bytes at " << c.baud;
    }
}

TEST(SerialDeviceWin32, OpenErrorsAndLostLinesAreToldApartByTheirCodes) {
    using platform::EOpenFailure;
    const struct {
        int code;
        EOpenFailure failure;
        bool bLineGone;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, EOpenFailure::kNotFound, false},
        {ERROR_PATH_NOT_FOUND, EOpenFailure::kNotFound, false},
        {ERROR_ACCESS_DENIED, EOpenFailure::kInUse, true},
        {ERROR_SHARING_VIOLATION, EOpenFailure::kInUse, false},
        {ERROR_GEN_FAILURE, EOpenFailure::kOther, true},
        {ERROR_BAD_COMMAND, EOpenFailure::kOther, true},
        {ERROR_DEVICE_NOT_CONNECTED, EOpenFailure::kOther, true},
        {ERROR_BROKEN_PIPE, EOpenFailure::kOther, true},
        {ERROR_NOT_READY, EOpenFailure::kOther, true},
        {ERROR_INVALID_PARAMETER, EOpenFailure::kOther, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ClassifyOpenError(c.code), c.failure) << c.code;
        EXPECT_EQ(platform::IsLineGoneError(c.code), c.bLineGone) << c.code;
        EXPECT_FALSE(platform::ErrorText(c.code).empty()) << c.code;
    }
}

// A named pipe whose far end the test plays, and the device opened on its near end.
class PipePeer : public testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> s_nNext{0};
        char name[96];
        std::snprintf(name, sizeof name, "\\\\.\\pipe\\zelkor-test-%lu-%d", ::GetCurrentProcessId(),
                      s_nNext++);
        m_strPath = name;
        m_hServer = ::CreateNamedPipeA(name, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                       kPipeBuffer, kPipeBuffer, 0, nullptr);
        ASSERT_NE(m_hServer, INVALID_HANDLE_VALUE);
        ASSERT_EQ(m_pDevice->Open(m_strPath), 0);
        // The device's open has connected already.
        ASSERT_FALSE(::ConnectNamedPipe(m_hServer, nullptr));
        ASSERT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_PIPE_CONNECTED));
    }
    void TearDown() override {
        m_pDevice->Close(true);
        if (m_hServer != INVALID_HANDLE_VALUE) {
            ::CloseHandle(m_hServer);
        }
    }

    void PeerWrites(const std::string& bytes) {
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(m_hServer, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                nullptr));
    }
    std::string PeerReads(size_t count) {
        std::string bytes(count, '\0');
        DWORD got = 0;
        ::ReadFile(m_hServer, bytes.data(), static_cast<DWORD>(count), &got, nullptr);
        bytes.resize(got);
        return bytes;
    }
    std::string DeviceReads(size_t capacity, std::chrono::milliseconds wait, EReadStatus expected) {
        std::vector<uint8_t> buffer(capacity);
        platform::SReadResult r = m_pDevice->Read(buffer.data(), buffer.size(), wait);
        EXPECT_EQ(r.status, expected) << "error " << r.nError;
        return {buffer.begin(), buffer.begin() + static_cast<long>(r.count)};
    }

    static constexpr DWORD kPipeBuffer = 4096;
    std::string m_strPath;
    HANDLE m_hServer = INVALID_HANDLE_VALUE;
    std::unique_ptr<platform::ISerialDevice> m_pDevice = platform::MakeSerialDevice();
};

TEST_F(PipePeer, ReadsTakeWhatArrivesAndAReadLeftWaitingCollectsTheNextBytes) {
    PeerWrites("abc");
    EXPECT_EQ(DeviceReads(128, 5000ms, EReadStatus::kData), "abc");
    // Nothing comes: the read stays outstanding and the next call collects what arrives then.
    EXPECT_EQ(DeviceReads(128, 20ms, EReadStatus::kTimeout), "");
    PeerWrites("later");
    EXPECT_EQ(DeviceReads(128, 5000ms, EReadStatus::kData), "later");
    // More than the caller takes at once is handed over in turns, nothing lost.
    PeerWrites("0123456789");
    std::string got = DeviceReads(4, 5000ms, EReadStatus::kData);
    while (got.size() < 10) {
        got += DeviceReads(4, 5000ms, EReadStatus::kData);
    }
    EXPECT_EQ(got, "0123456789");
}

TEST_F(PipePeer, AWakeEndsAWaitingReadAtOnceAndOneComingFirstEndsTheNext) {
    std::thread waker([this] {
        std::this_thread::sleep_for(50ms);
        m_pDevice->Wake();
    });
    EXPECT_EQ(DeviceReads(128, 60000ms, EReadStatus::kWoken), "");
    waker.join();
    m_pDevice->Wake();
    EXPECT_EQ(DeviceReads(128, 60000ms, EReadStatus::kWoken), "");
    PeerWrites("x");
    EXPECT_EQ(DeviceReads(128, 5000ms, EReadStatus::kData), "x") << "the read woken from is intact";
}

TEST_F(PipePeer, WritesReachThePeerAndAWriteNobodyTakesEndsAtTheLimit) {
    const uint8_t frame[] = {0x7E, 0x00, 0x03, 0x7E};
    EXPECT_EQ(m_pDevice->Write(frame, sizeof frame), 0);
    EXPECT_EQ(PeerReads(4), std::string("\x7E\x00\x03\x7E", 4));
    // The peer reads nothing: the pipe's buffer fills and a write is given up at its limit.
    int result = 0;
    for (DWORD i = 0; i < 4 * kPipeBuffer && result == 0; ++i) {
        const uint8_t byte = 0x55;
        result = m_pDevice->Write(&byte, 1);
    }
    EXPECT_EQ(result, ERROR_TIMEOUT);
    m_pDevice->Close(true);
    EXPECT_FALSE(m_pDevice->IsOpen()) << "a write given up leaves nothing that holds Close";
}

TEST_F(PipePeer, APeerThatGoesIsALostLineAndCloseEndsAReadLeftWaiting) {
    EXPECT_EQ(DeviceReads(128, 20ms, EReadStatus::kTimeout), "");
    ::CloseHandle(m_hServer);
    m_hServer = INVALID_HANDLE_VALUE;
    std::vector<uint8_t> buffer(128);
    platform::SReadResult r = m_pDevice->Read(buffer.data(), buffer.size(), 5000ms);
    EXPECT_EQ(r.status, EReadStatus::kLineGone);
    EXPECT_TRUE(platform::IsLineGoneError(r.nError)) << r.nError;
    m_pDevice->Close(false);
    m_pDevice->Close(false);
    EXPECT_FALSE(m_pDevice->IsOpen());
}

// The serial port on a pipe: the open itself works, the comm state does not, and the port says
// so in its own words and lets the pipe go.
TEST(SerialPortWin32, APortThatIsNoCommDeviceIsRefusedWithTheStatesMessage) {
    const std::string path =
        "\\\\.\\pipe\\zelkor-test-state-" + std::to_string(::GetCurrentProcessId());
    HANDLE server = ::CreateNamedPipeA(path.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096,
                                       4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    testing_support::CScriptedMessages messages;
    devlink::CDeviceLink link;
    link.SetPortPath(path);
    EXPECT_FALSE(link.Open());
    // The step's own words, and the system's reason after them.
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Texts()[0].rfind(std::string(res::kGetCommStateFailed) + " (", 0), 0u)
        << messages.Texts()[0];
    EXPECT_FALSE(link.IsOpen());
    link.SetPortPath("\\\\.\\COM250");
    EXPECT_FALSE(link.Open());
    EXPECT_EQ(messages.Texts().back(), res::kPortNotFound);
    ::CloseHandle(server);
}

}  // namespace
