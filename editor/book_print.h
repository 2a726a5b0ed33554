// The printed book, laid out without a printer: which programs are printed, the columns, the
// text of every cell and which rows go on which page. The window side only measures and paints.
//
// Threads: any.
#pragma once

#include <array>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "model/program_book.h"

namespace editor {

// The table's columns: the program's number, its type, then one column for each group.
inline constexpr int kPrintColumns = 2 + model::kGroupCount;

// One program that holds a frequency: its number, its type, and each group's frequencies in
// hertz with one decimal, one a line.
struct SPrintRow {
    int nProgram = 0;  // the program's index in the book
    std::string strNumber;
    std::string strType;
    std::array<std::vector<std::string>, model::kGroupCount> groups;

    // The lines the row takes: the longest group's, at least one.
    int Lines() const;
};

// The column titles: "Program", "Type", "Group 1" to "Group 6".
std::array<std::string, kPrintColumns> PrintColumnTitles();

// The programs printed, [nFirst, nEnd) of the book: all of it unless a range of programs was
// chosen.
struct SProgramRange {
    int nFirst = 0;
    int nEnd = model::kProgramCount;
};

// A row for every program of the range that holds a frequency, in the book's order; empty ones
// are left out.
std::vector<SPrintRow> PrintRows(const model::CProgramBook& book, SProgramRange range = {});
// The rows of those of these programs (indexes, in order) that hold a frequency.
std::vector<SPrintRow> PrintRows(const model::CProgramBook& book, std::span<const int> indexes);

// The rows of one page: [nFirst, nEnd).
struct SPrintPage {
    size_t nFirst = 0;
    size_t nEnd = 0;
    bool operator==(const SPrintPage&) const = default;
};

// Fills pages of nLinesPerPage lines (the column titles that head every page take one), never
// splitting a row; a row longer than a page still gets a page of its own. There is always a
// page, even for no rows.
std::vector<SPrintPage> Paginate(const std::vector<SPrintRow>& rows, int nLinesPerPage);

// The pages of a book of nPages to print (0-based, in order): those of the ranges the print
// dialog gave (1-based, first to last, each taken as far as there are pages), or every page when
// it gave none.
using PageRanges = std::vector<std::pair<int, int>>;
std::vector<int> PagesToPrint(const PageRanges& ranges, int nPages);

// The page (0-based) that holds the row of the program at nProgram, or, for a program without a
// row, the page where it would stand.
int PageOfProgram(const std::vector<SPrintRow>& rows, const std::vector<SPrintPage>& pages,
                  int nProgram);

// "Page n of m".
std::string PageNumberText(int nPage, int nPages);

}  // namespace editor
