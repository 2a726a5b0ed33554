// Port names as users type them after --port, the same on every system.
#include "ports/port_name.h"

#include <gtest/gtest.h>

namespace {

TEST(PortName, ComNamesBecomeWin32DevicePathsAndPathsStayAsTyped) {
    const struct {
        const char* typed;
        const char* path;
    } cases[] = {
        {"COM5", "\\\\.\\COM5"},
        {"com12", "\\\\.\\COM12"},
        {"Com3:", "\\\\.\\COM3"},
        {"COM255", "\\\\.\\COM255"},
        {"\\\\.\\COM5", "\\\\.\\COM5"},
        {"\\\\.\\COM12", "\\\\.\\COM12"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/pts/3", "/dev/pts/3"},
        {"COM", "COM"},
        {"COM0", "COM0"},
        {"COM05", "COM05"},
        {"COM5x", "COM5x"},
        {"COMX", "COMX"},
        {"xCOM5", "xCOM5"},
        {"COM5::", "COM5::"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ports::PortPathFromName(c.typed), c.path) << c.typed;
    }
}

TEST(PortName, Win32DevicePathPutsTheDevicePrefixBeforeTheName) {
    EXPECT_EQ(ports::Win32DevicePath("COM3"), "\\\\.\\COM3");
}

}  // namespace
