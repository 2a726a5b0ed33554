// The Select Comm Port dialog, run modally and driven with keys and clicks as a user would, on
// scripted port systems.
#include "ui/ports/select_port_dlg.h"

#include <QTreeView>

#include "tests/ui/ports/select_port_dlg_support.h"

using ports::g_portList;
using select_port_testing::MaybeScreenshot;
using select_port_testing::SelectPortDlg;
using testing_support::CScriptedPortSystem;
using testing_support::SScriptedDevice;
using ui::CSelectPortDlg;

namespace {

TEST_F(SelectPortDlg, ListsThePortsInOrderMarksThePortInUseAndStartsOnOk) {
    m_system.comPorts.devices = {Port("/dev/ttyS0", "serial (ttyS0)"),
                                 Port("/dev/ttyUSB0", "FT232R USB UART (ttyUSB0)"),
                                 Port("/dev/ttyACM0", "Zeta (ttyACM0)")};
    m_system.usbDevices.devices = {Port("/dev/usb1", "Alpha (usb1)")};
    CSelectPortDlg dlg(nullptr, &m_system);
    dlg.m_strPortPath = "/dev/ttyUSB0";
    int result = Run(dlg, [&] {
        QComboBox* combo = Combo(dlg);
        EXPECT_EQ(Lines(combo), QStringList({"serial (ttyS0)", "FT232R USB UART (ttyUSB0)",
                                             "Zeta (ttyACM0)", "Alpha (usb1)"}));
        for (int i = 0; i < combo->count(); ++i) {
            EXPECT_EQ(combo->itemData(i).toInt(), i);
        }
        EXPECT_EQ(combo->currentIndex(), 1);
        EXPECT_EQ(combo->currentText(), "FT232R USB UART (ttyUSB0)");
        EXPECT_EQ(dlg.focusWidget(), Ok(dlg));
        EXPECT_EQ(dlg.windowTitle(), "Select Comm Port");
        auto* label = Control<QLabel>(dlg, res::IDC_STATIC);
        EXPECT_EQ(label->text(), "Select Comm Port");
        // A reader names the edit part that takes the keys; the label names the box.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(combo->lineEdit())->text(QAccessible::Name),
                  "Port");
        EXPECT_EQ(label->buddy(), combo);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::mouseClick(Ok(dlg), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strPortPath, "/dev/ttyACM0");
    EXPECT_EQ(g_portList.GetSize(), 4);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(SelectPortDlg, OkTakesTheSelectedLineOrAPortTypedByItsPath) {
    struct SCase {
        const char* pszName;
        std::string strPreset;
        std::function<void(CSelectPortDlg&, QComboBox*)> act;
        int nExpectedResult;
        std::string strExpectedPath;
    };
    const SCase cases[] = {
        {"unplugged port, OK", "/dev/ttyUSB9",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             EXPECT_EQ(combo->currentIndex(), -1);
             EXPECT_EQ(combo->currentText(), "");
             QTest::mouseClick(Ok(dlg), Qt::LeftButton);
         },
         QDialog::Accepted, "/dev/ttyUSB9"},
        {"a listed port typed by its path is its line", "",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             QTest::keyClicks(combo->lineEdit(), " /dev/ttyS1");
             QTest::mouseClick(Ok(dlg), Qt::LeftButton);
         },
         QDialog::Accepted, "/dev/ttyS1"},
        {"typed text equal to a line's name picks no line: refused, the dialog stays", "",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             QTest::keyClicks(combo->lineEdit(), "B");
             QTest::mouseClick(Ok(dlg), Qt::LeftButton);
             EXPECT_TRUE(dlg.isVisible());
             QTest::keyClick(&dlg, Qt::Key_Escape);
         },
         QDialog::Rejected, ""},
        {"typed over the chosen line, Enter: the typed text counts", "/dev/ttyS0",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             combo->lineEdit()->selectAll();
             QTest::keyClicks(combo->lineEdit(), "b");
             QTest::keyClick(combo->lineEdit(), Qt::Key_Return);  // OK is the default button
             EXPECT_TRUE(dlg.isVisible());
             QTest::keyClick(&dlg, Qt::Key_Escape);
         },
         QDialog::Rejected, "/dev/ttyS0"},
        {"Enter takes the moved-to line", "/dev/ttyS0",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             combo->setFocus();
             QTest::keyClick(combo, Qt::Key_Down);
             QTest::keyClick(&dlg, Qt::Key_Return);
         },
         QDialog::Accepted, "/dev/ttyS1"},
        {"Escape keeps the preset", "/dev/ttyS0",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             QTest::keyClick(combo, Qt::Key_Down);
             QTest::keyClick(&dlg, Qt::Key_Escape);
         },
         QDialog::Rejected, "/dev/ttyS0"},
        {"Cancel keeps the preset", "/dev/ttyS0",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             QTest::keyClick(combo, Qt::Key_Down);
             QTest::mouseClick(Control<QPushButton>(dlg, res::IDCANCEL), Qt::LeftButton);
         },
         QDialog::Rejected, "/dev/ttyS0"},
        {"the last of equal paths is marked", "/dev/same",
         [](CSelectPortDlg& dlg, QComboBox* combo) {
             EXPECT_EQ(combo->currentIndex(), 3);
             QTest::mouseClick(Ok(dlg), Qt::LeftButton);
         },
         QDialog::Accepted, "/dev/same"},
    };
    m_system.comPorts.devices = {Port("/dev/ttyS0", "A"), Port("/dev/ttyS1", "B"),
                                 Port("/dev/same", "C"), Port("/dev/same", "D")};
    for (const SCase& c : cases) {
        CSelectPortDlg dlg(nullptr, &m_system);
        dlg.m_strPortPath = c.strPreset;
        int result = Run(dlg, [&] { c.act(dlg, Combo(dlg)); });
        EXPECT_EQ(result, c.nExpectedResult) << c.pszName;
        EXPECT_EQ(dlg.m_strPortPath, c.strExpectedPath) << c.pszName;
    }
}

