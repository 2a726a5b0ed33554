#include <windows.h>

#include <cstdio>

#include "platform/error_text.h"
#include "platform/win32_text.h"
#include "res/strings_platform.h"

namespace platform {

std::string SystemErrorText(int nError) {
    if (nError == 0) {
        return {};
    }
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(nError), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string out = length > 0 ? win32::Narrow(text, length) : std::string();
    ::LocalFree(text);
    // The system's texts end in a full stop and a line break; the other systems' have neither.
    while (!out.empty() &&
           (out.back() == '\n' || out.back() == '\r' || out.back() == ' ' || out.back() == '.')) {
        out.pop_back();
    }
    if (out.empty()) {
        char fallback[64];
        std::snprintf(fallback, sizeof fallback, res::Tr(res::kUnknownSystemError), nError);
        out = fallback;
    }
    return out;
}

}  // namespace platform
