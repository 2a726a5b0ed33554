// Edit > Insert Program asks here for the number at which an empty program is opened. The dialog
// knows nothing of the book: the caller reads m_nProgramNumber after OK.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ui {

class CInsertProgramDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInsertProgramDlg(QWidget* parent = nullptr);

    // OK: reads the field; a refusal keeps the dialog open with the focus in the field.
    void accept() override;

    unsigned int m_nProgramNumber = 0;  // 1 to 2000 once the dialog has closed with OK

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool ExchangeFromField();
    void Refuse(const char* text);

    QLineEdit* m_pNumberEdit;
    bool m_bInitialized = false;
};

}  // namespace ui
