// The Insert Program and Reorder Programs dialogs and the list they draw with, driven offscreen as
// a user would drive them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>
#include <tuple>

#include "editor/fit_text.h"
#include "res/ids_dialogs.h"
#include "tests/scripted_messages.h"
#include "tests/ui/screenshot.h"
#include "ui/editor/insert_program_dlg.h"
#include "ui/editor/list_ctrl_ex.h"
#include "ui/editor/reorder_dlg.h"
#include "widgets/dialog_units.h"

using model::CProgramBook;
using testing_support::MaybeScreenshot;
using ui::CInsertProgramDlg;
using ui::CReorderDlg;

namespace {

class CQtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "editor_dialog_tests";
        static char* argv[] = {name, nullptr};
        m_pApp = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_pApp.reset(); }

private:
    std::unique_ptr<QApplication> m_pApp;
};

[[maybe_unused]] testing::Environment* const g_qt =
    testing::AddGlobalTestEnvironment(new CQtEnvironment);

template <typename T>
T* Control(QWidget* root, int id) {
    for (T* child : root->findChildren<T*>()) {
        if (child->property(res::kControlIdProperty).toInt() == id) {
            return child;
        }
    }
    return nullptr;
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// What a screen reader is told the control is.
QString AccessibleName(QWidget* pWidget) {
    QAccessibleInterface* pInterface = QAccessible::queryAccessibleInterface(pWidget);
    return pInterface != nullptr ? pInterface->text(QAccessible::Name) : QString();
}

// ------------------------------------------------------------------------------------------
// Insert Program

class InsertProgramDialog : public testing::Test {
protected:
    testing_support::CScriptedMessages m_messages;
};

TEST_F(InsertProgramDialog, OnlyWholeNumbersFrom1To2000CloseWithOk) {
    const char* range = "Enter a program number from 1 to 2000.";
    const char* unsignedInt = "Enter the program number as a whole number without a sign.";
    const struct {
        const char* typed;  // nullptr: press OK at once
        bool bAccepted;
        unsigned int number;
        const char* message;
    } cases[] = {
        {nullptr, false, 0, range},       {"1", true, 1, nullptr},
        {"2000", true, 2000, nullptr},    {" 7 ", true, 7, nullptr},
        {"2001", false, 0, range},        {"-5", false, 0, unsignedInt},
        {"12ab", false, 0, unsignedInt},  {"", false, 0, unsignedInt},
        {"99999999999", false, 0, range},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed != nullptr ? c.typed : "(OK at once)");
        m_messages.Clear();
        CInsertProgramDlg dlg;
        ASSERT_TRUE(ShowActive(&dlg));
        auto* pEdit = Control<QLineEdit>(&dlg, res::IDC_PROGRAM_NUMBER);
        ASSERT_NE(pEdit, nullptr);
        EXPECT_EQ(pEdit->text(), "0");
        // The number takes the keys at once, over the 0.
        EXPECT_EQ(QApplication::focusWidget(), pEdit);
        EXPECT_EQ(pEdit->selectedText(), "0");
        EXPECT_EQ(AccessibleName(pEdit), "Program Number");
        if (c.typed == nullptr) {
            QTest::mouseClick(Control<QPushButton>(&dlg, res::IDOK), Qt::LeftButton);
        } else {
            QTest::mouseClick(pEdit, Qt::LeftButton);
            QTest::keyClick(pEdit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(pEdit, Qt::Key_Delete);
            QTest::keyClicks(pEdit, c.typed);
            QTest::keyClick(pEdit, Qt::Key_Return);  // the default button
        }
        EXPECT_EQ(dlg.isVisible(), !c.bAccepted);
        EXPECT_EQ(dlg.m_nProgramNumber, c.number);
        if (c.bAccepted) {
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(m_messages.Count(), 0u);
        } else {
            ASSERT_EQ(m_messages.Texts(), std::vector<std::string>{c.message});
            EXPECT_EQ(m_messages.Requests()[0].caption, "ZelkorConfig");
            EXPECT_EQ(QApplication::focusWidget(), pEdit);
            EXPECT_EQ(pEdit->selectedText(), pEdit->text());
        }
    }
}

TEST_F(InsertProgramDialog, CorrectionAfterARefusalIsTypedOverTheOldText) {
    CInsertProgramDlg dlg;
    ASSERT_TRUE(ShowActive(&dlg));
    QTest::keyClick(&dlg, Qt::Key_Return);  // 0, as the dialog opens, is refused
    auto* pEdit = Control<QLineEdit>(&dlg, res::IDC_PROGRAM_NUMBER);
    QTest::keyClicks(pEdit, "12");
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nProgramNumber, 12u);
}

