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
#include "tests/app/program_commands_support.h"
#include "tests/ports/scripted_port_system.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "ui/editor/list_ctrl_ex.h"
#include "ui/editor/zelkor_form.h"
#include "widgets/control_ids.h"

namespace {

using platform::EMsgAnswer;
using program_commands::Mark;
using program_commands::MaybeScreenshot;
using program_commands::ProgramCommands;
using program_commands::SetStoredPortPath;
using program_commands::StoredPortPath;
using testing_support::CTempDir;
using widgets::FindControlAs;

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
        testing_support::BookOf(Doc()) = model::CProgramBook();
        for (int i = c.nFirstFull; i <= c.nLastFull; ++i) {
            Mark(testing_support::BookOf(Doc())[i], i);
        }
        testing_support::BookOf(Doc())[c.nFirstFull].SetGroups(true);
        Doc().OnNewDocument();  // this book as it starts
        m_messages.Clear();
        Display(c.nFirstFull);
        const model::CProgramBook before = Doc().Book();
        const int at = std::atoi(c.number) - 1;

        Choose(res::ID_INSERT_PROGRAM, EnterNumber(c.number));

        if (!c.bInserted) {
            const platform::SMessageRequest full{
                "Couldn't insert the program, because program list is full.", "ZelkorConfig",
                platform::EMsgIcon::kNone, platform::EMsgButtons::kOk};
            EXPECT_EQ(m_messages.Requests(), std::vector<platform::SMessageRequest>{full});
            EXPECT_EQ(Doc().Book(), before);
            EXPECT_EQ(Doc().Current(), c.nFirstFull);
            EXPECT_FALSE(Doc().IsModified());
            EXPECT_EQ(Field(0)->text(), QString::number((c.nFirstFull + 1) / 10.0, 'f', 1));
            continue;
        }
        EXPECT_EQ(m_messages.Count(), 0u);
        const bool bMoved = !before[at].IsEmpty();
        EXPECT_EQ(Doc().IsModified(), bMoved);  // nothing moved is no change
        EXPECT_EQ(Doc().Current(), at);
        EXPECT_TRUE(Doc().Book()[at].IsEmpty());
        // The empty program keeps the type of the one that stood there.
        EXPECT_EQ(Doc().Book()[at].IsGroups(), before[at].IsGroups());
        for (int i = 0; i < model::kProgramCount; ++i) {
            if (i == at) {
                continue;
            }
            const bool bShifted = bMoved && i > at && i <= c.nLastFull + 1;
            ASSERT_EQ(Doc().Book()[i], before[bShifted ? i - 1 : i]) << i;
        }
        EXPECT_EQ(Field(0)->text(), "");
        EXPECT_EQ(widgets::FindControlAs<QComboBox>(&Form(), 1005)->currentText(), c.number);
        EXPECT_FALSE(Form().IsProgramModified());
    }
}

TEST_F(ProgramCommands, InsertCommitsTheEditsBeforeTheBookMoves) {
    Start();
    Mark(testing_support::BookOf(Doc())[4], 4);
    Display(4);
    QTest::keyClicks(Field(1), "777");
    m_messages.QueueAnswer(EMsgAnswer::kYes);
    Choose(res::ID_INSERT_PROGRAM, [](QDialog& dialog) {
        MaybeScreenshot(&dialog, "insert_program");
        EnterNumber("5")(dialog);
    });
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Do you want to save the current program?"});
    EXPECT_TRUE(Doc().Book()[4].IsEmpty());
    EXPECT_EQ(Doc().Book()[5].m_freq[0], 5u);
    EXPECT_EQ(Doc().Book()[5].m_freq[1], 7770u);
}

