// The book as text: the dump listing and the CSV form that export writes and import reads.
// Import checks every frequency as the editor checks an entry, so a file it writes is one the
// editor would accept.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/program_book.h"

namespace cli {

inline constexpr int kCsvColumns = 2 + model::kSlotCount;  // number, type, f1 to f48
// Larger files cannot be a book: all 2000 programs in full take about 1.3 MB.
inline constexpr size_t kMaxCsvBytes = 64u * 1024u * 1024u;

// One line per program that holds a frequency: number, type, then each group that holds any.
std::string DumpBook(const model::CProgramBook& book);

// The header row and all 2000 programs, one row each, slots in slot order as "%.1f" hertz.
std::string BookToCsv(const model::CProgramBook& book);

struct SCsvFault {
    int nRow = 0;     // line of the file where the row starts; the header is row 1
    int nColumn = 0;  // 1 to 50, or 0 when the row as a whole is at fault
    std::string strWhat;

    // "FILE: row R, column C (NAME): what", or without the column.
    std::string Describe(const std::string& fileName) const;
};

// The name of a column as the header calls it ("number", "type", "f1" ...).
std::string ColumnName(int nColumn);

// Reads the CSV text: the header row, then rows of any programs in any order; programs without a
// row are empty. The stored slot is the editor's (hertz times 10, the fraction cut off), and the
// rows of Frequency Groups programs must meet the 40 kHz group rules on those stored values.
// Cells may be quoted; lines may end in CR LF; empty lines are skipped. On the first fault it
// returns where and why, and the book is left exactly as it was.
std::optional<SCsvFault> CsvToBook(std::string_view text, model::CProgramBook& book);

// The commands: each reports failures through the message seam and returns the exit status;
// files are written through an atomic save, so a failure leaves the output as it was.
int RunDump(const std::string& bookPath, std::string& out);
int RunExport(const std::string& bookPath, const std::string& csvPath);
int RunImport(const std::string& csvPath, const std::string& bookPath);

}  // namespace cli
