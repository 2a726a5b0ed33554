// The serial device on POSIX systems: termios, poll and a pipe to wake the reader.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#if defined(__linux__)
#include <linux/serial.h>
#endif

#include <algorithm>
#include <cerrno>

#include "platform/serial_device.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

bool SpeedFor(uint32_t baudRate, speed_t& speed) {
    switch (baudRate) {
        case 9600:
            speed = B9600;
            return true;
        case 19200:
            speed = B19200;
            return true;
        case 38400:
            speed = B38400;
            return true;
        case 57600:
            speed = B57600;
            return true;
        case 115200:
            speed = B115200;
            return true;
        case 230400:
            speed = B230400;
            return true;
        default:
            return false;
    }
}

int MillisLeft(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

class CPosixSerialDevice : public ISerialDevice {
public:
    ~CPosixSerialDevice() override { Close(true); }

    int Open(const std::string& path) override;
    int GetState() override { return ::tcgetattr(m_fd, &m_termios) == 0 ? 0 : errno; }
    int SetLineSettings(uint32_t baudRate, EParity parity, EStopBits stopBits) override;
    int SetTimeouts(std::chrono::milliseconds writeLimit) override;
    int Purge() override { return ::tcflush(m_fd, TCIOFLUSH) == 0 ? 0 : errno; }
    int RequestLowLatency() override;
    SReadResult Read(uint8_t* buffer, size_t capacity, std::chrono::milliseconds wait) override;
    void Wake() override;
    void WaitForWake() override;
    int Write(const uint8_t* bytes, size_t count) override;
    bool DrainQueue(const std::atomic<bool>* pStop, int& queued) override;
    void Close(bool bDiscardOutput) override;
    bool IsOpen() const override { return m_fd >= 0; }

private:
    void DrainWakePipe();
    // The bytes waiting in the driver's output queue, or -1 when it cannot tell.
    int OutputQueued() const;

    int m_fd = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    termios m_termios{};
    std::chrono::milliseconds m_writeLimit = kDefaultWriteLimit;
    // How long one character takes on the line.
    std::chrono::nanoseconds m_byteTime =
        ByteTime(kDefaultBaudRate, EParity::kNone, EStopBits::kOne);
};

}  // namespace

bool IsLineGoneError(int nError) {
    return nError == EIO || nError == ENXIO || nError == ENODEV;
}

namespace {

int CPosixSerialDevice::Open(const std::string& path) {
    Close(true);
    // O_NONBLOCK: neither the open nor any read may wait for carrier or data in the driver.
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    // flock keeps out other programs that lock (and us, twice); TIOCEXCL keeps out every other
    // open by an unprivileged process.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int err = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return err;
    }
    (void)::ioctl(fd, TIOCEXCL);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        int err = errno;
        // The flag stays with the line while anyone else holds it open (a pseudo-terminal's
        // far end does): it goes before the descriptor, or the next open would be refused.
        (void)::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return err;
    }
    m_fd = fd;
    m_wakeRead = pipeFds[0];
    m_wakeWrite = pipeFds[1];
    return 0;
}

int CPosixSerialDevice::SetLineSettings(uint32_t baudRate, EParity parity, EStopBits stopBits) {
    speed_t speed{};
    if (!SpeedFor(baudRate, speed)) {
        return EINVAL;
    }
    termios t = m_termios;
    ::cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    if (parity == EParity::kOdd) {
        t.c_cflag |= PARENB | PARODD;
    } else if (parity == EParity::kEven) {
        t.c_cflag |= PARENB;
    }
    if (stopBits == EStopBits::kTwo) {
        t.c_cflag |= CSTOPB;
    }
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (::cfsetispeed(&t, speed) != 0 || ::cfsetospeed(&t, speed) != 0) {
        return errno;
    }
    if (::tcsetattr(m_fd, TCSANOW, &t) != 0) {
        return errno;
    }
    m_termios = t;
    m_byteTime = ByteTime(baudRate, parity, stopBits);
    return 0;
}

int CPosixSerialDevice::SetTimeouts(std::chrono::milliseconds writeLimit) {
    termios t = m_termios;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::tcsetattr(m_fd, TCSANOW, &t) != 0) {
        return errno;
    }
    m_termios = t;
    m_writeLimit = writeLimit;
    return 0;
}

int CPosixSerialDevice::RequestLowLatency() {
#if defined(__linux__) && defined(TIOCGSERIAL) && defined(ASYNC_LOW_LATENCY)
    serial_struct serial{};
    if (::ioctl(m_fd, TIOCGSERIAL, &serial) != 0) {
        return errno;
    }
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(m_fd, TIOCSSERIAL, &serial) == 0 ? 0 : errno;
#else
    return ENOTSUP;
#endif
}

