#include "ui/ports/select_port_dlg.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "platform/port_source.h"
#include "platform/text_format.h"
#include "ports/enumerate_ports.h"
#include "ports/port_info.h"
#include "ports/port_name.h"
#include "res/ids_ports.h"
#include "res/strings_ports.h"
#include "widgets/control_ids.h"
#include "widgets/dialog_units.h"

namespace ui {

namespace {

// The dialog's measures in dialog units, as its template gives them.
constexpr int kDialogWidth = 264;
constexpr int kDialogHeight = 90;
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kComboListHeight = 215 - 14;
constexpr int kLineHeight = 8;

// The columns of the opened list; the closed box shows the first.
enum EColumn { kColumnName, kColumnStableName, kColumnDescription, kColumnCount };

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The stable name without its folder, which is the same for every port.
QString ShortStableName(const std::string& stableName) {
    return QFileInfo(Text(stableName)).fileName();
}

QStandardItem* Cell(const QString& text, const QString& tip) {
    auto* pItem = new QStandardItem(text);
    pItem->setEditable(false);
    if (!tip.isEmpty()) {
        pItem->setToolTip(tip);
    }
    return pItem;
}

}  // namespace

CSelectPortDlg::CSelectPortDlg(QWidget* parent, platform::IPortSystem* source)
    : QDialog(parent), m_pSource(source != nullptr ? source : &platform::SystemPortSource()) {
    setWindowTitle(res::Tr(res::kSelectPortCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    widgets::SetControlId(this, res::IDD_SELECT_PORT);
    BuildControls();
}

void CSelectPortDlg::BuildControls() {
    const widgets::CDialogUnits units(font());
    auto dx = [&units](int n) { return units.X(n); };
    auto dy = [&units](int n) { return units.Y(n); };

    m_pOk = new QPushButton(res::Tr(res::kSelectPortOk), this);
    widgets::SetControlId(m_pOk, res::IDOK);
    m_pOk->setDefault(true);
    m_pOk->setMinimumWidth(dx(kButtonWidth));
    connect(m_pOk, &QPushButton::clicked, this, &CSelectPortDlg::OnOK);

    auto* cancel = new QPushButton(res::Tr(res::kSelectPortCancel), this);
    widgets::SetControlId(cancel, res::IDCANCEL);
    cancel->setAutoDefault(false);
    cancel->setMinimumWidth(dx(kButtonWidth));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* label = new QLabel(res::Tr(res::kSelectPortLabel), this);
    widgets::SetControlId(label, res::IDC_STATIC);
    CreatePortBox();
    // The label names the box for a reader (on Linux a box's own name is its text).
    label->setBuddy(m_cbPort);

    auto* refresh = new QPushButton(res::Tr(res::kSelectPortRefresh), this);
    widgets::SetControlId(refresh, res::IDC_PORT_REFRESH);
    refresh->setAutoDefault(false);
    connect(refresh, &QPushButton::clicked, this, &CSelectPortDlg::OnRefresh);

    LayOut(label, refresh, cancel, CreateDetails());
    setFixedWidth(dx(kDialogWidth));
    setMinimumHeight(dy(kDialogHeight));
    // The template's tab order: OK, Cancel, then the list; Refresh follows the list.
    setTabOrder(m_pOk, cancel);
    setTabOrder(cancel, m_cbPort);
    setTabOrder(m_cbPort, refresh);
}

void CSelectPortDlg::CreatePortBox() {
    m_cbPort = new QComboBox(this);
    widgets::SetControlId(m_cbPort, res::IDC_PORT_COMBO);
    m_cbPort->setEditable(true);
    m_cbPort->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccPortCombo)));
    m_cbPort->lineEdit()->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccPortCombo)));
    // Typed text is read on OK (a port the list does not show), but never turns into a line.
    m_cbPort->setInsertPolicy(QComboBox::NoInsert);
    // Nor may it pick a line: Qt would select a line whose name matches the typed text (on Enter
    // or focus loss, and through the completer), yet only a line the user chose counts.
    m_cbPort->setCompleter(nullptr);
    disconnect(m_cbPort->lineEdit(), &QLineEdit::editingFinished, m_cbPort, nullptr);
    m_cbPort->setMaxVisibleItems(kComboListHeight / kLineHeight);
    m_cbPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cbPort->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    // The opened list shows each port's stable name and description beside its name, so that
    // two identical adapters can be told apart.
    m_pLines = new QStandardItemModel(0, kColumnCount, this);
    m_pLines->setHorizontalHeaderLabels({Text(res::Tr(res::kSelectPortColumnName)),
                                         Text(res::Tr(res::kSelectPortColumnStableName)),
                                         Text(res::Tr(res::kSelectPortColumnDescription))});
    m_pLinesView = new QTreeView(m_cbPort);
    m_pLinesView->setRootIsDecorated(false);
    m_pLinesView->setItemsExpandable(false);
    m_pLinesView->setUniformRowHeights(true);
    m_pLinesView->setAllColumnsShowFocus(true);
    m_pLinesView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pLinesView->header()->setStretchLastSection(false);
    m_pLinesView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_cbPort->setModel(m_pLines);
    m_cbPort->setView(m_pLinesView);
    m_cbPort->setModelColumn(kColumnName);
    connect(m_cbPort, &QComboBox::currentIndexChanged, this, &CSelectPortDlg::ShowDetails);
}

