#include <cstring>

#include "platform/error_text.h"

namespace platform {

namespace {
// The two strerror_r of the C libraries: GNU's returns the text, POSIX's fills the buffer.
[[maybe_unused]] const char* TextOf(char* result, const char*) {
    return result;
}
[[maybe_unused]] const char* TextOf(int result, const char* buffer) {
    return result == 0 ? buffer : "";
}
}  // namespace

std::string SystemErrorText(int nError) {
    if (nError == 0) {
        return {};
    }
    char buffer[256] = {};
    return TextOf(::strerror_r(nError, buffer, sizeof buffer), buffer);
}

}  // namespace platform
