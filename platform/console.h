// The console a program may have been started from: whether a stream is a terminal (a progress
// bar that redraws itself needs one), and, for a program with windows, reaching the console it
// was started from so that --help and --version can answer there. And the program's text at the
// console's edge: arguments and output in UTF-8, whatever code page the system and the console
// have.
//
// Threads: any, but CUtf8Console and Utf8Arguments from main() only.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// True when the stream writes to a terminal or console window rather than a file or a pipe.
bool IsTerminal(std::FILE* stream);

// A program with windows has no console of its own on Windows: standard output and error then go
// to the console it was started from, when there is one. Elsewhere they already do. False when
// there is no console to write to (started from the desktop), or the streams cannot be pointed
// at it; the caller then shows the text in a window instead.
bool ReachStartingConsole();

// The program's arguments in UTF-8. On Windows argv has come through the ANSI code page, which
// holds few of the world's letters and turns the others into other letters or '?': they are
// read again from the wide command line. Elsewhere they are argv as given.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// While it lives, UTF-8 written to a console shows as what it says, whatever the console's code
// page; the console gets its own back at the end. Files and pipes get the bytes as they are.
class CUtf8Console {
public:
    CUtf8Console();
    ~CUtf8Console();
    CUtf8Console(const CUtf8Console&) = delete;
    CUtf8Console& operator=(const CUtf8Console&) = delete;

private:
    [[maybe_unused]] unsigned m_nRestoredCodePage = 0;  // 0: nothing to give back (Windows)
};

}  // namespace platform
