// The list rules on scripted Windows systems: which source the version picks, what each source
// lists and in which order, the finishing pass, and every failure with its text, the entries it
// leaves and the handles it gives back.
#include "ports/enumerate_ports.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/ports/scripted_port_system.h"

using platform::SOsVersion;
using ports::CPortInfo;
using ports::CPortInfoArray;
using ports::EnumerateSerialPorts;
using ports::MPortEnumError;
using testing_support::CScriptedPortSystem;
using testing_support::SScriptedDevice;
using testing_support::SScriptedKey;

namespace {

std::vector<CPortInfo> Entries(const CPortInfoArray& list) {
    return {list.begin(), list.end()};
}

// Runs the enumeration and returns its message, or "" when it succeeded.
std::string Enumerate(CScriptedPortSystem& system, CPortInfoArray& list) {
    try {
        EnumerateSerialPorts(list, system);
    } catch (const MPortEnumError& error) {
        return error.GetText();
    }
    return {};
}

SScriptedDevice NamedDevice(const std::string& path, const std::string& name,
                            const std::string& location = "") {
    SScriptedDevice device{path, name + " (" + path + ")", name, std::nullopt, 0};
    if (!location.empty()) {
        device.location = location;
    }
    return device;
}

CPortInfo Entry(const std::string& path, const std::string& portName,
                const std::string& friendlyName, bool bUsb, const std::string& description) {
    return {path, portName, friendlyName, bUsb, description, ""};
}

// --- choosing the source --------------------------------------------------------------------

TEST(EnumerateSerialPorts, Nt4ListsComOneToFiftyWithoutAskingTheSystem) {
    CScriptedPortSystem system;
    system.version = SOsVersion{4, platform::kPlatformWin32Nt};
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    ASSERT_EQ(list.GetSize(), 50);
    for (int n = 1; n <= 50; ++n) {
        std::string name = "COM" + std::to_string(n);
        EXPECT_EQ(list[n - 1], Entry("\\\\.\\" + name, name, name, false, name));
    }
    EXPECT_EQ(list[2].m_strPath, R"(\\.\COM3)");
    EXPECT_EQ(system.CallCount(), 1);  // the version only
}

TEST(EnumerateSerialPorts, VersionPicksTheSource) {
    struct SCase {
        uint32_t nMajor;
        uint32_t nPlatform;
        const char* pszExpectedFirstPath;
    };
    const SCase cases[] = {
        {5, platform::kPlatformWin32Nt, "\\\\?\\acpi#pnp0501#1"},  // Windows 2000
        {10, 1, "\\\\?\\acpi#pnp0501#1"},                          // any version from 5 up
        {4, platform::kPlatformWin32Nt, "\\\\.\\COM1"},            // NT 4
        {3, platform::kPlatformWin32Nt, "\\\\.\\COM1"},
        {4, 1, "\\\\.\\COM7"},  // Windows 95/98/Me
        {4, 0, "\\\\.\\COM7"},
    };
    for (const SCase& c : cases) {
        CScriptedPortSystem system;
        system.version = SOsVersion{c.nMajor, c.nPlatform};
        system.comPorts.devices = {NamedDevice("\\\\?\\acpi#pnp0501#1", "Communications Port")};
        SScriptedKey& instance =
            system.localMachine.Add({"Enum"}).Add({"Root"}).Add({"*PNP0501"}).Add({"0000"});
        instance.values["PORTNAME"] = "COM7";
        CPortInfoArray list;
        ASSERT_EQ(Enumerate(system, list), "") << c.nMajor << "/" << c.nPlatform;
        ASSERT_GT(list.GetSize(), 0);
        EXPECT_EQ(list[0].m_strPath, c.pszExpectedFirstPath) << c.nMajor << "/" << c.nPlatform;
    }
}

TEST(EnumerateSerialPorts, FailedVersionEmptiesTheListAndReportsTheCode) {
    CScriptedPortSystem system;
    system.version.reset();
    system.nVersionError = 0x7e;
    CPortInfoArray list;
    list.Add(Entry("old", "COM9", "left from before", false, ""));
    EXPECT_EQ(Enumerate(system, list), "Could not get OS version. (err=7e)");
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(EnumerateSerialPorts, EveryRunStartsFromAnEmptyList) {
    CScriptedPortSystem system;
    system.comPorts.devices = {NamedDevice("a", "A")};
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    system.comPorts.devices = {NamedDevice("b", "B"), NamedDevice("c", "C")};
    ASSERT_EQ(Enumerate(system, list), "");
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[0].m_strPath, "b");
}

// --- the device-interface classes -----------------------------------------------------------

TEST(EnumPortsSetupApi, ListsNamedDevicesComClassFirstInMemberOrder) {
    CScriptedPortSystem system;
    SScriptedDevice friendlyOnly{"p3", "Only Friendly (COM3)", std::nullopt, "PCI bus 1", 0};
    SScriptedDevice descOnly{"p4", std::nullopt, "Only description", std::nullopt, 0};
    SScriptedDevice emptyTexts{"p5", "", "", "USB", 0};  // an empty answer is still an answer
    system.comPorts.devices = {
        NamedDevice("p1", "Communications Port", "PCI bus 0, device 31"),
        friendlyOnly,
        NamedDevice("p2", "USB Serial Port", "USB"),
        descOnly,
        emptyTexts,
        NamedDevice("p6", "Lower Case", "usb port 1"),
        NamedDevice("p7", "Too Short", "US"),
    };
    system.usbDevices.devices = {NamedDevice("u1", "USB Composite Device", "Port_#0001.Hub_#0002"),
                                 NamedDevice("u2", "Hub Port", "USBROOT(0)")};
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    std::vector<CPortInfo> expected = {
        Entry("p1", "", "Communications Port (p1)", false, "Communications Port"),
        Entry("p2", "", "USB Serial Port (p2)", true, "USB Serial Port"),
        Entry("p5", "", "", true, ""),
        Entry("p6", "", "Lower Case (p6)", false, "Lower Case"),
        Entry("p7", "", "Too Short (p7)", false, "Too Short"),
        Entry("u1", "", "USB Composite Device (u1)", false, "USB Composite Device"),
        Entry("u2", "", "Hub Port (u2)", true, "Hub Port"),
    };
    EXPECT_EQ(Entries(list), expected);
    EXPECT_EQ(system.OpenHandles(), 0u);
}

TEST(EnumPortsSetupApi, NoPresentDevicesIsAnEmptyListNotAnError) {
    CScriptedPortSystem system;
    CPortInfoArray list;
    EXPECT_EQ(Enumerate(system, list), "");
    EXPECT_EQ(list.GetSize(), 0);
    EXPECT_EQ(system.OpenHandles(), 0u);
}

TEST(EnumPortsSetupApi, AnswersLongerThanTheirBuffersCountAsFailedReads) {
    CScriptedPortSystem system;
    std::string longName(256, 'F');  // needs 257 bytes with its terminator
    std::string fitting(255, 'D');
    system.comPorts.devices = {
        SScriptedDevice{"long friendly", longName, "Desc", "USB", 0},
        SScriptedDevice{"fits", fitting, fitting, "USB" + std::string(253, 'x'), 0},
        SScriptedDevice{"long location", "Name", "Desc", "USB" + std::string(253, 'x'), 0},
        // A terminator inside an answer ends the text there, as in a string buffer.
        SScriptedDevice{"terminated", std::string("Name\0junk", 9), "Desc", "USB", 0},
    };
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    std::vector<CPortInfo> expected = {
        Entry("fits", "", fitting, false, fitting),
        Entry("long location", "", "Name", false, "Desc"),
        Entry("terminated", "", "Name", true, "Desc"),
    };
    EXPECT_EQ(Entries(list), expected);
}

TEST(EnumPortsSetupApi, FailuresStopTheWalkKeepTheEntriesSoFarAndReleaseTheSets) {
    struct SCase {
        const char* pszName;
        void (*plant)(CScriptedPortSystem&);
        const char* pszMessage;
        std::vector<std::string> pathsLeft;
    };
    const SCase cases[] = {
        {"com class cannot be read",
         [](CScriptedPortSystem& s) { s.comPorts.nClassDevsError = 0xd; },
         "SetupDiGetClassDevs failed. (err=d)",
         {}},
        {"usb class cannot be read",
         [](CScriptedPortSystem& s) { s.usbDevices.nClassDevsError = 0x5aa; },
         "SetupDiGetClassDevs failed. (err=5aa)",
         {"c0", "c1", "c2"}},
        {"com member cannot be listed",
         [](CScriptedPortSystem& s) {
             s.comPorts.failEnumAt = 2;
             s.comPorts.nEnumError = 0x3e6;
         },
         "SetupDiEnumDeviceInterfaces failed. (err=3e6)",
         {"c0", "c1"}},
        {"usb member cannot be listed",
         [](CScriptedPortSystem& s) {
             s.usbDevices.failEnumAt = 1;
             s.usbDevices.nEnumError = 0x1f;
         },
         "SetupDiEnumDeviceInterfaces failed. (err=1f)",
         {"c0", "c1", "c2", "u0"}},
        {"detail fails",
         [](CScriptedPortSystem& s) { s.comPorts.devices[1].nDetailError = 0x57; },
         "SetupDiGetDeviceInterfaceDetail failed. (err=57)",
         {"c0"}},
        {"path one longer than the buffer holds",
         [](CScriptedPortSystem& s) { s.comPorts.devices[1].strPath = std::string(257, 'p'); },
         "SetupDiGetDeviceInterfaceDetail failed. (err=7a)",
         {"c0"}},
        {"path far longer than the buffer",
         [](CScriptedPortSystem& s) { s.usbDevices.devices[0].strPath = std::string(70000, 'p'); },
         "SetupDiGetDeviceInterfaceDetail failed. (err=7a)",
         {"c0", "c1", "c2"}},
    };
    for (const SCase& c : cases) {
        CScriptedPortSystem system;
        // Unnamed in the property sense only: description left for the finishing pass.
        for (const char* path : {"c0", "c1", "c2"}) {
            system.comPorts.devices.push_back(NamedDevice(path, "Port"));
        }
        for (const char* path : {"u0", "u1"}) {
            system.usbDevices.devices.push_back(NamedDevice(path, "Device"));
        }
        c.plant(system);
        CPortInfoArray list;
        EXPECT_EQ(Enumerate(system, list), c.pszMessage) << c.pszName;
        std::vector<std::string> paths;
        for (const CPortInfo& entry : list) {
            paths.push_back(entry.m_strPath);
        }
        EXPECT_EQ(paths, c.pathsLeft) << c.pszName;
        EXPECT_EQ(system.OpenHandles(), 0u) << c.pszName;
    }
}

TEST(EnumPortsSetupApi, PathOfExactlyTheBufferLengthIsListed) {
    CScriptedPortSystem system;
    std::string path(256, 'p');
    system.comPorts.devices = {SScriptedDevice{path, "Name", "Desc", std::nullopt, 0}};
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_strPath, path);
}

