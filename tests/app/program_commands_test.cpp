// The form's book and port commands run from the menus of the real main window, with their real
// dialogs driven by keys and clicks: Insert Program, Reorder Programs, Delete Program and Select
// Comm Port, and the port path the program keeps for its next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/main_frame.h"
#include "app/zelkor_config_app.h"
#include "res/ids_app.h"
#include "res/ids_dialogs.h"
#include "res/ids_ports.h"
#include "tests/link/pty_peer.h"
#include "tests/ports/scripted_port_system.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "ui/editor/list_ctrl_ex.h"
#include "ui/editor/zelkor_form.h"
#include "widgets/control_ids.h"

namespace {

using platform::EMsgAnswer;
using testing_support::CPtyPeer;
using testing_support::CTempDir;
using widgets::FindControlAs;

QSettings Settings() {
    return QSettings(QStringLiteral("VQ Rurirareza"), QStringLiteral("ZelkorConfig"));
}

QString StoredPortPath() {
    return Settings().value(QStringLiteral("Config/Port Path")).toString();
}

void SetStoredPortPath(const std::string& path) {
    auto settings = Settings();
    settings.clear();
    if (!path.empty()) {
        settings.setValue(QStringLiteral("Config/Port Path"), QString::fromStdString(path));
    }
    settings.sync();
}

void MaybeScreenshot(QWidget* pWindow, const char* name) {
    const QByteArray folder = qgetenv("ZELKOR_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        pWindow->grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
    }
}

// Program i holds i + 1 tenths of a hertz in its first slot, so that every program is told apart.
void Mark(model::CFrequencyProgram& program, int i) {
    program.m_freq[0] = static_cast<uint32_t>(i + 1);
    program.UpdateGroupCount(0);
}

class ProgramCommands : public testing::Test {
protected:
    void SetUp() override { SetStoredPortPath(""); }
    void TearDown() override {
        if (m_bRunning) {
            Exit();
        }
    }

    void Start(QStringList arguments = {}) {
        arguments.prepend(QStringLiteral("zelkorconfig"));
        ASSERT_TRUE(m_app.InitInstance(arguments));
        m_bRunning = true;
        m_app.Form()->m_pPortSource = &m_ports;
    }
    void Exit() {
        m_app.ExitInstance();
        m_bRunning = false;
    }

    model::CZelkorConfigDoc& Doc() { return *m_app.Document(); }
    editor::CZelkorForm& Form() { return *m_app.Form(); }
    QLineEdit* Field(int nSlot) { return Form().FrequencyField(nSlot); }

    // Shows program index on the form as if the user had gone there.
    void Display(int index) {
        Doc().m_nCurrent = static_cast<int16_t>(index);
        Form().ShowProgram();
    }

    // Chooses the menu command; act plays the user in the modal dialog it opens.
    void Choose(int nID, const std::function<void(QDialog&)>& act) {
        QAction* pAction = m_app.MainFrame()->Action(nID);
        ASSERT_NE(pAction, nullptr);
        bool bActed = false;
        QTimer watcher;
        watcher.setSingleShot(true);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(pDialog, nullptr);
            // As on a desktop, the dialog that opens is the active window.
            pDialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(pDialog));
            bActed = true;
            act(*pDialog);
            if (pDialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                pDialog->reject();
            }
        });
        watcher.start(0);
        m_app.MainFrame()->UpdateCommandStates();
        ASSERT_TRUE(pAction->isEnabled());
        pAction->trigger();
        EXPECT_TRUE(bActed) << "no dialog opened";
    }

    template <typename T>
    static T* Control(QWidget& dialog, int nID) {
        for (T* pChild : dialog.findChildren<T*>()) {
            if (pChild->property(res::kControlIdProperty).toInt() == nID) {
                return pChild;
            }
        }
        ADD_FAILURE() << "no control " << nID;
        return nullptr;
    }

    // Types the number into Insert Program and presses Enter.
    static std::function<void(QDialog&)> EnterNumber(const char* number) {
        return [number](QDialog& dialog) {
            QLineEdit* pEdit = Control<QLineEdit>(dialog, res::IDC_PROGRAM_NUMBER);
            QTest::keyClicks(pEdit, number);
            QTest::keyClick(pEdit, Qt::Key_Return);
        };
    }

    CTempDir m_dir;
    testing_support::CScriptedMessages m_messages;
    testing_support::CScriptedPortSystem m_ports;
    app::CZelkorConfigApp m_app;
    bool m_bRunning = false;
};

