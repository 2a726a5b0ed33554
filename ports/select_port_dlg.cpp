#include "ports/select_port_dlg.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "platform/port_source.h"
#include "ports/enumerate_ports.h"
#include "ports/port_info.h"
#include "res/ids_ports.h"
#include "res/strings.h"
#include "widgets/control_ids.h"
#include "widgets/dialog_units.h"

namespace ports {

namespace {

// The dialog's measures in dialog units, as its template gives them.
constexpr int kDialogWidth = 264;
constexpr int kDialogHeight = 90;
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kComboListHeight = 215 - 14;
constexpr int kLineHeight = 8;

}  // namespace

CSelectPortDlg::CSelectPortDlg(QWidget* parent, platform::IPortSystem* source)
    : QDialog(parent), m_pSource(source != nullptr ? source : &platform::SystemPortSource()) {
    setWindowTitle(res::kSelectPortCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    widgets::SetControlId(this, res::IDD_SELECT_PORT);
    BuildControls();
}

void CSelectPortDlg::BuildControls() {
    const widgets::CDialogUnits units(font());
    auto dx = [&units](int n) { return units.X(n); };
    auto dy = [&units](int n) { return units.Y(n); };

    m_pOk = new QPushButton(res::kSelectPortOk, this);
    widgets::SetControlId(m_pOk, res::IDOK);
    m_pOk->setDefault(true);
    m_pOk->setMinimumWidth(dx(kButtonWidth));
    connect(m_pOk, &QPushButton::clicked, this, &CSelectPortDlg::OnOK);

    auto* cancel = new QPushButton(res::kSelectPortCancel, this);
    widgets::SetControlId(cancel, res::IDCANCEL);
    cancel->setAutoDefault(false);
    cancel->setMinimumWidth(dx(kButtonWidth));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* label = new QLabel(res::kSelectPortLabel, this);
    widgets::SetControlId(label, res::IDC_STATIC);

    m_cbPort = new QComboBox(this);
    widgets::SetControlId(m_cbPort, res::IDC_PORT_COMBO);
    m_cbPort->setEditable(true);
    // Typed text is never taken as a choice, so it must not turn into a line either.
    m_cbPort->setInsertPolicy(QComboBox::NoInsert);
    // Nor may it pick a line: Qt would select a line whose name matches the typed text (on Enter
    // or focus loss, and through the completer), yet only a line the user chose counts.
    m_cbPort->setCompleter(nullptr);
    disconnect(m_cbPort->lineEdit(), &QLineEdit::editingFinished, m_cbPort, nullptr);
    m_cbPort->setMaxVisibleItems(kComboListHeight / kLineHeight);
    m_cbPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(m_pOk);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(dx(kMargin), dy(kMargin), dx(kMargin), dy(kMargin));
    layout->addStretch();
    layout->addWidget(label);
    layout->addWidget(m_cbPort);
    layout->addStretch();
    layout->addLayout(buttons);

    setFixedWidth(dx(kDialogWidth));
    setMinimumHeight(dy(kDialogHeight));
    // The template's tab order: OK, Cancel, then the list.
    setTabOrder(m_pOk, cancel);
    setTabOrder(cancel, m_cbPort);
}

int CSelectPortDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CSelectPortDlg::OnInitDialog() {
    FillPortList();
    m_pOk->setFocus();
}

void CSelectPortDlg::FillPortList() {
    // A failure leaves the ports found before it in the list; the user is told and can still
    // pick one of those.
    try {
        EnumerateSerialPorts(g_portList, *m_pSource);
    } catch (const MPortEnumError& error) {
        platform::ShowMessage({error.GetText(), platform::ApplicationTitle(),
                               platform::EMsgIcon::kWarning, platform::EMsgButtons::kOk});
    }
    m_cbPort->clear();
    int selected = -1;
    for (int i = 0; i < g_portList.GetSize(); ++i) {
        m_cbPort->addItem(QString::fromStdString(g_portList[i].m_strFriendlyName), i);
        if (g_portList[i].m_strPath == m_strPortPath) {
            selected = i;
        }
    }
    // An editable combo box takes its first line as current on its own; only the port in use
    // may be.
    m_cbPort->setCurrentIndex(selected);
}

void CSelectPortDlg::OnOK() {
    int line = m_cbPort->currentIndex();
    if (line >= 0) {
        int entry = m_cbPort->itemData(line).toInt();
        if (entry >= 0 && entry < g_portList.GetSize()) {
            m_strPortPath = g_portList[entry].m_strPath;
        }
    }
    accept();
}

}  // namespace ports