TEST(EnumPortsSetupApi, FailurePartWayLeavesEntriesUnfinished) {
    CScriptedPortSystem system;
    system.comPorts.devices = {SScriptedDevice{"c0", "Port (COM1)", "", std::nullopt, 0}};
    system.usbDevices.nClassDevsError = 0x8;
    CPortInfoArray list;
    ASSERT_NE(Enumerate(system, list), "");
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_strDescription, "");  // the finishing pass did not run
}

// --- the registry's hardware tree -----------------------------------------------------------

SScriptedKey Instance(const std::string& name, const std::string& portName,
                      const std::string& friendlyName = "") {
    SScriptedKey key{name, {}};
    if (!portName.empty()) {
        key.values["PORTNAME"] = portName;
    }
    if (!friendlyName.empty()) {
        key.values["FRIENDLYNAME"] = friendlyName;
    }
    return key;
}

SScriptedKey Device(const std::string& name, std::vector<SScriptedKey> instances) {
    return {name, std::move(instances)};
}

// A Windows 98 machine: two motherboard ports, a BIOS copy of COM1, a modem, a printer port and
// a USB adapter.
CScriptedPortSystem Win98System() {
    CScriptedPortSystem system;
    system.version = SOsVersion{4, 1};
    SScriptedKey& hardware = system.localMachine.Add({"Enum"});
    hardware.Add({"Root", {Device("*PNP0C01", {Instance("0000", "COM9")})}});
    hardware.Add({"BIOS",
                  {Device("*PNP0501", {Instance("00", "COM1", "Communications Port (COM1)"),
                                       Instance("01", "COM2")}),
                   Device("*PNP0400", {Instance("00", "LPT1", "Printer Port (LPT1)")}),
                   Device("*PNP0500", {Instance("02", "", "No port name")})}});
    hardware.Add({"ISAPNP",
                  {Device("*PNP0500", {Instance("0A", "COM1", "ECP Port (COM1)")}),
                   Device("*pnp0501", {Instance("0B", "COM8")})}});
    hardware.Add({"USBPORTS",
                  {Device("VID_067B&PID_2303", {Instance("5&1", "COM5", "USB Serial Port (COM5)")}),
                   Device("HUB", {Instance("7", "")})}});
    hardware.Add({"usbports", {Device("VID_0403", {Instance("1", "COM6")})}});
    return system;
}