QFormLayout* CSelectPortDlg::CreateDetails() {
    m_pStableName = new QLabel(this);
    widgets::SetControlId(m_pStableName, res::IDC_PORT_STABLE_NAME);
    m_pStableName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pDescription = new QLabel(this);
    widgets::SetControlId(m_pDescription, res::IDC_PORT_DESCRIPTION);
    m_pDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pUsbIdentity = new QLabel(this);
    widgets::SetControlId(m_pUsbIdentity, res::IDC_PORT_USB_IDENTITY);
    m_pUsbIdentity->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pDetails = new QFormLayout;
    m_pDetails->setContentsMargins(0, 0, 0, 0);
    m_pDetails->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_pDetails->addRow(res::Tr(res::kSelectPortStableName), m_pStableName);
    m_pDetails->addRow(res::Tr(res::kSelectPortDescription), m_pDescription);
    m_pDetails->addRow(res::Tr(res::kSelectPortUsbIdentity), m_pUsbIdentity);
    return m_pDetails;
}

void CSelectPortDlg::LayOut(QLabel* pLabel, QPushButton* pRefresh, QPushButton* pCancel,
                            QFormLayout* pDetails) {
    const widgets::CDialogUnits units(font());
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(m_cbPort, 1);
    portRow->addWidget(pRefresh);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pCancel);
    buttons->addStretch();
    buttons->addWidget(m_pOk);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.X(kMargin), units.Y(kMargin), units.X(kMargin),
                               units.Y(kMargin));
    layout->addWidget(pLabel);
    layout->addLayout(portRow);
    layout->addLayout(pDetails);
    layout->addStretch();
    layout->addSpacing(units.Y(kMargin));
    layout->addLayout(buttons);
}

int CSelectPortDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CSelectPortDlg::OnInitDialog() {
    FillPortList(m_strPortPath);
    m_pOk->setFocus();
}

const ports::CPortInfo* CSelectPortDlg::CurrentPort() const {
    const int line = m_cbPort->currentIndex();
    const int entry = line >= 0 ? m_cbPort->itemData(line).toInt() : -1;
    return entry >= 0 && entry < ports::g_portList.GetSize() ? &ports::g_portList[entry] : nullptr;
}

void CSelectPortDlg::OnRefresh() {
    const ports::CPortInfo* pChosen = CurrentPort();
    FillPortList(pChosen != nullptr ? pChosen->m_strPath : m_strPortPath);
}

