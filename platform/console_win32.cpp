#include <windows.h>

#include <io.h>
#include <shellapi.h>

#include <cwchar>

#include "platform/console.h"
#include "platform/win32_text.h"

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

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return {argv, argv + argc};
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(win32::Narrow(wide[i], std::wcslen(wide[i])));
    }
    ::LocalFree(wide);
    return arguments;
}

CUtf8Console::CUtf8Console() {
    const UINT current = ::GetConsoleOutputCP();  // 0 without a console
    if (current != 0 && current != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
        m_nRestoredCodePage = current;
    }
}

CUtf8Console::~CUtf8Console() {
    if (m_nRestoredCodePage != 0) {
        ::SetConsoleOutputCP(m_nRestoredCodePage);
    }
}

}  // namespace platform
