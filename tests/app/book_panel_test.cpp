// The book panel in the real window: rows selected with the mouse and the keys, each command
// one step that Undo names and takes back, the saved file, Find, and the form and the panel
// following each other.
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <functional>

#include "model/program_book.h"
#include "res/ids_app.h"
#include "tests/app/app_test_support.h"
#include "ui/book/book_panel.h"
#include "ui/book/book_table_model.h"

namespace app_testing {
namespace {

class BookPanel : public EditAndPrint {
protected:
    ui::CBookPanel& Panel() { return *m_app.BookPanel(); }
    QTableView& Table() { return *Panel().Table(); }
    // Program i of the first ten holds i + 1 Hz; program 5 three high ones too.
    void Fill() {
        for (int i = 0; i < 10; ++i) {
            Store(i, false, {{0, static_cast<uint32_t>(10 * (i + 1))}});
        }
        Store(5, false, {{0, 60}, {1, 500000}, {2, 600000}, {3, 700000}});
        Display(0);
    }
    // Clicks the first row, then Ctrl+clicks the others.
    void Select(const std::vector<int>& rows) {
        for (size_t i = 0; i < rows.size(); ++i) {
            const QRect cell = Table().visualRect(Panel().Filter()->index(rows[i], 1));
            QTest::mouseClick(Table().viewport(), Qt::LeftButton,
                              i == 0 ? Qt::NoModifier : Qt::ControlModifier, cell.center());
        }
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Table(), static_cast<Qt::Key>(key), modifiers);
    }
    QString UndoText() {
        Frame().UpdateCommandStates();
        return Command(res::ID_EDIT_UNDO).text();
    }
};

TEST_F(BookPanel, EachCommandIsOneStepThatIsSavedAndTakenBack) {
    const struct {
        const char* name;
        std::vector<int> rows;
        std::function<void()> act;
        std::function<bool(const model::CProgramBook& now, const model::CProgramBook& was)> holds;
    } cases[] = {
        {"Delete Programs 3 to 5",
         {2, 3, 4},
         [&] { Key(Qt::Key_Delete); },
         [](auto& now, auto&) {
             return now[2].IsEmpty() && now[4].IsEmpty() && !now[5].IsEmpty();
         }},
        {"Paste Programs 7 to 8",
         {0, 1},
         [&] {
             Key(Qt::Key_C, Qt::ControlModifier);
             Select({6});
             Key(Qt::Key_V, Qt::ControlModifier);
         },
         [](auto& now, auto& was) { return now[6] == was[0] && now[7] == was[1]; }},
        {"Cut 2 Programs",
         {1, 3},
         [&] { Key(Qt::Key_X, Qt::ControlModifier); },
         [](auto& now, auto&) {
             return now[1].IsEmpty() && now[3].IsEmpty() && !now[2].IsEmpty();
         }},
        {"Set Type of Programs 1 to 2000",
         {0},
         [&] {
             Key(Qt::Key_A, Qt::ControlModifier);  // every row, the empty ones too
             m_messages.QueueAnswer(platform::EMsgAnswer::kYes);
             Panel().OnSetType(true);
             EXPECT_EQ(m_messages.Texts().back().substr(0, 40),
                       "Switch program 6 to Frequency Groups? Th");
         },
         [](auto& now, auto& was) {
             return now[5].IsGroups() && now[5].m_freq[3] == 0 && now[1999].IsGroups() &&
                    now[0].m_freq == was[0].m_freq;
         }},
        {"Move 2 Programs to 5",
         {0, 1},
         [&] {
             QTimer::singleShot(0, [] {
                 auto* pAsk = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                 pAsk->setIntValue(5);
                 pAsk->accept();
             });
             Panel().OnMoveTo();
         },
         [](auto& now, auto& was) {
             return now[4] == was[0] && now[5] == was[1] && now[0] == was[2];
         }},
    };
    for (const auto& c : cases) {
        Fill();
        const model::CProgramBook was = Doc().Book();
        Table().setFocus();
        Select(c.rows);
        c.act();
        const std::string name = c.name;
        EXPECT_EQ(UndoText(), QString::fromStdString("&Undo " + name + "\tCtrl+Z"));
        EXPECT_TRUE(c.holds(Doc().Book(), was)) << c.name;
        m_app.m_paths.push_back(m_dir.File("book.vq"));
        Choose(res::ID_FILE_SAVE_AS);
        model::CProgramBook saved;
        ASSERT_TRUE(model::LoadBookFromPath(saved, m_dir.File("book.vq")));
        EXPECT_EQ(saved, Doc().Book()) << c.name;
        Choose(res::ID_EDIT_UNDO);
        EXPECT_EQ(Doc().Book(), was) << c.name;
        // The rows show the book as it is again.
        EXPECT_EQ(Table().model()->index(2, 3).data().toString(), "3.0") << c.name;
    }
    MaybeScreenshot(&Frame(), "book_panel");
}

TEST_F(BookPanel, FindAndTheFormFollowEachOther) {
    Fill();
    Display(3);
    EXPECT_EQ(Panel().SelectedPrograms(), std::vector<int>{3});  // the form's program is selected
    Select({7});
    EXPECT_EQ(Doc().Current(), 7);  // a row chosen is shown on the form
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(Doc().Current(), 8);
    QLineEdit* pFind = Panel().FindField();
    QTest::keyClicks(pFind, QStringLiteral("60000.0"));
    EXPECT_EQ(Table().model()->rowCount(), 1);
    pFind->clear();
    QTest::keyClicks(pFind, QStringLiteral("12,5"));
    EXPECT_EQ(Table().model()->rowCount(), 2000);
    pFind->clear();
    QTest::keyClicks(pFind, QStringLiteral("1200"));
    QTest::keyClick(pFind, Qt::Key_Return);
    EXPECT_EQ(Doc().Current(), 1199);
    Panel().UsedOnlyBox()->setChecked(true);
    EXPECT_EQ(Table().model()->rowCount(), 10);
    EXPECT_FALSE(Table().accessibleName().isEmpty() || pFind->accessibleName().isEmpty());
    // Print and Export PDF take the selected rows when asked to.
    Select({1, 2});
    m_app.m_strPrintTo = m_dir.File("printed.pdf");
    m_app.m_bPrintSelection = true;
    Choose(res::ID_FILE_PRINT);
    m_messages.QueueAnswer(platform::EMsgAnswer::kYes);
    m_app.m_paths.push_back(m_dir.File("book.pdf"));
    Choose(res::ID_FILE_EXPORT_PDF);
    for (const std::string& pdf : {m_app.m_strPrintTo, m_dir.File("book.pdf")}) {
        const std::string text = PdfText(pdf);
        EXPECT_NE(text.find("2.0"), std::string::npos) << pdf;
        EXPECT_EQ(text.find("4.0"), std::string::npos) << pdf;
    }
    // The panel closes and comes back from View.
    Panel().toggleViewAction()->trigger();
    EXPECT_FALSE(Panel().isVisible());
    Panel().toggleViewAction()->trigger();
    EXPECT_TRUE(Panel().isVisible());
}

}  // namespace
}  // namespace app_testing