TEST_F(InsertProgramDialog, EscapeAfterTypingCancelsWithoutReading) {
    CInsertProgramDlg dlg;
    ASSERT_TRUE(ShowActive(&dlg));
    MaybeScreenshot(&dlg, "insert_program");
    auto* pEdit = Control<QLineEdit>(&dlg, res::IDC_PROGRAM_NUMBER);
    QTest::mouseClick(pEdit, Qt::LeftButton);
    QTest::keyClicks(pEdit, "15");
    QTest::keyClick(pEdit, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.m_nProgramNumber, 0u);
    EXPECT_EQ(m_messages.Count(), 0u);
}

// ------------------------------------------------------------------------------------------
// Reorder Programs

std::unique_ptr<CProgramBook> MarkedBook() {
    auto book = std::make_unique<CProgramBook>();
    for (int i = 0; i < 1999; ++i) {  // the last program stays empty
        auto& program = (*book)[i];
        program.SetGroups(i % 2 == 1);
        program.m_freq[0] = static_cast<uint32_t>(10 * (i + 1));
        program.m_freq[47] = static_cast<uint32_t>(i + 1);
        program.UpdateGroupCount(0);
        program.UpdateGroupCount(5);
    }
    return book;
}

class ReorderDialog : public testing::Test {
protected:
    void SetUp() override {
        m_pBook = MarkedBook();
        m_pOriginal = std::make_unique<CProgramBook>(*m_pBook);
        m_pDlg = std::make_unique<CReorderDlg>();
        m_pDlg->m_workBook = *m_pBook;
        m_pDlg->m_pTargetBook = m_pBook.get();
        ASSERT_TRUE(ShowActive(m_pDlg.get()));
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        ui::CListCtrlEx* pList = m_pDlg->List();
        const QModelIndex index = pList->model()->index(row, 0);
        pList->scrollTo(index);
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, modifiers,
                          pList->visualRect(index).center());
    }

    void Click(int id, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(Control<QPushButton>(m_pDlg.get(), id), Qt::LeftButton);
        }
    }

    int ProgramOfRow(int row) const { return m_pDlg->RowModel()->ProgramOfRow(row); }

    bool InOriginalOrder() const {
        for (int row = 0; row < model::kProgramCount; ++row) {
            if (ProgramOfRow(row) != row) {
                return false;
            }
        }
        return true;
    }

    testing_support::CScriptedMessages m_messages;
    std::unique_ptr<CProgramBook> m_pBook;
    std::unique_ptr<CProgramBook> m_pOriginal;
    std::unique_ptr<CReorderDlg> m_pDlg;
};

TEST_F(ReorderDialog, ShowsEveryProgramAsARowOfItsTypeAnd48Cells) {
    const QAbstractItemModel* pModel = m_pDlg->List()->model();
    ASSERT_EQ(pModel->rowCount(), 2000);
    ASSERT_EQ(pModel->columnCount(), 49);
    EXPECT_EQ(pModel->headerData(0, Qt::Horizontal).toString(), "Type");
    EXPECT_EQ(pModel->headerData(1, Qt::Horizontal).toString(), "Freq. 1");
    EXPECT_EQ(pModel->headerData(48, Qt::Horizontal).toString(), "Freq. 48");
    EXPECT_EQ(pModel->index(0, 0).data().toString(), "Single");
    EXPECT_EQ(pModel->index(1, 0).data().toString(), "Groups");
    EXPECT_EQ(pModel->index(0, 1).data().toString(), "1.0");
    EXPECT_EQ(pModel->index(0, 2).data().toString(), "");  // blank, as on the form
    EXPECT_EQ(pModel->index(1234, 48).data().toString(), "123.5");
    for (int column = 1; column < 49; ++column) {
        EXPECT_EQ(pModel->index(1999, column).data().toString(), "");  // the empty program
    }
    const QHeaderView* pHeader = m_pDlg->List()->horizontalHeader();
    EXPECT_GE(pHeader->sectionSize(1), 50);
    EXPECT_GE(pHeader->sectionSize(48), pHeader->sectionSizeHint(48));
    EXPECT_EQ(m_pDlg->windowTitle(), "Reorder Programs");
    EXPECT_EQ(Control<QPushButton>(m_pDlg.get(), res::IDC_UP)->text(), "&Up");
    EXPECT_EQ(Control<QPushButton>(m_pDlg.get(), res::IDC_DOWN)->text(), "&Down");
}