TEST(EnumPortsWin9x, ReadsSerialKeysAndEveryUsbPortsDeviceKeepingFirstPlaceOfEachName) {
    CScriptedPortSystem system = Win98System();
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    std::vector<CPortInfo> expected = {
        // COM1 stays where BIOS listed it, with what ISAPNP said last.
        Entry(R"(\\.\COM1)", "COM1", "ECP Port (COM1)", false, "ECP Port"),
        Entry(R"(\\.\COM2)", "COM2", "COM2", false, "COM2"),
        Entry(R"(\\.\COM5)", "COM5", "USB Serial Port (COM5)", true, "USB Serial Port"),
    };
    EXPECT_EQ(Entries(list), expected);
    EXPECT_EQ(system.OpenHandles(), 0u);
}

TEST(EnumPortsWin9x, FailuresNameTheKeyKeepTheEntriesSoFarAndCloseEveryKey) {
    struct SCase {
        const char* pszName;
        void (*plant)(SScriptedKey& hardware);
        const char* pszMessage;
        size_t nEntriesLeft;
    };
    const SCase cases[] = {
        {"enumerator", [](SScriptedKey& h) { h.subKeys[2].bOpenFails = true; },
         "Could not read from HKLM\\Enum\\ISAPNP", 2},
        {"device key", [](SScriptedKey& h) { h.subKeys[3].subKeys[0].bOpenFails = true; },
         "Could not read from HKLM\\Enum\\USBPORTS\\VID_067B&PID_2303", 2},
        {"instance key",
         [](SScriptedKey& h) { h.subKeys[1].subKeys[0].subKeys[1].bOpenFails = true; },
         "Could not read from HKLM\\Enum\\...\\01", 1},
        // An ignored device key is never opened, so it cannot fail.
        {"ignored key", [](SScriptedKey& h) { h.subKeys[0].subKeys[0].bOpenFails = true; }, "", 3},
    };
    for (const SCase& c : cases) {
        CScriptedPortSystem system = Win98System();
        c.plant(system.localMachine.subKeys[0]);
        CPortInfoArray list;
        EXPECT_EQ(Enumerate(system, list), c.pszMessage) << c.pszName;
        EXPECT_EQ(static_cast<size_t>(list.GetSize()), c.nEntriesLeft) << c.pszName;
        EXPECT_EQ(system.OpenHandles(), 0u) << c.pszName;
        if (!std::string(c.pszMessage).empty()) {
            // Unfinished: BIOS's COM1 still has its own name and no description yet.
            ASSERT_GE(list.GetSize(), 1);
            EXPECT_EQ(list[0].m_strDescription, "") << c.pszName;
        }
    }
}

