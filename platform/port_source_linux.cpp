// The sysfs layout read here: /sys/class/tty/NAME links to the tty's folder under /sys/devices;
// its "device" link leads to the hardware (a usb-serial port, a USB interface, a pnp or platform
// device, or on newer kernels a serial-base port below the controller's device); serial-core
// ports carry a "type" attribute that is 0 when no UART answered at that address; rfcomm ttys
// carry "address" and "channel" instead of a device.
#include "platform/port_source_linux.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/port_source.h"
#include "platform/text_format.h"
#include "res/strings_ports.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr uint32_t kVersionMajor = 10;
constexpr uint32_t kErrorInvalidParameter = 0x57;

std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
        line.pop_back();
    }
    return line;
}

bool HasFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

fs::path ResolveLink(const fs::path& link) {
    std::error_code ec;
    fs::path target = fs::canonical(link, ec);
    return ec ? fs::path() : target;
}

std::string LinkName(const fs::path& link) {
    return ResolveLink(link).filename().string();
}

std::string SubsystemOf(const fs::path& dir) {
    return LinkName(dir / "subsystem");
}

std::string DriverOf(const fs::path& dir) {
    return LinkName(dir / "driver");
}

// Serial-core ports the kernel keeps for addresses where no UART answered.
bool IsPhantomPort(const fs::path& ttyDir) {
    return HasFile(ttyDir / "type") && ReadAttribute(ttyDir / "type") == "0";
}

bool IsRfcomm(const fs::path& ttyDir) {
    return HasFile(ttyDir / "address") && HasFile(ttyDir / "channel");
}

std::string DeviceNodeName(const fs::path& ttyDir, const std::string& name) {
    std::ifstream in(ttyDir / "uevent");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("DEVNAME=", 0) == 0 && line.size() > 8) {
            return line.substr(8);
        }
    }
    return name;
}

// The USB interface a tty hangs off: usb-serial ports sit below it, cdc-acm ttys are it.
fs::path UsbInterfaceOf(const fs::path& device) {
    std::string subsystem = SubsystemOf(device);
    fs::path usbInterface;
    if (subsystem == "usb-serial") {
        usbInterface = device.parent_path();
    } else if (subsystem == "usb") {
        usbInterface = device;
    }
    if (usbInterface.empty() || SubsystemOf(usbInterface) != "usb" ||
        !HasFile(usbInterface.parent_path() / "idVendor")) {
        return {};
    }
    return usbInterface;
}

std::string FirstNonEmpty(std::initializer_list<std::string> texts) {
    for (const std::string& text : texts) {
        if (!text.empty()) {
            return text;
        }
    }
    return res::Tr(res::kPortGenericName);
}

void DescribeUsbPort(const fs::path& device, const fs::path& usbInterface, SSysfsPort& port) {
    fs::path usbDevice = usbInterface.parent_path();
    port.strDescription =
        FirstNonEmpty({ReadAttribute(usbDevice / "product"),
                       ReadAttribute(usbInterface / "interface"), DriverOf(device)});
    port.strLocation = std::string(kUsbLocationPrefix) + ' ' + usbInterface.filename().string();
    port.usb = {ReadAttribute(usbDevice / "idVendor"), ReadAttribute(usbDevice / "idProduct"),
                ReadAttribute(usbDevice / "manufacturer"), ReadAttribute(usbDevice / "serial")};
}

void DescribeRfcommPort(const fs::path& ttyDir, SSysfsPort& port) {
    port.strDescription = res::Tr(res::kPortBluetoothName);
    port.strLocation =
        FormatText(res::Tr(res::kPortBluetoothLocation), ReadAttribute(ttyDir / "address").c_str(),
                   ReadAttribute(ttyDir / "channel").c_str());
}

// Newer kernels put a serial-base controller and port between the tty and the hardware; the
// hardware's own device names the port better.
void DescribeOtherPort(const fs::path& device, SSysfsPort& port) {
    fs::path hardware = device;
    while (SubsystemOf(hardware) == "serial-base" && hardware.has_relative_path()) {
        hardware = hardware.parent_path();
    }
    port.strDescription = FirstNonEmpty({DriverOf(hardware)});
    std::string subsystem = SubsystemOf(hardware);
    port.strLocation = subsystem.empty() ? hardware.filename().string()
                                         : subsystem + " " + hardware.filename().string();
}

