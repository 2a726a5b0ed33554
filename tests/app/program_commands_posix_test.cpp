// Select Comm Port from the menu of the real main window, on real ports: pseudo-terminals that
// open, stable names that lead to them, and the port path the program keeps for its next start.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "res/ids_app.h"
#include "res/ids_dialogs.h"
#include "res/ids_ports.h"
#include "tests/app/program_commands_support.h"
#include "tests/devlink/pty_peer.h"

namespace {

using platform::EMsgAnswer;
using program_commands::MaybeScreenshot;
using program_commands::ProgramCommands;
using program_commands::SetStoredPortPath;
using program_commands::Settings;
using program_commands::StoredPortPath;
using testing_support::CPtyPeer;
using testing_support::CTempDir;
using widgets::FindControlAs;

// Select Comm Port lists a real pseudo-terminal and a port that has gone.
class SelectCommPort : public ProgramCommands {
protected:
    void SetUp() override {
        ProgramCommands::SetUp();
        m_strGone = m_dir.File("ttyGone");
        m_ports.comPorts.devices = {{m_strGone, "Gone (ttyGone)", "Gone", std::nullopt, 0},
                                    {m_pty.Path(), "Pty (pts)", "Pty", std::nullopt, 0}};
    }

    // Picks line `line` with the keyboard and confirms with OK.
    static std::function<void(QDialog&)> PickLine(int line) {
        return [line](QDialog& dialog) {
            auto* pCombo = Control<QComboBox>(dialog, res::IDC_PORT_COMBO);
            pCombo->setFocus();
            while (pCombo->currentIndex() < line) {
                QTest::keyClick(pCombo, Qt::Key_Down);
            }
            while (pCombo->currentIndex() > line) {
                QTest::keyClick(pCombo, Qt::Key_Up);
            }
            MaybeScreenshot(&dialog, "select_comm_port");
            QTest::mouseClick(Control<QPushButton>(dialog, res::IDOK), Qt::LeftButton);
        };
    }

