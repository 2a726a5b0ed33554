#include "ui/editor/insert_program_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/program_book.h"
#include "platform/message_box.h"
#include "res/ids_dialogs.h"
#include "res/strings_editor.h"
#include "widgets/control_ids.h"

namespace ui {

namespace {
constexpr int kMaxDigits = 9;  // longer digit strings are out of range, whatever they say
}

CInsertProgramDlg::CInsertProgramDlg(QWidget* parent) : QDialog(parent) {
    widgets::SetControlId(this, res::IDD_INSERT_PROGRAM);
    setWindowTitle(res::Tr(res::kInsertCaption));

    auto* pOk = new QPushButton(res::Tr(res::kButtonOk), this);
    widgets::SetControlId(pOk, res::IDOK);
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(res::Tr(res::kButtonCancel), this);
    widgets::SetControlId(pCancel, res::IDCANCEL);
    m_pNumberEdit = new QLineEdit(this);
    widgets::SetControlId(m_pNumberEdit, res::IDC_PROGRAM_NUMBER);
    m_pNumberEdit->setFixedWidth(m_pNumberEdit->fontMetrics().horizontalAdvance('0') * 10);
    m_pNumberEdit->setAccessibleName(QString::fromUtf8(res::Tr(res::kInsertNumberLabel)));

    auto* pLayout = new QVBoxLayout(this);
    for (const char* line : {res::Tr(res::kInsertLine1), res::Tr(res::kInsertLine2)}) {
        pLayout->addWidget(new QLabel(line, this), 0, Qt::AlignHCenter);
    }
    pLayout->addSpacing(6);
    auto* pNumberLabel = new QLabel(res::Tr(res::kInsertNumberLabel), this);
    pNumberLabel->setBuddy(m_pNumberEdit);
    pLayout->addWidget(pNumberLabel, 0, Qt::AlignHCenter);
    pLayout->addWidget(m_pNumberEdit, 0, Qt::AlignHCenter);
    pLayout->addSpacing(6);
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pCancel);
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pLayout->addLayout(pButtons);

    setTabOrder(pOk, pCancel);
    setTabOrder(pCancel, m_pNumberEdit);
    connect(pOk, &QPushButton::clicked, this, &CInsertProgramDlg::accept);
    connect(pCancel, &QPushButton::clicked, this, &CInsertProgramDlg::reject);
}

void CInsertProgramDlg::showEvent(QShowEvent* event) {
    if (!m_bInitialized) {
        m_bInitialized = true;
        m_pNumberEdit->setText(QString::number(m_nProgramNumber));
    }
    QDialog::showEvent(event);
    // The number is what the user came to type: it takes the keys at once, over the old text.
    m_pNumberEdit->setFocus(Qt::OtherFocusReason);
    m_pNumberEdit->selectAll();
}

void CInsertProgramDlg::Refuse(const char* text) {
    platform::ShowMessage({text, platform::ApplicationTitle(), platform::EMsgIcon::kWarning,
                           platform::EMsgButtons::kOk});
    m_pNumberEdit->setFocus(Qt::OtherFocusReason);
    m_pNumberEdit->selectAll();
}

bool CInsertProgramDlg::ExchangeFromField() {
    const QString text = m_pNumberEdit->text().trimmed();
    const bool bDigits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!bDigits) {
        Refuse(res::Tr(res::kInsertNotUnsigned));
        return false;
    }
    const unsigned int number = text.size() > kMaxDigits ? 0u : text.toUInt();
    if (number < 1 || number > static_cast<unsigned int>(model::kProgramCount)) {
        Refuse(res::Tr(res::kInsertOutOfRange));
        return false;
    }
    m_nProgramNumber = number;
    return true;
}

void CInsertProgramDlg::accept() {
    if (ExchangeFromField()) {
        QDialog::accept();
    }
}

}  // namespace ui
