// Texts of the editor form: captions of its controls, slot labels, accessible names, and the
// messages of its navigation and its program commands (the entry checks' texts are in
// strings_editor.h).
#pragma once

#include "res/translate.h"

namespace res {

inline constexpr const char kProgramTypeBox[] = ZELKOR_TEXT("Program Type");
inline constexpr const char kSingleFrequencies[] = ZELKOR_TEXT("Single Frequencies");
inline constexpr const char kFrequencyGroups[] = ZELKOR_TEXT("Frequency Groups");
inline constexpr const char kProgramBox[] = ZELKOR_TEXT("Program");
inline constexpr const char kPrevProgram[] = "<-";
inline constexpr const char kNextProgram[] = "->";
inline constexpr const char kJump[] = ZELKOR_TEXT("&Jump");
inline constexpr const char kLoadDevice[] = ZELKOR_TEXT("&Load Device");
inline constexpr const char kSlotLabel[] = ZELKOR_TEXT("Freq. %d");
// What a slot label holds until the program type writes it.
inline constexpr const char kSlotLabelTemplate[] = "Static";
inline constexpr const char kProgramNumber[] = "%d";

// Accessible names, for a reader that cannot see the grid.
inline constexpr const char kAccGroupSlot[] = ZELKOR_TEXT("Group %d, Freq. %d");
inline constexpr const char kAccProgram[] = ZELKOR_TEXT("Program number");
inline constexpr const char kAccPrevProgram[] = ZELKOR_TEXT("Previous program");
inline constexpr const char kAccNextProgram[] = ZELKOR_TEXT("Next program");
inline constexpr const char kAccJumpNumber[] = ZELKOR_TEXT("Program number to jump to");

inline constexpr const char kJumpOutOfRange[] =
    ZELKOR_TEXT("The program number can be from 1 to 2000.");

// Edit > Insert Program, when no empty program is left to make room with.
inline constexpr const char kMsgProgramListFull[] =
    ZELKOR_TEXT("Couldn't insert the program, because program list is full.");

}  // namespace res
