// A typed port on Windows: a device path \\.\name (COMn has become \\.\COMn before it comes
// here). Whether the device is there is for opening it to say, in the system's words.
#include "platform/typed_port.h"
#include "res/strings_platform.h"

namespace platform {

namespace {
constexpr char kDevicePrefix[] = "\\\\.\\";
constexpr size_t kPrefixLength = sizeof kDevicePrefix - 1;
}  // namespace

std::string WhyNoSerialPort(const std::string& path) {
    if (path.size() <= kPrefixLength || path.compare(0, kPrefixLength, kDevicePrefix) != 0 ||
        path.find_first_of("\\/:", kPrefixLength) != std::string::npos) {
        return res::Tr(res::kTypedPortNotWindowsName);
    }
    return {};
}

}  // namespace platform
