// File > Print, Print Preview and Export PDF...: the book's pages painted as the core lays them
// out (editor/book_print.h), on a printer, in the preview or into a PDF.
//
// Threads: user-interface thread only.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "editor/book_print.h"

class QPagedPaintDevice;
class QPainter;

namespace app {

// The pages the print dialog chose: ranges of pages (1-based; none for all of them), or the
// page that holds the program on display.
struct SPageChoice {
    editor::PageRanges ranges;
    std::optional<int> nCurrentProgram;
};

class CBookPrinter {
public:
    // The programs of the range as they stand now (the whole book unless a range of programs
    // is chosen); title heads every page (the file's name).
    CBookPrinter(const model::CProgramBook& book, QString title,
                 editor::SProgramRange programs = {});
    // These rows only (a selection of the book's programs).
    CBookPrinter(std::vector<editor::SPrintRow> rows, QString title);

    // Paints the chosen pages onto the device (a printer or a PDF writer), each numbered as in
    // the whole; false when the device could not be painted on.
    bool Print(QPagedPaintDevice& device, const SPageChoice& choice = {});
    // The pages the last Print painted: none when the choice held no page of the book.
    int PrintedPages() const { return m_nPrinted; }
    // Lays the pages out for a page of this size on the painter's device; the page count.
    int Layout(QPainter& painter, const QRect& page);
    // Paints page nPage (0-based) of the last layout.
    void PaintPage(QPainter& painter, int nPage) const;

private:
    void PaintCell(QPainter& painter, int nColumn, int nTop, const QStringList& lines) const;

    std::vector<editor::SPrintRow> m_rows;
    QString m_strTitle;
    QFont m_font;
    QFont m_titleFont;
    QRect m_page;
    int m_nLineHeight = 0;
    int m_nPad = 0;
    std::vector<int> m_columnLeft;  // one more than the columns: the right edge last
    std::vector<editor::SPrintPage> m_pages;
    int m_nPrinted = 0;
};

}  // namespace app
