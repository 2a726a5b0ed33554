#include "link/serial_port.h"

#include <cstdio>
#include <system_error>

#include "platform/message_box.h"
#include "res/strings.h"

namespace devlink {

namespace {

constexpr auto kFirstByteWait = std::chrono::milliseconds(1000);
constexpr auto kReadGap = std::chrono::milliseconds(10);
constexpr auto kWriteLimit = std::chrono::milliseconds(1000);
constexpr size_t kReadChunk = 128;

std::string FormatNumber(const char* format, unsigned value) {
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

platform::SMessageRequest PortMessage(std::string text) {
    return {std::move(text), res::kCommPortErrorCaption, platform::EMsgIcon::kWarning,
            platform::EMsgButtons::kOk, false};
}

std::string OpenFailureText(int err) {
    switch (platform::ClassifyOpenError(err)) {
        case platform::EOpenFailure::kNotFound:
            return res::kPortNotFound;
        case platform::EOpenFailure::kInUse:
            return res::kPortAccessDenied;
        case platform::EOpenFailure::kNoPermission:
            return std::string(res::kPortAccessDenied) + "\n" + res::kPortNeedsPermission;
        case platform::EOpenFailure::kOther:
            break;
    }
    return FormatNumber(res::kCommPortError, static_cast<unsigned>(err));
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
    if (int err = m_pDevice->Open(m_strPortPath); err != 0) {
        platform::ShowMessage(PortMessage(OpenFailureText(err)));
        return false;
    }
    return true;
}

bool CSerialPort::ConfigureDevice() {
    if (m_pDevice->GetState() != 0) {
        ReportOpenFailure(res::kGetCommStateFailed);
        return false;
    }
    if (m_pDevice->SetLineSettings(m_dwBaudRate, m_nParity, m_nStopBits) != 0) {
        ReportOpenFailure(res::kSetCommStateFailed);
        return false;
    }
    if (m_pDevice->Purge() != 0) {
        ReportOpenFailure(res::kPurgeCommFailed);
        return false;
    }
    if (m_pDevice->SetTimeouts(kWriteLimit) != 0) {
        ReportOpenFailure(res::kSetTimeoutsFailed);
        return false;
    }
    m_pDevice->RequestLowLatency();
    return true;
}

bool CSerialPort::Open() {
    if (m_bOpen.load()) {
        return true;
    }
    m_bStopReader = false;
    m_rx.Reset();
    if (!OpenDevice()) {
        return false;
    }
    if (!ConfigureDevice()) {
        m_pDevice->Close();
        return false;
    }
    m_bReaderDone = false;
    try {
        m_reader = std::thread(&CSerialPort::ReaderAndStatusProc, this);
    } catch (const std::system_error&) {
        m_bReaderDone = true;
        m_pDevice->Close();
        ReportOpenFailure(res::kWatchThreadFailed);
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
    m_pDevice->WakeReader();
    if (m_reader.joinable()) {
        m_reader.join();
    }
    m_pDevice->Close();
    m_bOpen = false;
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
            case platform::EReadStatus::kReadError:
            case platform::EReadStatus::kWaitError:
                ReportReaderFailure(r.status == platform::EReadStatus::kReadError
                                        ? res::kReaderReadFailed
                                        : res::kReaderWaitFailed);
                // The device cannot be read any more; only the stop request is awaited.
                while (!m_bStopReader.load()) {
                    m_pDevice->WaitForWake();
                }
                break;
        }
    }
}

void CSerialPort::ReceiveBytes(size_t count, const uint8_t* bytes) {
    m_rx.Feed(bytes, count, [this](CPacketBuffer& frame) { OnFrame(frame); });
}

int CSerialPort::WriteByte(uint8_t byte) {
    return m_pDevice->WriteByte(byte);
}

bool CSerialPort::SendFrame(CPacketBuffer& frame) {
    int32_t length = 0;
    if (!CompleteFrame(frame, length)) {
        return false;  // a length field beyond the buffer: nothing of it may go out
    }
    int err = 0;
    bool bSent = StuffFrame(frame.Data(), length, [&](uint8_t b) {
        err = WriteByte(b);
        return err == 0;
    });
    if (!bSent) {
        platform::PostMessageBox(
            PortMessage(FormatNumber(res::kWriteFailed, static_cast<unsigned>(err))));
    }
    return bSent;
}

}  // namespace devlink
