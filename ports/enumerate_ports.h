// Builds the list of the machine's serial ports from the source that fits the system: the
// device-interface classes, a fixed list of fifty COM names, or the registry's hardware tree.
//
// Threads: user-interface thread (the port dialog is the only caller).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/port_system.h"
#include "ports/port_info.h"

namespace ports {

// A failed enumeration: carries only the message for the user. The list it was filling keeps
// the entries appended before the failure, without the finishing pass.
class MPortEnumError : public std::runtime_error {
public:
    explicit MPortEnumError(const std::string& text) : std::runtime_error(text) {}
    std::string GetText() const { return what(); }
};

// Empties the list, fills it from the system's source, finishes it and adds the stable names.
// Throws MPortEnumError.
void EnumerateSerialPorts(CPortInfoArray& list, platform::IPortSystem& system);
// The same on the running machine's own source.
void EnumerateSerialPorts(CPortInfoArray& list);

// The three sources; each appends to the list and throws MPortEnumError.
void EnumPortsSetupApi(platform::IPortSystem& system, CPortInfoArray& list);
void EnumPortsNT4(CPortInfoArray& list);
void EnumPortsWin9x(platform::IPortSystem& system, CPortInfoArray& list);
void AddWin9xPortInstances(platform::IPortSystem& system, platform::HKey deviceKey, bool bUsb,
                           CPortInfoArray& list);
// Beside the device-interface classes: every port a serial driver made, from the registry's
// HARDWARE\DEVICEMAP\SERIALCOMM (virtual ports and Wine's mapped ones among them), appended as
// its bare name where no entry has that port name yet. A system without the key adds nothing.
void EnumPortsSerialComm(platform::IPortSystem& system, CPortInfoArray& list);

// A USB device's identity in its instance id, USB\VID_0403&PID_6001\A50285BI: the ids as
// lower-case hex, as Linux shows them, and the serial number where the device has one (an
// instance Windows made up holds '&'). Nothing for another bus, or for one interface of a
// composite device (&MI_00), whose parent is the device that carries the serial number.
std::optional<platform::SUsbIdentity> UsbIdentityOfInstanceId(const std::string& id);

// Fills empty friendly names and descriptions from what the source did give.
void FinishPortList(CPortInfoArray& list);
// Asks the system for what it alone knows of each entry: its stable name, its USB identity.
void AddSystemNames(CPortInfoArray& list, platform::IPortSystem& system);

// The sizes of the buffers the sources read into; longer answers count as failed reads.
inline constexpr size_t kMaxDevicePath = 256;
inline constexpr size_t kPropertyBufferSize = 256;
inline constexpr size_t kRegistryBufferSize = 128;

}  // namespace ports
