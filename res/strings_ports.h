// Texts of the port list and the Select Comm Port dialog.
#pragma once

#include "res/translate.h"

namespace res {

// Enumeration failures; "%lx" takes the system's error code.
inline constexpr const char kPortErrOsVersion[] = "Could not get OS version. (err=%lx)";
inline constexpr const char kPortErrClassDevs[] = "SetupDiGetClassDevs failed. (err=%lx)";
inline constexpr const char kPortErrEnumInterfaces[] =
    "SetupDiEnumDeviceInterfaces failed. (err=%lx)";
inline constexpr const char kPortErrInterfaceDetail[] =
    "SetupDiGetDeviceInterfaceDetail failed. (err=%lx)";
inline constexpr const char kPortErrEnumKey[] = "Could not read from HKLM\\Enum";
// Followed by the enumerator's name, and for a device key by "\" and the device key's name.
inline constexpr const char kPortErrEnumSubKey[] = "Could not read from HKLM\\Enum\\";
// Followed by the instance key's name.
inline constexpr const char kPortErrInstanceKey[] = "Could not read from HKLM\\Enum\\...\\";

// Port names of the fixed list.
inline constexpr const char kPortNameFormat[] = "COM%d";

// Names of ports on Linux that have no driver of their own to name them.
inline constexpr const char kPortBluetoothName[] = ZELKOR_TEXT("Bluetooth RFCOMM");
inline constexpr const char kPortBluetoothLocation[] = ZELKOR_TEXT("Bluetooth %s channel %s");
inline constexpr const char kPortGenericName[] = ZELKOR_TEXT("Serial port");

// zelkorctl ports
inline constexpr const char kPortsCommandHelp[] =
    "List the serial ports as the Select Comm Port dialog shows them";
inline constexpr const char kPortsSysfsRootHelp[] = "Read the ports from this sysfs tree";
inline constexpr const char kPortsDevRootHelp[] =
    "Look up the stable serial/by-id names in this device folder";
inline constexpr const char kPortsUsbFlag[] = "USB";
inline constexpr const char kPortsNotUsbFlag[] = "-";

// The Select Comm Port dialog.
inline constexpr const char kSelectPortCaption[] = ZELKOR_TEXT("Select Comm Port");
inline constexpr const char kSelectPortLabel[] = ZELKOR_TEXT("Select Comm Port");
inline constexpr const char kAccPortCombo[] = ZELKOR_TEXT("Port");
inline constexpr const char kSelectPortOk[] = ZELKOR_TEXT("OK");
inline constexpr const char kSelectPortCancel[] = ZELKOR_TEXT("Cancel");
inline constexpr const char kSelectPortRefresh[] = ZELKOR_TEXT("&Refresh");
// The columns of the opened list, and the chosen port's details under it.
inline constexpr const char kSelectPortColumnName[] = ZELKOR_TEXT("Port");
inline constexpr const char kSelectPortColumnStableName[] = ZELKOR_TEXT("Stable name");
inline constexpr const char kSelectPortColumnDescription[] = ZELKOR_TEXT("Description");
inline constexpr const char kSelectPortStableName[] = ZELKOR_TEXT("Stable name:");
inline constexpr const char kSelectPortNoStableName[] = ZELKOR_TEXT("none");
inline constexpr const char kSelectPortDescription[] = ZELKOR_TEXT("Description:");
inline constexpr const char kSelectPortUsbIdentity[] = ZELKOR_TEXT("USB adapter:");
inline constexpr const char kSelectPortNotUsb[] = ZELKOR_TEXT("not on USB");
// A port typed in the box that names no serial port; the reason follows under it.
inline constexpr const char kTypedPortRefused[] = ZELKOR_TEXT("\"%s\" is not a serial port.");

}  // namespace res
