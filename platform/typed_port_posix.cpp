// A typed port on POSIX systems: an existing character device that is a terminal. The device is
// opened only to ask that (without becoming the controlling terminal, without waiting for a
// modem's carrier) and closed at once.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/error_text.h"
#include "platform/typed_port.h"
#include "res/strings_platform.h"

namespace platform {

std::string WhyNoSerialPort(const std::string& path) {
    struct stat status {};
    if (path.empty() || stat(path.c_str(), &status) != 0) {
        return ErrorText(path.empty() ? ENOENT : errno);
    }
    if (!S_ISCHR(status.st_mode)) {
        return res::Tr(res::kTypedPortNotDevice);
    }
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // Busy or not this user's: opening it will say so in its own words.
        return errno == EACCES || errno == EBUSY || errno == EPERM ? std::string()
                                                                   : ErrorText(errno);
    }
    const bool bTerminal = isatty(fd) == 1;
    close(fd);
    return bTerminal ? std::string() : res::Tr(res::kTypedPortNotTerminal);
}

}  // namespace platform
