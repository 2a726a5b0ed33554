// The book as CSV: the form that File > Export CSV... and zelkorctl export write and that
// File > Import CSV... and zelkorctl import read. Import checks every frequency as the editor
// checks an entry, so a book it makes is one the editor would accept.
//
// Threads: any; the file functions report through the message seam.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/program_book.h"
#include "model/zelkor_config_doc.h"

namespace editor {

struct SRuleBreak;

inline constexpr int kCsvColumns = 2 + model::kSlotCount;  // number, type, f1 to f48
// Larger files cannot be a book: all 2000 programs in full take about 1.3 MB.
inline constexpr size_t kMaxCsvBytes = 64u * 1024u * 1024u;

// A program's type as the file (and zelkorctl dump) writes it: "single" or "groups".
const char* TypeName(const model::CFrequencyProgram& program);

// The header row and all 2000 programs, one row each, slots in slot order as "%.1f" hertz.
std::string BookToCsv(const model::CProgramBook& book);
// One program as the file's row under the number nNumber, without the line end; a spreadsheet's
// Clipboard separates the cells with tabs.
std::string ProgramToCsvRow(int nNumber, const model::CFrequencyProgram& program,
                            char separator = ',');

// Where rows of programs are at fault, and why. The row is the one the user counts in what he
// gave: the line of the text where the row starts (the header, if any, is row 1), or the place
// of a stored record among the records (the first is row 1).
struct SCsvFault {
    int nRow = 0;
    int nColumn = 0;  // 1 to 50, or 0 when the row as a whole is at fault
    std::string strWhat;

    // The break of the program at place nProgram (from 0) among records, as a fault of its row.
    static SCsvFault OfRuleBreak(const SRuleBreak& ruleBreak);

    // "Row R, column C (NAME): what", or without the column.
    std::string Describe() const;
};

// The name of a column as the header calls it ("number", "type", "f1" ...).
std::string ColumnName(int nColumn);

// Reads the CSV text: the header row (a first row that starts with number and type, in any case,
// however early it ends), then rows of any programs in any order; programs without a row are
// empty, and a row that ends early leaves the rest of its slots empty. Each frequency cell is
// read as the form reads a field (ReadFrequency), and a cell it refuses is a fault. The stored slot
// is the editor's (hertz times 10, the fraction cut off), and the rows of Frequency Groups
// programs must meet the 40 kHz group rules on those stored values.
// Cells may be quoted; lines may end in LF, CR LF or CR alone; empty lines are skipped. On the
// first fault it returns where and why, and the book is left exactly as it was.
std::optional<SCsvFault> CsvToBook(std::string_view text, model::CProgramBook& book);

// Rows in the file's form without the need of a header, as the Clipboard brings them: cells
// separated by commas, or by tabs when the first line holds one (as a spreadsheet copies them);
// a header row at the top (as CsvToBook knows it) is passed over, the number column is not read,
// and each row becomes the next program, checked as CsvToBook checks a row. Text in which no
// row names a type (single or groups) holds no program: programs is emptied and there is no
// fault. On the first fault (its row is the line of the text) programs is left as it was.
std::optional<SCsvFault> CsvRowsToPrograms(std::string_view text,
                                           std::vector<model::CFrequencyProgram>& programs);

// The whole file: reads it and takes it into the book only when every row is valid. Any
// failure (the file, or the first bad row by its row and column) is shown in the application's
// message box naming the file, and leaves the book as it was.
// With streams too, a pipe is read to its end and "-" is standard input.
bool ReadCsvFile(const std::string& path, model::CProgramBook& book,
                 platform::EFileKinds kinds = platform::EFileKinds::kStreamsToo);

// Writes all 2000 programs to the path as the file seam decides (a file through an atomic save,
// so that a failure leaves the old one; a pipe or a device in place; "-" to standard output).
// A failure is shown naming the file and the reason.
bool WriteCsvFile(const model::CProgramBook& book, const std::string& path,
                  platform::EFileKinds kinds = platform::EFileKinds::kStreamsToo);

// File > Import CSV..., once the user has chosen the file. The file is read and checked first,
// so that a bad one costs the user no question and changes nothing; then, as Open does, a
// modified document is offered for saving (Cancel keeps it); then the imported book becomes a
// new untitled, modified document showing program 1, as a step that Undo takes back
// (doc.ReplaceBook). True when it did.
bool ImportCsvDocument(model::CZelkorConfigDoc& doc, const std::string& path);

// File > Export CSV..., once the user has chosen the file: as Save does, the views first offer
// their pending edits for commit; then all 2000 programs are written. The document keeps its
// name and its modified flag: an export is no save.
bool ExportCsvDocument(model::CZelkorConfigDoc& doc, const std::string& path);

}  // namespace editor