SReadResult CPosixSerialDevice::Read(uint8_t* buffer, size_t capacity,
                                     std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    for (;;) {
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wakeRead, POLLIN, 0}};
        int ready = ::poll(fds, 2, MillisLeft(deadline));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {EReadStatus::kWaitError, 0, errno};
        }
        if (fds[1].revents != 0) {
            DrainWakePipe();
            return {EReadStatus::kWoken, 0, 0};
        }
        if (ready == 0) {
            return {EReadStatus::kTimeout, 0, 0};
        }
        if ((fds[0].revents & POLLIN) == 0) {
            // Hang-up or error without data: an adapter pulled, the far end of a
            // pseudo-terminal closed.
            if ((fds[0].revents & (POLLHUP | POLLERR)) != 0) {
                return {EReadStatus::kLineGone, 0, EIO};
            }
            return {EReadStatus::kWaitError, 0, EBADF};
        }
        ssize_t n = ::read(m_fd, buffer, capacity);
        if (n > 0) {
            return {EReadStatus::kData, static_cast<size_t>(n), 0};
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        // A read of nothing after poll said "readable" is a hang-up as well.
        if (n == 0 || IsLineGoneError(errno)) {
            return {EReadStatus::kLineGone, 0, n == 0 ? EIO : errno};
        }
        return {EReadStatus::kReadError, 0, errno};
    }
}

void CPosixSerialDevice::Wake() {
    const uint8_t one = 1;
    (void)!::write(m_wakeWrite, &one, 1);
}

void CPosixSerialDevice::WaitForWake() {
    pollfd fd{m_wakeRead, POLLIN, 0};
    while (::poll(&fd, 1, -1) < 0 && errno == EINTR) {
    }
    DrainWakePipe();
}

void CPosixSerialDevice::DrainWakePipe() {
    uint8_t scratch[16];
    while (::read(m_wakeRead, scratch, sizeof scratch) > 0) {
    }
}

int CPosixSerialDevice::Write(const uint8_t* bytes, size_t count) {
    const auto deadline = Clock::now() + m_writeLimit;
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(m_fd, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return errno;
        }
        pollfd fd{m_fd, POLLOUT, 0};
        int left = MillisLeft(deadline);
        if (left == 0 || (::poll(&fd, 1, left) == 0)) {
            return ETIMEDOUT;
        }
    }
    return 0;
}

int CPosixSerialDevice::OutputQueued() const {
    int queued = 0;
    return ::ioctl(m_fd, TIOCOUTQ, &queued) == 0 ? queued : -1;
}

bool CPosixSerialDevice::DrainQueue(const std::atomic<bool>* pStop, int& queued) {
    // tcdrain would wait without limit (for a line stopped by flow control, for ever), and
    // Wake could not end it: the queue is watched instead.
    auto stopped = [pStop] { return pStop != nullptr && pStop->load(); };
    DrainWakePipe();  // wakes meant for the reader
    queued = OutputQueued();
    if (stopped()) {
        return false;
    }
    if (queued <= 0) {
        return queued == 0;
    }
    const auto deadline = Clock::now() + DrainLimit(static_cast<size_t>(queued), m_byteTime);
    for (;;) {
        const int left = MillisLeft(deadline);
        if (left == 0) {
            return false;
        }
        // No events asked for on the device: poll still reports its hang-up and errors.
        pollfd fds[2] = {{m_fd, 0, 0}, {m_wakeRead, POLLIN, 0}};
        const auto step = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::clamp<std::chrono::nanoseconds>(m_byteTime * queued, std::chrono::milliseconds(1),
                                                 kDrainStep));
        if (::poll(fds, 2, std::min(left, static_cast<int>(step.count()))) < 0 && errno != EINTR) {
            return false;
        }
        if (fds[1].revents != 0) {
            DrainWakePipe();
            if (stopped()) {
                return false;
            }
        }
        if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            return false;
        }
        queued = OutputQueued();
        if (queued <= 0) {
            return queued == 0;
        }
    }
}

void CPosixSerialDevice::Close(bool bDiscardOutput) {
    if (m_fd >= 0) {
        // Linux lets a close of a serial port wait up to 30 s for its output (closing_wait);
        // what a drain could not send is not worth that wait.
        if (bDiscardOutput) {
            (void)::tcflush(m_fd, TCOFLUSH);
        }
        int bits = TIOCM_DTR;
        (void)::ioctl(m_fd, TIOCMBIC, &bits);
        (void)::ioctl(m_fd, TIOCNXCL);
        ::close(m_fd);
        m_fd = -1;
    }
    for (int* p : {&m_wakeRead, &m_wakeWrite}) {
        if (*p >= 0) {
            ::close(*p);
            *p = -1;
        }
    }
}

}  // namespace

std::unique_ptr<ISerialDevice> MakeSerialDevice() {
    return std::make_unique<CPosixSerialDevice>();
}

EOpenFailure ClassifyOpenError(int nError) {
    switch (nError) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return EOpenFailure::kNotFound;
        case EBUSY:
            return EOpenFailure::kInUse;
        case EACCES:
            return EOpenFailure::kNoPermission;
        default:
            return EOpenFailure::kOther;
    }
}

}  // namespace platform