bool DescribeTty(const fs::path& ttyDir, const std::string& name, SSysfsPort& port) {
    port.strName = name;
    port.strDevicePath = "/dev/" + DeviceNodeName(ttyDir, name);
    if (IsRfcomm(ttyDir)) {
        DescribeRfcommPort(ttyDir, port);
    } else {
        fs::path device = ResolveLink(ttyDir / "device");
        if (device.empty() || IsPhantomPort(ttyDir)) {
            return false;
        }
        fs::path usbInterface = UsbInterfaceOf(device);
        if (!usbInterface.empty()) {
            DescribeUsbPort(device, usbInterface, port);
        } else {
            DescribeOtherPort(device, port);
        }
    }
    port.strFriendlyName = port.strDescription + " (" + name + ")";
    return true;
}

// Name order with digit runs compared by value.
bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        bool bDigitA = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
        bool bDigitB = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
        if (bDigitA && bDigitB) {
            size_t endA = a.find_first_not_of("0123456789", i);
            size_t endB = b.find_first_not_of("0123456789", j);
            endA = endA == std::string::npos ? a.size() : endA;
            endB = endB == std::string::npos ? b.size() : endB;
            std::string runA = a.substr(i, endA - i);
            std::string runB = b.substr(j, endB - j);
            runA.erase(0, std::min(runA.find_first_not_of('0'), runA.size()));
            runB.erase(0, std::min(runB.find_first_not_of('0'), runB.size()));
            if (runA.size() != runB.size()) {
                return runA.size() < runB.size();
            }
            if (runA != runB) {
                return runA < runB;
            }
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j]) {
                return a[i] < b[j];
            }
            ++i;
            ++j;
        }
    }
    if (a.size() - i != b.size() - j) {
        return a.size() - i < b.size() - j;
    }
    return a < b;
}

}  // namespace

bool ReadSysfsPorts(const std::string& root, std::vector<SSysfsPort>& ports, int& error) {
    ports.clear();
    fs::path classDir = fs::path(root) / "class" / "tty";
    std::error_code ec;
    fs::directory_iterator it(classDir, ec);
    if (ec) {
        error = ec.value();
        return false;
    }
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    for (const std::string& name : names) {
        SSysfsPort port;
        if (DescribeTty(classDir / name, name, port)) {
            ports.push_back(std::move(port));
        }
    }
    return true;
}

CPortSourceLinux::CPortSourceLinux(std::string sysfsRoot, std::string devRoot)
    : m_strRoot(std::move(sysfsRoot)), m_strDevRoot(std::move(devRoot)) {}

bool CPortSourceLinux::Fail(uint32_t code) {
    m_nLastError = code;
    return false;
}

const SSysfsPort* CPortSourceLinux::Find(platform::HDevInfo set, std::uintptr_t index) {
    auto it = m_sets.find(set);
    if (it == m_sets.end()) {
        Fail(platform::kErrorInvalidHandle);
        return nullptr;
    }
    if (index >= it->second.size()) {
        Fail(kErrorInvalidParameter);
        return nullptr;
    }
    return &it->second[index];
}

bool CPortSourceLinux::GetVersion(platform::SOsVersion& version) {
    // Any version of 5 or more selects the device-interface classes.
    version.nMajorVersion = kVersionMajor;
    version.nPlatformId = platform::kPlatformWin32Nt;
    return true;
}

platform::HDevInfo CPortSourceLinux::GetClassDevs(const platform::SGuid& interfaceClass) {
    std::vector<SSysfsPort> found;
    if (interfaceClass == platform::kGuidDevInterfaceComPort) {
        int error = 0;
        if (!ReadSysfsPorts(m_strRoot, found, error)) {
            Fail(static_cast<uint32_t>(error));
            return platform::kInvalidDevInfo;
        }
        m_usbByPath.clear();
        for (const SSysfsPort& port : found) {
            m_usbByPath[port.strDevicePath] = port.usb;
        }
    }
    platform::HDevInfo set = m_hNextSet++;
    m_sets.emplace(set, std::move(found));
    return set;
}

