// Whether a port name the user typed (rather than picked from the list) reaches a serial port of
// this system. Linux takes a path to a character device that is a terminal (/dev/ttyUSB0,
// /dev/pts/3); Windows takes a device path \\.\name, which the port's name COMn becomes.
//
// Threads: any.
#pragma once

#include <string>

namespace platform {

// Empty when the path names a serial port here; otherwise why it does not, in the user's words.
std::string WhyNoSerialPort(const std::string& path);

}  // namespace platform
