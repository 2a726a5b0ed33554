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
    // Streams that cannot reach the console would lose the text: the caller then shows it in a
    // window.
    std::FILE* reopened = nullptr;
    return ::freopen_s(&reopened, "CONOUT$", "w", stdout) == 0 &&
           ::freopen_s(&reopened, "CONOUT$", "w", stderr) == 0;
}

}  // namespace platform
