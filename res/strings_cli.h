// Texts of zelkorctl, the command-line tool.
#pragma once

namespace res {

inline constexpr const char kCliName[] = "zelkorctl";
inline constexpr const char kCliDescription[] =
    "zelkorctl: edit, check and send VQ7100 program books (.vq files) without windows";
// Both command-line tools print their name and the version.
inline constexpr const char kVersionHelp[] = "Print the version and exit";

inline constexpr const char kCliDumpHelp[] = "List the programs of a .vq file that hold anything";
inline constexpr const char kCliExportHelp[] = "Write all 2000 programs of a .vq file as CSV";
inline constexpr const char kCliImportHelp[] =
    "Build a .vq file from CSV rows, checked as the editor checks entries";
inline constexpr const char kCliInputHelp[] = "The file to read";
inline constexpr const char kCliOutputHelp[] = "The file to write (replaced only on success)";

inline constexpr const char kCliTypeSingle[] = "single";
inline constexpr const char kCliTypeGroups[] = "groups";
// One dump line: number, type, then the frequencies of each group that holds any.
inline constexpr const char kCliDumpGroup[] = "g%d:";

// Import faults: "FILE: row R, column C (NAME): what".
inline constexpr const char kCsvAt[] = "%s: row %d, column %d (%s): %s";
inline constexpr const char kCsvAtRow[] = "%s: row %d: %s";
inline constexpr const char kCsvBadHeader[] = "the first row must be number,type,f1,...,f48";
inline constexpr const char kCsvColumnCount[] = "expected 50 columns, found %d";
inline constexpr const char kCsvBadQuote[] = "a quoted cell is not closed";
inline constexpr const char kCsvBadNumber[] = "the program number must be 1 to 2000";
inline constexpr const char kCsvRepeatedNumber[] = "program %d already came in row %d";
inline constexpr const char kCsvBadType[] = "the type must be single or groups";
inline constexpr const char kCsvNotANumber[] = "not a frequency in hertz";

}  // namespace res
