// Texts of the layer in place of the operating system.
#pragma once

#include "res/translate.h"

namespace res {

// A system error that the system has no words for.
inline constexpr const char kUnknownSystemError[] = ZELKOR_TEXT("Unknown error %d");
// A name that is a pipe, a device or a socket where only a file will do (the window program
// never waits on one).
inline constexpr const char kNotRegularFile[] =
    ZELKOR_TEXT("Not a regular file (a pipe, a device or a socket)");

}  // namespace res
