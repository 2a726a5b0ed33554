// The system's own words for an error number.
//
// Threads: any.
#pragma once

#include <string>

namespace platform {

// Refusals of the platform layer's own, for which the system has no error number; they are
// negative, so that no system's number is ever taken for one.
inline constexpr int kErrorNotRegularFile = -1;  // a pipe, a device or a socket, not a file

// The system's own description of an error number that a platform call reported (errno on POSIX
// systems, GetLastError's code on Windows), such as "No such file or directory", or the words
// for a refusal of the layer's own; empty for 0.
std::string ErrorText(int nError);
// The system's words alone, one implementation a system.
std::string SystemErrorText(int nError);

}  // namespace platform
