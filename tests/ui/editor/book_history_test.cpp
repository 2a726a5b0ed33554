// Undo and Redo on the real form, offscreen: every kind of change is one step named after it,
// Undo puts the book and the program on display back, Redo brings the change again, and the
// document's modified flag follows the history to the saved state and away from it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "res/ids_app.h"
#include "res/ids_dialogs.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "tests/ui/screenshot.h"
#include "ui/editor/book_history.h"
#include "ui/editor/list_ctrl_ex.h"
#include "ui/editor/reorder_dlg.h"
#include "ui/editor/zelkor_form.h"
#include "widgets/control_ids.h"

namespace {

class BookHistory : public testing::Test {
protected:
    BookHistory() {
        m_form.SetDocument(&m_doc);
        m_doc.AddView(&m_form);
        m_form.show();
        m_form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_form));
        for (int i = 0; i < 12; ++i) {
            Store(i, static_cast<uint32_t>(10 * (i + 1)));
        }
        m_form.OnInitialUpdate();
    }
    ~BookHistory() override { m_doc.RemoveView(&m_form); }

    void Store(int index, uint32_t tenths) {
        testing_support::BookOf(m_doc)[index] = testing_support::MakeProgram(false, {{0, tenths}});
    }
    void Show(int index) {
        m_doc.SetCurrent(index);
        m_form.ShowProgram();
    }
    ui::CBookHistory& History() { return *m_form.History(); }
    // What Edit > Undo shows now; empty while it is disabled.
    QString UndoItem() {
        widgets::SCommandUI ui;
        m_form.OnUpdateCmdUI(res::ID_EDIT_UNDO, ui);
        return ui.bEnabled ? ui.strText : QString();
    }
    void Run(int nID) { m_form.OnCmdMsg(nID, true); }

    testing_support::CScriptedMessages m_messages;
    model::CZelkorConfigDoc m_doc;
    ui::CZelkorForm m_form;
};

TEST_F(BookHistory, EachChangeIsOneStepThatUndoTakesBackAndRedoMakesAgain) {
    struct SCase {
        int nShown;  // the program on display before the change, and again after Undo
        std::function<void()> change;
        const char* undoItem;
    };
    const SCase cases[] = {
        {2,
         [this] {
             QTest::keyClicks(m_form.FrequencyField(1), "777");
             m_messages.QueueAnswer(platform::EMsgAnswer::kYes);
             m_form.OnNextProgram();  // commits, then shows program 4
         },
         "&Undo Edit Program 3\tCtrl+Z"},
        {4,
         [this] {
             widgets::FindControlAs<QRadioButton>(&m_form, 1002)->click();
             m_form.ShowProgram();  // the switch alone, no edits left on the form
         },
         "&Undo Change Type of Program 5\tCtrl+Z"},
        {6, [this] { Run(res::ID_DELETE_PROGRAM); }, "&Undo Delete Program 7\tCtrl+Z"},
        {7, [this] { Run(res::ID_CUT_PROGRAM); }, "&Undo Cut Program 8\tCtrl+Z"},
        {0,
         [this] {
             QTimer::singleShot(0, &m_form, [] {
                 auto* pEdit = widgets::FindControlAs<QLineEdit>(QApplication::activeModalWidget(),
                                                                 res::IDC_PROGRAM_NUMBER);
                 QTest::keyClicks(pEdit, "3");
                 QTest::keyClick(pEdit, Qt::Key_Return);
             });
             Run(res::ID_INSERT_PROGRAM);  // programs 3 to 12 move up to 4 to 13
         },
         "&Undo Insert Program 3\tCtrl+Z"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.undoItem);
        Show(c.nShown);
        const model::CProgramBook before = m_doc.Book();
        c.change();
        const model::CProgramBook after = m_doc.Book();
        ASSERT_FALSE(after == before);
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_EQ(UndoItem(), c.undoItem);
        Run(res::ID_EDIT_UNDO);
        EXPECT_EQ(m_doc.Book(), before);
        EXPECT_EQ(m_doc.Current(), c.nShown);
        EXPECT_EQ(m_form.FieldText(0), QString::number((c.nShown + 1), 'f', 1));
        EXPECT_FALSE(m_doc.IsModified());  // back where the book started
        Run(res::ID_EDIT_REDO);
        EXPECT_EQ(m_doc.Book(), after);
        EXPECT_TRUE(m_doc.IsModified());
        Run(res::ID_EDIT_UNDO);
        EXPECT_EQ(UndoItem(), "");  // nothing left to take back
    }
}