TEST_F(ReorderDialog, DownThenOkExchangesExactlyTwoPrograms) {
    ClickRow(4);
    MaybeScreenshot(m_pDlg.get(), "reorder_selected");
    Click(res::IDC_DOWN);
    EXPECT_EQ(ProgramOfRow(4), 5);
    EXPECT_EQ(ProgramOfRow(5), 4);
    EXPECT_TRUE(m_pDlg->List()->selectionModel()->isRowSelected(5, {}));
    EXPECT_EQ(m_pDlg->List()->currentIndex().row(), 5);
    EXPECT_EQ(*m_pBook, *m_pOriginal);  // nothing before OK
    MaybeScreenshot(m_pDlg.get(), "reorder_moved");
    Click(res::IDOK);
    EXPECT_EQ(m_pDlg->result(), QDialog::Accepted);
    for (int i = 0; i < model::kProgramCount; ++i) {
        const int from = i == 4 ? 5 : i == 5 ? 4 : i;
        EXPECT_EQ((*m_pBook)[i], (*m_pOriginal)[from]) << i;
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReorderDialog, CancelAfterManyMovesLeavesTheBookUntouched) {
    ClickRow(0);
    Click(res::IDC_DOWN, 40);
    EXPECT_EQ(ProgramOfRow(40), 0);
    ClickRow(300);
    Click(res::IDC_UP, 25);
    EXPECT_EQ(ProgramOfRow(275), 300);
    QTest::keyClick(m_pDlg->List(), Qt::Key_Escape);
    EXPECT_FALSE(m_pDlg->isVisible());
    EXPECT_EQ(m_pDlg->result(), QDialog::Rejected);
    EXPECT_EQ(*m_pBook, *m_pOriginal);
}

TEST_F(ReorderDialog, UpOnTheFirstAndDownOnTheLastRowChangeNothing) {
    ClickRow(0);
    Click(res::IDC_UP);
    ClickRow(1999);
    Click(res::IDC_DOWN);
    EXPECT_TRUE(InOriginalOrder());
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReorderDialog, UpOrDownWithoutASelectionAsksForOne) {
    m_pDlg->List()->clearSelection();  // it opens on a selected program
    Click(res::IDC_UP);
    Click(res::IDC_DOWN);
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{"You must select an item.", "You must select an item."}));
    EXPECT_EQ(m_messages.Requests()[0].caption, "ZelkorConfig");
    EXPECT_TRUE(InOriginalOrder());
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST_F(ReorderDialog, WithTwoRowsSelectedUpMovesOnlyTheFirst) {
    ClickRow(7);
    ClickRow(3, Qt::ControlModifier);
    Click(res::IDC_UP);
    EXPECT_EQ(ProgramOfRow(2), 3);
    EXPECT_EQ(ProgramOfRow(3), 2);
    EXPECT_EQ(ProgramOfRow(7), 7);
    QItemSelectionModel* pSelection = m_pDlg->List()->selectionModel();
    EXPECT_TRUE(pSelection->isRowSelected(2, {}));
    EXPECT_TRUE(pSelection->isRowSelected(7, {}));  // other selected rows stay selected
    EXPECT_FALSE(pSelection->isRowSelected(3, {}));
}

TEST_F(ReorderDialog, EnterWithoutMovesRewritesTheSameBook) {
    (*m_pBook)[10].m_freq[3] = 999;  // the target is overwritten from the dialog's copy
    QTest::keyClick(m_pDlg->List(), Qt::Key_Return);
    EXPECT_EQ(m_pDlg->result(), QDialog::Accepted);
    EXPECT_EQ(*m_pBook, *m_pOriginal);
}

