// Where the form's navigation goes, without a window: back and forward through the book and the
// number typed into the Jump field. The form asks, then offers its edits for commit and shows
// the program these name.
//
// Threads: any; pure functions.
#pragma once

#include <optional>
#include <string_view>

namespace editor {

// The program before or after the one on display (indexes 0 to 1999); none at the ends of the
// book, where the command stays.
std::optional<int> PreviousProgram(int nCurrent);
std::optional<int> NextProgram(int nCurrent);

enum class EJump {
    kNothing,     // no text: nothing happens at all
    kOutOfRange,  // the number names no program: the user is told
    kGo,          // nIndex is the program to show
};

struct SJump {
    EJump what = EJump::kNothing;
    int nIndex = 0;
};

// The Jump field's text as the C library's atoi reads it (leading blanks, a sign, the digits up
// to the first other character; text without digits is 0), as a program number 1 to 2000.
SJump ReadJump(std::string_view text);

}  // namespace editor