TEST_F(ProgramCommands, MenuItemsAreEnabled) {
    Start();
    m_app.MainFrame()->UpdateCommandStates();
    for (int nID : {res::ID_INSERT_PROGRAM, res::ID_REORDER_PROGRAMS, res::ID_DELETE_PROGRAM,
                    res::ID_SELECT_COMM_PORT}) {
        EXPECT_TRUE(m_app.MainFrame()->Action(nID)->isEnabled()) << nID;
    }
}

TEST_F(ProgramCommands, InsertOpensAnEmptyProgramWherePossible) {
    struct SCase {
        const char* name;
        int nFirstFull;  // programs nFirstFull .. nLastFull (indices) hold frequencies
        int nLastFull;
        const char* number;
        bool bInserted;
    };
    const SCase cases[] = {
        {"at an empty program nothing moves", 0, 3, "5", true},
        {"at 5 with 5 to 9 full and 10 empty", 4, 8, "5", true},
        {"at a full book up to 2000", 1994, 1999, "1995", false},
        {"at 2000 when 2000 is full", 1999, 1999, "2000", false},
    };
    Start();
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Doc().m_book = model::CProgramBook();
        for (int i = c.nFirstFull; i <= c.nLastFull; ++i) {
            Mark(Doc().m_book[i], i);
        }
        Doc().m_book[c.nFirstFull].SetGroups(true);
        Doc().SetModifiedFlag(false);
        m_messages.Clear();
        Display(c.nFirstFull);
        const model::CProgramBook before = Doc().m_book;
        const int at = std::atoi(c.number) - 1;

        Choose(res::ID_INSERT_PROGRAM, EnterNumber(c.number));

        if (!c.bInserted) {
            const platform::SMessageRequest full{
                "Couldn't insert the program, because program list is full.", "ZelkorConfig",
                platform::EMsgIcon::kNone, platform::EMsgButtons::kOk};
            EXPECT_EQ(m_messages.Requests(), std::vector<platform::SMessageRequest>{full});
            EXPECT_EQ(Doc().m_book, before);
            EXPECT_EQ(Doc().m_nCurrent, c.nFirstFull);
            EXPECT_FALSE(Doc().IsModified());
            EXPECT_EQ(Field(0)->text(), QString::number((c.nFirstFull + 1) / 10.0, 'f', 1));
            continue;
        }
        EXPECT_EQ(m_messages.Count(), 0u);
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_EQ(Doc().m_nCurrent, at);
        EXPECT_TRUE(Doc().m_book[at].IsEmpty());
        const bool bMoved = !before[at].IsEmpty();
        // The empty program keeps the type of the one that stood there.
        EXPECT_EQ(Doc().m_book[at].IsGroups(), before[at].IsGroups());
        for (int i = 0; i < model::kProgramCount; ++i) {
            if (i == at) {
                continue;
            }
            const bool bShifted = bMoved && i > at && i <= c.nLastFull + 1;
            ASSERT_EQ(Doc().m_book[i], before[bShifted ? i - 1 : i]) << i;
        }
        EXPECT_EQ(Field(0)->text(), "");
        EXPECT_EQ(widgets::FindControlAs<QComboBox>(&Form(), 1005)->currentText(), c.number);
        EXPECT_FALSE(Form().m_bProgramModified);
    }
}

TEST_F(ProgramCommands, InsertCommitsTheEditsBeforeTheBookMoves) {
    Start();
    Mark(Doc().m_book[4], 4);
    Display(4);
    QTest::keyClicks(Field(1), "777");
    m_messages.QueueAnswer(EMsgAnswer::kYes);
    Choose(res::ID_INSERT_PROGRAM, [](QDialog& dialog) {
        MaybeScreenshot(&dialog, "insert_program");
        EnterNumber("5")(dialog);
    });
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Do you want to save the current program?"});
    EXPECT_TRUE(Doc().m_book[4].IsEmpty());
    EXPECT_EQ(Doc().m_book[5].m_freq[0], 5u);
    EXPECT_EQ(Doc().m_book[5].m_freq[1], 7770u);
}

