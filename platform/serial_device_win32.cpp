// The serial device on Windows: an overlapped COM handle. The reader waits for the comm event of
// a received byte and for a wake event at once, then takes what the driver holds; a write is
// waited for at most the write limit. Where comm-event waits end without an event and a read
// that should return at once waits for its first byte instead (Wine's driver on a
// pseudo-terminal), and on a handle that has no comm events (a named pipe), a read stays
// outstanding across waits instead and hands over what it got as soon as it got something.
#include "platform/serial_device_win32.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/serial_device.h"

namespace platform {

namespace {

uint8_t ParityCode(EParity parity) {
    switch (parity) {
        case EParity::kOdd:
            return ODDPARITY;
        case EParity::kEven:
            return EVENPARITY;
        case EParity::kNone:
            break;
    }
    return NOPARITY;
}

uint8_t StopBitsCode(EStopBits stopBits) {
    // The DCB's code for two stop bits is 2; 1 would mean one and a half.
    return stopBits == EStopBits::kTwo ? TWOSTOPBITS : ONESTOPBIT;
}

}  // namespace

namespace win32 {

void ApplyLineSettings(DCB& dcb, uint32_t baudRate, EParity parity, EStopBits stopBits) {
    dcb.BaudRate = baudRate;
    dcb.fBinary = TRUE;
    dcb.fAbortOnError = FALSE;
    dcb.ByteSize = 8;
    dcb.Parity = ParityCode(parity);
    dcb.StopBits = StopBitsCode(stopBits);
    dcb.XonLim = 100;
    dcb.XoffLim = 100;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fNull = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fParity = parity != EParity::kNone ? TRUE : FALSE;
}

COMMTIMEOUTS MakeTimeouts(std::chrono::milliseconds writeLimit) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(writeLimit.count());
    return timeouts;
}

}  // namespace win32

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kReadBufferSize = win32::kQueueSize;
// The pause after a comm-event wait that ended without an event: none while the line is busy (an
// answer is due soon after what was written; Wine's own wait already takes a millisecond),
// longer once it has been quiet for a while, so that an idle port does not keep a processor busy
// where every wait ends at once (Wine).
constexpr DWORD kBusyPauseMs = 0;
constexpr DWORD kQuietPauseMs = 50;
constexpr std::chrono::milliseconds kBusySpan{500};

int SystemError() {
    return static_cast<int>(::GetLastError());
}

SReadResult ReadFailure(int nError) {
    return {IsLineGoneError(nError) ? EReadStatus::kLineGone : EReadStatus::kReadError, 0, nError};
}

class CWin32SerialDevice : public ISerialDevice {
public:
    ~CWin32SerialDevice() override { Close(true); }

    int Open(const std::string& path) override;
    int GetState() override;
    int SetLineSettings(uint32_t baudRate, EParity parity, EStopBits stopBits) override;
    int SetTimeouts(std::chrono::milliseconds writeLimit) override;
    int Purge() override;
    // Bytes are taken as soon as the driver has them. Windows has no such request; an FTDI
    // adapter's latency is set in its driver's settings.
    int RequestLowLatency() override { return ERROR_NOT_SUPPORTED; }
    SReadResult Read(uint8_t* buffer, size_t capacity, std::chrono::milliseconds wait) override;
    void Wake() override;
    void WaitForWake() override;
    // ERROR_TIMEOUT when the limit passed; the bytes not yet written are then dropped.
    int Write(const uint8_t* bytes, size_t count) override;
    // The queue is looked at every few milliseconds: no comm event tells that it has emptied.
    bool DrainQueue(const std::atomic<bool>* pStop, int& queued) override;
    // Without bDiscardOutput what is queued is left to the driver, which sends it after the
    // handle has gone.
    void Close(bool bDiscardOutput) override;
    bool IsOpen() const override { return m_hPort != INVALID_HANDLE_VALUE; }

private:
    // Ends an outstanding overlapped call and waits until the system no longer touches it.
    void CancelAndWait(OVERLAPPED& overlapped);
    SReadResult Deliver(uint8_t* buffer, size_t capacity);
    // Waits for the comm event of a received byte (or a wake), taking what the driver holds.
    SReadResult ReadOnCommEvent(uint8_t* buffer, size_t capacity, Clock::time_point deadline);
    // What the driver holds now, without waiting: kData with a count of 0 when nothing.
    SReadResult TakeWhatIsThere(uint8_t* buffer, size_t capacity);
    // A read left outstanding until bytes come.
    SReadResult ReadOutstanding(uint8_t* buffer, size_t capacity, Clock::time_point deadline);
    // After a comm-event wait that ended without an event: a read is tried that waits for its
    // first byte; false when reads return at once here (or did before), so waits go on.
    bool TryReadsThatWait();
    // The wait for the read's or the comm event's completion, or a wake; kData when it came.
    SReadResult WaitFor(HANDLE done, Clock::time_point deadline);

