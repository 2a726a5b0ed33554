#include "ports/enumerate_ports.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/port_source.h"
#include "platform/text_format.h"
#include "ports/port_name.h"
#include "res/strings_ports.h"

namespace ports {

using platform::EDeviceProperty;
using platform::HDevInfo;
using platform::HKey;
using platform::IPortSystem;
using platform::SDeviceInterface;
using platform::SDevInfoData;
using platform::SGuid;
using platform::SOsVersion;

namespace {

constexpr const char kEnumKeyName[] = "Enum";
constexpr const char kUsbPortsEnumerator[] = "USBPORTS";
constexpr const char kStandardPortId[] = "*PNP0500";
constexpr const char kEnhancedPortId[] = "*PNP0501";
constexpr const char kPortNameValue[] = "PORTNAME";
constexpr const char kFriendlyNameValue[] = "FRIENDLYNAME";
constexpr const char kSerialCommKey[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr int kFixedPortCount = 50;

[[noreturn]] void RaiseWithCode(const char* format, uint32_t code) {
    throw MPortEnumError(platform::FormatText(format, static_cast<unsigned long>(code)));
}

[[noreturn]] void Raise(const std::string& text) {
    throw MPortEnumError(text);
}

// What a fixed-size string buffer would have held: the text up to its terminator, or nothing when
// it does not fit with one.
bool FitsBuffer(std::string& text, size_t bufferSize) {
    text.resize(std::strlen(text.c_str()));
    return text.size() < bufferSize;
}

class CDevInfoSet {
public:
    CDevInfoSet(IPortSystem& system, HDevInfo set) : m_system(system), m_hSet(set) {}
    ~CDevInfoSet() { m_system.DestroyDeviceInfoList(m_hSet); }
    CDevInfoSet(const CDevInfoSet&) = delete;
    CDevInfoSet& operator=(const CDevInfoSet&) = delete;
    HDevInfo Get() const { return m_hSet; }

private:
    IPortSystem& m_system;
    HDevInfo m_hSet;
};

class CRegKey {
public:
    explicit CRegKey(IPortSystem& system) : m_system(system) {}
    ~CRegKey() {
        if (m_bOpen) {
            m_system.CloseKey(m_hKey);
        }
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    bool Open(HKey parent, const std::string& name) {
        m_bOpen = m_system.OpenKey(parent, name, m_hKey);
        return m_bOpen;
    }
    HKey Get() const { return m_hKey; }

    bool SubKeyName(uint32_t index, std::string& name) const {
        return m_system.EnumKey(m_hKey, index, name) && FitsBuffer(name, kRegistryBufferSize);
    }
    bool StringValue(const char* valueName, std::string& data) const {
        return m_system.QueryValue(m_hKey, valueName, data) &&
               FitsBuffer(data, kRegistryBufferSize);
    }

private:
    IPortSystem& m_system;
    HKey m_hKey = 0;
    bool m_bOpen = false;
};

bool ReadProperty(IPortSystem& system, HDevInfo set, const SDevInfoData& device,
                  EDeviceProperty property, std::string& value) {
    return system.GetDeviceRegistryProperty(set, device, property, value) &&
           FitsBuffer(value, kPropertyBufferSize);
}

// What Windows knows of a device beyond its names: the COM name the ports class gave it, and for
// a USB adapter the identity in its own instance id or its parent's, and its manufacturer.
void AddDeviceFacts(IPortSystem& system, HDevInfo set, const SDevInfoData& device,
                    CPortInfo& entry) {
    std::string portName;
    if (system.GetDevicePortName(set, device, portName)) {
        entry.m_strPortName = portName;
    }
    std::string id;
    std::optional<platform::SUsbIdentity> usb;
    if (system.GetDeviceInstanceId(set, device, id)) {
        usb = UsbIdentityOfInstanceId(id);
    }
    if (!usb && system.GetParentInstanceId(set, device, id)) {
        usb = UsbIdentityOfInstanceId(id);
    }
    if (!usb) {
        return;
    }
    std::string manufacturer;
    if (ReadProperty(system, set, device, EDeviceProperty::kManufacturer, manufacturer)) {
        usb->strManufacturer = manufacturer;
    }
    entry.m_usb = *usb;
    entry.m_bUsb = true;
}

void EnumInterfaceClass(IPortSystem& system, const SGuid& interfaceClass, CPortInfoArray& list) {
    HDevInfo handle = system.GetClassDevs(interfaceClass);
    if (handle == platform::kInvalidDevInfo) {
        RaiseWithCode(res::kPortErrClassDevs, system.GetLastError());
    }
    CDevInfoSet set(system, handle);
    for (uint32_t index = 0;; ++index) {
        SDeviceInterface iface;
        if (!system.EnumDeviceInterfaces(set.Get(), interfaceClass, index, iface)) {
            uint32_t code = system.GetLastError();
            if (code == platform::kErrorNoMoreItems) {
                return;
            }
            RaiseWithCode(res::kPortErrEnumInterfaces, code);
        }
        std::string devicePath;
        SDevInfoData device;
        if (!system.GetDeviceInterfaceDetail(set.Get(), iface, devicePath, device)) {
            RaiseWithCode(res::kPortErrInterfaceDetail, system.GetLastError());
        }
        // The old program read the path into a fixed buffer; a path that does not fit still
        // ends the walk as it did there, but without writing past the buffer.
        if (devicePath.size() > kMaxDevicePath) {
            RaiseWithCode(res::kPortErrInterfaceDetail, platform::kErrorInsufficientBuffer);
        }

        std::string friendlyName;
        std::string description;
        bool bNamed =
            ReadProperty(system, set.Get(), device, EDeviceProperty::kFriendlyName, friendlyName) &&
            ReadProperty(system, set.Get(), device, EDeviceProperty::kDeviceDesc, description);
        std::string location;
        bool bUsb = ReadProperty(system, set.Get(), device, EDeviceProperty::kLocationInformation,
                                 location) &&
                    location.rfind(platform::kUsbLocationPrefix, 0) == 0;
        if (bNamed) {
            CPortInfo entry{devicePath, "", friendlyName, bUsb, description, ""};
            AddDeviceFacts(system, set.Get(), device, entry);
            list.Add(entry);
        }
    }
}

bool IsSerialDeviceKey(const std::string& name) {
    return name == kStandardPortId || name == kEnhancedPortId;
}

// Each port name stays at the place it was first found, with the data read last.
void AddOrReplaceByPortName(CPortInfoArray& list, const CPortInfo& entry) {
    for (int i = 0; i < list.GetSize(); ++i) {
        if (list[i].m_strPortName == entry.m_strPortName) {
            list[i] = entry;
            return;
        }
    }
    list.Add(entry);
}

bool HasPortName(const CPortInfoArray& list, const std::string& portName) {
    for (const CPortInfo& entry : list) {
        if (entry.m_strPortName == portName) {
            return true;
        }
    }
    return false;
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    for (size_t i = 0; prefix[i] != '\0'; ++i) {
        if (i >= text.size() || std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Four hex digits in lower case, or "" for anything else.
std::string HexId(const std::string& digits) {
    std::string id;
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return {};
        }
        id += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return id.size() == 4 ? id : std::string();
}

void ShortenDescription(std::string& description) {
    size_t open = description.find(" (");
    size_t close = description.find(')');
    if (open != std::string::npos && open > 0 && close == description.size() - 1) {
        description.resize(open);
    }
}

}  // namespace

void EnumPortsSetupApi(IPortSystem& system, CPortInfoArray& list) {
    EnumInterfaceClass(system, platform::kGuidDevInterfaceComPort, list);
    EnumInterfaceClass(system, platform::kGuidDevInterfaceUsbDevice, list);
}

void EnumPortsNT4(CPortInfoArray& list) {
    for (int n = 1; n <= kFixedPortCount; ++n) {
        char portName[16];
        std::snprintf(portName, sizeof portName, res::kPortNameFormat, n);
        list.Add({Win32DevicePath(portName), portName, "", false, "", ""});
    }
}

void AddWin9xPortInstances(IPortSystem& system, HKey deviceKey, bool bUsb, CPortInfoArray& list) {
    for (uint32_t index = 0;; ++index) {
        std::string instanceName;
        if (!system.EnumKey(deviceKey, index, instanceName) ||
            !FitsBuffer(instanceName, kRegistryBufferSize)) {
            return;
        }
        CRegKey instance(system);
        if (!instance.Open(deviceKey, instanceName)) {
            Raise(res::kPortErrInstanceKey + instanceName);
        }
        std::string portName;
        if (!instance.StringValue(kPortNameValue, portName)) {
            continue;
        }
        std::string friendlyName;
        if (!instance.StringValue(kFriendlyNameValue, friendlyName)) {
            friendlyName.clear();
        }
        AddOrReplaceByPortName(list,
                               {Win32DevicePath(portName), portName, friendlyName, bUsb, "", ""});
    }
}

void EnumPortsWin9x(IPortSystem& system, CPortInfoArray& list) {
    CRegKey enumKey(system);
    if (!enumKey.Open(platform::kLocalMachine, kEnumKeyName)) {
        Raise(res::kPortErrEnumKey);
    }
    std::string enumeratorName;
    for (uint32_t e = 0; enumKey.SubKeyName(e, enumeratorName); ++e) {
        CRegKey enumerator(system);
        if (!enumerator.Open(enumKey.Get(), enumeratorName)) {
            Raise(res::kPortErrEnumSubKey + enumeratorName);
        }
        bool bUsb = enumeratorName == kUsbPortsEnumerator;
        std::string deviceName;
        for (uint32_t d = 0; enumerator.SubKeyName(d, deviceName); ++d) {
            if (!bUsb && !IsSerialDeviceKey(deviceName)) {
                continue;
            }
            CRegKey device(system);
            if (!device.Open(enumerator.Get(), deviceName)) {
                Raise(res::kPortErrEnumSubKey + enumeratorName + "\\" + deviceName);
            }
            AddWin9xPortInstances(system, device.Get(), bUsb, list);
        }
    }
}

void EnumPortsSerialComm(IPortSystem& system, CPortInfoArray& list) {
    CRegKey key(system);
    if (!key.Open(platform::kLocalMachine, kSerialCommKey)) {
        return;  // no serial driver has made a port
    }
    std::string device;
    std::string portName;
    for (uint32_t index = 0; system.EnumValue(key.Get(), index, device, portName); ++index) {
        if (!portName.empty() && !HasPortName(list, portName)) {
            list.Add({Win32DevicePath(portName), portName, "", false, "", ""});
        }
    }
}

std::optional<platform::SUsbIdentity> UsbIdentityOfInstanceId(const std::string& id) {
    const size_t first = id.find('\\');
    const size_t second = first == std::string::npos ? first : id.find('\\', first + 1);
    if (second == std::string::npos || id.find('\\', second + 1) != std::string::npos ||
        first != 3 || !StartsWithNoCase(id, "USB")) {
        return std::nullopt;
    }
    platform::SUsbIdentity usb;
    const std::string hardware = id.substr(first + 1, second - first - 1);
    for (size_t start = 0; start <= hardware.size();) {
        const size_t end = std::min(hardware.find('&', start), hardware.size());
        const std::string part = hardware.substr(start, end - start);
        if (StartsWithNoCase(part, "VID_")) {
            usb.strVendorId = HexId(part.substr(4));
        } else if (StartsWithNoCase(part, "PID_")) {
            usb.strProductId = HexId(part.substr(4));
        } else if (StartsWithNoCase(part, "MI_")) {
            return std::nullopt;
        }
        start = end + 1;
    }
    if (usb.strVendorId.empty() || usb.strProductId.empty()) {
        return std::nullopt;
    }
    const std::string instance = id.substr(second + 1);
    if (instance.find('&') == std::string::npos) {
        usb.strSerialNumber = instance;
    }
    return usb;
}

void FinishPortList(CPortInfoArray& list) {
    for (int i = 0; i < list.GetSize(); ++i) {
        CPortInfo& entry = list[i];
        if (entry.m_strFriendlyName.empty()) {
            entry.m_strFriendlyName = entry.m_strPortName;
        }
        if (entry.m_strDescription.empty()) {
            entry.m_strDescription = entry.m_strFriendlyName;
            ShortenDescription(entry.m_strDescription);
        }
    }
}

void AddSystemNames(CPortInfoArray& list, IPortSystem& system) {
    for (int i = 0; i < list.GetSize(); ++i) {
        list[i].m_strStableName = system.GetStableName(list[i].m_strPath);
        // Where the source itself found the identity (Windows), the system adds nothing.
        const platform::SUsbIdentity usb = system.GetUsbIdentity(list[i].m_strPath);
        if (usb != platform::SUsbIdentity{}) {
            list[i].m_usb = usb;
        }
    }
}

void EnumerateSerialPorts(CPortInfoArray& list, IPortSystem& system) {
    list.SetSize(0);
    SOsVersion version;
    if (!system.GetVersion(version)) {
        RaiseWithCode(res::kPortErrOsVersion, system.GetLastError());
    }
    if (version.nMajorVersion >= 5) {
        EnumPortsSetupApi(system, list);
        EnumPortsSerialComm(system, list);
    } else if (version.nPlatformId == platform::kPlatformWin32Nt) {
        EnumPortsNT4(list);
    } else {
        EnumPortsWin9x(system, list);
    }
    FinishPortList(list);
    AddSystemNames(list, system);
}

void EnumerateSerialPorts(CPortInfoArray& list) {
    EnumerateSerialPorts(list, platform::SystemPortSource());
}

}  // namespace ports
