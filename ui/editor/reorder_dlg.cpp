#include "ui/editor/reorder_dlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <array>
#include <charconv>

#include "editor/frequency_rules.h"
#include "platform/message_box.h"
#include "res/ids_dialogs.h"
#include "res/strings.h"
#include "ui/editor/list_ctrl_ex.h"
#include "widgets/control_ids.h"
#include "widgets/dialog_units.h"
#include "widgets/screen_fit.h"

namespace editor {

namespace {

constexpr int kColumnWidth = 50;
// The template's size in dialog units.
constexpr int kDialogWidth = 356;
constexpr int kDialogHeight = 231;

// Qt hashes an index as (row << 4) + column + internal id, so in a table of more than 16 columns
// many cells would share a hash and every index a client keeps (an accessibility bridge keeps
// one per cell it has seen) would cost a walk through all the others. This id makes the hash of
// every cell its own: row * columns + column.
constexpr quintptr kRowIdStep = model::kSlotCount - 16;
static_assert(model::kSlotCount >= 16);

// Every slot as "%.1f" of its tenths, an empty one as "0.0".
QString CellText(uint32_t slot) {
    std::array<char, 32> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), model::SlotToHertz(slot),
                                   std::chars_format::fixed, 1);
    return QString::fromLatin1(buf.data(), ec == std::errc() ? end - buf.data() : 0);
}

}  // namespace

CProgramRowModel::CProgramRowModel(const model::CProgramBook& book, QObject* parent)
    : QAbstractTableModel(parent), m_book(book), m_rows(model::kProgramCount) {
    for (int i = 0; i < model::kProgramCount; ++i) {
        m_rows[i] = i;
    }
}

QModelIndex CProgramRowModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) {
        return {};
    }
    return createIndex(row, column, static_cast<quintptr>(row) * kRowIdStep);
}

int CProgramRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CProgramRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : model::kSlotCount;
}

QVariant CProgramRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(m_book[m_rows[index.row()]].m_freq[index.column()]);
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant CProgramRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return QString::asprintf(res::kReorderColumn, section);
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) {
        return QString::number(section + 1);
    }
    if (orientation == Qt::Vertical && role == Qt::TextAlignmentRole) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

void CProgramRowModel::MoveRow(int nFrom, int nTo) {
    // A row move makes Qt carry every persistent index along: with an accessibility client
    // holding one for each cell, one Down froze the window for half a minute. An exchange of
    // the two rows' data moves no index.
    std::swap(m_rows[nFrom], m_rows[nTo]);
    emit dataChanged(index(std::min(nFrom, nTo), 0),
                     index(std::max(nFrom, nTo), model::kSlotCount - 1), {Qt::DisplayRole});
}

CReorderDlg::CReorderDlg(QWidget* parent) : QDialog(parent) {
    widgets::SetControlId(this, res::IDD_REORDER);
    setWindowTitle(res::kReorderCaption);

    m_list = new CListCtrlEx(this);
    widgets::SetControlId(m_list, res::IDC_REORDER_LIST);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* pUp = new QPushButton(res::kReorderUp, this);
    widgets::SetControlId(pUp, res::IDC_UP);
    auto* pDown = new QPushButton(res::kReorderDown, this);
    widgets::SetControlId(pDown, res::IDC_DOWN);
    auto* pOk = new QPushButton(res::kButtonOk, this);
    widgets::SetControlId(pOk, res::IDOK);
    auto* pCancel = new QPushButton(res::kButtonCancel, this);
    widgets::SetControlId(pCancel, res::IDCANCEL);
    for (QPushButton* pButton : {pUp, pDown, pOk, pCancel}) {
        pButton->setAutoDefault(false);  // Enter anywhere means OK, as the default button
    }
    pOk->setDefault(true);

    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(pUp);
    pButtons->addWidget(pDown);
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addSpacing(8);
    pButtons->addWidget(pCancel);
    auto* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(m_list, 1);
    pLayout->addLayout(pButtons);
    const widgets::CDialogUnits units(font());
    // The template's size in the font in use, but never past the screen: the list scrolls.
    resize(widgets::BoundedToScreen(this, QSize(units.X(kDialogWidth), units.Y(kDialogHeight))));

    setTabOrder(m_list, pUp);
    setTabOrder(pUp, pDown);
    setTabOrder(pDown, pOk);
    setTabOrder(pOk, pCancel);
    connect(pUp, &QPushButton::clicked, this, &CReorderDlg::OnUp);
    connect(pDown, &QPushButton::clicked, this, &CReorderDlg::OnDown);
    connect(pOk, &QPushButton::clicked, this, &CReorderDlg::accept);
    connect(pCancel, &QPushButton::clicked, this, &CReorderDlg::reject);
}