TEST(EnumPortsWin9x, MissingEnumKeyIsReported) {
    CScriptedPortSystem system;
    system.version = SOsVersion{4, 1};
    CPortInfoArray list;
    EXPECT_EQ(Enumerate(system, list), "Could not read from HKLM\\Enum");
    system.localMachine.Add({"Enum"}).bOpenFails = true;
    EXPECT_EQ(Enumerate(system, list), "Could not read from HKLM\\Enum");
    EXPECT_EQ(system.OpenHandles(), 0u);
}

TEST(EnumPortsWin9x, OverlongNamesEndTheirWalkQuietlyAndOverlongValuesAreNotRead) {
    CScriptedPortSystem system;
    system.version = SOsVersion{4, 1};
    SScriptedKey& hardware = system.localMachine.Add({"Enum"});
    std::string name127(127, 'k');
    std::string name128(128, 'k');
    hardware.Add({name127,
                  {Device("*PNP0501", {Instance("0", "COM1", std::string(128, 'F')),
                                       Instance("1", std::string(128, 'C')),
                                       Instance(name128, "COM4"), Instance("3", "COM5")})}});
    hardware.Add({"ROOT", {Device(name128, {}), Device("*PNP0501", {Instance("0", "COM2")})}});
    hardware.Add({name128, {}});
    hardware.Add({"LATE", {Device("*PNP0501", {Instance("0", "COM3")})}});
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    std::vector<CPortInfo> expected = {Entry(R"(\\.\COM1)", "COM1", "COM1", false, "COM1")};
    EXPECT_EQ(Entries(list), expected);
    EXPECT_EQ(system.OpenHandles(), 0u);
}