// Move to... takes the first selected program to the number typed in its dialog in one step, the
// programs between moving one place; every move keeps the moved row in view.
TEST_F(ReorderDialog, MoveToTakesAProgramToANumberInOneStepAndTheListFollows) {
    ui::CListCtrlEx* pList = m_pDlg->List();
    EXPECT_EQ(AccessibleName(pList), "Programs");
    auto inView = [pList](int row) {
        return pList->viewport()->rect().contains(pList->visualRect(pList->model()->index(row, 1)));
    };
    // From row, the number typed (none: cancelled), the row it lands on.
    for (const auto& [from, typed, to] :
         {std::tuple{0, "1000", 999}, {1500, "3", 2}, {40, "", 40}}) {
        std::vector<int> before(model::kProgramCount);
        for (int row = 0; row < model::kProgramCount; ++row) {
            before[row] = ProgramOfRow(row);
        }
        ClickRow(from);
        QTimer::singleShot(0, m_pDlg.get(), [&] {
            auto* pAsk = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(pAsk, nullptr);
            EXPECT_EQ(pAsk->labelText(), QString("Move program %1 to number:").arg(from + 1));
            pAsk->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(pAsk->findChild<QLineEdit*>(), typed);
            MaybeScreenshot(pAsk, "reorder_move_to");
            QTest::keyClick(pAsk->findChild<QLineEdit*>(),
                            *typed ? Qt::Key_Return : Qt::Key_Escape);
        });
        Click(res::IDC_MOVE_TO);
        EXPECT_EQ(ProgramOfRow(to), before[from]) << from;
        for (int row = from, step = from < to ? 1 : -1; row != to; row += step) {
            ASSERT_EQ(ProgramOfRow(row), before[row + step]) << row;
        }
        EXPECT_EQ(pList->currentIndex().row(), to);
        EXPECT_TRUE(inView(to)) << from;
    }
    // Down past the bottom of the view: the list scrolls with the row.
    ClickRow(0);
    Click(res::IDC_DOWN, 60);
    EXPECT_TRUE(inView(60));
    MaybeScreenshot(m_pDlg.get(), "reorder_after_moves");
    EXPECT_EQ(*m_pBook, *m_pOriginal);  // nothing before OK
}

// Opens a Reorder dialog on a book whose every slot holds the largest value, in a given font.
std::unique_ptr<CReorderDlg> LargeValuesDialog(const CProgramBook& book, const QFont& font) {
    auto pDlg = std::make_unique<CReorderDlg>();
    pDlg->setFont(font);
    pDlg->m_workBook = book;
    EXPECT_TRUE(ShowActive(pDlg.get()));
    return pDlg;
}