CReorderDlg::~CReorderDlg() = default;

void CReorderDlg::showEvent(QShowEvent* event) {
    if (!m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CReorderDlg::OnInitDialog() {
    m_list->SetFullRowSelect(true);
    m_pModel = new CProgramRowModel(m_workBook, this);
    m_list->setModel(m_pModel);
    // Every value the device takes is shown whole in the font in use, the widest included.
    const int valueWidth =
        m_list->ColumnWidthFor(QString::fromStdString(FrequencyToText(kMaxFrequencyHz)));
    QHeaderView* pHeader = m_list->horizontalHeader();
    pHeader->setDefaultSectionSize(std::max(kColumnWidth, valueWidth));
    pHeader->setSectionResizeMode(QHeaderView::Interactive);
    const int last = model::kSlotCount - 1;
    pHeader->resizeSection(last, std::max(valueWidth, pHeader->sectionSizeHint(last)));
    QHeaderView* pNumbers = m_list->verticalHeader();
    pNumbers->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pNumbers->show();
    m_list->setFocus(Qt::OtherFocusReason);
}

int CReorderDlg::FirstSelectedRow() const {
    int first = -1;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first) {
            first = index.row();
        }
    }
    return first;
}

void CReorderDlg::OnUp() {
    const int row = FirstSelectedRow();
    if (row < 0) {
        platform::ShowAppMessage(res::kMsgSelectItem);
        return;
    }
    if (row > 0) {
        MoveRow(row, row - 1);
    }
}

void CReorderDlg::OnDown() {
    const int row = FirstSelectedRow();
    if (row < 0) {
        platform::ShowAppMessage(res::kMsgSelectItem);
        return;
    }
    if (row < model::kProgramCount - 1) {
        MoveRow(row, row + 1);
    }
}

void CReorderDlg::MoveRow(int nFrom, int nTo) {
    // The list stays where it is; the moved row is selected and focused.
    const bool bAutoScroll = m_list->hasAutoScroll();
    m_list->setAutoScroll(false);
    m_pModel->MoveRow(nFrom, nTo);
    // The selection follows the programs: the neighbour keeps its own state in its new row.
    QItemSelectionModel* pSelection = m_list->selectionModel();
    const bool bNeighbourSelected = pSelection->isRowSelected(nTo, {});
    pSelection->select(
        m_pModel->index(nFrom, 0),
        (bNeighbourSelected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
            QItemSelectionModel::Rows);
    m_list->setFocus(Qt::OtherFocusReason);
    const int column = std::max(m_list->currentIndex().column(), 0);
    pSelection->setCurrentIndex(m_pModel->index(nTo, column),
                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_list->setAutoScroll(bAutoScroll);
    m_list->viewport()->update();
}

void CReorderDlg::accept() {
    if (m_pTargetBook != nullptr && m_pModel != nullptr) {
        for (int row = 0; row < model::kProgramCount; ++row) {
            (*m_pTargetBook)[row] = m_workBook[m_pModel->ProgramOfRow(row)];
        }
    }
    QDialog::accept();
}

}  // namespace editor