// --- the finishing pass ---------------------------------------------------------------------

TEST(FinishPortList, FillsFriendlyNameAndShortensTheDescriptionTakenFromIt) {
    struct SCase {
        const char* pszPortName;
        const char* pszFriendly;
        const char* pszDescription;
        const char* pszExpectedFriendly;
        const char* pszExpectedDescription;
    };
    const SCase cases[] = {
        {"COM5", "USB Serial Port (COM5)", "", "USB Serial Port (COM5)", "USB Serial Port"},
        {"COM1", "Communications Port (COM1)", "", "Communications Port (COM1)",
         "Communications Port"},
        {"", "Port (A) B", "", "Port (A) B", "Port (A) B"},
        {"", " (COM1)", "", " (COM1)", " (COM1)"},
        {"", "A (b) (c)", "", "A (b) (c)", "A (b) (c)"},
        {"", "A (b", "", "A (b", "A (b"},
        {"", "A(b)", "", "A(b)", "A(b)"},
        {"", "A (b))", "", "A (b))", "A (b))"},
        {"", "A (b)", "", "A (b)", "A"},
        {"", "Modem ( COM2 )", "", "Modem ( COM2 )", "Modem"},
        {"COM3", "", "", "COM3", "COM3"},
        {"COM4", "", "Given", "COM4", "Given"},
        {"COM6", "Port (COM6)", "Kept (as is)", "Port (COM6)", "Kept (as is)"},
        {"", "", "", "", ""},
    };
    CPortInfoArray list;
    for (const SCase& c : cases) {
        list.Add(Entry("path", c.pszPortName, c.pszFriendly, false, c.pszDescription));
    }
    ports::FinishPortList(list);
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(list[static_cast<int>(i)].m_strFriendlyName, cases[i].pszExpectedFriendly) << i;
        EXPECT_EQ(list[static_cast<int>(i)].m_strDescription, cases[i].pszExpectedDescription) << i;
    }
}

