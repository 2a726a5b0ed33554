// Texts of the layer in place of the operating system.
#pragma once

namespace res {

// The program's name, which message boxes carry as their caption.
inline constexpr const char kAppTitle[] = "ZelkorConfig";

// A system error that the system has no words for.
inline constexpr const char kUnknownSystemError[] = "Unknown error %d";
// A name that is a pipe, a device or a socket where only a file will do (the window program
// never waits on one).
inline constexpr const char kNotRegularFile[] = "Not a regular file (a pipe, a device or a socket)";

}  // namespace res