    HANDLE m_hPort = INVALID_HANDLE_VALUE;
    HANDLE m_hWakeEvent = nullptr;  // auto-reset: one wake ends one wait
    OVERLAPPED m_ovRead{};
    OVERLAPPED m_ovWrite{};
    OVERLAPPED m_ovCommEvent{};
    DWORD m_dwEvents = 0;  // written by the system while a comm-event wait is outstanding
    DCB m_dcb{};
    std::chrono::nanoseconds m_byteTime = ByteTime(0, EParity::kNone, EStopBits::kOne);
    bool m_bCommEvents = false;  // the time-outs are set: a comm device
    bool m_bReadsWait = false;   // its reads wait for their first byte: one is left outstanding
    bool m_bReadsReturnEmpty = false;  // a read came back empty at once: comm events for good
    bool m_bReadPending = false;
    bool m_bCommEventPending = false;
    uint8_t m_readBuffer[kReadBufferSize] = {};
    size_t m_nHeld = 0;  // bytes of a completed read not yet handed over
    size_t m_nHeldPos = 0;
    std::chrono::milliseconds m_writeLimit = kDefaultWriteLimit;
    // When bytes last went out or came in; the writer and the reader both set it.
    std::atomic<Clock::rep> m_lastTraffic{0};
};

int CWin32SerialDevice::Open(const std::string& path) {
    Close(true);
    HANDLE port =
        ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        return SystemError();
    }
    HANDLE events[4] = {};
    for (HANDLE& event : events) {
        // The overlapped calls' are manual-reset, as they need; the wake event is not.
        event = ::CreateEventA(nullptr, &event != &events[3], FALSE, nullptr);
        if (event == nullptr) {
            const int error = SystemError();
            for (HANDLE made : events) {
                if (made != nullptr) {
                    ::CloseHandle(made);
                }
            }
            ::CloseHandle(port);
            return error;
        }
    }
    m_hPort = port;
    m_ovRead = {};
    m_ovRead.hEvent = events[0];
    m_ovWrite = {};
    m_ovWrite.hEvent = events[1];
    m_ovCommEvent = {};
    m_ovCommEvent.hEvent = events[2];
    m_hWakeEvent = events[3];
    m_bCommEvents = false;
    m_bReadsWait = false;
    m_bReadsReturnEmpty = false;
    m_bReadPending = false;
    m_bCommEventPending = false;
    m_nHeld = m_nHeldPos = 0;
    m_dcb = {};
    m_dcb.DCBlength = sizeof m_dcb;
    return 0;
}

int CWin32SerialDevice::GetState() {
    m_dcb.DCBlength = sizeof m_dcb;
    return ::GetCommState(m_hPort, &m_dcb) ? 0 : SystemError();
}

int CWin32SerialDevice::SetLineSettings(uint32_t baudRate, EParity parity, EStopBits stopBits) {
    DCB dcb = m_dcb;
    win32::ApplyLineSettings(dcb, baudRate, parity, stopBits);
    // The mask and the queue sizes come with the line settings: the port has no step of its
    // own for them, and a port that takes the state takes them.
    if (!::SetCommState(m_hPort, &dcb) || !::SetCommMask(m_hPort, win32::kCommMask) ||
        !::SetupComm(m_hPort, win32::kQueueSize, win32::kQueueSize)) {
        return SystemError();
    }
    m_dcb = dcb;
    m_byteTime = ByteTime(baudRate, parity, stopBits);
    return 0;
}

int CWin32SerialDevice::SetTimeouts(std::chrono::milliseconds writeLimit) {
    COMMTIMEOUTS timeouts = win32::MakeTimeouts(writeLimit);
    if (!::SetCommTimeouts(m_hPort, &timeouts)) {
        return SystemError();
    }
    m_writeLimit = writeLimit;
    m_bCommEvents = true;
    return 0;
}

