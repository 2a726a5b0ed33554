#include "ports/port_name.h"

#include "platform/typed_port.h"

namespace ports {

namespace {
constexpr const char kWin32DevicePrefix[] = "\\\\.\\";
constexpr const char kComPrefix[] = "COM";

bool IsComName(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    for (size_t i = 0; i < 3; ++i) {
        if ((name[i] & ~0x20) != kComPrefix[i]) {
            return false;
        }
    }
    if (name[3] == '0') {
        return false;  // COM0 and COM05 name no port
    }
    for (size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return false;
        }
    }
    return true;
}
}  // namespace

std::string PortPathFromName(const std::string& name) {
    std::string bare = name;
    if (!bare.empty() && bare.back() == ':') {
        bare.pop_back();
    }
    if (!IsComName(bare)) {
        return name;
    }
    return Win32DevicePath(kComPrefix + bare.substr(3));
}

std::string Win32DevicePath(const std::string& portName) {
    return kWin32DevicePrefix + portName;
}

STypedPort ReadTypedPort(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    const std::string name = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    STypedPort port{PortPathFromName(name), {}};
    port.strWhyNot = platform::WhyNoSerialPort(port.strPath);
    return port;
}

}  // namespace ports
