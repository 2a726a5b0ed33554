#include <unistd.h>

#include <cerrno>

#include "platform/file_io.h"

namespace platform::file_io {

bool WriteAll(int fd, const uint8_t* bytes, size_t count, int& nError) {
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd, bytes + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            nError = errno;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

long ReadSome(int fd, uint8_t* bytes, size_t count, int& nError) {
    for (;;) {
        ssize_t n = ::read(fd, bytes, count);
        if (n >= 0) {
            return static_cast<long>(n);
        }
        if (errno != EINTR) {
            nError = errno;
            return -1;
        }
    }
}

bool MoveBy(int fd, long long offset, int& nError) {
    if (::lseek(fd, static_cast<off_t>(offset), SEEK_CUR) < 0) {
        nError = errno;
        return false;
    }
    return true;
}

bool MoveTo(int fd, long long offset, int& nError) {
    if (::lseek(fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
        nError = errno;
        return false;
    }
    return true;
}

bool TruncateHere(int fd, int& nError) {
    const off_t here = ::lseek(fd, 0, SEEK_CUR);
    if (here < 0 || ::ftruncate(fd, here) != 0) {
        nError = errno;
        return false;
    }
    return true;
}

bool Sync(int fd, int& nError) {
    if (::fsync(fd) != 0) {
        nError = errno;
        return false;
    }
    return true;
}

bool Close(int fd, int& nError) {
    if (::close(fd) != 0) {
        nError = errno;
        return false;
    }
    return true;
}

int NotOpenError() {
    return EBADF;
}

}  // namespace platform::file_io
