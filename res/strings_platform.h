// Texts of the layer in place of the operating system.
#pragma once

#include "res/translate.h"

namespace res {

// The program's name, which message boxes carry as their caption.
inline constexpr const char kAppTitle[] = "ZelkorConfig";

// A system error that the system has no words for.
inline constexpr const char kUnknownSystemError[] = ZELKOR_TEXT("Unknown error %d");
// A name that is a pipe, a device or a socket where only a file will do (the window program
// never waits on one).
inline constexpr const char kNotRegularFile[] =
    ZELKOR_TEXT("Not a regular file (a pipe, a device or a socket)");

// Why a port name the user typed is no serial port of this system.
inline constexpr const char kTypedPortNotDevice[] = ZELKOR_TEXT("It is not a device.");
inline constexpr const char kTypedPortNotTerminal[] =
    ZELKOR_TEXT("It is a device, but not a serial line.");
inline constexpr const char kTypedPortNotWindowsName[] =
    ZELKOR_TEXT("A port is named COM and its number (COM12), or \\\\.\\ and its device name.");

}  // namespace res
