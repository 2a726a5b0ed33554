// Select Comm Port: the modal dialog in which the user picks the serial port to the generator.
// It lists the ports afresh each time it opens (and on Refresh), marks the one in use and on OK
// hands back the path of the chosen line (or of a port typed in its box); opening the port is the
// caller's part.
//
// Threads: user-interface thread only.
#pragma once

#include <QDialog>
#include <string>

#include "platform/port_system.h"
#include "ports/port_info.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace ui {

class CSelectPortDlg : public QDialog {
    Q_OBJECT

public:
    // source: where the ports are read from; null reads the machine's own. Not owned.
    explicit CSelectPortDlg(QWidget* parent = nullptr, platform::IPortSystem* source = nullptr);

    // Lists the ports, then runs the dialog; QDialog::Accepted or QDialog::Rejected.
    int DoModal();

    // In: the path of the port in use (may be empty), by its device path or its stable name.
    // Out, after OK: the chosen line's device path, the port typed in the box, or the value put in
    // when the box was left empty.
    std::string m_strPortPath;
    // In: the port the link is open on, listed even when the system does not report it; empty
    // when the link is closed.
    std::string m_strPortInUse;
    // Out, after OK: the chosen line's stable name; empty when it has none or no line was chosen.
    std::string m_strStableName;

    // Lists the ports again without closing, keeping the chosen line when its port is still
    // there (the Refresh button).
    void OnRefresh();

protected:
    void OnInitDialog();
    void OnOK();

private:
    void BuildControls();
    // The port box, whose opened list shows a table of the ports.
    void CreatePortBox();
    // The chosen port's stable name, description and USB identity.
    QFormLayout* CreateDetails();
    void LayOut(QLabel* pLabel, QPushButton* pRefresh, QPushButton* pCancel, QFormLayout* pDetails);
    // select is a copy: it may come from the list that is filled anew.
    void FillPortList(std::string select);
    // The stable name's column and row are there only where the system keeps such names
    // (Linux's by-id links); Windows has none.
    void ShowStableNames(bool bShow);
    void ShowDetails();
    // A port the user typed instead of choosing a line: true when it is one (m_strPortPath set);
    // otherwise the user is told why not and the dialog stays open.
    bool TakeTypedPort(const std::string& typed);
    // The port list's entry on the current line; null when no line is current.
    const ports::CPortInfo* CurrentPort() const;

    platform::IPortSystem* m_pSource;
    QComboBox* m_cbPort = nullptr;
    QStandardItemModel* m_pLines = nullptr;
    QTreeView* m_pLinesView = nullptr;
    QPushButton* m_pOk = nullptr;
    QFormLayout* m_pDetails = nullptr;
    QLabel* m_pStableName = nullptr;
    QLabel* m_pDescription = nullptr;
    QLabel* m_pUsbIdentity = nullptr;
};

}  // namespace ui