TEST(ReorderColumns, ShowTheWidestValueWholeInTheFontInUse) {
    auto pBook = std::make_unique<CProgramBook>();
    for (int i = 0; i < model::kProgramCount; ++i) {
        for (int slot = 0; slot < model::kSlotCount; ++slot) {
            (*pBook)[i].m_freq[slot] = 200000000u - static_cast<uint32_t>(i);
        }
    }
    QFont large = QApplication::font();
    large.setPixelSize(24);
    for (const QFont& font : {QApplication::font(), large}) {
        SCOPED_TRACE(font.pixelSize());
        auto pDlg = LargeValuesDialog(*pBook, font);
        ui::CListCtrlEx* pList = pDlg->List();
        EXPECT_EQ(pList->model()->index(0, 1).data().toString(), "20000000.0");
        const QFontMetrics metrics(pList->font());
        const auto measure = [&](std::string_view text) {
            return metrics.horizontalAdvance(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        };
        EXPECT_GE(pList->rowHeight(0), metrics.height());
        // The list shortens a text whose width and 12 pixels of allowance do not fit.
        for (int column : {1, 2, 47, 48}) {
            const int width = pList->horizontalHeader()->sectionSize(column);
            EXPECT_GE(width, metrics.horizontalAdvance(QStringLiteral("20000000.0")) + 12)
                << column;
            EXPECT_EQ(editor::FitText("20000000.0", width, 12, measure), "20000000.0") << column;
        }
        MaybeScreenshot(pDlg.get(), font.pixelSize() == 24 ? "reorder_large_values_big_font"
                                                           : "reorder_large_values");
    }
}

// In a font whose template size is wider than the screen, the dialog keeps to the screen (its
// buttons stay reachable) and the list scrolls instead.
TEST(ReorderSize, KeepsToTheScreenInALargeFont) {
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPixelSize(48);
    QApplication::setFont(large);
    CReorderDlg dialog;
    QApplication::setFont(usual);
    const QSize available = dialog.screen()->availableGeometry().size();
    const widgets::CDialogUnits units(large);
    ASSERT_GT(units.X(356), available.width()) << "the template alone must not fit";
    EXPECT_LE(dialog.width(), available.width());
    EXPECT_LE(dialog.height(), available.height());
}

TEST_F(ReorderDialog, EachRowIsHeadedByItsProgramNumber) {
    const QHeaderView* pNumbers = m_pDlg->List()->verticalHeader();
    EXPECT_TRUE(pNumbers->isVisible());
    const QAbstractItemModel* pModel = m_pDlg->List()->model();
    EXPECT_EQ(pModel->headerData(0, Qt::Vertical).toString(), "1");
    EXPECT_EQ(pModel->headerData(1234, Qt::Vertical).toString(), "1235");
    EXPECT_EQ(pModel->headerData(1999, Qt::Vertical).toString(), "2000");
    EXPECT_GE(pNumbers->width(), pNumbers->fontMetrics().horizontalAdvance(QStringLiteral("2000")));
    // A moved program takes the number of its new row.
    ClickRow(4);
    Click(res::IDC_DOWN);
    EXPECT_EQ(pModel->headerData(5, Qt::Vertical).toString(), "6");
    EXPECT_EQ(ProgramOfRow(5), 4);
}

TEST_F(ReorderDialog, DownExchangesTheDataOfTwoRowsAndMovesNoIndex) {
    const QAbstractItemModel* pModel = m_pDlg->List()->model();
    // Held as an accessibility client holds them.
    const QPersistentModelIndex held5(pModel->index(5, 3));
    const QPersistentModelIndex held6(pModel->index(6, 0));
    const QPersistentModelIndex held6Slot(pModel->index(6, 1));
    QSignalSpy changed(pModel, &QAbstractItemModel::dataChanged);
    QSignalSpy moved(pModel, &QAbstractItemModel::rowsAboutToBeMoved);
    QSignalSpy layout(pModel, &QAbstractItemModel::layoutAboutToBeChanged);
    QSignalSpy reset(pModel, &QAbstractItemModel::modelAboutToBeReset);
    ClickRow(5);
    Click(res::IDC_DOWN);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(layout.count(), 0);
    EXPECT_EQ(reset.count(), 0);
    ASSERT_EQ(changed.count(), 1);
    const auto topLeft = changed[0][0].value<QModelIndex>();
    const auto bottomRight = changed[0][1].value<QModelIndex>();
    EXPECT_EQ(std::pair(topLeft.row(), topLeft.column()), std::pair(5, 0));
    EXPECT_EQ(std::pair(bottomRight.row(), bottomRight.column()), std::pair(6, 48));
    EXPECT_EQ(held5.row(), 5);
    EXPECT_EQ(held6.row(), 6);
    EXPECT_EQ(held6.data().toString(), "Groups");  // program 6's type, now in row 6
    EXPECT_EQ(held6Slot.data().toString(), "6.0");
    EXPECT_EQ(ProgramOfRow(6), 5);
    EXPECT_EQ(m_pDlg->List()->currentIndex().row(), 6);
}

// Counts the pixels along the top edge of a row that differ from the row's fill: the dots of a
// focus rectangle, as nothing else is drawn there.
int FocusPixels(ui::CListCtrlEx* pList, int row) {
    const QImage image = pList->viewport()->grab().toImage();
    const int y = static_cast<int>(pList->rowViewportPosition(row) * image.devicePixelRatio());
    const QColor fill = pList->IsRowHighlighted(row)
                            ? pList->palette().color(QPalette::Active, QPalette::Highlight)
                            : pList->palette().color(QPalette::Base);
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += image.pixelColor(x, y) != fill ? 1 : 0;
    }
    return count;
}

