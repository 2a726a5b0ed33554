// The console a program may have been started from: whether a stream is a terminal (a progress
// bar that redraws itself needs one), and, for a program with windows, reaching the console it
// was started from so that --help and --version can answer there.
//
// Threads: any.
#pragma once

#include <cstdio>

namespace platform {

// True when the stream writes to a terminal or console window rather than a file or a pipe.
bool IsTerminal(std::FILE* stream);

// A program with windows has no console of its own on Windows: standard output and error then go
// to the console it was started from, when there is one. Elsewhere they already do. False when
// there is no console to write to (started from the desktop), or the streams cannot be pointed
// at it; the caller then shows the text in a window instead.
bool ReachStartingConsole();

}  // namespace platform
