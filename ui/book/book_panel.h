// The book panel: all 2000 programs as a table docked beside the form, with a Find field, Used
// only, and the commands that change several programs at once (Copy, Cut, Paste, Delete, Set
// Type, Move to...). What these do to the book is in editor/book_operations.h; the panel only
// reads the selection, asks what must be asked and shows the result. It follows the form (the
// program shown is selected) and the form follows it (a row chosen is shown there).
//
// Threads: user-interface thread only.
#pragma once

#include <QDockWidget>
#include <functional>
#include <optional>
#include <vector>

#include "model/zelkor_config_doc.h"
#include "widgets/command_target.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;

namespace ui {

class CBookFilter;
class CBookHistory;
class CBookTableModel;

class CBookPanel : public QDockWidget, public widgets::ICommandTarget {
    Q_OBJECT

public:
    CBookPanel(model::CZelkorConfigDoc& doc, CBookHistory* pHistory, QWidget* pParent = nullptr);
    ~CBookPanel() override;

    QTableView* Table() const { return m_pTable; }
    QLineEdit* FindField() const { return m_pFind; }
    QCheckBox* UsedOnlyBox() const { return m_pUsedOnly; }
    CBookFilter* Filter() const { return m_pFilter; }
    // The selected programs' indexes, sorted.
    std::vector<int> SelectedPrograms() const;
    // Selects the programs [nFirst, nFirst + nCount) that the filter shows.
    void SelectPrograms(int nFirst, int nCount);

    // The commands on the selected programs.
    void OnCopy();
    void OnCut();
    void OnPaste();
    void OnDelete();
    void OnSetType(bool bGroups);
    void OnMoveTo();
    // The Find field's text was changed or confirmed.
    void OnFind();
    // The form shows this program: its row is selected and scrolled to.
    void OnProgramShown(int nIndex);

    // widgets::ICommandTarget: Cut, Copy and Paste while the table has the focus.
    bool OnCmdMsg(int nID, bool bExecute) override;

signals:
    // A row was chosen (clicked, Enter): the form is to show its program.
    void ProgramChosen(int nIndex);
    // The panel changed the book: the form shows the program on display again.
    void BookChanged();

protected:
    // The number the programs move to (1 to 2000); nullopt when the user cancels.
    std::optional<int> AskMoveTarget(int nCount, int nFirst);

private:
    QWidget* CreateFindRow();
    void CreateTable();
    void CreateActions();
    QMenu* CreateSetTypeMenu();
    void OnRowChosen(const QModelIndex& index);
    // Offers the form's edits for saving, so the book the command reads is what the user sees.
    std::vector<int> CommittedSelection();
    bool AskGroupLosses(const std::vector<int>& indexes);
    void AfterChange(int nFirst, int nCount);

    model::CZelkorConfigDoc& m_doc;
    CBookTableModel* m_pModel = nullptr;
    CBookFilter* m_pFilter = nullptr;
    QTableView* m_pTable = nullptr;
    QLineEdit* m_pFind = nullptr;
    QLabel* m_pFound = nullptr;
    QCheckBox* m_pUsedOnly = nullptr;
    // The panel itself moves the form: its row need not be selected again.
    bool m_bActing = false;
    // The program the form showed last.
    int m_nShown = -1;
};

}  // namespace ui
