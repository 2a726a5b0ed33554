// The Linux source on fake sysfs trees laid out like real machines (tests/fixtures/sysfs, made by
// make-trees.sh), on small trees built here for single rules, and on this machine's own /sys.
#include "platform/port_source_linux.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ports/enumerate_ports.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;
using platform::CPortSourceLinux;
using ports::CPortInfo;
using ports::CPortInfoArray;

namespace {

std::string Machine(const std::string& name, const std::string& part) {
    return std::string(ZELKOR_FIXTURES) + "/sysfs/" + name + "/" + part;
}

// devRoot "" stands for a machine without udev's links, whatever this machine has in /dev.
std::vector<CPortInfo> EnumerateTree(const std::string& root, const std::string& devRoot = "") {
    CPortSourceLinux source(root, devRoot.empty() ? root + "/no-dev" : devRoot);
    CPortInfoArray list;
    ports::EnumerateSerialPorts(list, source);
    return {list.begin(), list.end()};
}

CPortInfo Entry(const std::string& node, const std::string& text, bool bUsb,
                const std::string& stableName = "", platform::SUsbIdentity usb = {}) {
    return {"/dev/" + node, "", text + " (" + node + ")", bUsb, text, stableName, std::move(usb)};
}

TEST(PortSourceLinux, DesktopListsRealPortsInNameOrderAndLeavesOutPortsWithoutAUart) {
    std::vector<CPortInfo> expected = {
        Entry("rfcomm0", "Bluetooth RFCOMM", false),
        Entry("ttyACM0", "STM32 Virtual ComPort", true, "",
              {"0483", "5740", "STMicroelectronics", "6D8E3A5B5550"}),
        Entry("ttyS0", "serial", false),
        Entry("ttyS1", "serial", false),
        Entry("ttyUSB0", "FT232R USB UART", true, "", {"0403", "6001", "FTDI", "A50285BI"}),
        Entry("ttyUSB1", "USB Serial", true, "", {"1a86", "7523", "", ""}),
    };
    EXPECT_EQ(EnumerateTree(Machine("desktop", "sys")), expected);
}

TEST(PortSourceLinux, LaptopNamesSerialBasePortsByTheirHardware) {
    std::vector<CPortInfo> expected = {
        Entry("ttyAMA0", "uart-pl011", false),
        Entry("ttyS0", "serial", false),
        Entry("ttyUSB0", "Dual RS232-HS", true, "", {"0403", "6010", "FTDI", ""}),
        Entry("ttyUSB1", "Dual RS232-HS", true, "", {"0403", "6010", "FTDI", ""}),
    };
    EXPECT_EQ(EnumerateTree(Machine("laptop", "sys")), expected);
}

// The two identical ports of one adapter differ only in their stable names.
TEST(PortSourceLinux, EntriesCarryTheirStableNames) {
    const std::string byId = Machine("laptop", "dev") + "/serial/by-id/";
    std::vector<CPortInfo> expected = {
        Entry("ttyAMA0", "uart-pl011", false),
        Entry("ttyS0", "serial", false),
        Entry("ttyUSB0", "Dual RS232-HS", true, byId + "usb-FTDI_Dual_RS232-HS-if00-port0",
              {"0403", "6010", "FTDI", ""}),
        Entry("ttyUSB1", "Dual RS232-HS", true, byId + "usb-FTDI_Dual_RS232-HS-if01-port0",
              {"0403", "6010", "FTDI", ""}),
    };
    EXPECT_EQ(EnumerateTree(Machine("laptop", "sys"), Machine("laptop", "dev")), expected);
}

TEST(PortSourceLinux, LocationsSayWhereEachPortSits) {
    struct SCase {
        const char* pszMachine;
        const char* pszName;
        const char* pszLocation;
    };
    const SCase cases[] = {
        {"desktop", "ttyUSB0", "USB 1-2:1.0"},
        {"desktop", "ttyACM0", "USB 1-3:1.0"},
        {"desktop", "ttyUSB1", "USB 1-4:1.0"},
        {"desktop", "ttyS1", "pnp 00:06"},
        {"desktop", "rfcomm0", "Bluetooth 00:1a:7d:da:71:13 channel 1"},
        {"laptop", "ttyUSB1", "USB 3-1:1.1"},
        {"laptop", "ttyS0", "pnp 00:01"},
        {"laptop", "ttyAMA0", "amba fe201000.serial"},
    };
    for (const SCase& c : cases) {
        std::vector<platform::SSysfsPort> found;
        int error = 0;
        ASSERT_TRUE(platform::ReadSysfsPorts(Machine(c.pszMachine, "sys"), found, error));
        auto it = std::find_if(found.begin(), found.end(), [&](const platform::SSysfsPort& p) {
            return p.strName == c.pszName;
        });
        ASSERT_NE(it, found.end()) << c.pszName;
        EXPECT_EQ(it->strLocation, c.pszLocation) << c.pszMachine << " " << c.pszName;
    }
}

TEST(PortSourceLinux, TreeWithoutTtyClassFailsWithTheSystemCode) {
    testing_support::CTempDir dir;
    CPortSourceLinux source(dir.File("missing"));
    CPortInfoArray list;
    try {
        ports::EnumerateSerialPorts(list, source);
        FAIL() << "no error";
    } catch (const ports::MPortEnumError& error) {
        EXPECT_STREQ(error.what(), "SetupDiGetClassDevs failed. (err=2)");
    }
}

TEST(PortSourceLinux, UsbDeviceClassIsEmptyAndSetsAreSnapshots) {
    CPortSourceLinux source(Machine("desktop", "sys"));
    platform::HDevInfo usb = source.GetClassDevs(platform::kGuidDevInterfaceUsbDevice);
    ASSERT_NE(usb, platform::kInvalidDevInfo);
    platform::SDeviceInterface iface;
    EXPECT_FALSE(source.EnumDeviceInterfaces(usb, platform::kGuidDevInterfaceUsbDevice, 0, iface));
    EXPECT_EQ(source.GetLastError(), platform::kErrorNoMoreItems);
    source.DestroyDeviceInfoList(usb);
    EXPECT_FALSE(source.EnumDeviceInterfaces(usb, platform::kGuidDevInterfaceUsbDevice, 0, iface));
    EXPECT_EQ(source.GetLastError(), platform::kErrorInvalidHandle);
}

// A small tree for one rule at a time.
class CSmallTree {
public:
    void Tty(const std::string& name, const std::string& deviceDir, const std::string& type = "") {
        fs::path ttyDir = Root() / "devices" / deviceDir / "tty" / name;
        fs::create_directories(ttyDir);
        fs::create_directories(Root() / "class" / "tty");
        fs::create_symlink(ttyDir, Root() / "class" / "tty" / name);
        fs::create_symlink(Root() / "devices" / deviceDir, ttyDir / "device");
        if (!type.empty()) {
            Write(ttyDir / "type", type);
        }
    }
    void Hardware(const std::string& deviceDir, const std::string& subsystem,
                  const std::string& driver) {
        fs::path dir = Root() / "devices" / deviceDir;
        fs::create_directories(dir);
        fs::create_directories(Root() / "bus" / subsystem / "drivers" / driver);
        fs::create_symlink(Root() / "bus" / subsystem, dir / "subsystem");
        if (!driver.empty()) {
            fs::create_symlink(Root() / "bus" / subsystem / "drivers" / driver, dir / "driver");
        }
    }
    void Write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text << "\n";
    }
    fs::path Root() const { return m_dir.Path() / "sys"; }

private:
    testing_support::CTempDir m_dir;
};

