#include "tests/ports/scripted_port_system.h"

#include <iterator>
#include <stdexcept>

namespace testing_support {

using namespace platform;

bool CScriptedPortSystem::Fail(uint32_t code) {
    m_nLastError = code;
    return false;
}

SScriptedClass* CScriptedPortSystem::ClassOf(HDevInfo set) {
    auto it = m_openSets.find(set);
    return it == m_openSets.end() ? nullptr : it->second;
}

const SScriptedKey* CScriptedPortSystem::KeyOf(HKey key) {
    if (key == kLocalMachine) {
        return &localMachine;
    }
    auto it = m_openKeys.find(key);
    return it == m_openKeys.end() ? nullptr : it->second;
}

bool CScriptedPortSystem::GetVersion(SOsVersion& out) {
    ++m_nCalls;
    if (!version) {
        return Fail(nVersionError);
    }
    out = *version;
    return true;
}

HDevInfo CScriptedPortSystem::GetClassDevs(const SGuid& interfaceClass) {
    ++m_nCalls;
    SScriptedClass* cls = interfaceClass == kGuidDevInterfaceComPort     ? &comPorts
                          : interfaceClass == kGuidDevInterfaceUsbDevice ? &usbDevices
                                                                         : nullptr;
    if (cls == nullptr) {
        throw std::logic_error("asked for a class the enumeration does not use");
    }
    if (cls->nClassDevsError != 0) {
        Fail(cls->nClassDevsError);
        return kInvalidDevInfo;
    }
    HDevInfo set = m_hNext++;
    m_openSets[set] = cls;
    return set;
}

bool CScriptedPortSystem::EnumDeviceInterfaces(HDevInfo set, const SGuid&, uint32_t index,
                                               SDeviceInterface& iface) {
    ++m_nCalls;
    SScriptedClass* cls = ClassOf(set);
    if (cls == nullptr) {
        return Fail(kErrorInvalidHandle);
    }
    if (cls->failEnumAt && *cls->failEnumAt == index) {
        return Fail(cls->nEnumError);
    }
    if (index >= cls->devices.size()) {
        return Fail(kErrorNoMoreItems);
    }
    iface.nId = index;
    return true;
}

bool CScriptedPortSystem::GetDeviceInterfaceDetail(HDevInfo set, const SDeviceInterface& iface,
                                                   std::string& devicePath, SDevInfoData& device) {
    ++m_nCalls;
    SScriptedClass* cls = ClassOf(set);
    if (cls == nullptr || iface.nId >= cls->devices.size()) {
        return Fail(kErrorInvalidHandle);
    }
    const SScriptedDevice& scripted = cls->devices[iface.nId];
    if (scripted.nDetailError != 0) {
        return Fail(scripted.nDetailError);
    }
    devicePath = scripted.strPath;
    device.nDevice = iface.nId;
    return true;
}

bool CScriptedPortSystem::Answer(HDevInfo set, const SDevInfoData& device,
                                 std::optional<std::string> SScriptedDevice::*fact,
                                 std::string& value) {
    ++m_nCalls;
    SScriptedClass* cls = ClassOf(set);
    if (cls == nullptr || device.nDevice >= cls->devices.size()) {
        return Fail(kErrorInvalidHandle);
    }
    const std::optional<std::string>& answer = cls->devices[device.nDevice].*fact;
    if (!answer) {
        return Fail(kErrorInvalidData);
    }
    value = *answer;
    return true;
}

bool CScriptedPortSystem::GetDeviceRegistryProperty(HDevInfo set, const SDevInfoData& device,
                                                    EDeviceProperty property, std::string& value) {
    switch (property) {
        case EDeviceProperty::kFriendlyName:
            return Answer(set, device, &SScriptedDevice::friendlyName, value);
        case EDeviceProperty::kDeviceDesc:
            return Answer(set, device, &SScriptedDevice::description, value);
        case EDeviceProperty::kLocationInformation:
            return Answer(set, device, &SScriptedDevice::location, value);
        case EDeviceProperty::kManufacturer:
            break;
    }
    return Answer(set, device, &SScriptedDevice::manufacturer, value);
}

bool CScriptedPortSystem::GetDeviceInstanceId(HDevInfo set, const SDevInfoData& device,
                                              std::string& id) {
    return Answer(set, device, &SScriptedDevice::instanceId, id);
}

bool CScriptedPortSystem::GetParentInstanceId(HDevInfo set, const SDevInfoData& device,
                                              std::string& id) {
    return Answer(set, device, &SScriptedDevice::parentInstanceId, id);
}

bool CScriptedPortSystem::GetDevicePortName(HDevInfo set, const SDevInfoData& device,
                                            std::string& name) {
    return Answer(set, device, &SScriptedDevice::portName, name);
}

void CScriptedPortSystem::DestroyDeviceInfoList(HDevInfo set) {
    ++m_nCalls;
    if (m_openSets.erase(set) == 0) {
        throw std::logic_error("destroyed a set that is not open");
    }
}

// Not a Windows service, so not counted among the calls.
std::string CScriptedPortSystem::GetStableName(const std::string& devicePath) {
    auto it = stableNames.find(devicePath);
    return it == stableNames.end() ? std::string() : it->second;
}

bool CScriptedPortSystem::OpenKey(HKey parent, const std::string& subKey, HKey& key) {
    ++m_nCalls;
    const SScriptedKey* parentKey = KeyOf(parent);
    if (parentKey == nullptr) {
        return Fail(kErrorInvalidHandle);
    }
    for (const SScriptedKey& child : parentKey->subKeys) {
        if (child.strName == subKey) {
            if (child.bOpenFails) {
                return Fail(0x5);
            }
            key = m_hNext++;
            m_openKeys[key] = &child;
            return true;
        }
    }
    return Fail(kErrorFileNotFound);
}

bool CScriptedPortSystem::EnumKey(HKey key, uint32_t index, std::string& name) {
    ++m_nCalls;
    const SScriptedKey* parent = KeyOf(key);
    if (parent == nullptr) {
        return Fail(kErrorInvalidHandle);
    }
    if (index >= parent->subKeys.size()) {
        return Fail(kErrorNoMoreItems);
    }
    name = parent->subKeys[index].strName;
    return true;
}

bool CScriptedPortSystem::QueryValue(HKey key, const std::string& valueName, std::string& data) {
    ++m_nCalls;
    const SScriptedKey* scripted = KeyOf(key);
    if (scripted == nullptr) {
        return Fail(kErrorInvalidHandle);
    }
    auto it = scripted->values.find(valueName);
    if (it == scripted->values.end()) {
        return Fail(kErrorFileNotFound);
    }
    data = it->second;
    return true;
}

bool CScriptedPortSystem::EnumValue(HKey key, uint32_t index, std::string& name,
                                    std::string& data) {
    ++m_nCalls;
    const SScriptedKey* scripted = KeyOf(key);
    if (scripted == nullptr) {
        return Fail(kErrorInvalidHandle);
    }
    if (index >= scripted->values.size()) {
        return Fail(kErrorNoMoreItems);
    }
    auto it = std::next(scripted->values.begin(), static_cast<long>(index));
    name = it->first;
    data = it->second;
    return true;
}

void CScriptedPortSystem::CloseKey(HKey key) {
    ++m_nCalls;
    if (m_openKeys.erase(key) == 0) {
        throw std::logic_error("closed a key that is not open");
    }
}

}  // namespace testing_support
