// Serial ports on Linux, read from sysfs: every tty with real hardware behind it, as the
// device-interface class of COM ports. The USB-device class stays empty, because a USB serial
// adapter already appears once, as its tty.
//
// Threads: one thread at a time per object.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/port_system.h"

namespace platform {

struct SSysfsPort {
    std::string strName;          // ttyUSB0
    std::string strDevicePath;    // /dev/ttyUSB0
    std::string strDescription;   // FT232R USB UART
    std::string strFriendlyName;  // FT232R USB UART (ttyUSB0)
    std::string strLocation;      // "USB 1-2:1.0"; only ports on USB begin with "USB"
    SUsbIdentity usb;             // 0403, 6001, FTDI, A50285BI

    bool operator==(const SSysfsPort&) const = default;
};

// The serial ports of the sysfs tree under root, in name order with numbers compared as numbers
// (ttyS2 before ttyS10). False with errno's code when the tree has no tty class to read.
bool ReadSysfsPorts(const std::string& root, std::vector<SSysfsPort>& ports, int& error);

class CPortSourceLinux : public platform::IPortSystem {
public:
    // devRoot stands for /dev, where udev keeps the stable serial/by-id names.
    explicit CPortSourceLinux(std::string sysfsRoot = "/sys", std::string devRoot = "/dev");

    uint32_t GetLastError() const override { return m_nLastError; }
    bool GetVersion(platform::SOsVersion& version) override;
    platform::HDevInfo GetClassDevs(const platform::SGuid& interfaceClass) override;
    bool EnumDeviceInterfaces(platform::HDevInfo set, const platform::SGuid& interfaceClass,
                              uint32_t index, platform::SDeviceInterface& iface) override;
    bool GetDeviceInterfaceDetail(platform::HDevInfo set, const platform::SDeviceInterface& iface,
                                  std::string& devicePath, platform::SDevInfoData& device) override;
    bool GetDeviceRegistryProperty(platform::HDevInfo set, const platform::SDevInfoData& device,
                                   platform::EDeviceProperty property, std::string& value) override;
    void DestroyDeviceInfoList(platform::HDevInfo set) override;
    std::string GetStableName(const std::string& devicePath) override;
    // From the ports the last device set of COM ports found.
    platform::SUsbIdentity GetUsbIdentity(const std::string& devicePath) override;
    // Linux has no registry; every key is missing.
    bool OpenKey(platform::HKey parent, const std::string& subKey, platform::HKey& key) override;
    bool EnumKey(platform::HKey key, uint32_t index, std::string& name) override;
    bool QueryValue(platform::HKey key, const std::string& valueName, std::string& data) override;
    void CloseKey(platform::HKey key) override;

private:
    bool Fail(uint32_t code);
    const SSysfsPort* Find(platform::HDevInfo set, std::uintptr_t index);

    std::string m_strRoot;
    std::string m_strDevRoot;
    uint32_t m_nLastError = 0;
    platform::HDevInfo m_hNextSet = 1;
    // Each set is a snapshot taken when it was made, as a device information set is.
    std::map<platform::HDevInfo, std::vector<SSysfsPort>> m_sets;
    std::map<std::string, platform::SUsbIdentity> m_usbByPath;
};

// The stable name under DEVROOT/serial/by-id that leads to the device node, or "" when there is
// none. devicePath is the node's name under /dev (/dev/ttyUSB0); devRoot stands for /dev.
std::string FindSerialByIdName(const std::string& devRoot, const std::string& devicePath);

}  // namespace platform
