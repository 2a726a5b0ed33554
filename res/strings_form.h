// Texts of the editor form: captions of its controls, slot labels, accessible names, and the
// messages of its navigation and its program commands (the entry checks' texts are in
// strings_editor.h).
#pragma once

namespace res {

inline constexpr const char kProgramTypeBox[] = "Program Type";
inline constexpr const char kSingleFrequencies[] = "Single Frequencies";
inline constexpr const char kFrequencyGroups[] = "Frequency Groups";
inline constexpr const char kProgramBox[] = "Program";
inline constexpr const char kPrevProgram[] = "<-";
inline constexpr const char kNextProgram[] = "->";
inline constexpr const char kJump[] = "&Jump";
inline constexpr const char kLoadDevice[] = "&Load Device";
inline constexpr const char kSlotLabel[] = "Freq. %d";
// What a slot label holds until the program type writes it.
inline constexpr const char kSlotLabelTemplate[] = "Static";
inline constexpr const char kProgramNumber[] = "%d";

// Accessible names, for a reader that cannot see the grid.
inline constexpr const char kAccGroupSlot[] = "Group %d, Freq. %d";
inline constexpr const char kAccProgram[] = "Program number";
inline constexpr const char kAccPrevProgram[] = "Previous program";
inline constexpr const char kAccNextProgram[] = "Next program";
inline constexpr const char kAccJumpNumber[] = "Program number to jump to";

inline constexpr const char kJumpOutOfRange[] = "The program number can be from 1 to 2000.";

// Edit > Insert Program, when no empty program is left to make room with.
inline constexpr const char kMsgProgramListFull[] =
    "Couldn't insert the program, because program list is full.";

}  // namespace res
