// A serial device named by a path, driven the way the generator's line needs it: opened for this
// program alone, 8 data bits raw without flow control, reads that wait for their first byte, and
// writes with a time limit. Every failure carries the system error number.
//
// The configuration steps are separate calls so that the port can report each in its own words.
//
// Threads: Open, the configuration steps, Drain and Close belong to one thread (the
// user-interface thread) and never run while a Read or Write is in progress. One reader thread
// may call Read; one writer at a time may call Write, alongside the reader. Wake may be called
// from any thread while the device is open.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

enum class EParity : uint8_t { kNone, kOdd, kEven };
enum class EStopBits : uint8_t { kOne, kTwo };

enum class EReadStatus {
    kData,       // bytes were read (count > 0)
    kTimeout,    // no byte came within the wait
    kWoken,      // Wake was called
    kLineGone,   // the device has gone: unplugged, or the far end of a pseudo-terminal closed
    kReadError,  // the read itself failed (error number in nError)
    kWaitError,  // waiting for the device failed (error number in nError)
};

struct SReadResult {
    EReadStatus status = EReadStatus::kTimeout;
    size_t count = 0;
    int nError = 0;
};

// What a Drain found, for the trace: whether the output queue emptied, how many bytes it still
// held when the drain gave up (-1 when the driver could not tell), and how long it waited.
struct SDrainResult {
    bool bEmptied = false;
    int nLeft = 0;
    std::chrono::milliseconds waited{0};
};

// True for the error numbers with which reads and writes fail once the device has gone.
bool IsLineGoneError(int nError);

class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;

    // Opens the path for this program alone; 0 or the error number. EBUSY when someone else
    // holds it.
    virtual int Open(const std::string& path) = 0;
    // Reads the device's current line settings, which SetLineSettings starts from.
    virtual int GetState() = 0;
    // Raw 8 data bits at the given speed, parity and stop bits, receiver on, no flow control of
    // any kind.
    virtual int SetLineSettings(uint32_t baudRate, EParity parity, EStopBits stopBits) = 0;
    // Reads never block in the driver (Read does the waiting); a Write may take up to
    // writeLimit.
    virtual int SetTimeouts(std::chrono::milliseconds writeLimit) = 0;
    // Drops everything queued in both directions.
    virtual int Purge() = 0;
    // Asks the driver to hand over received bytes without its usual hold-back; a driver that
    // refuses is left as it is. 0 when it took the request, else the error number (the
    // system's "not supported" where there is no such mode).
    virtual int RequestLowLatency() = 0;

    // Waits up to 'wait' for a first byte, then returns what has arrived (up to capacity).
    virtual SReadResult Read(uint8_t* buffer, size_t capacity, std::chrono::milliseconds wait) = 0;
    // Makes a Read or Drain in progress (or the next one) return at once.
    virtual void Wake() = 0;
    // Waits until Wake is called; for a reader that can no longer read.
    virtual void WaitForWake() = 0;
    // 0 when all the bytes were handed to the driver within the write limit, else the error
    // number (the system's time-out error when the limit passed: ETIMEDOUT, ERROR_TIMEOUT).
    virtual int Write(const uint8_t* bytes, size_t count) = 0;

    // Waits until what was written has left the output queue, at most as long as the line
    // needs for what is queued now (plus a little for the driver). Emptied when the queue
    // emptied; not when the time passed, the device has gone, or *pStop was found set (it is
    // tested at the start and after each Wake, so set it before calling Wake).
    SDrainResult Drain(const std::atomic<bool>* pStop);
    // Drain's waiting: true when the queue emptied; queued is what it held when last looked at
    // (-1 when the driver could not tell).
    virtual bool DrainQueue(const std::atomic<bool>* pStop, int& queued) = 0;
    // Drops DTR and releases the device. With bDiscardOutput whatever is still queued for
    // output is thrown away first, so that the release does not wait for it; without, nothing
    // queued is touched (on a pseudo-terminal that would also throw away what the far end has
    // not read yet). Harmless when it is not open.
    virtual void Close(bool bDiscardOutput) = 0;
    virtual bool IsOpen() const = 0;
};

// The speed a port is taken to run at until it is told another (and when it reports none).
inline constexpr uint32_t kDefaultBaudRate = 9600;
// How a line runs: its speed, parity and stop bits (eight data bits always).
struct SLineSettings {
    uint32_t nBaudRate = kDefaultBaudRate;
    EParity parity = EParity::kNone;
    EStopBits stopBits = EStopBits::kOne;
};
// How long one write, and the first byte of a read, may take by default.
inline constexpr std::chrono::milliseconds kDefaultWriteLimit{1000};

// The implementation for this operating system.
std::unique_ptr<ISerialDevice> MakeSerialDevice();

// How long the line takes for one byte: a start bit, eight data bits, the parity bit if any and
// the stop bits. A speed of 0 (a port that reported none) counts as kDefaultBaudRate.
std::chrono::nanoseconds ByteTime(uint32_t baudRate, EParity parity, EStopBits stopBits);
// How long a Drain may wait: what the line needs for the bytes queued, rounded up, and a little
// more for what the driver and a USB adapter may hold beyond the queue they report.
std::chrono::milliseconds DrainLimit(size_t queuedBytes, std::chrono::nanoseconds byteTime);
// A Drain looks at the queue again at least this often.
inline constexpr std::chrono::milliseconds kDrainStep{10};

// What an error number of Open means to the user, on this system's numbers.
enum class EOpenFailure {
    kNotFound,      // no such port
    kInUse,         // another program holds it
    kNoPermission,  // this user may not open it
    kOther,
};
EOpenFailure ClassifyOpenError(int nError);

}  // namespace platform