TEST_F(ProgramCommands, InsertCancelledChangesNothing) {
    Start();
    Mark(Doc().m_book[0], 0);
    Display(0);
    QTest::keyClicks(Field(3), "12");
    Doc().SetModifiedFlag(false);
    const model::CProgramBook before = Doc().m_book;
    Choose(res::ID_INSERT_PROGRAM, [](QDialog& dialog) {
        QLineEdit* pEdit = Control<QLineEdit>(dialog, res::IDC_PROGRAM_NUMBER);
        QTest::keyClicks(pEdit, "1");
        QTest::keyClick(pEdit, Qt::Key_Escape);
    });
    EXPECT_EQ(m_messages.Count(), 0u);  // no save prompt either
    EXPECT_EQ(Doc().m_book, before);
    EXPECT_EQ(Field(3)->text(), "12");
    EXPECT_TRUE(Form().m_bProgramModified);
}

class ReorderCommand : public ProgramCommands {
protected:
    void SetUp() override {
        ProgramCommands::SetUp();
        Start();
        for (int i = 0; i < model::kProgramCount - 1; ++i) {
            Mark(Doc().m_book[i], i);
        }
        Display(4);
        // An edit on the form that was never committed.
        QTest::keyClicks(Field(5), "99");
        Doc().SetModifiedFlag(false);
        m_before = Doc().m_book;
    }

    static void ClickRow(QDialog& dialog, int row) {
        auto* pList = Control<editor::CListCtrlEx>(dialog, res::IDC_REORDER_LIST);
        const QModelIndex index = pList->model()->index(row, 0);
        pList->scrollTo(index);
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, pList->visualRect(index).center());
    }
    static void Click(QDialog& dialog, int nID, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(Control<QPushButton>(dialog, nID), Qt::LeftButton);
        }
    }

    model::CProgramBook m_before;
};

TEST_F(ReorderCommand, DownThenOkExchangesExactlyTwoProgramsAndShowsTheNewOne) {
    Choose(res::ID_REORDER_PROGRAMS, [](QDialog& dialog) {
        ClickRow(dialog, 4);
        MaybeScreenshot(&dialog, "reorder_programs");
        Click(dialog, res::IDC_DOWN);
        Click(dialog, res::IDOK);
    });
    for (int i = 0; i < model::kProgramCount; ++i) {
        const int from = i == 4 ? 5 : i == 5 ? 4 : i;
        ASSERT_EQ(Doc().m_book[i], m_before[from]) << i;
    }
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().m_nCurrent, 4);
    // Program 6's frequency is now on display; the uncommitted edit went without a prompt.
    EXPECT_EQ(Field(0)->text(), "0.6");
    EXPECT_EQ(Field(5)->text(), "");
    EXPECT_FALSE(Form().m_bProgramModified);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReorderCommand, CancelAfterManyMovesChangesNothing) {
    Choose(res::ID_REORDER_PROGRAMS, [](QDialog& dialog) {
        ClickRow(dialog, 0);
        Click(dialog, res::IDC_DOWN, 30);
        ClickRow(dialog, 200);
        Click(dialog, res::IDC_UP, 12);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Doc().m_book, m_before);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Field(5)->text(), "99");
    EXPECT_TRUE(Form().m_bProgramModified);
}

TEST_F(ProgramCommands, DeleteLeavesAnEmptyProgramOfTheSameTypeAndMarksTheDocument) {
    Start();
    for (int i = 2; i <= 4; ++i) {
        Mark(Doc().m_book[i], i);
    }
    Doc().m_book[3].SetGroups(true);
    Doc().m_book[3].m_freq[9] = 4000;
    Doc().m_book[3].UpdateGroupCount(1);
    Display(3);
    QTest::keyClicks(Field(2), "5");
    Doc().SetModifiedFlag(false);
    const model::CProgramBook before = Doc().m_book;

    m_app.MainFrame()->Action(res::ID_DELETE_PROGRAM)->trigger();

    EXPECT_TRUE(Doc().m_book[3].IsEmpty());
    EXPECT_TRUE(Doc().m_book[3].IsGroups());
    for (int i = 0; i < model::kProgramCount; ++i) {
        if (i != 3) {
            ASSERT_EQ(Doc().m_book[i], before[i]) << i;  // nothing moves up
        }
    }
    EXPECT_EQ(Doc().m_nCurrent, 3);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_FALSE(Form().m_bProgramModified);
    EXPECT_EQ(m_messages.Count(), 0u);  // no confirmation, no save prompt
    EXPECT_TRUE(widgets::FindControlAs<QRadioButton>(&Form(), 1002)->isChecked());
    EXPECT_TRUE(widgets::FindControlAs<QWidget>(&Form(), 1151)->isVisible());  // group boxes stay
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        EXPECT_EQ(Field(slot)->text(), "") << slot;
    }
    MaybeScreenshot(m_app.MainFrame(), "after_delete");
}

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
