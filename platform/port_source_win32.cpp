#include "platform/port_source_win32.h"

// windows.h first: setupapi.h builds on it.
#include <windows.h>

#include <cfgmgr32.h>
#include <setupapi.h>

#include <memory>

#include "platform/port_source.h"
#include "platform/win32_text.h"

namespace platform {

namespace {

GUID ToGuid(const SGuid& guid) {
    GUID out{};
    out.Data1 = guid.nData1;
    out.Data2 = guid.nData2;
    out.Data3 = guid.nData3;
    for (size_t i = 0; i < guid.data4.size(); ++i) {
        out.Data4[i] = guid.data4[i];
    }
    return out;
}

HDEVINFO ToHandle(HDevInfo set) {
    return reinterpret_cast<HDEVINFO>(set);
}

// The enumeration's own name for the local machine key stands for the system's, which 64-bit
// Windows sign-extends; every other key is the system's handle as a number.
HKEY ToKey(HKey key) {
    return key == kLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}

DWORD PropertyCode(EDeviceProperty property) {
    switch (property) {
        case EDeviceProperty::kFriendlyName:
            return SPDRP_FRIENDLYNAME;
        case EDeviceProperty::kDeviceDesc:
            return SPDRP_DEVICEDESC;
        case EDeviceProperty::kLocationInformation:
            return SPDRP_LOCATION_INFORMATION;
        case EDeviceProperty::kManufacturer:
            return SPDRP_MFG;
    }
    return SPDRP_DEVICEDESC;
}

// A string the system stored with or without its terminator.
std::string TextOf(const wchar_t* text, size_t maxLength) {
    size_t length = 0;
    while (length < maxLength && text[length] != L'\0') {
        ++length;
    }
    return win32::Narrow(text, length);
}

}  // namespace

struct CPortSourceWin32::SSet {
    std::vector<SP_DEVICE_INTERFACE_DATA> interfaces;
    std::vector<SP_DEVINFO_DATA> devices;
};

CPortSourceWin32::CPortSourceWin32() = default;

CPortSourceWin32::~CPortSourceWin32() {
    while (!m_sets.empty()) {
        DestroyDeviceInfoList(m_sets.begin()->first);
    }
}

bool CPortSourceWin32::Fail() {
    return Fail(::GetLastError());
}

bool CPortSourceWin32::Fail(uint32_t code) {
    m_nLastError = code;
    return false;
}

CPortSourceWin32::SSet* CPortSourceWin32::Find(HDevInfo set) {
    auto it = m_sets.find(set);
    if (it == m_sets.end()) {
        Fail(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return it->second.get();
}

bool CPortSourceWin32::GetVersion(SOsVersion& version) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // The version picks one of three sources; a system that reports itself older than it is
    // (without a manifest, Windows 10 says 6.2) still picks the same one.
    if (!::GetVersionExW(&info)) {
        return Fail();
    }
#pragma GCC diagnostic pop
    version.nMajorVersion = info.dwMajorVersion;
    version.nPlatformId = info.dwPlatformId;
    return true;
}

HDevInfo CPortSourceWin32::GetClassDevs(const SGuid& interfaceClass) {
    const GUID guid = ToGuid(interfaceClass);
    HDEVINFO handle =
        ::SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (handle == INVALID_HANDLE_VALUE) {
        Fail();
        return kInvalidDevInfo;
    }
    const auto set = reinterpret_cast<HDevInfo>(handle);
    auto state = std::make_unique<SSet>();
    m_sets.emplace(set, std::move(state));
    return set;
}

bool CPortSourceWin32::EnumDeviceInterfaces(HDevInfo set, const SGuid& interfaceClass,
                                            uint32_t index, SDeviceInterface& iface) {
    SSet* state = Find(set);
    if (state == nullptr) {
        return false;
    }
    const GUID guid = ToGuid(interfaceClass);
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!::SetupDiEnumDeviceInterfaces(ToHandle(set), nullptr, &guid, index, &data)) {
        return Fail();
    }
    state->interfaces.push_back(data);
    iface.nId = state->interfaces.size() - 1;
    return true;
}

bool CPortSourceWin32::GetDeviceInterfaceDetail(HDevInfo set, const SDeviceInterface& iface,
                                                std::string& devicePath, SDevInfoData& device) {
    SSet* state = Find(set);
    if (state == nullptr) {
        return false;
    }
    if (iface.nId >= state->interfaces.size()) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    SP_DEVICE_INTERFACE_DATA data = state->interfaces[iface.nId];
    // The first call only asks for the size; the path has no limit of its own here, the
    // enumeration applies its own.
    DWORD required = 0;
    ::SetupDiGetDeviceInterfaceDetailW(ToHandle(set), &data, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        return Fail();
    }
    std::vector<uint8_t> buffer(required);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    if (!::SetupDiGetDeviceInterfaceDetailW(ToHandle(set), &data, detail, required, nullptr,
                                            &info)) {
        return Fail();
    }
    const size_t offset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath);
    devicePath = TextOf(detail->DevicePath, (required - offset) / sizeof(wchar_t));
    state->devices.push_back(info);
    device.nDevice = state->devices.size() - 1;
    return true;
}

