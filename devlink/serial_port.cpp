#include "devlink/serial_port.h"

#include <cstdio>
#include <functional>
#include <system_error>
#include <utility>

#include "platform/error_text.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/strings_link.h"

namespace devlink {

namespace {

constexpr auto kFirstByteWait = std::chrono::milliseconds(1000);
constexpr auto kReadGap = std::chrono::milliseconds(10);
constexpr auto kWriteLimit = platform::kDefaultWriteLimit;
constexpr size_t kReadChunk = 128;
// Room for a whole data frame with every byte stuffed: such a frame goes in one write.
constexpr size_t kWireChunk = 2 * kDataFrameCapacity + 2;

// The message with the error number, and the system's own words for it.
std::string WithSystemError(const char* format, int err) {
    const std::string text = platform::FormatText(format, static_cast<unsigned>(err));
    return platform::FormatText(res::kWithSystemReason, text.c_str(),
                                platform::ErrorText(err).c_str());
}

std::string LineSettingsText(const std::string& path, const platform::SLineSettings& settings) {
    const char* parityText = settings.parity == platform::EParity::kOdd    ? res::kTraceOddParity
                             : settings.parity == platform::EParity::kEven ? res::kTraceEvenParity
                                                                           : res::kTraceNoParity;
    const char* stopText = settings.stopBits == platform::EStopBits::kTwo ? res::kTraceTwoStopBits
                                                                          : res::kTraceOneStopBit;
    return platform::FormatText(res::kTraceOpened, path.c_str(),
                                static_cast<unsigned>(settings.nBaudRate), parityText, stopText);
}

platform::SMessageRequest PortMessage(std::string text) {
    return {std::move(text), res::Tr(res::kCommPortErrorCaption), platform::EMsgIcon::kWarning,
            platform::EMsgButtons::kOk, false};
}

std::string OpenFailureText(int err) {
    switch (platform::ClassifyOpenError(err)) {
        case platform::EOpenFailure::kNotFound:
            return res::Tr(res::kPortNotFound);
        case platform::EOpenFailure::kInUse:
            return res::Tr(res::kPortAccessDenied);
        case platform::EOpenFailure::kNoPermission:
            return std::string(res::Tr(res::kPortAccessDenied)) + "\n" +
                   res::Tr(res::kPortNeedsPermission);
        case platform::EOpenFailure::kOther:
            break;
    }
    return WithSystemError(res::Tr(res::kCommPortError), err);
}

}  // namespace

CSerialPort::CSerialPort(int32_t rxCapacity, std::unique_ptr<platform::ISerialDevice> device)
    : m_pDevice(device ? std::move(device) : platform::MakeSerialDevice()), m_rx(rxCapacity) {}

CSerialPort::~CSerialPort() {
    // The derived class has closed already; this only catches a port used without one.
    CSerialPort::Close();
}

void CSerialPort::ReportOpenFailure(const char* text) {
    platform::ShowMessage(PortMessage(text));
}

bool CSerialPort::OpenDevice() {
    m_lastOpenFailure.reset();
    if (int err = m_pDevice->Open(m_strPortPath); err != 0) {
        const platform::EOpenFailure failure = platform::ClassifyOpenError(err);
        m_lastOpenFailure = failure;
        if (!m_bQuietOpen || (failure != platform::EOpenFailure::kNotFound &&
                              failure != platform::EOpenFailure::kInUse)) {
            // The port is named: the user may not know which one the program tried.
            platform::SMessageRequest request = PortMessage(OpenFailureText(err));
            request.subject = m_strPortPath;
            platform::ShowMessage(request);
        }
        return false;
    }
    return true;
}

bool CSerialPort::OpenQuietly(const platform::SLineSettings& settings) {
    m_bQuietOpen = true;
    const bool bOpened = Open(settings);
    m_bQuietOpen = false;
    return bOpened;
}

bool CSerialPort::ConfigureDevice() {
    // Each step says in its own words what failed, and the system says why (a file or a folder
    // given as the port is no serial line: "Inappropriate ioctl for device").
    const std::pair<const char*, std::function<int()>> steps[] = {
        {res::Tr(res::kGetCommStateFailed), [this] { return m_pDevice->GetState(); }},
        {res::Tr(res::kSetCommStateFailed),
         [this] {
             return m_pDevice->SetLineSettings(m_lineSettings.nBaudRate, m_lineSettings.parity,
                                               m_lineSettings.stopBits);
         }},
        {res::Tr(res::kPurgeCommFailed), [this] { return m_pDevice->Purge(); }},
        {res::Tr(res::kSetTimeoutsFailed), [this] { return m_pDevice->SetTimeouts(kWriteLimit); }},
    };
    for (const auto& [text, step] : steps) {
        if (const int err = step(); err != 0) {
            platform::ShowMessage(PortMessage(platform::FormatText(
                res::kWithSystemReason, text, platform::ErrorText(err).c_str())));
            return false;
        }
    }
    const int lowLatency = m_pDevice->RequestLowLatency();
    if (m_pTrace.load(std::memory_order_relaxed) != nullptr) {
        TraceEvent(LineSettingsText(m_strPortPath, m_lineSettings));
        TraceEvent(lowLatency == 0 ? std::string(res::kTraceLowLatency)
                                   : platform::FormatText(res::kTraceNoLowLatency,
                                                          platform::ErrorText(lowLatency).c_str()));
    }
    return true;
}

void CSerialPort::TraceEvent(const std::string& text) {
    if (IFrameTrace* pTrace = m_pTrace.load(std::memory_order_relaxed)) {
        pTrace->OnPortEvent(text);
    }
}

void CSerialPort::TraceDrain(const platform::SDrainResult& drain) {
    if (m_pTrace.load(std::memory_order_relaxed) == nullptr) {
        return;
    }
    const auto waited = static_cast<long long>(drain.waited.count());
    if (drain.bEmptied) {
        TraceEvent(platform::FormatText(res::kTraceDrained, waited));
    } else if (drain.nLeft >= 0) {
        TraceEvent(platform::FormatText(res::kTraceNotDrained, drain.nLeft, waited));
    } else {
        TraceEvent(platform::FormatText(res::kTraceNotDrainedUnknown, waited));
    }
}

void CSerialPort::FoundLineGone(int err) {
    if (m_bLineLost.exchange(true)) {
        return;
    }
    if (m_pTrace.load(std::memory_order_relaxed) != nullptr) {
        TraceEvent(platform::FormatText(res::kTraceLineLost, platform::ErrorText(err).c_str()));
    }
    OnLineLost();
}

bool CSerialPort::Open(const platform::SLineSettings& settings) {
    if (m_bOpen.load()) {
        return true;
    }
    m_lineSettings = settings;
    m_bStopReader = false;
    m_bLineLost = false;
    m_bAbandonOutput = false;
    m_rx.Reset();
    if (!OpenDevice()) {
        return false;
    }
    if (!ConfigureDevice()) {
        m_pDevice->Close(true);
        return false;
    }
    m_bReaderDone = false;
    try {
        m_reader = std::thread(&CSerialPort::ReaderAndStatusProc, this);
    } catch (const std::system_error&) {
        m_bReaderDone = true;
        m_pDevice->Close(true);
        ReportOpenFailure(res::Tr(res::kWatchThreadFailed));
        return false;
    }
    m_bOpen = true;
    return true;
}

void CSerialPort::Close() {
    if (!m_bOpen.load()) {
        return;
    }
    m_bStopReader = true;
    m_pDevice->Wake();
    if (m_reader.joinable()) {
        m_reader.join();
    }
    // Purging here would throw away the end of an upload that the device has not read yet.
    bool bSent = false;
    if (m_bLineLost.load()) {
        TraceEvent(res::kTraceLostAtClose);
    } else {
        const platform::SDrainResult drain = m_pDevice->Drain(&m_bAbandonOutput);
        TraceDrain(drain);
        bSent = drain.bEmptied;
    }
    std::lock_guard lock(m_closeMutex);
    m_pDevice->Close(!bSent);
    m_bOpen = false;
    if (m_pTrace.load(std::memory_order_relaxed) != nullptr) {
        TraceEvent(platform::FormatText(res::kTraceClosed, m_strPortPath.c_str()));
    }
}

void CSerialPort::AbandonOutput() {
    m_bAbandonOutput = true;
    std::lock_guard lock(m_closeMutex);
    if (m_bOpen.load()) {
        m_pDevice->Wake();
    }
}

void CSerialPort::ReaderAndStatusProc(CSerialPort* port) {
    port->ReaderLoop();
    port->m_bReaderDone = true;
}

void CSerialPort::ReportReaderFailure(const char* text) {
    // Posted, never shown: the reader must not wait for the user-interface thread.
    platform::PostMessageBox({text, platform::ApplicationTitle(), platform::EMsgIcon::kNone,
                              platform::EMsgButtons::kOk, true});
}

void CSerialPort::ReaderLoop() {
    uint8_t buffer[kReadChunk];
    // A read waits up to a second for its first byte and ends after a gap in the bytes; each
    // chunk goes to the reassembly as it arrives, so a reply is never held back by the gap.
    auto wait = kFirstByteWait;
    while (!m_bStopReader.load()) {
        platform::SReadResult r = m_pDevice->Read(buffer, sizeof buffer, wait);
        switch (r.status) {
            case platform::EReadStatus::kData:
                ReceiveBytes(r.count, buffer);
                wait = kReadGap;
                break;
            case platform::EReadStatus::kTimeout:
            case platform::EReadStatus::kWoken:
                wait = kFirstByteWait;
                break;
            case platform::EReadStatus::kLineGone:
                FoundLineGone(r.nError);
                WaitForStop();
                break;
            case platform::EReadStatus::kReadError:
            case platform::EReadStatus::kWaitError:
                ReportReaderFailure(r.status == platform::EReadStatus::kReadError
                                        ? res::kReaderReadFailed
                                        : res::kReaderWaitFailed);
                WaitForStop();
                break;
        }
    }
}

void CSerialPort::WaitForStop() {
    // The device cannot be read any more; only the stop request is awaited.
    while (!m_bStopReader.load()) {
        m_pDevice->WaitForWake();
    }
}

void CSerialPort::ReceiveBytes(size_t count, const uint8_t* bytes) {
    m_rx.Feed(bytes, count, [this](CPacketBuffer& frame) {
        if (IFrameTrace* pTrace = m_pTrace.load(std::memory_order_relaxed)) {
            pTrace->OnReceive(frame.Data(), static_cast<size_t>(frame.Count()));
        }
        OnFrame(frame);
    });
}

int CSerialPort::WriteWire(const uint8_t* wire, size_t count) {
    if (IFrameTrace* pTrace = m_pTrace.load(std::memory_order_relaxed)) {
        pTrace->OnSend(wire, count);
    }
    return m_pDevice->Write(wire, count);
}

bool CSerialPort::SendFrame(CPacketBuffer& frame) {
    if (m_bLineLost.load()) {
        OnLineLost();
        return false;
    }
    int32_t length = 0;
    if (!CompleteFrame(frame, length)) {
        return false;  // a length field beyond the buffer: nothing of it may go out
    }
    // The stuffed frame goes in one write: a system call for each byte kept the device waiting
    // for the end of every frame.
    uint8_t wire[kWireChunk];
    size_t n = 0;
    int err = 0;
    auto flush = [&] {
        err = WriteWire(wire, n);
        n = 0;
        return err == 0;
    };
    const bool bSent = StuffFrame(frame.Data(), length,
                                  [&](uint8_t b) {
                                      if (n == sizeof wire && !flush()) {
                                          return false;
                                      }
                                      wire[n++] = b;
                                      return true;
                                  }) &&
                       flush();
    if (bSent) {
        return true;
    }
    if (platform::IsLineGoneError(err)) {
        FoundLineGone(err);
    } else {
        platform::PostMessageBox(PortMessage(WithSystemError(res::Tr(res::kWriteFailed), err)));
    }
    return false;
}

}  // namespace devlink