bool CPortSourceLinux::EnumDeviceInterfaces(platform::HDevInfo set, const platform::SGuid&,
                                            uint32_t index, platform::SDeviceInterface& iface) {
    auto it = m_sets.find(set);
    if (it == m_sets.end()) {
        return Fail(platform::kErrorInvalidHandle);
    }
    if (index >= it->second.size()) {
        return Fail(platform::kErrorNoMoreItems);
    }
    iface.nId = index;
    return true;
}

bool CPortSourceLinux::GetDeviceInterfaceDetail(platform::HDevInfo set,
                                                const platform::SDeviceInterface& iface,
                                                std::string& devicePath,
                                                platform::SDevInfoData& device) {
    const SSysfsPort* port = Find(set, iface.nId);
    if (port == nullptr) {
        return false;
    }
    devicePath = port->strDevicePath;
    device.nDevice = iface.nId;
    return true;
}

bool CPortSourceLinux::GetDeviceRegistryProperty(platform::HDevInfo set,
                                                 const platform::SDevInfoData& device,
                                                 platform::EDeviceProperty property,
                                                 std::string& value) {
    const SSysfsPort* port = Find(set, device.nDevice);
    if (port == nullptr) {
        return false;
    }
    switch (property) {
        case platform::EDeviceProperty::kFriendlyName:
            value = port->strFriendlyName;
            break;
        case platform::EDeviceProperty::kDeviceDesc:
            value = port->strDescription;
            break;
        case platform::EDeviceProperty::kLocationInformation:
            value = port->strLocation;
            break;
        case platform::EDeviceProperty::kManufacturer:
            value = port->usb.strManufacturer;
            break;
    }
    return !value.empty() || Fail(platform::kErrorInvalidData);
}

void CPortSourceLinux::DestroyDeviceInfoList(platform::HDevInfo set) {
    m_sets.erase(set);
}

std::string CPortSourceLinux::GetStableName(const std::string& devicePath) {
    return FindSerialByIdName(m_strDevRoot, devicePath);
}

platform::SUsbIdentity CPortSourceLinux::GetUsbIdentity(const std::string& devicePath) {
    const auto it = m_usbByPath.find(devicePath);
    return it != m_usbByPath.end() ? it->second : platform::SUsbIdentity{};
}

bool CPortSourceLinux::OpenKey(platform::HKey, const std::string&, platform::HKey&) {
    return Fail(platform::kErrorFileNotFound);
}

bool CPortSourceLinux::EnumKey(platform::HKey, uint32_t, std::string&) {
    return Fail(platform::kErrorFileNotFound);
}

bool CPortSourceLinux::QueryValue(platform::HKey, const std::string&, std::string&) {
    return Fail(platform::kErrorFileNotFound);
}

void CPortSourceLinux::CloseKey(platform::HKey) {}

std::string FindSerialByIdName(const std::string& devRoot, const std::string& devicePath) {
    fs::path relative = fs::path(devicePath).lexically_relative("/dev");
    if (relative.empty() || *relative.begin() == "..") {
        return {};
    }
    fs::path node = (fs::path(devRoot) / relative).lexically_normal();
    fs::path byId = fs::path(devRoot) / "serial" / "by-id";
    std::error_code ec;
    std::vector<fs::path> links;
    for (fs::directory_iterator it(byId, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        links.push_back(it->path());
    }
    std::sort(links.begin(), links.end());
    for (const fs::path& link : links) {
        fs::path target = fs::read_symlink(link, ec);
        if (ec) {
            continue;
        }
        fs::path resolved = target.is_absolute() ? target : (byId / target).lexically_normal();
        if (resolved == node || target == fs::path(devicePath)) {
            return link.string();
        }
    }
    return {};
}

platform::IPortSystem& SystemPortSource() {
    static CPortSourceLinux source;
    return source;
}

}  // namespace platform
