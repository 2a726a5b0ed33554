#include "ui/book/book_table_model.h"

#include <QApplication>
#include <QPalette>

#include "editor/book_operations.h"
#include "res/strings_book.h"
#include "ui/editor/book_history.h"

namespace ui {

CBookTableModel::CBookTableModel(const model::CZelkorConfigDoc& doc, CBookHistory* pHistory,
                                 QObject* pParent)
    : QAbstractTableModel(pParent), m_doc(doc) {
    if (pHistory != nullptr) {
        connect(pHistory, &CBookHistory::ProgramsChanged, this,
                &CBookTableModel::OnProgramsChanged);
    }
}

int CBookTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : model::kProgramCount;
}

int CBookTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant CBookTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const model::CFrequencyProgram& program = m_doc.Book()[index.row()];
    if (role == Qt::ForegroundRole) {
        // Empty programs stand back, so that the used ones are read first.
        return program.IsEmpty() ? QApplication::palette().brush(QPalette::Disabled, QPalette::Text)
                                 : QVariant();
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() == kColumnFrequencies ? QVariant()
                                                    : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
        case kColumnProgram:
            return index.row() + 1;
        case kColumnType:
            return QString::fromUtf8(program.IsGroups() ? res::Tr(res::kBookTypeGroups)
                                                        : res::Tr(res::kBookTypeSingle));
        case kColumnCount:
            return editor::FrequencyCount(program);
        default:
            return QString::fromStdString(editor::FrequenciesText(program));
    }
}

QVariant CBookTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    const char* const kTitles[kColumns] = {
        res::Tr(res::kBookColumnProgram), res::Tr(res::kBookColumnType),
        res::Tr(res::kBookColumnCount), res::Tr(res::kBookColumnFrequencies)};
    return section >= 0 && section < kColumns ? QString::fromUtf8(kTitles[section]) : QVariant();
}

void CBookTableModel::OnProgramsChanged(int nFirst, int nCount) {
    const int first = std::clamp(nFirst, 0, model::kProgramCount);
    const int last = std::min(first + nCount, model::kProgramCount) - 1;
    if (last >= first) {
        emit dataChanged(index(first, 0), index(last, kColumns - 1));
    }
}

void CBookFilter::SetUsedOnly(bool bUsedOnly) {
    if (m_bUsedOnly != bUsedOnly) {
        m_bUsedOnly = bUsedOnly;
        invalidateRowsFilter();
    }
}

void CBookFilter::SetFrequency(std::optional<uint32_t> nTenths) {
    if (m_nTenths != nTenths) {
        m_nTenths = nTenths;
        invalidateRowsFilter();
    }
}

int CBookFilter::RowOfProgram(int nIndex) const {
    return mapFromSource(sourceModel()->index(nIndex, 0)).row();
}

int CBookFilter::ProgramOfRow(int nRow) const {
    return mapToSource(index(nRow, 0)).row();
}

bool CBookFilter::filterAcceptsRow(int nSourceRow, const QModelIndex& /*sourceParent*/) const {
    const auto* pModel = static_cast<const CBookTableModel*>(sourceModel());
    const model::CFrequencyProgram& program = pModel->Document().Book()[nSourceRow];
    if (m_bUsedOnly && program.IsEmpty()) {
        return false;
    }
    return !m_nTenths || editor::HoldsFrequency(program, *m_nTenths);
}

}  // namespace ui
