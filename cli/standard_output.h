// The commands' results on standard output, checked: a full disk or a closed pipe behind it is
// a failure of the command, never a success with half a listing.
//
// Threads: the main thread.
#pragma once

#include <string_view>

namespace cli {

// Writes the text; false once anything written to standard output has failed. The first
// failure's reason is kept for FinishStandardOutput.
bool WriteStandardOutput(std::string_view text);
// Writes the text and a line end, and hands it on at once (a result the user waits for).
bool WriteResultLine(std::string_view text);

// Hands on what is held back and says whether everything written reached its place; on a
// failure the user reads "standard output: File had a write error: REASON" on standard error,
// once.
bool FinishStandardOutput();

}  // namespace cli
