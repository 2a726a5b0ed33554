// Select Comm Port: the modal dialog in which the user picks the serial port to the generator.
// It lists the ports afresh each time it opens, marks the one in use and on OK hands back the
// path of the chosen line; opening the port is the caller's part.
//
// Threads: user-interface thread only.
#pragma once

#include <QDialog>
#include <string>

#include "platform/port_system.h"

class QComboBox;
class QPushButton;

namespace ports {

class CSelectPortDlg : public QDialog {
    Q_OBJECT

public:
    // source: where the ports are read from; null reads the machine's own. Not owned.
    explicit CSelectPortDlg(QWidget* parent = nullptr, platform::IPortSystem* source = nullptr);

    // Lists the ports, then runs the dialog; QDialog::Accepted or QDialog::Rejected.
    int DoModal();

    // In: the path of the port in use (may be empty). Out, after OK: the chosen line's path, or
    // the value put in when no line was selected.
    std::string m_strPortPath;

protected:
    void OnInitDialog();
    void OnOK();

private:
    void BuildControls();
    void FillPortList();

    platform::IPortSystem* m_pSource;
    QComboBox* m_cbPort = nullptr;
    QPushButton* m_pOk = nullptr;
};

}  // namespace ports
