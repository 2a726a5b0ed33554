// Edit > Reorder Programs: the 2000 programs as rows of their 48 slots, moved one row at a time.
// The dialog works on its own copy of the book and writes the new order back only on OK.
//
// Threads: user-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <memory>
#include <vector>

#include "model/program_book.h"

class QPushButton;

namespace editor {

class CListCtrlEx;

// The rows of the list: row r shows program m_rows[r] of the work book, which itself never
// moves. Cells are formatted when drawn, so opening costs no 96,000 strings. Each row is headed
// by its program number, the number its program will have after OK.
class CProgramRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CProgramRowModel(const model::CProgramBook& book, QObject* parent);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int ProgramOfRow(int nRow) const { return m_rows[nRow]; }
    // Exchanges the programs of row nFrom and its neighbour nTo. The rows themselves stay, so
    // no index a client holds moves: only the two rows' data change.
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
    void MoveRow(int nFrom, int nTo);

    CListCtrlEx* List() const { return m_list; }
    const CProgramRowModel* RowModel() const { return m_pModel; }

    // Filled by the caller before the dialog opens.
    model::CProgramBook m_workBook;
    model::CProgramBook* m_pTargetBook = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    int FirstSelectedRow() const;

    CListCtrlEx* m_list;
    CProgramRowModel* m_pModel = nullptr;
    bool m_bInitialized = false;
};

}  // namespace editor
