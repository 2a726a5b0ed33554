#include <windows.h>

#include <io.h>

#include "platform/console.h"

namespace platform {

bool IsTerminal(std::FILE* stream) {
    DWORD mode = 0;
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

bool ReachStartingConsole() {
    // Streams already redirected (to a file or a pipe) are left where they go.
    if (::GetStdHandle(STD_OUTPUT_HANDLE) != nullptr &&
        ::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN) {
        return true;
    }
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) {
        return false;
    }
    std::FILE* ignored = nullptr;
    ::freopen_s(&ignored, "CONOUT$", "w", stdout);
    ::freopen_s(&ignored, "CONOUT$", "w", stderr);
    return true;
}

}  // namespace platform
