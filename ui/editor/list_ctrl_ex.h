// A report list that draws its own rows: a selected row is highlighted over all its columns and
// out to the right edge, and cell texts too wide for their column end in "...".
//
// Threads: user-interface thread only.
#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

namespace ui {

class CListCtrlEx : public QTableView {
    Q_OBJECT
public:
    explicit CListCtrlEx(QWidget* parent = nullptr);

    // Turns the own drawing with full-row selection on or off; true when that changed anything.
    bool SetFullRowSelect(bool bOn);
    bool IsFullRowSelect() const { return m_bFullRowSelect; }

    void SetHighlightToClientEdge(bool bOn);
    // Keeps the selection visible while the list does not have the focus (off by default, as
    // the old list's style had it).
    void SetShowSelectionAlways(bool bOn);

    // Selected and either focused or keeping selections visible.
    bool IsRowHighlighted(int nRow) const;
    // The width a column needs to draw text whole, in the list's font.
    int ColumnWidthFor(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Ctrl+Home and Ctrl+End go to the first and last row and select it, staying in the column.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Rows are as high as the font in use, also after it changed.
    void changeEvent(QEvent* event) override;

private:
    int ColumnsRight() const;
    void FitRowHeight();
    void DrawFocusRect(QPainter& painter, const QRect& rect, bool bHighlighted) const;

    bool m_bFullRowSelect = true;
    bool m_bHighlightToClientEdge = true;
    bool m_bShowSelectionAlways = false;
};

// Draws one cell of a CListCtrlEx row (a plain item delegate when full-row drawing is off).
class CListItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace ui