TEST(PortSourceLinux, OrderComparesNumbersAsNumbers) {
    CSmallTree tree;
    tree.Hardware("platform/uart", "platform", "dw-apb-uart");
    for (const char* name : {"ttyS10", "ttyS2", "ttyS1", "ttyAMA0", "ttyS02x"}) {
        tree.Tty(name, "platform/uart", "4");
    }
    std::vector<std::string> names;
    for (const CPortInfo& entry : EnumerateTree(tree.Root().string())) {
        names.push_back(entry.m_strPath);
    }
    std::vector<std::string> expected = {"/dev/ttyAMA0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS02x",
                                         "/dev/ttyS10"};
    EXPECT_EQ(names, expected);
}

TEST(PortSourceLinux, UsbTextFallsBackToInterfaceThenDriver) {
    CSmallTree tree;
    const std::string bus = "pci0000:00/usb1";
    for (const char* device : {"1-1", "1-2", "1-3"}) {
        tree.Hardware(bus + "/" + device, "usb", "usb");
        tree.Write(tree.Root() / "devices" / bus / device / "idVendor", "0403");
        std::string usbInterface = bus + "/" + device + "/" + device + ":1.0";
        tree.Hardware(usbInterface, "usb", "ftdi_sio");
        tree.Hardware(usbInterface + "/port", "usb-serial", "ftdi_sio");
    }
    tree.Write(tree.Root() / "devices" / bus / "1-1" / "product", "Cable");
    tree.Write(tree.Root() / "devices" / bus / "1-1/1-1:1.0" / "interface", "Unused");
    tree.Write(tree.Root() / "devices" / bus / "1-2/1-2:1.0" / "interface", "Interface text");
    tree.Tty("ttyUSB0", bus + "/1-1/1-1:1.0/port");
    tree.Tty("ttyUSB1", bus + "/1-2/1-2:1.0/port");
    tree.Tty("ttyUSB2", bus + "/1-3/1-3:1.0/port");
    const platform::SUsbIdentity vendorOnly{"0403", "", "", ""};
    std::vector<CPortInfo> expected = {Entry("ttyUSB0", "Cable", true, "", vendorOnly),
                                       Entry("ttyUSB1", "Interface text", true, "", vendorOnly),
                                       Entry("ttyUSB2", "ftdi_sio", true, "", vendorOnly)};
    EXPECT_EQ(EnumerateTree(tree.Root().string()), expected);
}