int CWin32SerialDevice::Purge() {
    return ::PurgeComm(m_hPort, win32::kPurgeAll) ? 0 : SystemError();
}

SReadResult CWin32SerialDevice::Deliver(uint8_t* buffer, size_t capacity) {
    const size_t count = std::min(capacity, m_nHeld - m_nHeldPos);
    std::memcpy(buffer, m_readBuffer + m_nHeldPos, count);
    m_nHeldPos += count;
    if (m_nHeldPos == m_nHeld) {
        m_nHeld = m_nHeldPos = 0;
    }
    return {EReadStatus::kData, count, 0};
}

SReadResult CWin32SerialDevice::Read(uint8_t* buffer, size_t capacity,
                                     std::chrono::milliseconds wait) {
    if (m_nHeld > 0) {
        return Deliver(buffer, capacity);
    }
    const auto deadline = Clock::now() + wait;
    if (m_bCommEvents && !m_bReadsWait) {
        SReadResult read = ReadOnCommEvent(buffer, capacity, deadline);
        if (!m_bReadsWait) {
            return read;
        }
    }
    return ReadOutstanding(buffer, capacity, deadline);
}

bool CWin32SerialDevice::TryReadsThatWait() {
    if (m_bReadsReturnEmpty) {
        return false;
    }
    // From now on Read leaves a read outstanding, until one comes back empty at once: then
    // comm-event waits go on for good.
    m_bReadsWait = true;
    return true;
}

SReadResult CWin32SerialDevice::WaitFor(HANDLE done, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    const HANDLE handles[2] = {done, m_hWakeEvent};
    const DWORD waited = ::WaitForMultipleObjects(
        2, handles, FALSE, static_cast<DWORD>(std::max<long long>(left.count(), 0)));
    switch (waited) {
        case WAIT_OBJECT_0:
            return {EReadStatus::kData, 0, 0};
        case WAIT_OBJECT_0 + 1:
            return {EReadStatus::kWoken, 0, 0};  // what is outstanding stays so
        case WAIT_TIMEOUT:
            return {EReadStatus::kTimeout, 0, 0};
        default:
            return {EReadStatus::kWaitError, 0, SystemError()};
    }
}

SReadResult CWin32SerialDevice::TakeWhatIsThere(uint8_t* buffer, size_t capacity) {
    // Only as many bytes as the driver holds are asked for, so that the read ends at once
    // whatever the driver makes of the time-outs (Wine's may keep a read for nothing pending).
    DWORD errors = 0;
    COMSTAT status{};
    if (!::ClearCommError(m_hPort, &errors, &status)) {
        return ReadFailure(SystemError());
    }
    if (status.cbInQue == 0) {
        return {EReadStatus::kData, 0, 0};
    }
    ::ResetEvent(m_ovRead.hEvent);
    DWORD got = 0;
    const DWORD want = std::min(status.cbInQue, static_cast<DWORD>(kReadBufferSize));
    if ((!::ReadFile(m_hPort, m_readBuffer, want, nullptr, &m_ovRead) &&
         ::GetLastError() != ERROR_IO_PENDING) ||
        !::GetOverlappedResult(m_hPort, &m_ovRead, &got, TRUE)) {
        return ReadFailure(SystemError());
    }
    if (got == 0) {
        return {EReadStatus::kData, 0, 0};
    }
    m_nHeld = got;
    m_nHeldPos = 0;
    m_lastTraffic = Clock::now().time_since_epoch().count();
    return Deliver(buffer, capacity);
}