TEST_F(SelectPortDlg, NoPortsGivesAnEmptyListAndOkKeepsThePreset) {
    CSelectPortDlg dlg(nullptr, &m_system);
    dlg.m_strPortPath = "/dev/ttyUSB0";
    int result = Run(dlg, [&] {
        EXPECT_EQ(Combo(dlg)->count(), 0);
        QTest::keyClick(&dlg, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strPortPath, "/dev/ttyUSB0");
}

TEST_F(SelectPortDlg, FailureIsShownAndTheDialogOpensWithThePortsFoundSoFar) {
    m_system.comPorts.devices = {Port("/dev/ttyS0", "First (COM1)"), Port("/dev/ttyS1", "")};
    m_system.usbDevices.nClassDevsError = 0x5;
    CSelectPortDlg dlg(nullptr, &m_system);
    int result = Run(dlg, [&] {
        ASSERT_EQ(m_messages.Count(), 1u);  // told before the dialog showed
        // Unfinished entries: the second has no name to show.
        EXPECT_EQ(Lines(Combo(dlg)), QStringList({"First (COM1)", ""}));
        QTest::keyClick(Combo(dlg), Qt::Key_Down);
        QTest::mouseClick(Ok(dlg), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strPortPath, "/dev/ttyS0");
    ASSERT_EQ(m_messages.Count(), 1u);
    platform::SMessageRequest request = m_messages.Requests()[0];
    EXPECT_EQ(request.text, "SetupDiGetClassDevs failed. (err=5)");
    EXPECT_EQ(request.caption, "ZelkorConfig");
    EXPECT_EQ(request.buttons, platform::EMsgButtons::kOk);
}

TEST_F(SelectPortDlg, EachOpeningListsAfresh) {
    m_system.comPorts.devices = {Port("/dev/a", "A"), Port("/dev/b", "B")};
    CSelectPortDlg dlg(nullptr, &m_system);
    Run(dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    m_system.comPorts.devices = {Port("/dev/c", "C")};
    Run(dlg, [&] {
        EXPECT_EQ(Lines(Combo(dlg)), QStringList({"C"}));
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    ASSERT_EQ(g_portList.GetSize(), 1);
    EXPECT_EQ(g_portList[0].m_strPath, "/dev/c");
}

TEST_F(SelectPortDlg, Nt4ShowsComOneToFifty) {
    m_system.version = platform::SOsVersion{4, platform::kPlatformWin32Nt};
    CSelectPortDlg dlg(nullptr, &m_system);
    dlg.m_strPortPath = R"(\\.\COM3)";
    int result = Run(dlg, [&] {
        QComboBox* combo = Combo(dlg);
        ASSERT_EQ(combo->count(), 50);
        EXPECT_EQ(combo->itemText(0), "COM1");
        EXPECT_EQ(combo->itemText(49), "COM50");
        EXPECT_EQ(combo->currentText(), "COM3");
        QTest::mouseClick(Ok(dlg), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strPortPath, R"(\\.\COM3)");
}

TEST_F(SelectPortDlg, RefreshListsAgainWithoutClosingAndKeepsTheChosenPort) {
    m_system.comPorts.devices = {Port("/dev/ttyS0", "A"), Port("/dev/ttyUSB0", "B")};
    CSelectPortDlg dlg(nullptr, &m_system);
    dlg.m_strPortPath = "/dev/ttyS0";
    int result = Run(dlg, [&] {
        QComboBox* combo = Combo(dlg);
        auto* refresh = Control<QPushButton>(dlg, res::IDC_PORT_REFRESH);
        EXPECT_EQ(refresh->text(), "&Refresh");
        EXPECT_EQ(refresh->shortcut(), QKeySequence(Qt::ALT | Qt::Key_R));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Tab);  // Refresh follows the list
        EXPECT_EQ(dlg.focusWidget(), refresh);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);  // the user chooses B

        // An adapter is plugged in: it is listed, and B stays chosen at its new place.
        m_system.comPorts.devices = {Port("/dev/ttyACM0", "C"), Port("/dev/ttyS0", "A"),
                                     Port("/dev/ttyUSB0", "B")};
        QTest::mouseClick(refresh, Qt::LeftButton);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(Lines(combo), QStringList({"C", "A", "B"}));
        EXPECT_EQ(combo->currentText(), "B");

        // B is unplugged: no line is chosen, so OK keeps the port in use.
        m_system.comPorts.devices = {Port("/dev/ttyACM0", "C"), Port("/dev/ttyS0", "A")};
        QTest::mouseClick(refresh, Qt::LeftButton);
        EXPECT_EQ(Lines(combo), QStringList({"C", "A"}));
        EXPECT_EQ(combo->currentIndex(), -1);
        QTest::mouseClick(Ok(dlg), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strPortPath, "/dev/ttyS0");
    EXPECT_EQ(dlg.m_strStableName, "");
    EXPECT_EQ(g_portList.GetSize(), 2);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(SelectPortDlg, OpenPortIsListedWhenTheSystemDoesNotReportIt) {
    m_system.comPorts.devices = {Port("/dev/ttyS0", "A")};
    CSelectPortDlg dlg(nullptr, &m_system);
    dlg.m_strPortPath = "/dev/pts/7";
    dlg.m_strPortInUse = "/dev/pts/7";
    int result = Run(dlg, [&] {
        QComboBox* combo = Combo(dlg);
        EXPECT_EQ(Lines(combo), QStringList({"A", "/dev/pts/7"}));
        EXPECT_EQ(combo->currentIndex(), 1);
        // Still there after a refresh, although no system lists it.
        QTest::mouseClick(Control<QPushButton>(dlg, res::IDC_PORT_REFRESH), Qt::LeftButton);
        EXPECT_EQ(Lines(combo), QStringList({"A", "/dev/pts/7"}));
        EXPECT_EQ(combo->currentIndex(), 1);
        QTest::mouseClick(Ok(dlg), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strPortPath, "/dev/pts/7");
}

TEST_F(SelectPortDlg, OnWindowsTheRowsWindowsHasAndThePortInUseByItsComName) {
    SScriptedDevice ftdi = Port(R"(\\?\ftdibus#vid_0403)", "USB Serial Port (COM5)");
    ftdi.portName = "COM5";
    ftdi.parentInstanceId = R"(USB\VID_0403&PID_6001\A50285BI)";
    ftdi.manufacturer = "FTDI";
    m_system.comPorts.devices = {Port(R"(\\?\acpi#pnp0501#1)", "Communications Port (COM1)"), ftdi};
    CSelectPortDlg dlg(nullptr, &m_system);
    dlg.m_strPortPath = R"(\\.\COM5)";  // remembered by its name, listed by its interface
    Run(dlg, [&] {
        QComboBox* combo = Combo(dlg);
        EXPECT_EQ(combo->currentText(), "USB Serial Port (COM5)");
        EXPECT_EQ(Control<QLabel>(dlg, res::IDC_PORT_USB_IDENTITY)->text(),
                  "0403:6001, FTDI, A50285BI");
        EXPECT_FALSE(Control<QLabel>(dlg, res::IDC_PORT_STABLE_NAME)->isVisible());
        EXPECT_TRUE(qobject_cast<QTreeView*>(combo->view())->isColumnHidden(1));
        MaybeScreenshot(&dlg, "select_port_windows");
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
}

}  // namespace