TEST_F(ReorderDialog, FocusedRowHasAFocusRectangleWhileTheListHasTheFocus) {
    ui::CListCtrlEx* pList = m_pDlg->List();
    ClickRow(7);  // a click, not a key: the rectangle must not wait for the keyboard
    ClickRow(3, Qt::ControlModifier);
    EXPECT_EQ(pList->currentIndex().row(), 3);
    EXPECT_GT(FocusPixels(pList, 3), 10);
    EXPECT_EQ(FocusPixels(pList, 7), 0);  // selected, not focused
    MaybeScreenshot(m_pDlg.get(), "reorder_focus_rectangle");
    Control<QPushButton>(m_pDlg.get(), res::IDC_UP)->setFocus();
    EXPECT_EQ(FocusPixels(pList, 3), 0);
}

TEST_F(ReorderDialog, CtrlHomeAndCtrlEndSelectTheRowTheyReach) {
    ui::CListCtrlEx* pList = m_pDlg->List();
    ClickRow(5);
    ClickRow(9, Qt::ControlModifier);
    const int scrolledTo = pList->horizontalScrollBar()->value();
    QTest::keyClick(pList, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(pList->currentIndex().row(), 1999);
    EXPECT_EQ(pList->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(pList->selectionModel()->isRowSelected(1999, {}));
    EXPECT_EQ(pList->horizontalScrollBar()->value(), scrolledTo);
    Click(res::IDC_UP);  // Up and Down take the row the keys reached
    EXPECT_EQ(ProgramOfRow(1998), 1999);
    QTest::keyClick(pList, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(pList->currentIndex().row(), 0);
    EXPECT_EQ(pList->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(pList->selectionModel()->isRowSelected(0, {}));
    Click(res::IDC_DOWN);
    EXPECT_EQ(ProgramOfRow(1), 0);
    EXPECT_EQ(m_messages.Count(), 0u);
}

// ------------------------------------------------------------------------------------------
// The list's own drawing

class ListDrawing : public testing::Test {
protected:
    void SetUp() override {
        auto* pLayout = new QVBoxLayout(&m_window);
        m_pList = new ui::CListCtrlEx(&m_window);
        m_pOther = new QLineEdit(&m_window);
        pLayout->addWidget(m_pList);
        pLayout->addWidget(m_pOther);
        m_model.setRowCount(3);
        m_model.setColumnCount(2);
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 2; ++c) {
                m_model.setItem(r, c, new QStandardItem(QString("r%1c%2").arg(r).arg(c)));
            }
        }
        m_pList->setModel(&m_model);
        m_pList->horizontalHeader()->setDefaultSectionSize(60);
        m_window.resize(400, 200);
        ASSERT_TRUE(ShowActive(&m_window));
        m_pList->selectRow(1);
    }

    // The colour at the right edge of the list, in the middle of a row.
    QColor EdgeColour(int row) {
        const QImage image = m_pList->viewport()->grab().toImage();
        const QRect rect = m_pList->visualRect(m_model.index(row, 0));
        return image.pixelColor(m_pList->viewport()->width() - 4, rect.center().y());
    }

    QWidget m_window;
    ui::CListCtrlEx* m_pList = nullptr;
    QLineEdit* m_pOther = nullptr;
    QStandardItemModel m_model;
};

TEST_F(ListDrawing, SelectedRowIsHighlightedToTheRightEdgeWhileFocused) {
    const QColor highlight = m_pList->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor base = m_pList->palette().color(QPalette::Base);
    m_pList->setFocus();
    EXPECT_EQ(EdgeColour(1), highlight);
    EXPECT_EQ(EdgeColour(0), base);
    MaybeScreenshot(&m_window, "list_focused");

    m_pOther->setFocus();  // without the focus the selection is drawn like any row
    EXPECT_EQ(EdgeColour(1), base);
    m_pList->SetShowSelectionAlways(true);
    EXPECT_EQ(EdgeColour(1), highlight);

    m_pList->SetHighlightToClientEdge(false);
    EXPECT_EQ(EdgeColour(1), base);
    EXPECT_FALSE(m_pList->SetFullRowSelect(true));
    EXPECT_TRUE(m_pList->SetFullRowSelect(false));
    EXPECT_FALSE(m_pList->IsFullRowSelect());
}

}  // namespace
