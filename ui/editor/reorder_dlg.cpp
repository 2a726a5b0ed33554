#include "ui/editor/reorder_dlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <charconv>

#include "editor/frequency_rules.h"
#include "platform/message_box.h"
#include "res/ids_dialogs.h"
#include "res/strings_editor.h"
#include "res/strings_form.h"
#include "ui/editor/list_ctrl_ex.h"
#include "widgets/control_ids.h"
#include "widgets/dialog_units.h"
#include "widgets/screen_fit.h"

namespace ui {

namespace {

constexpr int kColumnWidth = 50;
// The template's size in dialog units.
constexpr int kDialogWidth = 356;
constexpr int kDialogHeight = 231;

constexpr int kColumnCount = CProgramRowModel::kFirstSlotColumn + model::kSlotCount;

// Qt hashes an index as (row << 4) + column + internal id, so in a table of more than 16 columns
// many cells would share a hash and every index a client keeps (an accessibility bridge keeps
// one per cell it has seen) would cost a walk through all the others. This id makes the hash of
// every cell its own: row * columns + column.
constexpr quintptr kRowIdStep = kColumnCount - 16;
static_assert(kColumnCount >= 16);

// Every slot as "%.1f" of its tenths; an empty one is blank, as on the form and the printout.
QString CellText(uint32_t slot) {
    if (slot == 0) {
        return {};
    }
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
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CProgramRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const model::CFrequencyProgram& program = m_book[m_rows[index.row()]];
        if (index.column() < kFirstSlotColumn) {
            return QString::fromUtf8(program.IsGroups() ? res::Tr(res::kTypeGroups)
                                                        : res::Tr(res::kTypeSingle));
        }
        return CellText(program.m_freq[index.column() - kFirstSlotColumn]);
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant CProgramRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        // As the form labels the slots of a Single Frequencies program.
        return section < kFirstSlotColumn
                   ? QString::fromUtf8(res::Tr(res::kReorderColumnType))
                   : QString::asprintf(res::Tr(res::kSlotLabel), section - kFirstSlotColumn + 1);
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
    // holding one for each cell, one Down froze the window for half a minute. A change of the
    // rows' data moves no index.
    if (nFrom < nTo) {
        std::rotate(m_rows.begin() + nFrom, m_rows.begin() + nFrom + 1, m_rows.begin() + nTo + 1);
    } else {
        std::rotate(m_rows.begin() + nTo, m_rows.begin() + nFrom, m_rows.begin() + nFrom + 1);
    }
    emit dataChanged(index(std::min(nFrom, nTo), 0), index(std::max(nFrom, nTo), kColumnCount - 1),
                     {Qt::DisplayRole});
}

CReorderDlg::CReorderDlg(QWidget* parent) : QDialog(parent) {
    widgets::SetControlId(this, res::IDD_REORDER);
    setWindowTitle(res::Tr(res::kReorderCaption));

    m_list = new CListCtrlEx(this);
    widgets::SetControlId(m_list, res::IDC_REORDER_LIST);
    m_list->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccReorderList)));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* pUp = m_pUp = new QPushButton(res::Tr(res::kReorderUp), this);
    widgets::SetControlId(pUp, res::IDC_UP);
    auto* pDown = m_pDown = new QPushButton(res::Tr(res::kReorderDown), this);
    widgets::SetControlId(pDown, res::IDC_DOWN);
    auto* pMoveTo = new QPushButton(res::Tr(res::kReorderMoveTo), this);
    widgets::SetControlId(pMoveTo, res::IDC_MOVE_TO);
    auto* pOk = new QPushButton(res::Tr(res::kButtonOk), this);
    widgets::SetControlId(pOk, res::IDOK);
    auto* pCancel = new QPushButton(res::Tr(res::kButtonCancel), this);
    widgets::SetControlId(pCancel, res::IDCANCEL);
    for (QPushButton* pButton : {pUp, pDown, pMoveTo, pOk, pCancel}) {
        pButton->setAutoDefault(false);  // Enter anywhere means OK, as the default button
    }
    pOk->setDefault(true);

    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(pUp);
    pButtons->addWidget(pDown);
    pButtons->addWidget(pMoveTo);
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
    setTabOrder(pDown, pMoveTo);
    setTabOrder(pMoveTo, pOk);
    setTabOrder(pOk, pCancel);
    connect(pUp, &QPushButton::clicked, this, &CReorderDlg::OnUp);
    connect(pDown, &QPushButton::clicked, this, &CReorderDlg::OnDown);
    connect(pMoveTo, &QPushButton::clicked, this, &CReorderDlg::OnMoveTo);
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
    // The program it opens on, and the one just moved, show as selected wherever the focus is.
    m_list->SetShowSelectionAlways(true);
    m_pModel = new CProgramRowModel(m_workBook, this);
    m_list->setModel(m_pModel);
    // Every value the device takes is shown whole in the font in use, the widest included.
    const int valueWidth = m_list->ColumnWidthFor(
        QString::fromStdString(editor::FrequencyToText(editor::kMaxFrequencyHz)));
    QHeaderView* pHeader = m_list->horizontalHeader();
    pHeader->setDefaultSectionSize(std::max(kColumnWidth, valueWidth));
    pHeader->setSectionResizeMode(QHeaderView::Interactive);
    const int last = kColumnCount - 1;
    pHeader->resizeSection(last, std::max(valueWidth, pHeader->sectionSizeHint(last)));
    // The type column needs only its words.
    pHeader->resizeSection(
        0, std::max({m_list->ColumnWidthFor(QString::fromUtf8(res::Tr(res::kTypeSingle))),
                     m_list->ColumnWidthFor(QString::fromUtf8(res::Tr(res::kTypeGroups))),
                     pHeader->sectionSizeHint(0)}));
    QHeaderView* pNumbers = m_list->verticalHeader();
    pNumbers->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pNumbers->show();
    m_list->setFocus(Qt::OtherFocusReason);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CReorderDlg::UpdateMoveButtons);
    SelectRow(std::clamp(m_nInitialRow, 0, model::kProgramCount - 1));
}

