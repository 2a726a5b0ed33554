#include <io.h>
#include <windows.h>

#include <algorithm>

#include "platform/file_io.h"

namespace platform::file_io {

namespace {

// ReadFile and WriteFile count in 32 bits.
constexpr size_t kMaxChunk = 1u << 30;

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

int SystemError() {
    return static_cast<int>(::GetLastError());
}

}  // namespace

bool WriteAll(int fd, const uint8_t* bytes, size_t count, int& nError) {
    size_t done = 0;
    while (done < count) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min(count - done, kMaxChunk));
        if (!::WriteFile(HandleOf(fd), bytes + done, chunk, &written, nullptr)) {
            nError = SystemError();
            return false;
        }
        if (written == 0) {
            nError = ERROR_WRITE_FAULT;
            return false;
        }
        done += written;
    }
    return true;
}

long ReadSome(int fd, uint8_t* bytes, size_t count, int& nError) {
    DWORD got = 0;
    const auto chunk = static_cast<DWORD>(std::min(count, kMaxChunk));
    if (!::ReadFile(HandleOf(fd), bytes, chunk, &got, nullptr)) {
        const int error = SystemError();
        if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) {
            return 0;  // the end, as a pipe whose writer has gone reports it
        }
        nError = error;
        return -1;
    }
    return static_cast<long>(got);
}

bool MoveBy(int fd, long long offset, int& nError) {
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    if (!::SetFilePointerEx(HandleOf(fd), distance, nullptr, FILE_CURRENT)) {
        nError = SystemError();
        return false;
    }
    return true;
}

bool MoveTo(int fd, long long offset, int& nError) {
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    if (!::SetFilePointerEx(HandleOf(fd), distance, nullptr, FILE_BEGIN)) {
        nError = SystemError();
        return false;
    }
    return true;
}

bool TruncateHere(int fd, int& nError) {
    if (!::SetEndOfFile(HandleOf(fd))) {
        nError = SystemError();
        return false;
    }
    return true;
}

bool Sync(int fd, int& nError) {
    if (!::FlushFileBuffers(HandleOf(fd))) {
        nError = SystemError();
        return false;
    }
    return true;
}

bool Close(int fd, int& nError) {
    // Closing the C runtime's descriptor closes the handle under it.
    ::SetLastError(ERROR_SUCCESS);
    if (::_close(fd) != 0) {
        const int error = SystemError();
        nError = error != 0 ? error : ERROR_INVALID_HANDLE;
        return false;
    }
    return true;
}

int NotOpenError() {
    return ERROR_INVALID_HANDLE;
}

}  // namespace platform::file_io
