// Texts of the program editor and its dialogs.
#pragma once

namespace res {

// Frequency entry checks.
inline constexpr const char kMsgPositiveFrequency[] = "You must enter a positive frequency.";
inline constexpr const char kMsgAtMost20MHz[] = "Enter a frequency less than or equal to 20MHz.";
inline constexpr const char kMsgTooManyHigh[] =
    "You can only have up to two frequencies greater than 40KHz per group.";
inline constexpr const char kMsgHighMixed[] =
    "If you have one frequency greater than 40KHz, the group can only have 2 frequencies.";

// The commit of the program on display.
inline constexpr const char kMsgSaveCurrentProgram[] = "Do you want to save the current program?";
inline constexpr const char kCaptionProgramSave[] = "Program Save";

}  // namespace res
