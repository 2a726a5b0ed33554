// Texts of zelkorctl, the command-line tool.
#pragma once

namespace res {

inline constexpr const char kCliName[] = "zelkorctl";
inline constexpr const char kCliDescription[] =
    "zelkorctl: edit, check and send VQ7100 program books (.vq files) without windows";
// Both command-line tools print their name and the version.
inline constexpr const char kVersionHelp[] = "Print the version and exit";
inline constexpr const char kCliUnknownCommand[] = "Unknown command \"%s\". The commands are: %s.";
inline constexpr const char kCliRunWithHelp[] = "Run with --help for more information.";

inline constexpr const char kCliDumpHelp[] = "List the programs of a .vq file that hold anything";
inline constexpr const char kCliCheckHelp[] =
    "List every value of a .vq file that the device cannot take, and bytes after its last "
    "program, one line each; exit status 0 only for a book without any";
inline constexpr const char kCliExportHelp[] = "Write all 2000 programs of a .vq file as CSV";
inline constexpr const char kCliImportHelp[] =
    "Build a .vq file from CSV rows, checked as the editor checks entries";
inline constexpr const char kCliInputHelp[] = "The file to read";
inline constexpr const char kCliOutputHelp[] =
    "The file to write (replaced only on success), or - for standard output";

// check: what the file holds after its 2000 programs, which no program reads.
inline constexpr const char kCliBytesAfterBook[] =
    "After program 2000: %llu bytes that belong to no program.";
// One dump line: number, type, then the frequencies of each group that holds any.
inline constexpr const char kCliDumpGroup[] = "g%d:";

}  // namespace res