TEST_F(ProgramCommands, InsertCancelledChangesNothing) {
    Start();
    Mark(testing_support::BookOf(Doc())[0], 0);
    Display(0);
    QTest::keyClicks(Field(3), "12");
    Doc().OnNewDocument();  // this book as it starts
    const model::CProgramBook before = Doc().Book();
    Choose(res::ID_INSERT_PROGRAM, [](QDialog& dialog) {
        QLineEdit* pEdit = Control<QLineEdit>(dialog, res::IDC_PROGRAM_NUMBER);
        QTest::keyClicks(pEdit, "1");
        QTest::keyClick(pEdit, Qt::Key_Escape);
    });
    EXPECT_EQ(m_messages.Count(), 0u);  // no save prompt either
    EXPECT_EQ(Doc().Book(), before);
    EXPECT_EQ(Field(3)->text(), "12");
    EXPECT_TRUE(Form().IsProgramModified());
}

class ReorderCommand : public ProgramCommands {
protected:
    void SetUp() override {
        ProgramCommands::SetUp();
        Start();
        for (int i = 0; i < model::kProgramCount - 1; ++i) {
            Mark(testing_support::BookOf(Doc())[i], i);
        }
        Display(4);
        // An edit on the form that was never committed.
        QTest::keyClicks(Field(5), "99");
        Doc().OnNewDocument();  // this book as it starts
        m_before = testing_support::BookOf(Doc());
    }

    static void ClickRow(QDialog& dialog, int row) {
        auto* pList = Control<ui::CListCtrlEx>(dialog, res::IDC_REORDER_LIST);
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
        ASSERT_EQ(Doc().Book()[i], m_before[from]) << i;
    }
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().Current(), 4);
    // Program 6's frequency is now on display; the uncommitted edit went without a prompt.
    EXPECT_EQ(Field(0)->text(), "0.6");
    EXPECT_EQ(Field(5)->text(), "");
    EXPECT_FALSE(Form().IsProgramModified());
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReorderCommand, OkWithoutAMoveIsNoChange) {
    Choose(res::ID_REORDER_PROGRAMS, [](QDialog& dialog) { Click(dialog, res::IDOK); });
    EXPECT_EQ(Doc().Book(), m_before);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(m_app.MainFrame()->Action(res::ID_EDIT_UNDO)->isEnabled());
}

TEST_F(ReorderCommand, CancelAfterManyMovesChangesNothing) {
    Choose(res::ID_REORDER_PROGRAMS, [](QDialog& dialog) {
        ClickRow(dialog, 0);
        Click(dialog, res::IDC_DOWN, 30);
        ClickRow(dialog, 200);
        Click(dialog, res::IDC_UP, 12);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Doc().Book(), m_before);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Field(5)->text(), "99");
    EXPECT_TRUE(Form().IsProgramModified());
}

TEST_F(ProgramCommands, DeleteLeavesAnEmptyProgramOfTheSameTypeAndMarksTheDocument) {
    Start();
    for (int i = 2; i <= 4; ++i) {
        Mark(testing_support::BookOf(Doc())[i], i);
    }
    testing_support::BookOf(Doc())[3].SetGroups(true);
    testing_support::BookOf(Doc())[3].m_freq[9] = 4000;
    testing_support::BookOf(Doc())[3].UpdateGroupCount(1);
    Display(3);
    QTest::keyClicks(Field(2), "5");
    Doc().OnNewDocument();  // this book as it starts
    const model::CProgramBook before = Doc().Book();

    m_app.MainFrame()->Action(res::ID_DELETE_PROGRAM)->trigger();

    EXPECT_TRUE(Doc().Book()[3].IsEmpty());
    EXPECT_TRUE(Doc().Book()[3].IsGroups());
    for (int i = 0; i < model::kProgramCount; ++i) {
        if (i != 3) {
            ASSERT_EQ(Doc().Book()[i], before[i]) << i;  // nothing moves up
        }
    }
    EXPECT_EQ(Doc().Current(), 3);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_FALSE(Form().IsProgramModified());
    EXPECT_EQ(m_messages.Count(), 0u);  // no confirmation, no save prompt
    EXPECT_TRUE(widgets::FindControlAs<QRadioButton>(&Form(), 1002)->isChecked());
    EXPECT_TRUE(widgets::FindControlAs<QWidget>(&Form(), 1151)->isVisible());  // group boxes stay
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        EXPECT_EQ(Field(slot)->text(), "") << slot;
    }
    MaybeScreenshot(m_app.MainFrame(), "after_delete");
}

}  // namespace
