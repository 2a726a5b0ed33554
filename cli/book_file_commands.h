// dump, check, export and import: the book and its file without windows, over the core's CSV
// form (editor/book_csv.h) and rules (editor/program_check.h), so that the command line and the
// window read, judge and write the same files.
#pragma once

#include <string>

#include "model/program_book.h"

namespace cli {

// One line per program that holds a frequency: number, type, then each group that holds any.
std::string DumpBook(const model::CProgramBook& book);

// The commands: each reports failures through the message seam and returns the exit status.
// Outputs are written as the file seam decides: files through an atomic save, so a failure
// leaves the output as it was; pipes and devices in place; "-" is standard output.
int RunDump(const std::string& bookPath, std::string& out);
// Every rule of the editor's that the book breaks, one line each; failure when there is any.
int RunCheck(const std::string& bookPath, std::string& out);
int RunExport(const std::string& bookPath, const std::string& csvPath);
int RunImport(const std::string& csvPath, const std::string& bookPath);

}  // namespace cli