    CPtyPeer m_pty;
    CPtyPeer m_otherPty;
    std::string m_strGone;
};

TEST_F(SelectCommPort, ChosenPortIsOpenedAndRememberedOnlyWhenItOpens) {
    struct SCase {
        const char* name;
        std::string strStored;  // the port remembered from the previous run
        QStringList arguments;  // the command line
        int nLine;              // 0: the port that has gone, 1: the pseudo-terminal
    };
    const QStringList commandLinePort = {QStringLiteral("--port"),
                                         QString::fromStdString(m_otherPty.Path())};
    const SCase cases[] = {
        {"first start, a port that opens", "", {}, 1},
        {"first start, a port that fails", "", {}, 0},
        {"a remembered open port, then one that fails", m_otherPty.Path(), {}, 0},
        {"a port on the command line, then one that fails", "/dev/ttyUSB7", commandLinePort, 0},
        {"a port on the command line, then one that opens", "/dev/ttyUSB7", commandLinePort, 1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetStoredPortPath(c.strStored);
        m_messages.Clear();
        Start(c.arguments);
        const bool bOpens = c.nLine == 1;
        Choose(res::ID_SELECT_COMM_PORT, PickLine(c.nLine));
        const std::string chosen = bOpens ? m_pty.Path() : m_strGone;
        EXPECT_EQ(m_app.m_link.PortPath(), chosen);
        EXPECT_EQ(m_app.m_link.IsOpen(), bOpens);
        EXPECT_EQ(m_app.m_portSetting.PortPath(), bOpens ? chosen : "");
        // A failure is the serial layer's to report, once.
        EXPECT_EQ(m_messages.Count(), bOpens ? 0u : 1u);
        Exit();
        EXPECT_FALSE(m_app.m_link.IsOpen());
        ASSERT_TRUE(Settings().contains(QStringLiteral("Config/Port Path")));
        EXPECT_EQ(StoredPortPath().toStdString(), bOpens ? chosen : "");
    }
}

TEST_F(SelectCommPort, NextStartReopensTheChosenPort) {
    Start();
    Choose(res::ID_SELECT_COMM_PORT, PickLine(1));
    Exit();
    Start();
    EXPECT_TRUE(m_app.m_link.IsOpen());
    EXPECT_EQ(m_app.m_link.PortPath(), m_pty.Path());
}

TEST_F(SelectCommPort, CancelOrNoPortLeavesTheOpenLinkAlone) {
    SetStoredPortPath(m_otherPty.Path());
    Start();
    ASSERT_TRUE(m_app.m_link.IsOpen());
    // Another line is marked, then the dialog is left.
    Choose(res::ID_SELECT_COMM_PORT, [](QDialog& dialog) {
        auto* pCombo = Control<QComboBox>(dialog, res::IDC_PORT_COMBO);
        QTest::keyClick(pCombo, Qt::Key_Down);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    m_app.m_portSetting.Start("", std::nullopt);  // no port in use to preselect
    Choose(res::ID_SELECT_COMM_PORT, [](QDialog& dialog) {
        EXPECT_EQ(Control<QComboBox>(dialog, res::IDC_PORT_COMBO)->currentIndex(), -1);
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_TRUE(m_app.m_link.IsOpen());
    EXPECT_EQ(m_app.m_link.PortPath(), m_otherPty.Path());
    EXPECT_EQ(m_messages.Count(), 0u);
}

// The pseudo-terminal as an adapter with a stable name: a link under a by-id folder that leads
// to it, as udev makes one.
class StableNames : public SelectCommPort {
protected:
    void SetUp() override {
        SelectCommPort::SetUp();
        std::filesystem::create_directories(m_dir.Path() / "serial" / "by-id");
        m_strStableName = m_dir.File("serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        std::filesystem::create_symlink(m_pty.Path(), m_strStableName);
        m_ports.stableNames[m_pty.Path()] = m_strStableName;
    }

    QString PortPane() { return m_app.MainFrame()->PortPane()->toolTip(); }

    std::string m_strStableName;
};

TEST_F(StableNames, ChosenAdapterIsRememberedByItsStableNameAndReopenedByIt) {
    Start();
    Choose(res::ID_SELECT_COMM_PORT, PickLine(1));
    EXPECT_EQ(m_app.m_link.PortPath(), m_pty.Path());  // the device node opens
    EXPECT_TRUE(m_app.m_link.IsOpen());
    Exit();
    EXPECT_EQ(StoredPortPath().toStdString(), m_strStableName);

    // The next start opens the stable name, whatever node the adapter has by then.
    Start();
    EXPECT_TRUE(m_app.m_link.IsOpen());
    EXPECT_EQ(m_app.m_link.PortPath(), m_strStableName);
    EXPECT_EQ(PortPane().toStdString(), "Port " + m_strStableName + ": open");
    // The dialog marks the adapter although it lists it under its node.
    Choose(res::ID_SELECT_COMM_PORT, [](QDialog& dialog) {
        auto* pCombo = Control<QComboBox>(dialog, res::IDC_PORT_COMBO);
        EXPECT_EQ(pCombo->currentIndex(), 1);
        EXPECT_EQ(pCombo->count(), 2);  // listed once
        EXPECT_EQ(Control<QLabel>(dialog, res::IDC_PORT_STABLE_NAME)->text(),
                  "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Exit();
    EXPECT_EQ(StoredPortPath().toStdString(), m_strStableName);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(StableNames, DeviceNodeRememberedByAnOlderRunStillOpens) {
    SetStoredPortPath(m_pty.Path());
    Start();
    EXPECT_TRUE(m_app.m_link.IsOpen());
    EXPECT_EQ(m_app.m_link.PortPath(), m_pty.Path());
    Choose(res::ID_SELECT_COMM_PORT, [](QDialog& dialog) {
        EXPECT_EQ(Control<QComboBox>(dialog, res::IDC_PORT_COMBO)->currentIndex(), 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Exit();
    EXPECT_EQ(StoredPortPath().toStdString(), m_pty.Path());
}

TEST_F(SelectCommPort, PortOnTheCommandLineIsListedAndMarked) {
    Start({QStringLiteral("--port"), QString::fromStdString(m_otherPty.Path())});
    ASSERT_TRUE(m_app.m_link.IsOpen());
    Choose(res::ID_SELECT_COMM_PORT, [this](QDialog& dialog) {
        auto* pCombo = Control<QComboBox>(dialog, res::IDC_PORT_COMBO);
        ASSERT_EQ(pCombo->count(), 3);
        EXPECT_EQ(pCombo->itemText(2).toStdString(), m_otherPty.Path());
        EXPECT_EQ(pCombo->currentIndex(), 2);
        MaybeScreenshot(&dialog, "select_comm_port_in_use");
        QTest::keyClick(&dialog, Qt::Key_Return);  // OK on the port in use opens it again
    });
    EXPECT_TRUE(m_app.m_link.IsOpen());
    EXPECT_EQ(m_app.m_link.PortPath(), m_otherPty.Path());
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(SelectCommPort, StatusBarFollowsThePortInUseAndItsLine) {
    auto pane = [this] { return m_app.MainFrame()->PortPane()->toolTip().toStdString(); };
    Start();
    EXPECT_EQ(pane(), "No port");
    EXPECT_EQ(m_app.MainFrame()->PortPane()->text(), "No port");
    Choose(res::ID_SELECT_COMM_PORT, PickLine(1));
    EXPECT_EQ(pane(), "Port " + m_pty.Path() + ": open");
    QApplication::processEvents();  // the status bar lays itself out again
    EXPECT_GE(m_app.MainFrame()->PortPane()->width(),
              m_app.MainFrame()->PortPane()->sizeHint().width());
    MaybeScreenshot(m_app.MainFrame(), "status_bar_port_open");
    Choose(res::ID_SELECT_COMM_PORT, PickLine(0));  // fails to open
    EXPECT_EQ(pane(), "No port");
    Choose(res::ID_SELECT_COMM_PORT, PickLine(1));
    m_app.m_portSetting.Close();  // as at the end of the run
    EXPECT_EQ(pane(), "Port " + m_pty.Path() + ": closed");
    // A long name is cut in the middle, so the status bar keeps its width.
    m_app.m_portSetting.Start(m_dir.File(std::string(200, 'x')), std::nullopt);
    EXPECT_LT(m_app.MainFrame()->PortPane()->sizeHint().width(),
              m_app.MainFrame()->fontMetrics().averageCharWidth() * 40);
}

}  // namespace
