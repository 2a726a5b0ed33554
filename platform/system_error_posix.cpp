#include <cstring>

#include "platform/system_error.h"

namespace platform {

namespace {

// strerror_r comes in two kinds; each hands back the text its own way.
[[maybe_unused]] const char* TextOf(int result, const char* buffer) {
    return result == 0 ? buffer : "";
}
[[maybe_unused]] const char* TextOf(const char* result, const char*) {
    return result;
}

}  // namespace

std::string SystemErrorText(int nError) {
    char buffer[256] = {};
    // strerror itself may share its buffer between threads.
    return TextOf(::strerror_r(nError, buffer, sizeof buffer), buffer);
}

}  // namespace platform