void CSelectPortDlg::FillPortList(std::string select) {
    // A failure leaves the ports found before it in the list; the user is told and can still
    // pick one of those.
    try {
        ports::EnumerateSerialPorts(ports::g_portList, *m_pSource);
    } catch (const ports::MPortEnumError& error) {
        platform::ShowMessage({error.GetText(), platform::ApplicationTitle(),
                               platform::EMsgIcon::kWarning, platform::EMsgButtons::kOk});
    }
    ports::AddPortInUse(ports::g_portList, m_strPortInUse);
    m_cbPort->clear();
    bool bStableNames = false;
    for (int i = 0; i < ports::g_portList.GetSize(); ++i) {
        const ports::CPortInfo& entry = ports::g_portList[i];
        QStandardItem* pName = Cell(Text(entry.m_strFriendlyName), Text(entry.m_strPath));
        pName->setData(i, Qt::UserRole);
        m_pLines->appendRow(
            {pName, Cell(ShortStableName(entry.m_strStableName), Text(entry.m_strStableName)),
             Cell(Text(entry.m_strDescription), {})});
        bStableNames = bStableNames || !entry.m_strStableName.empty();
    }
    ShowStableNames(bStableNames);
    // The opened list is as wide as its columns, even where that is wider than the box.
    int width = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        if (!m_pLinesView->isColumnHidden(column)) {
            m_pLinesView->resizeColumnToContents(column);
            width += m_pLinesView->columnWidth(column);
        }
    }
    m_pLinesView->setMinimumWidth(width + 2 * m_pLinesView->frameWidth() +
                                  m_pLinesView->verticalScrollBar()->sizeHint().width());
    // An editable combo box takes its first line as current on its own; only the port in use
    // may be.
    m_cbPort->setCurrentIndex(ports::FindPort(ports::g_portList, select));
    ShowDetails();
}

void CSelectPortDlg::ShowStableNames(bool bShow) {
    m_pLinesView->setColumnHidden(kColumnStableName, !bShow);
    m_pDetails->setRowVisible(m_pStableName, bShow);
}

void CSelectPortDlg::ShowDetails() {
    const ports::CPortInfo* pShown = CurrentPort();
    const std::string stableName = pShown != nullptr ? pShown->m_strStableName : std::string();
    const std::string description = pShown != nullptr ? pShown->m_strDescription : std::string();
    // Long names are cut in the middle, keeping the ends where adapters of one make differ;
    // the whole name is in the tip.
    const int nWidth = width() - 2 * layout()->contentsMargins().left() -
                       fontMetrics().horizontalAdvance(res::Tr(res::kSelectPortStableName)) - 12;
    const auto fit = [this, nWidth](QLabel* pLabel, const QString& text, const QString& tip) {
        pLabel->setText(fontMetrics().elidedText(text, Qt::ElideMiddle, nWidth));
        pLabel->setToolTip(tip);
    };
    // A port without a stable name (a built-in port, a pseudo-terminal) says so.
    fit(m_pStableName,
        pShown != nullptr && stableName.empty() ? Text(res::Tr(res::kSelectPortNoStableName))
                                                : ShortStableName(stableName),
        Text(stableName));
    fit(m_pDescription, Text(description), Text(description));
    const std::string usb = pShown != nullptr ? ports::UsbIdentityText(pShown->m_usb, ", ") : "";
    fit(m_pUsbIdentity,
        pShown != nullptr && !pShown->m_bUsb ? Text(res::Tr(res::kSelectPortNotUsb)) : Text(usb),
        Text(usb));
}

void CSelectPortDlg::OnOK() {
    m_strStableName.clear();
    const ports::CPortInfo* pChosen = CurrentPort();
    const QString typed = m_cbPort->currentText().trimmed();
    // The box shows the chosen line's name until the user types over it.
    if (pChosen == nullptr || typed != Text(pChosen->m_strFriendlyName)) {
        if (!typed.isEmpty() && !TakeTypedPort(typed.toStdString())) {
            return;
        }
    } else {
        m_strPortPath = pChosen->m_strPath;
        m_strStableName = pChosen->m_strStableName;
    }
    accept();
}

bool CSelectPortDlg::TakeTypedPort(const std::string& typed) {
    const ports::STypedPort port = ports::ReadTypedPort(typed);
    // A listed port typed by its path is that line, with its stable name.
    if (const int entry = ports::FindPort(ports::g_portList, port.strPath); entry >= 0) {
        m_strPortPath = ports::g_portList[entry].m_strPath;
        m_strStableName = ports::g_portList[entry].m_strStableName;
        return true;
    }
    if (port.strWhyNot.empty()) {
        m_strPortPath = port.strPath;
        return true;
    }
    platform::SMessageRequest refusal{
        platform::FormatText(res::Tr(res::kTypedPortRefused), typed.c_str()),
        platform::ApplicationTitle(), platform::EMsgIcon::kWarning};
    refusal.detail = port.strWhyNot;
    platform::ShowMessage(refusal);
    m_cbPort->setFocus(Qt::OtherFocusReason);
    m_cbPort->lineEdit()->selectAll();
    return false;
}

}  // namespace ui