const SP_DEVINFO_DATA* CPortSourceWin32::FindDevice(HDevInfo set, const SDevInfoData& device) {
    SSet* state = Find(set);
    if (state == nullptr) {
        return nullptr;
    }
    if (device.nDevice >= state->devices.size()) {
        Fail(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return &state->devices[device.nDevice];
}

bool CPortSourceWin32::GetDeviceRegistryProperty(HDevInfo set, const SDevInfoData& device,
                                                 EDeviceProperty property, std::string& value) {
    const SP_DEVINFO_DATA* found = FindDevice(set, device);
    if (found == nullptr) {
        return false;
    }
    SP_DEVINFO_DATA info = *found;
    const DWORD code = PropertyCode(property);
    DWORD required = 0;
    ::SetupDiGetDeviceRegistryPropertyW(ToHandle(set), &info, code, nullptr, nullptr, 0, &required);
    if (required == 0) {
        return Fail();
    }
    std::vector<wchar_t> text(required / sizeof(wchar_t) + 1, L'\0');
    if (!::SetupDiGetDeviceRegistryPropertyW(ToHandle(set), &info, code, nullptr,
                                             reinterpret_cast<BYTE*>(text.data()), required,
                                             nullptr)) {
        return Fail();
    }
    value = TextOf(text.data(), text.size());
    return true;
}

bool CPortSourceWin32::GetDeviceInstanceId(HDevInfo set, const SDevInfoData& device,
                                           std::string& id) {
    const SP_DEVINFO_DATA* found = FindDevice(set, device);
    if (found == nullptr) {
        return false;
    }
    SP_DEVINFO_DATA info = *found;
    wchar_t buffer[MAX_DEVICE_ID_LEN + 1] = {};
    if (!::SetupDiGetDeviceInstanceIdW(ToHandle(set), &info, buffer, MAX_DEVICE_ID_LEN + 1,
                                       nullptr)) {
        return Fail();
    }
    id = TextOf(buffer, MAX_DEVICE_ID_LEN);
    return true;
}

bool CPortSourceWin32::GetParentInstanceId(HDevInfo set, const SDevInfoData& device,
                                           std::string& id) {
    const SP_DEVINFO_DATA* found = FindDevice(set, device);
    if (found == nullptr) {
        return false;
    }
    DEVINST parent = 0;
    wchar_t buffer[MAX_DEVICE_ID_LEN + 1] = {};
    if (::CM_Get_Parent(&parent, found->DevInst, 0) != CR_SUCCESS ||
        ::CM_Get_Device_IDW(parent, buffer, MAX_DEVICE_ID_LEN + 1, 0) != CR_SUCCESS) {
        return Fail(ERROR_NOT_FOUND);
    }
    id = TextOf(buffer, MAX_DEVICE_ID_LEN);
    return true;
}

bool CPortSourceWin32::GetDevicePortName(HDevInfo set, const SDevInfoData& device,
                                         std::string& name) {
    const SP_DEVINFO_DATA* found = FindDevice(set, device);
    if (found == nullptr) {
        return false;
    }
    SP_DEVINFO_DATA info = *found;
    // The device's hardware key, where the ports class keeps the name it gave the port.
    HKEY key =
        ::SetupDiOpenDevRegKey(ToHandle(set), &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return Fail();
    }
    const bool bFound = QueryValue(reinterpret_cast<HKey>(key), "PortName", name);
    ::RegCloseKey(key);
    return bFound;
}

void CPortSourceWin32::DestroyDeviceInfoList(HDevInfo set) {
    auto it = m_sets.find(set);
    if (it == m_sets.end()) {
        return;
    }
    ::SetupDiDestroyDeviceInfoList(ToHandle(set));
    m_sets.erase(it);
}

bool CPortSourceWin32::OpenKey(HKey parent, const std::string& subKey, HKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status =
        ::RegOpenKeyExW(ToKey(parent), win32::Widen(subKey).c_str(), 0, KEY_READ, &opened);
    if (status != ERROR_SUCCESS) {
        return Fail(static_cast<uint32_t>(status));
    }
    key = reinterpret_cast<HKey>(opened);
    return true;
}

bool CPortSourceWin32::EnumKey(HKey key, uint32_t index, std::string& name) {
    wchar_t buffer[256];  // the longest key name is 255 characters
    DWORD length = 256;
    const LSTATUS status =
        ::RegEnumKeyExW(ToKey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) {
        return Fail(static_cast<uint32_t>(status));
    }
    name = win32::Narrow(buffer, length);
    return true;
}

bool CPortSourceWin32::QueryValue(HKey key, const std::string& valueName, std::string& data) {
    const std::wstring name = win32::Widen(valueName);
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(ToKey(key), name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) {
        return Fail(static_cast<uint32_t>(status));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return Fail(ERROR_INVALID_DATA);
    }
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    status = ::RegQueryValueExW(ToKey(key), name.c_str(), nullptr, nullptr,
                                reinterpret_cast<BYTE*>(text.data()), &size);
    if (status != ERROR_SUCCESS) {
        return Fail(static_cast<uint32_t>(status));
    }
    data = TextOf(text.data(), size / sizeof(wchar_t));
    return true;
}

bool CPortSourceWin32::EnumValue(HKey key, uint32_t index, std::string& name, std::string& data) {
    std::vector<wchar_t> buffer(16384);  // the longest value name is 16383 characters
    DWORD length = static_cast<DWORD>(buffer.size());
    DWORD type = 0;
    const LSTATUS status = ::RegEnumValueW(ToKey(key), index, buffer.data(), &length, nullptr,
                                           &type, nullptr, nullptr);
    if (status != ERROR_SUCCESS) {
        return Fail(static_cast<uint32_t>(status));
    }
    name = win32::Narrow(buffer.data(), length);
    data.clear();
    return (type != REG_SZ && type != REG_EXPAND_SZ) || QueryValue(key, name, data);
}

void CPortSourceWin32::CloseKey(HKey key) {
    if (key != kLocalMachine) {
        ::RegCloseKey(ToKey(key));
    }
}

IPortSystem& SystemPortSource() {
    static CPortSourceWin32 source;
    return source;
}

}  // namespace platform
