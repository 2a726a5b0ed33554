// Text at the edge of the Windows API: the program's strings are UTF-8, the system's wide
// functions take UTF-16. Windows only; for the platform's own Win32 files.
#pragma once

#include <string>

namespace platform::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const wchar_t* utf16, size_t length);
inline std::string Narrow(const std::wstring& utf16) {
    return Narrow(utf16.data(), utf16.size());
}

}  // namespace platform::win32
