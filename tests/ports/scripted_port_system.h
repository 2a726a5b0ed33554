// A Windows system as the port enumeration sees it, scripted by the tests: a version answer, the
// members of each device-interface class with their properties, a registry tree, and failures
// planted at any call. It also keeps count of the sets and keys it has handed out, so a test can
// check that every one was given back.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ports/port_system.h"

namespace testing_support {

struct SScriptedDevice {
    std::string strPath;
    std::optional<std::string> friendlyName;
    std::optional<std::string> description;
    std::optional<std::string> location;
    uint32_t nDetailError = 0;  // non-zero: the detail call fails with this code
};

struct SScriptedClass {
    std::vector<SScriptedDevice> devices;
    uint32_t nClassDevsError = 0;  // non-zero: no set can be made
    // The member index at which enumeration fails with nEnumError instead of answering.
    std::optional<uint32_t> failEnumAt;
    uint32_t nEnumError = 0;
};

// One registry key: subkeys in the order the system lists them, and string values.
struct SScriptedKey {
    SScriptedKey() = default;
    SScriptedKey(std::string name, std::vector<SScriptedKey> children = {})
        : strName(std::move(name)), subKeys(std::move(children)) {}

    std::string strName;
    std::vector<SScriptedKey> subKeys;
    std::map<std::string, std::string> values;
    bool bOpenFails = false;

    SScriptedKey& Add(SScriptedKey key) {
        subKeys.push_back(std::move(key));
        return subKeys.back();
    }
};

class CScriptedPortSystem : public ports::IPortSystem {
public:
    std::optional<ports::SOsVersion> version = ports::SOsVersion{5, ports::kPlatformWin32Nt};
    uint32_t nVersionError = 0x57;
    SScriptedClass comPorts;
    SScriptedClass usbDevices;
    SScriptedKey localMachine;  // its subkey "Enum" is the hardware tree

    // Sets and keys handed out and not yet given back.
    size_t OpenHandles() const { return m_openSets.size() + m_openKeys.size(); }
    int CallCount() const { return m_nCalls; }

    uint32_t GetLastError() const override { return m_nLastError; }
    bool GetVersion(ports::SOsVersion& out) override;
    ports::HDevInfo GetClassDevs(const ports::SGuid& interfaceClass) override;
    bool EnumDeviceInterfaces(ports::HDevInfo set, const ports::SGuid& interfaceClass,
                              uint32_t index, ports::SDeviceInterface& iface) override;
    bool GetDeviceInterfaceDetail(ports::HDevInfo set, const ports::SDeviceInterface& iface,
                                  std::string& devicePath, ports::SDevInfoData& device) override;
    bool GetDeviceRegistryProperty(ports::HDevInfo set, const ports::SDevInfoData& device,
                                   ports::EDeviceProperty property, std::string& value) override;
    void DestroyDeviceInfoList(ports::HDevInfo set) override;
    bool OpenKey(ports::HKey parent, const std::string& subKey, ports::HKey& key) override;
    bool EnumKey(ports::HKey key, uint32_t index, std::string& name) override;
    bool QueryValue(ports::HKey key, const std::string& valueName, std::string& data) override;
    void CloseKey(ports::HKey key) override;

private:
    bool Fail(uint32_t code);
    SScriptedClass* ClassOf(ports::HDevInfo set);
    const SScriptedKey* KeyOf(ports::HKey key);

    uint32_t m_nLastError = 0;
    int m_nCalls = 0;
    ports::HDevInfo m_hNext = 0x100;
    std::map<ports::HDevInfo, SScriptedClass*> m_openSets;
    std::map<ports::HKey, const SScriptedKey*> m_openKeys;
};

}  // namespace testing_support