SReadResult CWin32SerialDevice::ReadOnCommEvent(uint8_t* buffer, size_t capacity,
                                                Clock::time_point deadline) {
    bool bEventCame = false;
    for (;;) {
        if (!m_bCommEventPending) {
            ::ResetEvent(m_ovCommEvent.hEvent);
            if (::WaitCommEvent(m_hPort, &m_dwEvents, &m_ovCommEvent)) {
                ::SetEvent(m_ovCommEvent.hEvent);  // it happened already
            } else if (::GetLastError() != ERROR_IO_PENDING) {
                return ReadFailure(SystemError());
            }
            m_bCommEventPending = true;
        }
        // Bytes that came before the wait began raise no event of their own: they are taken
        // now, and whatever comes after them ends the wait.
        SReadResult taken = TakeWhatIsThere(buffer, capacity);
        if (taken.status != EReadStatus::kData || taken.count > 0) {
            return taken;
        }
        // An event without bytes (a line error) does not keep the read past its time.
        if (bEventCame && Clock::now() >= deadline) {
            return {EReadStatus::kTimeout, 0, 0};
        }
        const SReadResult waited = WaitFor(m_ovCommEvent.hEvent, deadline);
        if (waited.status != EReadStatus::kData) {
            return waited;
        }
        m_bCommEventPending = false;
        bEventCame = true;
        // Waiting for a result whose event is set returns at once; it also takes Wine's word for
        // a wait whose result it has not written yet when the event came (under load).
        DWORD ignored = 0;
        if (!::GetOverlappedResult(m_hPort, &m_ovCommEvent, &ignored, TRUE)) {
            const int error = SystemError();
            if (error != ERROR_OPERATION_ABORTED) {
                return ReadFailure(error);
            }
            // A wait ended without an event: Windows ends one when the mask changes, Wine ends
            // each at once on a pseudo-terminal, whose modem lines it cannot read. Where reads
            // wait for their first byte (Wine's) one is left outstanding from now on; else the
            // queue is looked at again after a pause that a wake cuts short.
            if (TryReadsThatWait()) {
                return {EReadStatus::kTimeout, 0, 0};  // Read goes on with a read
            }
            const bool bBusy =
                Clock::now() - Clock::time_point(Clock::duration(m_lastTraffic.load())) < kBusySpan;
            if (::WaitForSingleObject(m_hWakeEvent, bBusy ? kBusyPauseMs : kQuietPauseMs) ==
                WAIT_OBJECT_0) {
                return {EReadStatus::kWoken, 0, 0};
            }
        }
    }
}

SReadResult CWin32SerialDevice::ReadOutstanding(uint8_t* buffer, size_t capacity,
                                                Clock::time_point deadline) {
    for (;;) {
        DWORD got = 0;
        if (!m_bReadPending) {
            ::ResetEvent(m_ovRead.hEvent);
            if (!::ReadFile(m_hPort, m_readBuffer, static_cast<DWORD>(kReadBufferSize), nullptr,
                            &m_ovRead) &&
                ::GetLastError() != ERROR_IO_PENDING) {
                return ReadFailure(SystemError());
            }
            m_bReadPending = true;  // done already or not, the result below collects it
        }
        const SReadResult waited = WaitFor(m_ovRead.hEvent, deadline);
        if (waited.status != EReadStatus::kData) {
            return waited;
        }
        m_bReadPending = false;
        if (!::GetOverlappedResult(m_hPort, &m_ovRead, &got, FALSE)) {
            return ReadFailure(SystemError());
        }
        if (got > 0) {
            m_nHeld = got;
            m_nHeldPos = 0;
            m_lastTraffic = Clock::now().time_since_epoch().count();
            return Deliver(buffer, capacity);
        }
        if (m_bCommEvents) {
            // This comm device's reads do return at once: it is waited on by comm events.
            m_bReadsWait = false;
            m_bReadsReturnEmpty = true;
            return {EReadStatus::kTimeout, 0, 0};
        }
        if (Clock::now() >= deadline) {
            return {EReadStatus::kTimeout, 0, 0};
        }
    }
}

void CWin32SerialDevice::Wake() {
    if (m_hWakeEvent != nullptr) {
        ::SetEvent(m_hWakeEvent);
    }
}

void CWin32SerialDevice::WaitForWake() {
    ::WaitForSingleObject(m_hWakeEvent, INFINITE);
}