void CReorderDlg::SelectRow(int nRow) {
    const QModelIndex index = m_pModel->index(nRow, 0);
    m_list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const int scrolledTo = m_list->horizontalScrollBar()->value();
    m_list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_list->horizontalScrollBar()->setValue(scrolledTo);
    UpdateMoveButtons();
}

void CReorderDlg::UpdateMoveButtons() {
    // With nothing selected both stay enabled: pressing one asks the user to select a row.
    const int row = FirstSelectedRow();
    m_pUp->setEnabled(row != 0);
    m_pDown->setEnabled(row != model::kProgramCount - 1);
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

int CReorderDlg::SelectedRowOrAsk() const {
    const int row = FirstSelectedRow();
    if (row < 0) {
        platform::ShowAppMessage(res::Tr(res::kMsgSelectItem));
    }
    return row;
}

void CReorderDlg::OnUp() {
    const int row = SelectedRowOrAsk();
    if (row > 0) {
        MoveRow(row, row - 1);
    }
}

void CReorderDlg::OnDown() {
    const int row = SelectedRowOrAsk();
    if (row >= 0 && row < model::kProgramCount - 1) {
        MoveRow(row, row + 1);
    }
}

std::optional<int> CReorderDlg::AskMoveTarget(int nProgram) {
    bool bOk = false;
    const int number =
        QInputDialog::getInt(this, QString::fromUtf8(res::Tr(res::kReorderMoveCaption)),
                             QString::asprintf(res::Tr(res::kReorderMoveLabel), nProgram), nProgram,
                             1, model::kProgramCount, 1, &bOk);
    return bOk ? std::optional<int>(number) : std::nullopt;
}

void CReorderDlg::OnMoveTo() {
    const int row = SelectedRowOrAsk();
    if (row < 0) {
        return;
    }
    const std::optional<int> number = AskMoveTarget(row + 1);
    if (number && *number - 1 != row) {
        MoveRow(row, *number - 1);
    }
}

void CReorderDlg::MoveRow(int nFrom, int nTo) {
    // The moved row is selected and focused, and the list keeps it in view.
    QItemSelectionModel* pSelection = m_list->selectionModel();
    // The selection follows the programs: each row between keeps its own state as it moves.
    const int step = nFrom < nTo ? 1 : -1;
    std::vector<bool> selected;
    for (int row = nFrom + step; row != nTo + step; row += step) {
        selected.push_back(pSelection->isRowSelected(row, {}));
    }
    m_pModel->MoveRow(nFrom, nTo);
    for (size_t i = 0; i < selected.size(); ++i) {
        const int row = nFrom + static_cast<int>(i) * step;
        if (selected[i] != pSelection->isRowSelected(row, {})) {
            pSelection->select(
                m_pModel->index(row, 0),
                (selected[i] ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                    QItemSelectionModel::Rows);
        }
    }
    m_list->setFocus(Qt::OtherFocusReason);
    const int column = std::max(m_list->currentIndex().column(), 0);
    const QModelIndex moved = m_pModel->index(nTo, column);
    pSelection->setCurrentIndex(moved, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // Vertically only: the columns the user scrolled to stay.
    const int scrolledTo = m_list->horizontalScrollBar()->value();
    m_list->scrollTo(moved);
    m_list->horizontalScrollBar()->setValue(scrolledTo);
    m_list->viewport()->update();
    UpdateMoveButtons();
}

void CReorderDlg::accept() {
    if (m_pTargetBook != nullptr && m_pModel != nullptr) {
        for (int row = 0; row < model::kProgramCount; ++row) {
            (*m_pTargetBook)[row] = m_workBook[m_pModel->ProgramOfRow(row)];
        }
    }
    QDialog::accept();
}

}  // namespace ui