// --- stable names and the port in use --------------------------------------------------------

TEST(EnumerateSerialPorts, EachEntryCarriesTheStableNameTheSystemKeeps) {
    CScriptedPortSystem system;
    system.comPorts.devices = {NamedDevice("/dev/ttyUSB0", "Dual RS232-HS"),
                               NamedDevice("/dev/ttyUSB1", "Dual RS232-HS"),
                               NamedDevice("/dev/ttyS0", "serial")};
    system.stableNames = {{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI-if00-port0"},
                          {"/dev/ttyUSB1", "/dev/serial/by-id/usb-FTDI-if01-port0"}};
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list[0].m_strStableName, "/dev/serial/by-id/usb-FTDI-if00-port0");
    EXPECT_EQ(list[1].m_strStableName, "/dev/serial/by-id/usb-FTDI-if01-port0");
    EXPECT_EQ(list[2].m_strStableName, "");
    EXPECT_EQ(list[0].m_strDescription, list[1].m_strDescription);  // told apart only so
}

// --- Windows: the registry's ports beside the classes, and a USB adapter's identity -------------

TEST(UsbIdentityOfInstanceId, TakesIdsAndSerialFromAUsbDevicesInstanceIdOnly) {
    using platform::SUsbIdentity;
    const struct {
        const char* pszId;
        std::optional<SUsbIdentity> expected;
    } cases[] = {
        {R"(USB\VID_0403&PID_6001\A50285BI)", SUsbIdentity{"0403", "6001", "", "A50285BI"}},
        {R"(USB\VID_10C4&PID_EA60\0001)", SUsbIdentity{"10c4", "ea60", "", "0001"}},
        {R"(usb\vid_067b&pid_2303&rev_0300\5&2A3C4F&0&1)", SUsbIdentity{"067b", "2303", "", ""}},
        {R"(USB\VID_2341&PID_8036&MI_00\6&3A7F9C2&0&0000)", std::nullopt},  // one interface
        {R"(FTDIBUS\VID_0403+PID_6001+A50285BIA\0000)", std::nullopt},
        {R"(ACPI\PNP0501\1)", std::nullopt},
        {R"(USB\ROOT_HUB30\4&1B2C&0&0)", std::nullopt},
        {R"(USB\VID_04O3&PID_6001\A1)", std::nullopt},
        {R"(USB\VID_0403&PID_6001)", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ports::UsbIdentityOfInstanceId(c.pszId), c.expected) << c.pszId;
    }
}

