// zelkorctl ports, run as a user runs it, on the fake machines.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/test_support.h"

namespace {

struct SRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

SRun RunPorts(const std::string& arguments) {
    testing_support::CTempDir dir;
    std::string command = std::string(ZELKOR_BINARY_DIR) + "/cli/zelkorctl ports " + arguments +
                          " >" + dir.File("out") + " 2>" + dir.File("err");
    int status = std::system(command.c_str());
    SRun run;
    run.nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    auto out = testing_support::ReadAll(dir.File("out"));
    auto err = testing_support::ReadAll(dir.File("err"));
    run.strOut.assign(out.begin(), out.end());
    run.strErr.assign(err.begin(), err.end());
    return run;
}

std::string Machine(const std::string& name) {
    std::string root = std::string(ZELKOR_FIXTURES) + "/sysfs/" + name;
    return "--sysfs-root '" + root + "/sys' --dev-root '" + root + "/dev'";
}

TEST(PortsCommand, ListsEachPortWithPathUsbFlagDescriptionStableNameAndUsbIdentity) {
    SRun run = RunPorts(Machine("desktop"));
    const std::string byId = std::string(ZELKOR_FIXTURES) + "/sysfs/desktop/dev/serial/by-id/";
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strOut,
              "Bluetooth RFCOMM (rfcomm0)\t/dev/rfcomm0\t-\tBluetooth RFCOMM\n"
              "STM32 Virtual ComPort (ttyACM0)\t/dev/ttyACM0\tUSB\tSTM32 Virtual ComPort\t" +
                  byId +
                  "usb-STMicroelectronics_STM32_Virtual_ComPort_6D8E3A5B5550-if00\t0483:5740\t"
                  "STMicroelectronics\t6D8E3A5B5550\n"
                  "serial (ttyS0)\t/dev/ttyS0\t-\tserial\n"
                  "serial (ttyS1)\t/dev/ttyS1\t-\tserial\n"
                  "FT232R USB UART (ttyUSB0)\t/dev/ttyUSB0\tUSB\tFT232R USB UART\t" +
                  byId +
                  "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\t0403:6001\tFTDI\tA50285BI\n"
                  "USB Serial (ttyUSB1)\t/dev/ttyUSB1\tUSB\tUSB Serial\t" +
                  byId + "usb-1a86_USB_Serial-if00-port0\t1a86:7523\n");
    EXPECT_EQ(run.strErr, "");
}

TEST(PortsCommand, IdenticalAdaptersAreToldApartByTheirStableNames) {
    SRun run = RunPorts(Machine("laptop"));
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_NE(run.strOut.find("Dual RS232-HS (ttyUSB0)\t/dev/ttyUSB0\tUSB\tDual RS232-HS\t"),
              std::string::npos);
    EXPECT_NE(run.strOut.find("usb-FTDI_Dual_RS232-HS-if00-port0\t0403:6010\tFTDI\n"),
              std::string::npos);
    EXPECT_NE(run.strOut.find("usb-FTDI_Dual_RS232-HS-if01-port0\t0403:6010\tFTDI\n"),
              std::string::npos);
}

TEST(PortsCommand, EnumerationErrorPrintsItsMessageAndFails) {
    testing_support::CTempDir empty;
    SRun run = RunPorts("--sysfs-root '" + empty.File("none") + "'");
    EXPECT_NE(run.nStatus, 0);
    EXPECT_EQ(run.strOut, "");
    EXPECT_EQ(run.strErr, "SetupDiGetClassDevs failed. (err=2)\n");
}

}  // namespace
