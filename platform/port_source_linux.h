// Serial ports on Linux, read from sysfs: every tty with real hardware behind it, as the
// device-interface class of COM ports. The USB-device class stays empty, because a USB serial
// adapter already appears once, as its tty.
//
// Threads: one thread at a time per object.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ports/port_system.h"

namespace platform {

struct SSysfsPort {
    std::string strName;          // ttyUSB0
    std::string strDevicePath;    // /dev/ttyUSB0
    std::string strDescription;   // FT232R USB UART
    std::string strFriendlyName;  // FT232R USB UART (ttyUSB0)
    std::string strLocation;      // "USB 1-2:1.0"; only ports on USB begin with "USB"

    bool operator==(const SSysfsPort&) const = default;
};

// The serial ports of the sysfs tree under root, in name order with numbers compared as numbers
// (ttyS2 before ttyS10). False with errno's code when the tree has no tty class to read.
bool ReadSysfsPorts(const std::string& root, std::vector<SSysfsPort>& ports, int& error);

class CPortSourceLinux : public ports::IPortSystem {
public:
    explicit CPortSourceLinux(std::string sysfsRoot = "/sys");

    uint32_t GetLastError() const override { return m_nLastError; }
    bool GetVersion(ports::SOsVersion& version) override;
    ports::HDevInfo GetClassDevs(const ports::SGuid& interfaceClass) override;
    bool EnumDeviceInterfaces(ports::HDevInfo set, const ports::SGuid& interfaceClass,
                              uint32_t index, ports::SDeviceInterface& iface) override;
    bool GetDeviceInterfaceDetail(ports::HDevInfo set, const ports::SDeviceInterface& iface,
                                  std::string& devicePath, ports::SDevInfoData& device) override;
    bool GetDeviceRegistryProperty(ports::HDevInfo set, const ports::SDevInfoData& device,
                                   ports::EDeviceProperty property, std::string& value) override;
    void DestroyDeviceInfoList(ports::HDevInfo set) override;
    // Linux has no registry; every key is missing.
    bool OpenKey(ports::HKey parent, const std::string& subKey, ports::HKey& key) override;
    bool EnumKey(ports::HKey key, uint32_t index, std::string& name) override;
    bool QueryValue(ports::HKey key, const std::string& valueName, std::string& data) override;
    void CloseKey(ports::HKey key) override;

private:
    bool Fail(uint32_t code);
    const SSysfsPort* Find(ports::HDevInfo set, std::uintptr_t index);

    std::string m_strRoot;
    uint32_t m_nLastError = 0;
    ports::HDevInfo m_hNextSet = 1;
    // Each set is a snapshot taken when it was made, as a device information set is.
    std::map<ports::HDevInfo, std::vector<SSysfsPort>> m_sets;
};

// The stable name under DEVROOT/serial/by-id that leads to the device node, or "" when there is
// none. devicePath is the node's name under /dev (/dev/ttyUSB0); devRoot stands for /dev.
std::string FindSerialByIdName(const std::string& devRoot, const std::string& devicePath);

}  // namespace platform
