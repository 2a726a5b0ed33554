// The port source on the running Windows (here Wine's): its calls answer as the system's do.
#include "platform/port_source_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ports/enumerate_ports.h"

namespace {

TEST(PortSourceWin32, TheRealSystemListsItsPortsWithoutAnError) {
    ports::CPortInfoArray list;
    ASSERT_NO_THROW(ports::EnumerateSerialPorts(list));
    for (const ports::CPortInfo& entry : list) {
        EXPECT_FALSE(entry.m_strPath.empty());
        EXPECT_FALSE(entry.m_strFriendlyName.empty());
        EXPECT_FALSE(entry.m_strDescription.empty());
    }
    platform::CPortSourceWin32 source;
    platform::SOsVersion version;
    ASSERT_TRUE(source.GetVersion(version));
    EXPECT_GE(version.nMajorVersion, 5u) << "the device-interface classes";
    EXPECT_EQ(version.nPlatformId, platform::kPlatformWin32Nt);
}

TEST(PortSourceWin32, EachInterfaceClassIsWalkedToItsEnd) {
    platform::CPortSourceWin32 source;
    for (const platform::SGuid& guid :
         {platform::kGuidDevInterfaceComPort, platform::kGuidDevInterfaceUsbDevice}) {
        platform::HDevInfo set = source.GetClassDevs(guid);
        ASSERT_NE(set, platform::kInvalidDevInfo);
        uint32_t index = 0;
        platform::SDeviceInterface iface;
        while (source.EnumDeviceInterfaces(set, guid, index, iface)) {
            std::string path;
            platform::SDevInfoData device;
            EXPECT_TRUE(source.GetDeviceInterfaceDetail(set, iface, path, device));
            EXPECT_FALSE(path.empty());
            ++index;
        }
        EXPECT_EQ(source.GetLastError(), platform::kErrorNoMoreItems);
        source.DestroyDeviceInfoList(set);
    }
    platform::SDeviceInterface iface;
    EXPECT_FALSE(source.EnumDeviceInterfaces(12345, platform::kGuidDevInterfaceComPort, 0, iface));
    EXPECT_EQ(source.GetLastError(), platform::kErrorInvalidHandle);
}

// The registry road's calls on keys every Windows has; the fifty-port and registry roads
// themselves are the scripted systems' tests, as on Linux.
TEST(PortSourceWin32, RegistryKeysOpenListAndAnswerAsTheSystemHasThem) {
    platform::CPortSourceWin32 source;
    platform::HKey software = 0;
    ASSERT_TRUE(source.OpenKey(platform::kLocalMachine, "Software", software));
    std::string name;
    EXPECT_TRUE(source.EnumKey(software, 0, name));
    EXPECT_FALSE(name.empty());
    EXPECT_FALSE(source.EnumKey(software, 100000, name));
    EXPECT_EQ(source.GetLastError(), platform::kErrorNoMoreItems);

    platform::HKey current = 0;
    ASSERT_TRUE(source.OpenKey(software, "Microsoft\\Windows NT\\CurrentVersion", current));
    std::string product;
    EXPECT_TRUE(source.QueryValue(current, "ProductName", product));
    EXPECT_FALSE(product.empty());
    EXPECT_EQ(product.find('\0'), std::string::npos);
    EXPECT_FALSE(source.QueryValue(current, "NoSuchValueAnywhere", product));
    EXPECT_EQ(source.GetLastError(), platform::kErrorFileNotFound);
    std::string name0;
    std::string data0;
    EXPECT_TRUE(source.EnumValue(current, 0, name0, data0));
    EXPECT_FALSE(name0.empty());
    EXPECT_FALSE(source.EnumValue(current, 100000, name0, data0));
    EXPECT_EQ(source.GetLastError(), platform::kErrorNoMoreItems);
    source.CloseKey(current);
    source.CloseKey(software);

    platform::HKey missing = 0;
    EXPECT_FALSE(source.OpenKey(platform::kLocalMachine, "Enum", missing))
        << "no Windows 95 tree on an NT system";
    EXPECT_EQ(source.GetLastError(), platform::kErrorFileNotFound);
}

}  // namespace
