// The far end of a real pseudo-terminal for tests that play the device themselves: the port
// under test opens Path(), the test reads and writes the master side.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

class CPtyPeer {
public:
    CPtyPeer() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128];
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
            ::ptsname_r(m_master, name, sizeof name) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        m_strPath = name;
        // Held open so that the line stays up between the port's opens, and raw so that it
        // does not echo before the port has configured it.
        m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios t{};
        ::tcgetattr(m_slave, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_slave, TCSANOW, &t);
    }
    ~CPtyPeer() {
        ::close(m_slave);
        if (m_master >= 0) {
            ::close(m_master);
        }
    }
    CPtyPeer(const CPtyPeer&) = delete;
    CPtyPeer& operator=(const CPtyPeer&) = delete;

    const std::string& Path() const { return m_strPath; }
    // Closes the far end, as when an adapter is pulled: the port's end of the line hangs up.
    void HangUp() {
        ::close(m_master);
        m_master = -1;
    }
    int SlaveFd() const { return m_slave; }

    void Write(const std::vector<uint8_t>& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
            if (n <= 0) {
                throw std::runtime_error("pty write failed");
            }
            done += static_cast<size_t>(n);
        }
    }

    // Reads until n bytes came or nothing more arrives within the time-out.
    std::vector<uint8_t> Read(size_t n, std::chrono::milliseconds timeout) {
        std::vector<uint8_t> out;
        while (out.size() < n) {
            pollfd fd{m_master, POLLIN, 0};
            if (::poll(&fd, 1, static_cast<int>(timeout.count())) <= 0) {
                break;
            }
            uint8_t buffer[256];
            ssize_t got = ::read(m_master, buffer, std::min(sizeof buffer, n - out.size()));
            if (got <= 0) {
                break;
            }
            out.insert(out.end(), buffer, buffer + got);
        }
        return out;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_strPath;
};

}  // namespace testing_support
