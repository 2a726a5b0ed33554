// The path the serial layer opens for a port that a user names.
#pragma once

#include <string>

namespace ports {

// "COM5" (any case, a trailing colon allowed) becomes the Win32 device path "\\.\COM5", the form
// that also reaches COM10 and above; anything else (\\.\COM5, /dev/ttyUSB0) is a path already
// and stays as it is. The same on every system, so that a script means the same everywhere.
std::string PortPathFromName(const std::string& name);

// The Win32 device path of a port name: "\\.\" (two backslashes, a point, a backslash) and the
// name, as in \\.\COM3.
std::string Win32DevicePath(const std::string& portName);

// A port the user typed rather than picked: the path the serial layer opens (spaces around it
// dropped, COMn made \\.\COMn), and why it is no serial port of this system (empty when it is).
struct STypedPort {
    std::string strPath;
    std::string strWhyNot;
};
STypedPort ReadTypedPort(const std::string& text);

}  // namespace ports
