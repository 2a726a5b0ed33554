#include "ui/editor/list_ctrl_ex.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include "editor/fit_text.h"

namespace ui {

namespace {
constexpr int kFirstColumnAllowance = 4;
constexpr int kFirstColumnInset = 2;
constexpr int kColumnAllowance = 12;
constexpr int kColumnInset = 6;
}  // namespace

CListCtrlEx::CListCtrlEx(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new CListItemDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);  // the delegate shortens texts itself
    setSortingEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FitRowHeight();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

bool CListCtrlEx::SetFullRowSelect(bool bOn) {
    const bool bChanged = bOn != m_bFullRowSelect;
    m_bFullRowSelect = bOn;
    if (bChanged) {
        viewport()->update();
    }
    return bChanged;
}

void CListCtrlEx::SetHighlightToClientEdge(bool bOn) {
    m_bHighlightToClientEdge = bOn;
    viewport()->update();
}

void CListCtrlEx::SetShowSelectionAlways(bool bOn) {
    m_bShowSelectionAlways = bOn;
    viewport()->update();
}

bool CListCtrlEx::IsRowHighlighted(int nRow) const {
    return selectionModel() != nullptr && selectionModel()->isRowSelected(nRow, rootIndex()) &&
           (hasFocus() || m_bShowSelectionAlways);
}

int CListCtrlEx::ColumnWidthFor(const QString& text) const {
    // A text is drawn whole when its width and the allowance fit the column.
    return fontMetrics().horizontalAdvance(text) +
           std::max(kFirstColumnAllowance, kColumnAllowance);
}

namespace {

bool IsCtrlHomeOrEnd(const QEvent* event) {
    if (event == nullptr || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->modifiers() & Qt::ControlModifier) &&
           (key->key() == Qt::Key_Home || key->key() == Qt::Key_End);
}

}  // namespace

QModelIndex CListCtrlEx::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const bool bFirstOrLast = cursorAction == MoveHome || cursorAction == MoveEnd;
    if (!bFirstOrLast || !(modifiers & Qt::ControlModifier) || model() == nullptr ||
        model()->rowCount(rootIndex()) == 0) {
        return QTableView::moveCursor(cursorAction, modifiers);
    }
    const int row = cursorAction == MoveHome ? 0 : model()->rowCount(rootIndex()) - 1;
    const int column = std::max(currentIndex().column(), 0);
    return model()->index(row, column, rootIndex());
}

QItemSelectionModel::SelectionFlags CListCtrlEx::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    // Qt's Ctrl with a movement key moves the focus alone; these two select what they reach.
    if (IsCtrlHomeOrEnd(event)) {
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return QTableView::selectionCommand(index, event);
}

int CListCtrlEx::ColumnsRight() const {
    const int last = model() != nullptr ? model()->columnCount(rootIndex()) - 1 : -1;
    if (last < 0) {
        return 0;
    }
    return columnViewportPosition(last) + columnWidth(last);
}

void CListCtrlEx::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (!m_bFullRowSelect || model() == nullptr || model()->rowCount(rootIndex()) == 0) {
        return;
    }
    QPainter painter(viewport());
    const int right = ColumnsRight();
    const int edge = m_bHighlightToClientEdge ? std::max(right, viewport()->width()) : right;
    int first = rowAt(0);
    int last = rowAt(viewport()->height() - 1);
    if (last < 0) {
        last = model()->rowCount(rootIndex()) - 1;
    }
    for (int row = std::max(first, 0); row <= last; ++row) {
        // The strip past the last column belongs to the row's highlight too.
        if (edge > right && IsRowHighlighted(row)) {
            painter.fillRect(QRect(right, rowViewportPosition(row), edge - right, rowHeight(row)),
                             palette().brush(QPalette::Active, QPalette::Highlight));
        }
    }
    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid() && current.row() >= first && current.row() <= last) {
        const int left = std::min(0, columnViewportPosition(0));
        DrawFocusRect(
            painter,
            QRect(left, rowViewportPosition(current.row()), edge - left, rowHeight(current.row())),
            IsRowHighlighted(current.row()));
    }
}

// A dotted frame in the row's text colour, as the old list drew it whatever the style: styles
// such as Fusion draw theirs only after a focus change by keyboard, and the user who clicks a
// row needs to see which row Up and Down will move too.
void CListCtrlEx::DrawFocusRect(QPainter& painter, const QRect& rect, bool bHighlighted) const {
    QPen pen(bHighlighted ? palette().color(QPalette::Active, QPalette::HighlightedText)
                          : palette().color(QPalette::Text));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void CListCtrlEx::FitRowHeight() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void CListCtrlEx::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitRowHeight();
    }
}

void CListCtrlEx::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();  // the selection's look depends on the focus
}

void CListCtrlEx::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void CListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const auto* pList = qobject_cast<const CListCtrlEx*>(option.widget);
    if (pList == nullptr || !pList->IsFullRowSelect()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const bool bHighlighted = pList->IsRowHighlighted(index.row());
    const QPalette& palette = option.palette;
    painter->fillRect(option.rect, bHighlighted
                                       ? palette.brush(QPalette::Active, QPalette::Highlight)
                                       : palette.brush(QPalette::Base));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) {
        return;
    }
    const bool bFirst = index.column() == 0;
    const QFontMetrics metrics(option.font);
    const std::string fitted =
        editor::FitText(text.toStdString(), option.rect.width(),
                        bFirst ? kFirstColumnAllowance : kColumnAllowance, [&](std::string_view s) {
                            return metrics.horizontalAdvance(
                                QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
                        });
    const QString shown = QString::fromStdString(fitted);
    Qt::Alignment align = Qt::AlignLeft;
    if (!bFirst && shown == text) {
        const QVariant columnAlign = index.data(Qt::TextAlignmentRole);
        if (columnAlign.isValid()) {
            align = Qt::Alignment(columnAlign.toInt()) & Qt::AlignHorizontal_Mask;
        }
    }
    const int inset = bFirst ? kFirstColumnInset : kColumnInset;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(bHighlighted ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                 : palette.color(QPalette::Text));
    painter->drawText(option.rect.adjusted(inset, 0, -inset, 0),
                      int(align | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip), shown);
    painter->restore();
}

}  // namespace ui
