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
    ~CPosixSerialDevice() override { Close(); }

    int Open(const std::string& path) override;
    int GetState() override { return ::tcgetattr(m_fd, &m_termios) == 0 ? 0 : errno; }
    int SetLineSettings(uint32_t baudRate, uint8_t parity, uint8_t stopBits) override;
    int SetTimeouts(std::chrono::milliseconds writeLimit) override;
    int Purge() override { return ::tcflush(m_fd, TCIOFLUSH) == 0 ? 0 : errno; }
    void RequestLowLatency() override;
    SReadResult Read(uint8_t* buffer, size_t capacity, std::chrono::milliseconds wait) override;
    void WakeReader() override;
    void WaitForWake() override;
    int WriteByte(uint8_t byte) override;
    void Close() override;
    bool IsOpen() const override { return m_fd >= 0; }

private:
    void DrainWakePipe();

    int m_fd = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    termios m_termios{};
    std::chrono::milliseconds m_writeLimit{1000};
};

int CPosixSerialDevice::Open(const std::string& path) {
    Close();
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
        ::close(fd);
        return err;
    }
    m_fd = fd;
    m_wakeRead = pipeFds[0];
    m_wakeWrite = pipeFds[1];
    return 0;
}

int CPosixSerialDevice::SetLineSettings(uint32_t baudRate, uint8_t parity, uint8_t stopBits) {
    speed_t speed{};
    if (!SpeedFor(baudRate, speed)) {
        return EINVAL;
    }
    termios t = m_termios;
    ::cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    if (parity == 1) {
        t.c_cflag |= PARENB | PARODD;
    } else if (parity == 2) {
        t.c_cflag |= PARENB;
    }
    if (stopBits == 2) {
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

void CPosixSerialDevice::RequestLowLatency() {
#if defined(__linux__) && defined(TIOCGSERIAL) && defined(ASYNC_LOW_LATENCY)
    serial_struct serial{};
    if (::ioctl(m_fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        (void)::ioctl(m_fd, TIOCSSERIAL, &serial);
    }
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
        ssize_t n = ::read(m_fd, buffer, capacity);
        if (n > 0) {
            return {EReadStatus::kData, static_cast<size_t>(n), 0};
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        // A read of nothing after poll said "readable" is a hang-up: the device has gone.
        return {EReadStatus::kReadError, 0, n == 0 ? EIO : errno};
    }
}

void CPosixSerialDevice::WakeReader() {
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

int CPosixSerialDevice::WriteByte(uint8_t byte) {
    const auto deadline = Clock::now() + m_writeLimit;
    for (;;) {
        ssize_t n = ::write(m_fd, &byte, 1);
        if (n == 1) {
            return 0;
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
}

void CPosixSerialDevice::Close() {
    if (m_fd >= 0) {
        int bits = TIOCM_DTR;
        (void)::ioctl(m_fd, TIOCMBIC, &bits);
        (void)::tcflush(m_fd, TCIOFLUSH);
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
