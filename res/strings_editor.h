// Texts of the program editor and its dialogs.
#pragma once

#include "res/translate.h"

namespace res {

// A group of eight slots, on the form and on the printed pages.
inline constexpr const char kGroupBox[] = ZELKOR_TEXT("Group %d");

// Frequency entry checks.
inline constexpr const char kMsgPositiveFrequency[] =
    ZELKOR_TEXT("You must enter a positive frequency.");
inline constexpr const char kMsgAtMost20MHz[] =
    ZELKOR_TEXT("Enter a frequency less than or equal to 20MHz.");
inline constexpr const char kMsgTooManyHigh[] =
    ZELKOR_TEXT("You can only have up to two frequencies greater than 40KHz per group.");
inline constexpr const char kMsgHighMixed[] = ZELKOR_TEXT(
    "If you have one frequency greater than 40KHz, the group can only have 2 frequencies.");
// A text that is no frequency, quoted ("%s"); also the faults of CSV and Clipboard cells.
inline constexpr const char kMsgNotANumber[] =
    ZELKOR_TEXT("\"%s\" is not a frequency: it must be one number in hertz, such as 1000 or 12.5.");
inline constexpr const char kMsgSeparators[] = ZELKOR_TEXT(
    "\"%s\" is not a frequency: the decimal sign is a point, and thousands are not set apart "
    "(1500 or 12.5).");
inline constexpr const char kMsgBelowMinimum[] = ZELKOR_TEXT(
    "Enter a frequency of at least 0.1 Hz, the least the device takes, or 0 for an empty slot.");

// Switching a program to Frequency Groups when its values break the group rules; under it what
// the switch would empty, a line for each group ("Group 2: Freq. 3 (70000.0 Hz), Freq. 5 (...)").
inline constexpr const char kMsgSwitchEmpties[] = ZELKOR_TEXT(
    "Switch program %d to Frequency Groups? The values below break the group rules (at most two "
    "frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds "
    "one), and the switch empties them. Cancel keeps the program as it was.");
// The buttons of that question, named for what they do.
inline constexpr const char kSwitchButton[] = ZELKOR_TEXT("Switch");
inline constexpr const char kCancelButton[] = ZELKOR_TEXT("Cancel");
inline constexpr const char kEmptiedGroup[] = ZELKOR_TEXT("Group %d: %s");
inline constexpr const char kEmptiedValue[] = ZELKOR_TEXT("Freq. %d (%s Hz)");
inline constexpr const char kEmptiedSeparator[] = ", ";

// A stored value the device cannot take: the program and slot (numbered from 1), the rule.
inline constexpr const char kRuleBreakAt[] = ZELKOR_TEXT("Program %d, slot %d: %s");
// Before an upload: nothing goes while any program to send breaks a rule.
inline constexpr const char kUploadRefused[] = ZELKOR_TEXT(
    "Nothing was sent: the device cannot take a value of the book.\n%s\nCorrect the program "
    "and send it again.");
// After a book was opened that holds such values; %s is the first, %d how many more.
inline constexpr const char kOpenedWithRuleBreaks[] = ZELKOR_TEXT(
    "This book holds values the device cannot take, and they will not be sent until they are "
    "corrected.\n%s");
inline constexpr const char kMoreRuleBreaks[] = ZELKOR_TEXT("%s\n(and %d more)");

// The commit of the program on display.
inline constexpr const char kMsgSaveCurrentProgram[] =
    ZELKOR_TEXT("Do you want to save the current program?");
inline constexpr const char kCaptionProgramSave[] = ZELKOR_TEXT("Program Save");

// Dialog buttons.
inline constexpr const char kButtonOk[] = ZELKOR_TEXT("OK");
inline constexpr const char kButtonCancel[] = ZELKOR_TEXT("Cancel");

// Insert Program dialog.
inline constexpr const char kInsertCaption[] = ZELKOR_TEXT("Insert Program");
inline constexpr const char kInsertLine1[] = ZELKOR_TEXT("This will insert an empty program at");
inline constexpr const char kInsertLine2[] = ZELKOR_TEXT("a given program number.");
inline constexpr const char kInsertNumberLabel[] = ZELKOR_TEXT("Program Number");
inline constexpr const char kInsertNotUnsigned[] =
    ZELKOR_TEXT("Enter the program number as a whole number without a sign.");
inline constexpr const char kInsertOutOfRange[] =
    ZELKOR_TEXT("Enter a program number from 1 to 2000.");

// Reorder Programs dialog.
inline constexpr const char kReorderCaption[] = ZELKOR_TEXT("Reorder Programs");
inline constexpr const char kReorderUp[] = ZELKOR_TEXT("&Up");
inline constexpr const char kReorderDown[] = ZELKOR_TEXT("&Down");
inline constexpr const char kReorderColumnType[] = ZELKOR_TEXT("Type");
inline constexpr const char kMsgSelectItem[] = ZELKOR_TEXT("You must select an item.");
inline constexpr const char kReorderMoveTo[] = ZELKOR_TEXT("&Move to...");
inline constexpr const char kReorderMoveCaption[] = ZELKOR_TEXT("Move to");
inline constexpr const char kReorderMoveLabel[] = ZELKOR_TEXT("Move program %d to number:");
inline constexpr const char kAccReorderList[] = ZELKOR_TEXT("Programs");

// A program's type where a column shows it (the Reorder Programs list, the printed book).
inline constexpr const char kTypeSingle[] = ZELKOR_TEXT("Single");
inline constexpr const char kTypeGroups[] = ZELKOR_TEXT("Groups");

// The steps Undo and Redo name ("Undo Delete Program 12").
inline constexpr const char kStepEditProgram[] = ZELKOR_TEXT("Edit Program %d");
inline constexpr const char kStepProgramType[] = ZELKOR_TEXT("Change Type of Program %d");
inline constexpr const char kStepInsertProgram[] = ZELKOR_TEXT("Insert Program %d");
inline constexpr const char kStepDeleteProgram[] = ZELKOR_TEXT("Delete Program %d");
inline constexpr const char kStepCutProgram[] = ZELKOR_TEXT("Cut Program %d");
inline constexpr const char kStepReorderPrograms[] = ZELKOR_TEXT("Reorder Programs");
inline constexpr const char kStepImportCsv[] = ZELKOR_TEXT("Import CSV");
inline constexpr const char kStepPasteProgram[] = ZELKOR_TEXT("Paste Program %d");
inline constexpr const char kStepPastePrograms[] = ZELKOR_TEXT("Paste Programs %d to %d");
// Steps of several programs at once: one program, an unbroken run of them, or some.
inline constexpr const char kStepDeletePrograms[] = ZELKOR_TEXT("Delete Programs %d to %d");
inline constexpr const char kStepDeleteSomePrograms[] = ZELKOR_TEXT("Delete %d Programs");
inline constexpr const char kStepCutPrograms[] = ZELKOR_TEXT("Cut Programs %d to %d");
inline constexpr const char kStepCutSomePrograms[] = ZELKOR_TEXT("Cut %d Programs");
inline constexpr const char kStepSetTypeProgram[] = ZELKOR_TEXT("Set Type of Program %d");
inline constexpr const char kStepSetTypePrograms[] = ZELKOR_TEXT("Set Type of Programs %d to %d");
inline constexpr const char kStepSetTypeSomePrograms[] = ZELKOR_TEXT("Set Type of %d Programs");
inline constexpr const char kStepMoveProgram[] = ZELKOR_TEXT("Move Program %d to %d");
inline constexpr const char kStepMovePrograms[] = ZELKOR_TEXT("Move %d Programs to %d");
// Switching several programs to Frequency Groups when values of theirs break the group rules;
// under it what the switch would empty, each program's number before its groups.
inline constexpr const char kMsgSwitchSomeEmpties[] = ZELKOR_TEXT(
    "Switch %d programs to Frequency Groups? The values below break the group rules (at most two "
    "frequencies above 40 kHz in a group, and only two frequencies in all in a group that holds "
    "one), and the switch empties them. Cancel keeps the programs as they were.");
inline constexpr const char kEmptiedProgram[] = ZELKOR_TEXT("Program %d:");

// Programs on the Clipboard.
// Also when its text holds no row of a program (prose, a link).
inline constexpr const char kMsgClipboardEmpty[] = ZELKOR_TEXT("The Clipboard holds no programs.");
// Followed by the fault, "Row R, column C (NAME): rule".
inline constexpr const char kMsgPasteRefused[] =
    "The Clipboard's programs were not pasted; the book is unchanged.";
inline constexpr const char kMsgPastePastEnd[] = ZELKOR_TEXT(
    "The Clipboard holds %d programs, but from program %d only %d fit before the end of the "
    "book. Nothing was pasted.");
inline constexpr const char kClipboardBadRecord[] = ZELKOR_TEXT("not a program of this editor");

// The printed book: a table of the programs that hold frequencies, under a header of the
// file's name and the page.
inline constexpr const char kPrintColumnNumber[] = ZELKOR_TEXT("Program");
inline constexpr const char kPrintColumnType[] = ZELKOR_TEXT("Type");
inline constexpr const char kPrintPage[] = ZELKOR_TEXT("Page %d of %d");
inline constexpr const char kPrintNoPrograms[] =
    ZELKOR_TEXT("No program of this book holds a frequency.");

// The book as CSV (File > Import CSV..., File > Export CSV... and zelkorctl). The type names are
// also the words of the file.
inline constexpr const char kCsvTypeSingle[] = "single";
inline constexpr const char kCsvTypeGroups[] = "groups";
// The columns' names, as the header row gives them and the import's faults name them.
inline constexpr const char kCsvColumnNumber[] = "number";
inline constexpr const char kCsvColumnType[] = "type";
inline constexpr const char kCsvColumnSlot[] = "f%d";
// Import faults: "Row R, column C (NAME): what"; the file is named with them.
inline constexpr const char kCsvAt[] = ZELKOR_TEXT("Row %d, column %d (%s): %s");
inline constexpr const char kCsvAtRow[] = ZELKOR_TEXT("Row %d: %s");
inline constexpr const char kCsvBadHeader[] =
    ZELKOR_TEXT("the first row must be number,type,f1,...,f48");
inline constexpr const char kCsvColumnCount[] =
    ZELKOR_TEXT("expected at most 50 columns, found %d");
inline constexpr const char kCsvBadQuote[] = ZELKOR_TEXT("a quoted cell is not closed");
inline constexpr const char kCsvBadNumber[] = ZELKOR_TEXT("the program number must be 1 to 2000");
inline constexpr const char kCsvRepeatedNumber[] = ZELKOR_TEXT("program %d already came in row %d");
inline constexpr const char kCsvBadType[] = ZELKOR_TEXT("the type must be single or groups");
inline constexpr const char kCsvTooLarge[] = ZELKOR_TEXT("Too large to be a CSV book");
inline constexpr const char kCsvTooManyRows[] = ZELKOR_TEXT("more rows than the book has programs");

}  // namespace res
