// The string table's patterns ("Comm Port Error: %u") filled in, into a string of the length
// they need.
//
// Threads: any.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

template <typename... Args>
std::string FormatText(const char* pattern, Args... args) {
    const int length = std::snprintf(nullptr, 0, pattern, args...);
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, args...);
    return text;
}

}  // namespace platform
