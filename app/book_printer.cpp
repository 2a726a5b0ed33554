#include "app/book_printer.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "editor/frequency_rules.h"
#include "res/strings_editor.h"

namespace app {

namespace {

// The table's type, as large as a page has room for: a page of six groups of the widest value
// takes it smaller rather than cut a frequency.
constexpr double kPointSize = 9.0;
constexpr double kSmallestPointSize = 5.0;
// The page's header (the title and the page's number) and the gap under it, in lines.
constexpr int kHeaderLines = 2;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

int Widest(const QFontMetrics& metrics, std::initializer_list<QString> texts) {
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return widest;
}

}  // namespace

CBookPrinter::CBookPrinter(const model::CProgramBook& book, QString title,
                           editor::SProgramRange programs)
    : m_rows(editor::PrintRows(book, programs)), m_strTitle(std::move(title)) {}

CBookPrinter::CBookPrinter(std::vector<editor::SPrintRow> rows, QString title)
    : m_rows(std::move(rows)), m_strTitle(std::move(title)) {}

int CBookPrinter::Layout(QPainter& painter, const QRect& page) {
    m_page = page;
    const auto titles = editor::PrintColumnTitles();
    const QString widestValue = Text(editor::FrequencyToText(editor::kMaxFrequencyHz));
    const QString lastNumber = QString::number(model::kProgramCount);
    int numberWidth = 0;
    int typeWidth = 0;
    int groupWidth = 0;
    for (double size = kPointSize;; size -= 0.5) {
        m_font = painter.font();
        m_font.setPointSizeF(size);
        m_titleFont = m_font;
        m_titleFont.setBold(true);
        const QFontMetrics metrics(m_font, painter.device());
        const QFontMetrics titleMetrics(m_titleFont, painter.device());
        m_nPad = metrics.averageCharWidth();
        auto columnWidth = [&](const std::string& title, std::initializer_list<QString> cells) {
            return std::max(titleMetrics.horizontalAdvance(Text(title)), Widest(metrics, cells)) +
                   2 * m_nPad;
        };
        numberWidth = columnWidth(titles[0], {lastNumber});
        typeWidth = columnWidth(titles[1], {QString::fromUtf8(res::Tr(res::kTypeSingle)),
                                            QString::fromUtf8(res::Tr(res::kTypeGroups))});
        groupWidth = (page.width() - numberWidth - typeWidth) / model::kGroupCount;
        const int needed = columnWidth(titles[2 + model::kGroupCount - 1], {widestValue});
        if (groupWidth >= needed || size <= kSmallestPointSize) {
            m_nLineHeight = metrics.lineSpacing() + metrics.leading();
            break;
        }
    }
    m_columnLeft = {page.left(), page.left() + numberWidth, page.left() + numberWidth + typeWidth};
    for (int group = 1; group <= model::kGroupCount; ++group) {
        m_columnLeft.push_back(m_columnLeft[2] + group * groupWidth);
    }
    const int lines = std::max(page.height() / std::max(m_nLineHeight, 1) - kHeaderLines, 2);
    m_pages = editor::Paginate(m_rows, lines);
    return static_cast<int>(m_pages.size());
}

void CBookPrinter::PaintCell(QPainter& painter, int nColumn, int nTop,
                             const QStringList& lines) const {
    const int left = m_columnLeft[nColumn] + m_nPad;
    const int width = m_columnLeft[nColumn + 1] - m_columnLeft[nColumn] - 2 * m_nPad;
    // Numbers line up on their right edge, as in a spreadsheet; the type reads from the left.
    const Qt::Alignment align = nColumn == 1 ? Qt::AlignLeft : Qt::AlignRight;
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(QRect(left, nTop + i * m_nLineHeight, width, m_nLineHeight),
                         int(align | Qt::AlignVCenter | Qt::TextSingleLine), lines[i]);
    }
}

void CBookPrinter::PaintPage(QPainter& painter, int nPage) const {
    if (nPage < 0 || nPage >= static_cast<int>(m_pages.size())) {
        return;
    }
    const int lineHeight = m_nLineHeight;
    const int left = m_page.left();
    const int right = m_columnLeft.back();
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(m_titleFont);
    const QRect header(left, m_page.top(), m_page.width(), lineHeight);
    painter.drawText(header, int(Qt::AlignLeft | Qt::AlignVCenter), m_strTitle);
    painter.drawText(header, int(Qt::AlignRight | Qt::AlignVCenter),
                     Text(editor::PageNumberText(nPage + 1, static_cast<int>(m_pages.size()))));
    const int rule = m_page.top() + lineHeight + lineHeight / 4;
    painter.drawLine(left, rule, m_page.right(), rule);

    int top = m_page.top() + kHeaderLines * lineHeight;
    const auto titles = editor::PrintColumnTitles();
    for (int column = 0; column < editor::kPrintColumns; ++column) {
        PaintCell(painter, column, top, {Text(titles[column])});
    }
    top += lineHeight;
    painter.drawLine(left, top, right, top);
    painter.setFont(m_font);
    const editor::SPrintPage& page = m_pages[nPage];
    if (m_rows.empty()) {
        painter.drawText(QRect(left + m_nPad, top, m_page.width(), lineHeight),
                         int(Qt::AlignLeft | Qt::AlignVCenter), res::Tr(res::kPrintNoPrograms));
    }
    for (size_t i = page.nFirst; i < page.nEnd; ++i) {
        const editor::SPrintRow& row = m_rows[i];
        if (i > page.nFirst) {
            painter.setPen(QPen(Qt::gray, 0));
            painter.drawLine(left, top, right, top);
            painter.setPen(QPen(Qt::black, 0));
        }
        PaintCell(painter, 0, top, {Text(row.strNumber)});
        PaintCell(painter, 1, top, {Text(row.strType)});
        for (int group = 0; group < model::kGroupCount; ++group) {
            QStringList values;
            for (const std::string& value : row.groups[group]) {
                values.append(Text(value));
            }
            PaintCell(painter, 2 + group, top, values);
        }
        top += row.Lines() * lineHeight;
    }
    painter.restore();
}

bool CBookPrinter::Print(QPagedPaintDevice& device, const SPageChoice& choice) {
    m_nPrinted = 0;
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const int pages = Layout(painter, QRect(0, 0, device.width(), device.height()));
    const std::vector<int> chosen =
        choice.nCurrentProgram
            ? std::vector<int>{editor::PageOfProgram(m_rows, m_pages, *choice.nCurrentProgram)}
            : editor::PagesToPrint(choice.ranges, pages);
    for (const int page : chosen) {
        if (m_nPrinted > 0) {
            device.newPage();
        }
        PaintPage(painter, page);
        ++m_nPrinted;
    }
    return painter.end();
}

}  // namespace app
