// Edit > Reorder Programs: the 2000 programs as rows of their type and 48 slots, moved one row
// at a time or to a number in one step. The dialog works on its own copy of the book and writes
// the new order back only on OK.
//
// Threads: user-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "model/program_book.h"

class QPushButton;

namespace ui {

class CListCtrlEx;

// The rows of the list: row r shows program m_rows[r] of the work book, which itself never
// moves: its type in column 0, then its 48 slots. Cells are formatted when drawn, so opening
// costs no 96,000 strings. Each row is headed by its program number, the number its program
// will have after OK.
class CProgramRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CProgramRowModel(const model::CProgramBook& book, QObject* parent);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The column of slot 0; the type stands before it.
    static constexpr int kFirstSlotColumn = 1;

    int ProgramOfRow(int nRow) const { return m_rows[nRow]; }
    // Moves the program of row nFrom to row nTo, the rows between moving one place towards
    // nFrom. The rows themselves stay, so no index a client holds moves: only the data of the
    // rows from nFrom to nTo change.
    void MoveRow(int nFrom, int nTo);

private:
    const model::CProgramBook& m_book;
    std::vector<int> m_rows;
};

class CReorderDlg : public QDialog {
    Q_OBJECT
public:
    explicit CReorderDlg(QWidget* parent = nullptr);
    ~CReorderDlg() override;

    // OK: the new order goes to m_pTargetBook in one pass.
    void accept() override;

    void OnUp();
    void OnDown();
    // Asks for the number the first selected program moves to, and moves it there.
    void OnMoveTo();
    void MoveRow(int nFrom, int nTo);

    CListCtrlEx* List() const { return m_list; }
    const CProgramRowModel* RowModel() const { return m_pModel; }

    // Filled by the caller before the dialog opens.
    model::CProgramBook m_workBook;
    model::CProgramBook* m_pTargetBook = nullptr;
    // The row selected and shown when the dialog opens (the program on display).
    int m_nInitialRow = 0;

protected:
    void showEvent(QShowEvent* event) override;
    // The number for Move to..., 1 to 2000; nullopt when the user cancels. Runs a dialog.
    virtual std::optional<int> AskMoveTarget(int nProgram);

private:
    void OnInitDialog();
    int FirstSelectedRow() const;
    // The first selected row, or -1 after telling the user to select one.
    int SelectedRowOrAsk() const;
    // Selects the row, makes it current and scrolls it into view (vertically only).
    void SelectRow(int nRow);
    // Up and Down are disabled where the first selected row cannot go further.
    void UpdateMoveButtons();

    CListCtrlEx* m_list;
    QPushButton* m_pUp = nullptr;
    QPushButton* m_pDown = nullptr;
    CProgramRowModel* m_pModel = nullptr;
    bool m_bInitialized = false;
};

}  // namespace ui
