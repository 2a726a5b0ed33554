// A Windows system as the port enumeration sees it, scripted by the tests: a version answer, the
// members of each device-interface class with their properties, a registry tree, and failures
// planted at any call. It also keeps count of the sets and keys it has handed out, so a test can
// check that every one was given back.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/port_system.h"

namespace testing_support {

struct SScriptedDevice {
    std::string strPath;
    std::optional<std::string> friendlyName;
    std::optional<std::string> description;
    std::optional<std::string> location;
    uint32_t nDetailError = 0;  // non-zero: the detail call fails with this code
    // Windows' further facts of a device; a missing one is a failed call.
    std::optional<std::string> instanceId{};
    std::optional<std::string> parentInstanceId{};
    std::optional<std::string> portName{};
    std::optional<std::string> manufacturer{};
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

class CScriptedPortSystem : public platform::IPortSystem {
public:
    std::optional<platform::SOsVersion> version =
        platform::SOsVersion{5, platform::kPlatformWin32Nt};
    uint32_t nVersionError = 0x57;
    SScriptedClass comPorts;
    SScriptedClass usbDevices;
    SScriptedKey localMachine;  // its subkey "Enum" is the hardware tree
    // GetStableName's answers by device path; a path not here has none.
    std::map<std::string, std::string> stableNames;

    // Sets and keys handed out and not yet given back.
    size_t OpenHandles() const { return m_openSets.size() + m_openKeys.size(); }
    int CallCount() const { return m_nCalls; }

    uint32_t GetLastError() const override { return m_nLastError; }
    bool GetVersion(platform::SOsVersion& out) override;
    platform::HDevInfo GetClassDevs(const platform::SGuid& interfaceClass) override;
    bool EnumDeviceInterfaces(platform::HDevInfo set, const platform::SGuid& interfaceClass,
                              uint32_t index, platform::SDeviceInterface& iface) override;
    bool GetDeviceInterfaceDetail(platform::HDevInfo set, const platform::SDeviceInterface& iface,
                                  std::string& devicePath, platform::SDevInfoData& device) override;
    bool GetDeviceRegistryProperty(platform::HDevInfo set, const platform::SDevInfoData& device,
                                   platform::EDeviceProperty property, std::string& value) override;
    void DestroyDeviceInfoList(platform::HDevInfo set) override;
    bool GetDeviceInstanceId(platform::HDevInfo set, const platform::SDevInfoData& device,
                             std::string& id) override;
    bool GetParentInstanceId(platform::HDevInfo set, const platform::SDevInfoData& device,
                             std::string& id) override;
    bool GetDevicePortName(platform::HDevInfo set, const platform::SDevInfoData& device,
                           std::string& name) override;
    std::string GetStableName(const std::string& devicePath) override;
    bool OpenKey(platform::HKey parent, const std::string& subKey, platform::HKey& key) override;
    bool EnumKey(platform::HKey key, uint32_t index, std::string& name) override;
    bool QueryValue(platform::HKey key, const std::string& valueName, std::string& data) override;
    bool EnumValue(platform::HKey key, uint32_t index, std::string& name,
                   std::string& data) override;
    void CloseKey(platform::HKey key) override;

private:
    bool Fail(uint32_t code);
    SScriptedClass* ClassOf(platform::HDevInfo set);
    // The scripted answer of one device, or a failure when the device has none.
    bool Answer(platform::HDevInfo set, const platform::SDevInfoData& device,
                std::optional<std::string> SScriptedDevice::*fact, std::string& value);
    const SScriptedKey* KeyOf(platform::HKey key);

    uint32_t m_nLastError = 0;
    int m_nCalls = 0;
    platform::HDevInfo m_hNext = 0x100;
    std::map<platform::HDevInfo, SScriptedClass*> m_openSets;
    std::map<platform::HKey, const SScriptedKey*> m_openKeys;
};

}  // namespace testing_support