// Edits not yet committed are the newest change: Undo takes them back, and Redo brings them back
// as the step they became.
TEST_F(BookHistory, EditsOnTheFormAreUndoneFirstAndCanBeRedone) {
    Show(1);
    QTest::keyClicks(m_form.FrequencyField(3), "4321");
    EXPECT_EQ(UndoItem(), "&Undo Edit Program 2\tCtrl+Z");
    Run(res::ID_EDIT_UNDO);
    EXPECT_EQ(m_form.FieldText(3), "");
    EXPECT_EQ(m_doc.Book()[1].m_freq[1], 0u);
    Run(res::ID_EDIT_REDO);
    EXPECT_EQ(m_form.FieldText(1), "4321.0");  // stored, so compacted
    EXPECT_EQ(m_doc.Book()[1].m_freq[1], 43210u);
    EXPECT_TRUE(m_messages.Texts().empty());
}

// At least 100 steps; each keeps only the programs it changed; a save is the unmodified state,
// and Open forgets the steps.
TEST_F(BookHistory, KeepsAHundredStepsOfWhatChangedAndFollowsTheSavedState) {
    testing_support::CTempDir dir;
    Run(res::ID_DELETE_PROGRAM);
    // A change that may touch the whole book keeps only the two programs that changed places.
    ASSERT_TRUE(
        m_doc.ChangeBook("swap", 0, model::kProgramCount, [](model::CProgramBook& book, int16_t&) {
            std::swap(book[10], book[11]);
            return true;
        }));
    EXPECT_EQ(History().KeptPrograms(), 3u);
    ASSERT_TRUE(m_doc.OnSaveDocument(dir.File("book.vq")));
    Run(res::ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc.IsModified());
    Run(res::ID_EDIT_REDO);
    EXPECT_FALSE(m_doc.IsModified());
    for (int i = 100; i < 220; ++i) {
        Store(i, 5);
        Show(i);
        Run(res::ID_DELETE_PROGRAM);
    }
    int undone = 0;
    for (; History().CanUndo(); ++undone) {
        Run(res::ID_EDIT_UNDO);
    }
    EXPECT_EQ(undone, ui::CBookHistory::kUndoLimit);
    EXPECT_EQ(m_doc.Book()[119].m_freq[0], 0u);  // older than the hundred kept
    EXPECT_EQ(m_doc.Book()[120].m_freq[0], 5u);
    EXPECT_TRUE(m_doc.IsModified());  // the saved state has gone from the history
    ASSERT_TRUE(m_doc.OnOpenDocument(dir.File("book.vq")));
    EXPECT_FALSE(History().CanUndo() || History().CanRedo() || m_doc.IsModified());
}

// Insert and Reorder open on the program on display; Reorder keeps it selected and in view, Up
// or Down disabled at its end.
TEST_F(BookHistory, ProgramDialogsOpenOnTheProgramOnDisplay) {
    const std::tuple<int, int, int> cases[] = {
        {700, 0, 700}, {1, res::IDC_UP, 0}, {1998, res::IDC_DOWN, 1999}};
    for (const auto& [shown, button, row] : cases) {
        Show(shown);
        QTimer::singleShot(0, &m_form, [shown] {
            QWidget* pDialog = QApplication::activeModalWidget();
            EXPECT_EQ(widgets::FindControlAs<QLineEdit>(pDialog, res::IDC_PROGRAM_NUMBER)->text(),
                      QString::number(shown + 1));
            static_cast<QDialog*>(pDialog)->reject();
        });
        Run(res::ID_INSERT_PROGRAM);
        QTimer::singleShot(0, &m_form, [shown, button, row] {
            auto* pDialog = qobject_cast<ui::CReorderDlg*>(QApplication::activeModalWidget());
            auto find = [pDialog](int nID) {
                return widgets::FindControlAs<QPushButton>(pDialog, nID);
            };
            if (button != 0) {
                find(button)->click();
            }
            ui::CListCtrlEx* pList = pDialog->List();
            const QModelIndex index = pList->model()->index(row, 2);
            EXPECT_EQ(pList->selectionModel()->selectedRows(2), QModelIndexList{index});
            EXPECT_TRUE(pList->viewport()->rect().intersects(pList->visualRect(index)));
            EXPECT_EQ(find(res::IDC_UP)->isEnabled(), row != 0);
            EXPECT_EQ(find(res::IDC_DOWN)->isEnabled(), row != 1999);
            testing_support::MaybeScreenshot(pDialog, QStringLiteral("reorder_on_%1").arg(shown));
            pDialog->reject();
        });
        Run(res::ID_REORDER_PROGRAMS);
    }
}

}  // namespace