TEST(PortSourceLinux, DeviceNodeIsTheNameUdevGivesIt) {
    CSmallTree tree;
    tree.Hardware("platform/uart", "platform", "");
    tree.Tty("ttyX0", "platform/uart");
    tree.Write(tree.Root() / "devices/platform/uart/tty/ttyX0/uevent",
               "MAJOR=4\nMINOR=1\nDEVNAME=serial/port0");
    std::vector<CPortInfo> expected = {
        {"/dev/serial/port0", "", "Serial port (ttyX0)", false, "Serial port", ""}};
    EXPECT_EQ(EnumerateTree(tree.Root().string()), expected);
}

TEST(FindSerialByIdName, FindsTheStableNameLeadingToTheNode) {
    const std::string dev = Machine("desktop", "dev");
    const std::string byId = dev + "/serial/by-id/";
    EXPECT_EQ(platform::FindSerialByIdName(dev, "/dev/ttyUSB0"),
              byId + "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    EXPECT_EQ(platform::FindSerialByIdName(dev, "/dev/ttyUSB1"),
              byId + "usb-1a86_USB_Serial-if00-port0");
    EXPECT_EQ(platform::FindSerialByIdName(dev, "/dev/ttyS0"), "");
    EXPECT_EQ(platform::FindSerialByIdName(dev, "/dev/ttyUSB"), "");
    EXPECT_EQ(platform::FindSerialByIdName(dev, "/elsewhere/ttyUSB0"), "");
    EXPECT_EQ(platform::FindSerialByIdName(dev + "/missing", "/dev/ttyUSB0"), "");
}

// This machine's own ports: whatever it has, the list is made without error and leaves out
// the ports the kernel keeps without a UART.
TEST(PortSourceLinux, ThisMachinesOwnPorts) {
    if (!fs::is_directory("/sys/class/tty")) {
        GTEST_SKIP() << "no sysfs here";
    }
    CPortInfoArray list;
    ASSERT_NO_THROW(ports::EnumerateSerialPorts(list));
    for (const CPortInfo& entry : list) {
        ASSERT_EQ(entry.m_strPath.rfind("/dev/", 0), 0u) << entry.m_strPath;
        std::string name = fs::path(entry.m_strPath).filename().string();
        std::ifstream type("/sys/class/tty/" + name + "/type");
        std::string value;
        if (type >> value) {
            EXPECT_NE(value, "0") << name;
        }
        EXPECT_FALSE(entry.m_strFriendlyName.empty());
    }
}

}  // namespace
