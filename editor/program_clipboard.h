// Programs on the Clipboard, without the Clipboard: Copy puts a program there three times, as
// tab-separated rows for plain text (spreadsheets split pasted text on tabs), as rows of the CSV
// export for the programs that ask for CSV, and as the exact stored record under a MIME type of
// this program's own; Paste takes the record, or else rows with tabs or commas, and checks every
// value by the editor's rules before anything changes.
//
// Threads: any.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/book_csv.h"
#include "model/frequency_program.h"

namespace editor {

// The MIME type of the stored records; no other program reads it.
inline constexpr char kProgramsMimeType[] = "application/x-zelkorconfig-programs";
// The MIME type of the rows in the CSV export's form.
inline constexpr char kCsvMimeType[] = "text/csv";

// One row per program in the CSV export's form, numbered from nFirstNumber, each ending in a
// line end; the cells separated by commas, or by tabs for plain text.
std::string ProgramsToText(std::span<const model::CFrequencyProgram> programs, int nFirstNumber,
                           char separator = ',');

// Each program's record as the device takes it (model::kPayloadSize bytes: the header word and
// the 48 slots), exactly as stored.
std::string ProgramsToRecords(std::span<const model::CFrequencyProgram> programs);

// The programs of a Clipboard that holds these records, or else this text (either may be
// empty). Records are taken when there are any: a record that is not whole, or a program the
// editor would not have stored, is a fault naming its place among them as the row. Text is read
// as CsvRowsToPrograms reads it. On a fault programs is left as it was; without either, it is
// left empty.
std::optional<SCsvFault> ProgramsFromClipboard(std::string_view records, std::string_view text,
                                               std::vector<model::CFrequencyProgram>& programs);

}  // namespace editor
