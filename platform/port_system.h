// The operating-system services the port enumeration asks: the version, device-interface sets
// with their device properties, and the registry's hardware tree. The calls keep the shape of the
// Windows services they stand for (a failing call returns false and leaves its code for
// GetLastError), so the list rules hold unchanged on every system; Linux supplies its own answers
// from sysfs (port_source_linux.h), tests script whole Windows systems.
//
// Threads: an implementation is used from one thread at a time.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace platform {

// System error codes the enumeration looks at or reports.
inline constexpr uint32_t kErrorFileNotFound = 0x2;
inline constexpr uint32_t kErrorInvalidHandle = 0x6;
inline constexpr uint32_t kErrorInvalidData = 0xD;
inline constexpr uint32_t kErrorInsufficientBuffer = 0x7A;
inline constexpr uint32_t kErrorNoMoreItems = 0x103;

inline constexpr uint32_t kPlatformWin32Nt = 2;

struct SOsVersion {
    uint32_t nMajorVersion = 0;
    uint32_t nPlatformId = 0;
};

struct SGuid {
    uint32_t nData1 = 0;
    uint16_t nData2 = 0;
    uint16_t nData3 = 0;
    std::array<uint8_t, 8> data4{};

    bool operator==(const SGuid&) const = default;
};

inline constexpr SGuid kGuidDevInterfaceComPort{
    0x86E0D1E0, 0x8089, 0x11D0, {0x9C, 0xE4, 0x08, 0x00, 0x3E, 0x30, 0x1F, 0x73}};
inline constexpr SGuid kGuidDevInterfaceUsbDevice{
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

// What a USB adapter says of itself, by which people know their adapters; each text is empty
// where the adapter or the system does not tell.
struct SUsbIdentity {
    std::string strVendorId;   // "0403", four hex digits
    std::string strProductId;  // "6001"
    std::string strManufacturer;
    std::string strSerialNumber;

    bool operator==(const SUsbIdentity&) const = default;
};

// A device information set; kInvalidDevInfo when it could not be made.
using HDevInfo = std::uintptr_t;
inline constexpr HDevInfo kInvalidDevInfo = ~HDevInfo{0};

// A registry key. kLocalMachine is always open and is never closed.
using HKey = std::uintptr_t;
inline constexpr HKey kLocalMachine = 0x80000002u;

// One interface of a set, and the device behind it; their values mean something only to the
// system that handed them out.
struct SDeviceInterface {
    std::uintptr_t nId = 0;
};
struct SDevInfoData {
    std::uintptr_t nDevice = 0;
};

enum class EDeviceProperty { kFriendlyName, kDeviceDesc, kLocationInformation, kManufacturer };

// The location information of a device on USB begins with this word ("USB 1-2:1.0"); it is what
// tells a USB port from others, not a text for the user.
inline constexpr char kUsbLocationPrefix[] = "USB";

class IPortSystem {
public:
    virtual ~IPortSystem() = default;

    // The code of the last call that failed.
    virtual uint32_t GetLastError() const = 0;

    virtual bool GetVersion(SOsVersion& version) = 0;

    // The present devices exposing an interface class.
    virtual HDevInfo GetClassDevs(const SGuid& interfaceClass) = 0;
    // Fails with kErrorNoMoreItems after the last member.
    virtual bool EnumDeviceInterfaces(HDevInfo set, const SGuid& interfaceClass, uint32_t index,
                                      SDeviceInterface& iface) = 0;
    virtual bool GetDeviceInterfaceDetail(HDevInfo set, const SDeviceInterface& iface,
                                          std::string& devicePath, SDevInfoData& device) = 0;
    virtual bool GetDeviceRegistryProperty(HDevInfo set, const SDevInfoData& device,
                                           EDeviceProperty property, std::string& value) = 0;
    virtual void DestroyDeviceInfoList(HDevInfo set) = 0;
    // The device's instance id (USB\VID_0403&PID_6001\A50285BI), and its parent's (the USB
    // device below an adapter's own bus driver or below one interface of a composite device);
    // false where the system keeps none.
    virtual bool GetDeviceInstanceId(HDevInfo set, const SDevInfoData& device, std::string& id) {
        (void)set, (void)device, (void)id;
        return false;
    }
    virtual bool GetParentInstanceId(HDevInfo set, const SDevInfoData& device, std::string& id) {
        (void)set, (void)device, (void)id;
        return false;
    }
    // The port name ("COM5") in the device's hardware key; false where it has none.
    virtual bool GetDevicePortName(HDevInfo set, const SDevInfoData& device, std::string& name) {
        (void)set, (void)device, (void)name;
        return false;
    }

    // A name for the device at devicePath that stays the same when it is plugged in again
    // elsewhere (udev's serial/by-id link on Linux), or "" when the system keeps none. Not a
    // Windows service: there the device-interface path already stays.
    virtual std::string GetStableName(const std::string& devicePath) {
        (void)devicePath;
        return {};
    }

    // What the USB adapter behind the device at devicePath says of itself, as far as the
    // system tells it (sysfs on Linux); empty for a port that is not on USB. Not a Windows
    // service of the enumeration's.
    virtual SUsbIdentity GetUsbIdentity(const std::string& devicePath) {
        (void)devicePath;
        return {};
    }

    virtual bool OpenKey(HKey parent, const std::string& subKey, HKey& key) = 0;
    virtual bool EnumKey(HKey key, uint32_t index, std::string& name) = 0;
    virtual bool QueryValue(HKey key, const std::string& valueName, std::string& data) = 0;
    // The value at index: its name and its text ("" for a value that holds no text); fails
    // after the last. A system without a registry has no values.
    virtual bool EnumValue(HKey key, uint32_t index, std::string& name, std::string& data) {
        (void)key, (void)index, (void)name, (void)data;
        return false;
    }
    virtual void CloseKey(HKey key) = 0;
};

}  // namespace platform
