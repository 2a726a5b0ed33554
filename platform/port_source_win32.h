// Serial ports on Windows: the system's own SetupAPI device-interface classes, registry and
// version, behind the interface the port enumeration asks.
//
// Threads: one thread at a time per object.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/port_system.h"

struct _SP_DEVINFO_DATA;  // setupapi.h's SP_DEVINFO_DATA

namespace platform {

class CPortSourceWin32 : public IPortSystem {
public:
    CPortSourceWin32();
    ~CPortSourceWin32() override;
    CPortSourceWin32(const CPortSourceWin32&) = delete;
    CPortSourceWin32& operator=(const CPortSourceWin32&) = delete;

    uint32_t GetLastError() const override { return m_nLastError; }
    bool GetVersion(SOsVersion& version) override;
    HDevInfo GetClassDevs(const SGuid& interfaceClass) override;
    bool EnumDeviceInterfaces(HDevInfo set, const SGuid& interfaceClass, uint32_t index,
                              SDeviceInterface& iface) override;
    bool GetDeviceInterfaceDetail(HDevInfo set, const SDeviceInterface& iface,
                                  std::string& devicePath, SDevInfoData& device) override;
    bool GetDeviceRegistryProperty(HDevInfo set, const SDevInfoData& device,
                                   EDeviceProperty property, std::string& value) override;
    void DestroyDeviceInfoList(HDevInfo set) override;
    bool GetDeviceInstanceId(HDevInfo set, const SDevInfoData& device, std::string& id) override;
    bool GetParentInstanceId(HDevInfo set, const SDevInfoData& device, std::string& id) override;
    bool GetDevicePortName(HDevInfo set, const SDevInfoData& device, std::string& name) override;
    bool OpenKey(HKey parent, const std::string& subKey, HKey& key) override;
    bool EnumKey(HKey key, uint32_t index, std::string& name) override;
    bool QueryValue(HKey key, const std::string& valueName, std::string& data) override;
    bool EnumValue(HKey key, uint32_t index, std::string& name, std::string& data) override;
    void CloseKey(HKey key) override;

private:
    struct SSet;
    bool Fail();
    bool Fail(uint32_t code);
    SSet* Find(HDevInfo set);
    // The system's record of a device that a detail call handed out; null when unknown.
    const _SP_DEVINFO_DATA* FindDevice(HDevInfo set, const SDevInfoData& device);

    uint32_t m_nLastError = 0;
    // What the system handed out for each open set: its interfaces and their devices, which
    // the interface keeps as plain numbers.
    std::map<HDevInfo, std::unique_ptr<SSet>> m_sets;
};

}  // namespace platform
