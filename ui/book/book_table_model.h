// The table of the book panel: a row for each of the 2000 programs (number, type, how many
// frequencies, the frequencies as the form shows them), read from the document's book as it
// stands; and the filter over it (Used only, the programs holding a frequency). The model is
// told of every change through the book's history and repaints only the rows that changed.
//
// Threads: user-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <optional>

#include "model/zelkor_config_doc.h"

namespace ui {

class CBookHistory;

class CBookTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum EColumn { kColumnProgram, kColumnType, kColumnCount, kColumnFrequencies, kColumns };

    // Reads the document's book; follows the history's changes while both live.
    CBookTableModel(const model::CZelkorConfigDoc& doc, CBookHistory* pHistory,
                    QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const model::CZelkorConfigDoc& Document() const { return m_doc; }
    // The programs [nFirst, nFirst + nCount) may have changed: their rows are painted again.
    void OnProgramsChanged(int nFirst, int nCount);

private:
    const model::CZelkorConfigDoc& m_doc;
};

// Keeps the rows the panel shows: all, the used ones, those holding a frequency.
class CBookFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetUsedOnly(bool bUsedOnly);
    // nullopt: no frequency asked for.
    void SetFrequency(std::optional<uint32_t> nTenths);
    bool UsedOnly() const { return m_bUsedOnly; }
    // The row of the program, or -1 when it is filtered out.
    int RowOfProgram(int nIndex) const;
    int ProgramOfRow(int nRow) const;

protected:
    bool filterAcceptsRow(int nSourceRow, const QModelIndex& sourceParent) const override;

private:
    bool m_bUsedOnly = false;
    std::optional<uint32_t> m_nTenths;
};

}  // namespace ui
