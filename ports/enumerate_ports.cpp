#include "ports/enumerate_ports.h"

#include <cstdio>
#include <cstring>

#include "platform/port_source.h"
#include "platform/text_format.h"
#include "ports/port_name.h"
#include "res/strings.h"

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
            list.Add({devicePath, "", friendlyName, bUsb, description, ""});
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
        list[i].m_usb = system.GetUsbIdentity(list[i].m_strPath);
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
