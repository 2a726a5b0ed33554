// The system's own words for an error number.
//
// Threads: any.
#pragma once

#include <string>

namespace platform {

// The system's own description of an error number that a platform call reported (errno on POSIX
// systems, GetLastError's code on Windows), such as "No such file or directory"; empty for 0.
std::string ErrorText(int nError);

}  // namespace platform
