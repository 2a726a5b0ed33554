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

// Dialog buttons.
inline constexpr const char kButtonOk[] = "OK";
inline constexpr const char kButtonCancel[] = "Cancel";

// Insert Program dialog.
inline constexpr const char kInsertCaption[] = "Insert Program";
inline constexpr const char kInsertLine1[] = "This will insert an empty program at";
inline constexpr const char kInsertLine2[] = "a given program number.";
inline constexpr const char kInsertNumberLabel[] = "Program Number";
inline constexpr const char kInsertNotUnsigned[] =
    "Enter the program number as a whole number without a sign.";
inline constexpr const char kInsertOutOfRange[] = "Enter a program number from 1 to 2000.";

// Reorder Programs dialog.
inline constexpr const char kReorderCaption[] = "Reorder Programs";
inline constexpr const char kReorderUp[] = "&Up";
inline constexpr const char kReorderDown[] = "&Down";
inline constexpr const char kReorderColumn[] = "F%d";
inline constexpr const char kMsgSelectItem[] = "You must select an item.";

}  // namespace res