int CWin32SerialDevice::Write(const uint8_t* bytes, size_t count) {
    m_lastTraffic = Clock::now().time_since_epoch().count();
    ::ResetEvent(m_ovWrite.hEvent);
    DWORD written = 0;
    if (!::WriteFile(m_hPort, bytes, static_cast<DWORD>(count), nullptr, &m_ovWrite) &&
        ::GetLastError() != ERROR_IO_PENDING) {
        return SystemError();
    }
    const DWORD waited =
        ::WaitForSingleObject(m_ovWrite.hEvent, static_cast<DWORD>(m_writeLimit.count()));
    if (waited != WAIT_OBJECT_0) {
        const int error = waited == WAIT_TIMEOUT ? ERROR_TIMEOUT : SystemError();
        CancelAndWait(m_ovWrite);
        return error;
    }
    if (!::GetOverlappedResult(m_hPort, &m_ovWrite, &written, FALSE)) {
        return SystemError();
    }
    // The driver's own write time-out ends a write early without an error.
    return written == count ? 0 : ERROR_TIMEOUT;
}

bool CWin32SerialDevice::DrainQueue(const std::atomic<bool>* pStop, int& queued) {
    auto stopped = [pStop] { return pStop != nullptr && pStop->load(); };
    // A wake left over from the reader's end must not cut this drain short; one meant to stop
    // it comes with *pStop set, which is tested after the reset and after every wake.
    ::ResetEvent(m_hWakeEvent);
    DWORD errors = 0;
    COMSTAT status{};
    queued = -1;
    auto look = [&] {
        if (!::ClearCommError(m_hPort, &errors, &status)) {
            return false;
        }
        queued = static_cast<int>(status.cbOutQue);
        return true;
    };
    if (!look() || stopped()) {
        return false;
    }
    const auto deadline = Clock::now() + DrainLimit(status.cbOutQue, m_byteTime);
    while (status.cbOutQue > 0) {
        if (Clock::now() >= deadline) {
            return false;
        }
        // The mask the line needs has no event for an empty output queue, so the queue is
        // looked at again each step; a wake ends the step at once.
        ::WaitForSingleObject(m_hWakeEvent, static_cast<DWORD>(kDrainStep.count()));
        if (!look() || stopped()) {
            return false;
        }
    }
    return true;
}

void CWin32SerialDevice::CancelAndWait(OVERLAPPED& overlapped) {
    DWORD ignored = 0;
    ::CancelIoEx(m_hPort, &overlapped);
    ::GetOverlappedResult(m_hPort, &overlapped, &ignored, TRUE);
}

void CWin32SerialDevice::Close(bool bDiscardOutput) {
    if (m_hPort == INVALID_HANDLE_VALUE) {
        return;
    }
    ::SetCommMask(m_hPort, 0);
    ::PurgeComm(m_hPort, bDiscardOutput ? win32::kPurgeAll : PURGE_RXABORT | PURGE_RXCLEAR);
    ::EscapeCommFunction(m_hPort, CLRDTR);
    // The read and the comm-event wait were started by the reader thread; CancelIoEx reaches
    // them from this one.
    if (m_bReadPending) {
        CancelAndWait(m_ovRead);
        m_bReadPending = false;
    }
    if (m_bCommEventPending) {
        CancelAndWait(m_ovCommEvent);
        m_bCommEventPending = false;
    }
    for (HANDLE* event :
         {&m_ovRead.hEvent, &m_ovWrite.hEvent, &m_ovCommEvent.hEvent, &m_hWakeEvent}) {
        if (*event != nullptr) {
            ::CloseHandle(*event);
            *event = nullptr;
        }
    }
    ::CloseHandle(m_hPort);
    m_hPort = INVALID_HANDLE_VALUE;
    m_nHeld = m_nHeldPos = 0;
}

}  // namespace

std::unique_ptr<ISerialDevice> MakeSerialDevice() {
    return std::make_unique<CWin32SerialDevice>();
}

bool IsLineGoneError(int nError) {
    switch (nError) {
        case ERROR_ACCESS_DENIED:  // what many USB adapters' drivers answer once pulled out
        case ERROR_BAD_COMMAND:
        case ERROR_GEN_FAILURE:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEVICE_REMOVED:
        case ERROR_BROKEN_PIPE:
        case ERROR_PIPE_NOT_CONNECTED:
        case ERROR_NOT_READY:  // Wine's answer once the line behind a COM port has hung up
            return true;
        default:
            return false;
    }
}

EOpenFailure ClassifyOpenError(int nError) {
    switch (nError) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return EOpenFailure::kNotFound;
        // A COM port opened without sharing refuses a second opener with access denied.
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return EOpenFailure::kInUse;
        default:
            return EOpenFailure::kOther;
    }
}

}  // namespace platform
