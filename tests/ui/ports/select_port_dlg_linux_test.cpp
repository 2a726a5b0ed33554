// The Select Comm Port dialog on fake Linux machines, their ports read from sysfs trees.
#include "platform/port_source_linux.h"
#include "res/strings_platform.h"
#include "tests/devlink/pty_peer.h"
#include "tests/ui/ports/select_port_dlg_support.h"

using ports::g_portList;
using select_port_testing::Column;
using select_port_testing::MaybeScreenshot;
using select_port_testing::SelectPortDlg;
using testing_support::CScriptedPortSystem;
using testing_support::SScriptedDevice;
using ui::CSelectPortDlg;

namespace {

// A typed port: a terminal is taken; anything else is refused, why, and the dialog stays open.
TEST_F(SelectPortDlg, TypedPathIsTakenOnlyWhenItIsATerminal) {
    testing_support::CPtyPeer pty;
    const std::pair<std::string, std::string> cases[] = {
        // typed, why it is refused
        {pty.Path(), ""},
        {"/dev/null", res::kTypedPortNotTerminal},
        {"/dev", res::kTypedPortNotDevice},
        {"/dev/no/ttyUSB9", "No such file or directory"}};
    for (const auto& [typed, why] : cases) {
        m_messages.Clear();
        CSelectPortDlg dlg(nullptr, &m_system);
        Run(dlg, [&] {
            QTest::keyClicks(Combo(dlg)->lineEdit(), QString::fromStdString(typed));
            QTest::mouseClick(Ok(dlg), Qt::LeftButton);
            MaybeScreenshot(&dlg, "select_port_typed");
            dlg.reject();  // still open after a refusal
        });
        EXPECT_EQ(dlg.m_strPortPath, why.empty() ? pty.Path() : "");
        const std::string said = "\"" + typed + "\" is not a serial port.";
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>(!why.empty(), said));
        EXPECT_TRUE(why.empty() || m_messages.Requests()[0].detail == why) << typed;
    }
}

TEST_F(SelectPortDlg, ShowsTheLinuxPortsOfAMachine) {
    platform::CPortSourceLinux source(std::string(ZELKOR_FIXTURES) + "/sysfs/desktop/sys");
    CSelectPortDlg dlg(nullptr, &source);
    dlg.m_strPortPath = "/dev/ttyUSB0";
    int result = Run(dlg, [&] {
        QComboBox* combo = Combo(dlg);
        EXPECT_EQ(Lines(combo),
                  QStringList({"Bluetooth RFCOMM (rfcomm0)", "STM32 Virtual ComPort (ttyACM0)",
                               "serial (ttyS0)", "serial (ttyS1)", "FT232R USB UART (ttyUSB0)",
                               "USB Serial (ttyUSB1)"}));
        EXPECT_EQ(combo->currentText(), "FT232R USB UART (ttyUSB0)");
        if (qEnvironmentVariableIsSet("ZELKOR_SCREENSHOT_DIR")) {
            MaybeScreenshot(&dlg, "select_port_dlg");
            combo->showPopup();
            QApplication::processEvents();
            MaybeScreenshot(combo->view()->window(), "select_port_dlg_list");
            combo->hidePopup();
        }
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(&dlg, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strPortPath, "/dev/ttyUSB1");
}

TEST_F(SelectPortDlg, IdenticalAdaptersAreToldApartByStableNameAndDescription) {
    const std::string machine = std::string(ZELKOR_FIXTURES) + "/sysfs/laptop";
    const std::string byId = machine + "/dev/serial/by-id/";
    platform::CPortSourceLinux source(machine + "/sys", machine + "/dev");
    CSelectPortDlg dlg(nullptr, &source);
    // Remembered by its stable name, the adapter's second port is found whatever node it got.
    dlg.m_strPortPath = byId + "usb-FTDI_Dual_RS232-HS-if01-port0";
    int result = Run(dlg, [&] {
        QComboBox* combo = Combo(dlg);
        EXPECT_EQ(Lines(combo),
                  QStringList({"uart-pl011 (ttyAMA0)", "serial (ttyS0)", "Dual RS232-HS (ttyUSB0)",
                               "Dual RS232-HS (ttyUSB1)"}));
        EXPECT_EQ(Column(combo, 1), QStringList({"", "", "usb-FTDI_Dual_RS232-HS-if00-port0",
                                                 "usb-FTDI_Dual_RS232-HS-if01-port0"}));
        EXPECT_EQ(Column(combo, 2),
                  QStringList({"uart-pl011", "serial", "Dual RS232-HS", "Dual RS232-HS"}));
        const auto* pHeader = qobject_cast<QStandardItemModel*>(combo->model());
        ASSERT_NE(pHeader, nullptr);
        EXPECT_EQ(pHeader->headerData(1, Qt::Horizontal).toString(), "Stable name");
        EXPECT_EQ(combo->currentText(), "Dual RS232-HS (ttyUSB1)");
        auto* stableName = Control<QLabel>(dlg, res::IDC_PORT_STABLE_NAME);
        auto* description = Control<QLabel>(dlg, res::IDC_PORT_DESCRIPTION);
        EXPECT_EQ(stableName->text(), "usb-FTDI_Dual_RS232-HS-if01-port0");
        EXPECT_EQ(stableName->toolTip().toStdString(), byId + "usb-FTDI_Dual_RS232-HS-if01-port0");
        EXPECT_EQ(description->text(), "Dual RS232-HS");
        auto* usb = Control<QLabel>(dlg, res::IDC_PORT_USB_IDENTITY);
        EXPECT_EQ(usb->text(), "0403:6010, FTDI");  // this adapter has no serial number
        MaybeScreenshot(&dlg, "select_port_identical");
        combo->showPopup();
        QApplication::processEvents();
        // The opened list is wide enough for all three columns.
        EXPECT_GE(combo->view()->window()->width(), combo->view()->minimumWidth());
        MaybeScreenshot(combo->view()->window(), "select_port_identical_list");
        combo->hidePopup();
        QTest::keyClick(combo, Qt::Key_Up);  // the first port of the same adapter
        EXPECT_EQ(stableName->text(), "usb-FTDI_Dual_RS232-HS-if00-port0");
        QTest::keyClick(combo, Qt::Key_Up);  // a port without a stable name
        EXPECT_EQ(stableName->text(), res::kSelectPortNoStableName);
        EXPECT_EQ(description->text(), "serial");
        EXPECT_EQ(usb->text(), res::kSelectPortNotUsb);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::mouseClick(Ok(dlg), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    // The node is what opens; the stable name is handed back to be remembered.
    EXPECT_EQ(dlg.m_strPortPath, "/dev/ttyUSB0");
    EXPECT_EQ(dlg.m_strStableName, byId + "usb-FTDI_Dual_RS232-HS-if00-port0");
}

}  // namespace