TEST(EnumerateSerialPorts, WindowsAddsTheRegistrysPortsAndEachAdaptersIdentity) {
    CScriptedPortSystem system;
    SScriptedDevice builtIn = NamedDevice(R"(\\?\acpi#pnp0501#1)", "Communications Port");
    builtIn.portName = "COM1";
    builtIn.instanceId = R"(ACPI\PNP0501\1)";
    builtIn.parentInstanceId = R"(ACPI\PNP0A08\0)";
    SScriptedDevice ftdi = NamedDevice(R"(\\?\ftdibus#vid_0403)", "USB Serial Port");
    ftdi.portName = "COM5";
    ftdi.instanceId = R"(FTDIBUS\VID_0403+PID_6001+A50285BIA\0000)";
    ftdi.parentInstanceId = R"(USB\VID_0403&PID_6001\A50285BI)";
    ftdi.manufacturer = "FTDI";
    SScriptedDevice cdc = NamedDevice(R"(\\?\usb#vid_2341)", "USB Serial Device");
    cdc.instanceId = R"(USB\VID_2341&PID_8036&MI_00\6&3A7F9C2&0&0000)";
    cdc.parentInstanceId = R"(USB\VID_2341&PID_8036\5&1D0F&0&2)";
    system.comPorts.devices = {builtIn, ftdi, cdc};
    SScriptedKey& serialComm = system.localMachine.Add({"HARDWARE\\DEVICEMAP\\SERIALCOMM"});
    serialComm.values = {{R"(\Device\Serial0)", "COM1"},
                         {R"(\Device\VCP0)", "COM5"},
                         {R"(\Device\com0com10)", "COM7"},
                         {R"(\Device\Empty)", ""}};
    CPortInfoArray list;
    ASSERT_EQ(Enumerate(system, list), "");
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list[0].m_strPortName, "COM1");
    EXPECT_FALSE(list[0].m_bUsb);
    EXPECT_EQ(list[1].m_usb, (platform::SUsbIdentity{"0403", "6001", "FTDI", "A50285BI"}));
    EXPECT_TRUE(list[1].m_bUsb) << "the instance id tells USB where the location does not";
    EXPECT_EQ(list[2].m_usb, (platform::SUsbIdentity{"2341", "8036", "", ""}));
    // Known to the registry alone: listed by its bare name, opened by its device path.
    EXPECT_EQ(list[3], Entry(R"(\\.\COM7)", "COM7", "COM7", false, "COM7"));
    EXPECT_EQ(ports::FindPort(list, R"(\\.\COM5)"), 1) << "the port remembered by its name";
    EXPECT_EQ(system.OpenHandles(), 0u);
}

TEST(FindPort, FindsThePortByEitherNameTheLastOfEqualOnes) {
    CPortInfoArray list;
    list.Add({"/dev/ttyUSB0", "", "A (ttyUSB0)", true, "A", "/dev/serial/by-id/a"});
    list.Add({"/dev/ttyS0", "", "serial (ttyS0)", false, "serial", ""});
    list.Add({"/dev/same", "", "B", false, "B", ""});
    list.Add({"/dev/same", "", "C", false, "C", ""});
    struct SCase {
        const char* pszPath;
        int nExpected;
    };
    const SCase cases[] = {
        {"/dev/ttyUSB0", 0},         {"/dev/serial/by-id/a", 0},
        {"/dev/ttyS0", 1},           {"/dev/same", 3},
        {"/dev/ttyUSB1", -1},        {"", -1},
        {"/dev/serial/by-id/b", -1},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(ports::FindPort(list, c.pszPath), c.nExpected) << c.pszPath;
    }
}

TEST(AddPortInUse, ListsThePortInUseOnlyWhenTheSystemDidNot) {
    struct SCase {
        const char* pszInUse;
        int nExpectedSize;
        int nExpectedLine;  // where the port in use is found afterwards
    };
    const SCase cases[] = {
        {"/dev/pts/3", 3, 2},           // a pseudo-terminal: no system lists it
        {"/dev/ttyUSB0", 2, 0},         // listed by its node
        {"/dev/serial/by-id/a", 2, 0},  // listed by its stable name
        {"", 2, -1},                    // no port in use
    };
    for (const SCase& c : cases) {
        CPortInfoArray list;
        list.Add({"/dev/ttyUSB0", "", "A (ttyUSB0)", true, "A", "/dev/serial/by-id/a"});
        list.Add({"/dev/ttyS0", "", "serial (ttyS0)", false, "serial", ""});
        ports::AddPortInUse(list, c.pszInUse);
        EXPECT_EQ(list.GetSize(), c.nExpectedSize) << c.pszInUse;
        EXPECT_EQ(ports::FindPort(list, c.pszInUse), c.nExpectedLine) << c.pszInUse;
    }
    CPortInfoArray list;
    ports::AddPortInUse(list, "/dev/pts/3");
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0], CPortInfo({"/dev/pts/3", "", "/dev/pts/3", false, "/dev/pts/3", ""}));
}

}  // namespace
