// Texts of the book panel: the table of all the programs beside the form, its Find field and
// its commands.
#pragma once

#include "res/translate.h"

namespace res {

inline constexpr const char kBookPanelTitle[] = ZELKOR_TEXT("Book");
inline constexpr const char kItemBookPanel[] = ZELKOR_TEXT("&Book");
inline constexpr const char kPromptBookPanel[] =
    ZELKOR_TEXT("Show or hide the table of all the programs");
// The table's columns.
inline constexpr const char kBookColumnProgram[] = ZELKOR_TEXT("Program");
inline constexpr const char kBookColumnType[] = ZELKOR_TEXT("Type");
inline constexpr const char kBookColumnCount[] = ZELKOR_TEXT("Freqs.");
inline constexpr const char kBookColumnFrequencies[] = ZELKOR_TEXT("Frequencies (Hz)");
inline constexpr const char kBookTypeSingle[] = ZELKOR_TEXT("Single");
inline constexpr const char kBookTypeGroups[] = ZELKOR_TEXT("Groups");
// The Find field, its prompt and what it found.
inline constexpr const char kBookFindLabel[] = ZELKOR_TEXT("F&ind:");
inline constexpr const char kBookFindPrompt[] = ZELKOR_TEXT("Hz (1000.0) or program");
inline constexpr const char kBookFindFound[] = ZELKOR_TEXT("%d programs hold %s Hz");
inline constexpr const char kBookFindNone[] = ZELKOR_TEXT("No program holds %s Hz");
inline constexpr const char kBookUsedOnly[] = ZELKOR_TEXT("&Used only");
// Accessible names and descriptions.
inline constexpr const char kBookTableName[] = ZELKOR_TEXT("Programs of the book");
inline constexpr const char kBookFindName[] = ZELKOR_TEXT("Find a frequency or a program");
// The panel's commands.
inline constexpr const char kBookCopy[] = ZELKOR_TEXT("&Copy");
inline constexpr const char kBookCut[] = ZELKOR_TEXT("Cu&t");
inline constexpr const char kBookPaste[] = ZELKOR_TEXT("&Paste");
inline constexpr const char kBookDelete[] = ZELKOR_TEXT("&Delete");
inline constexpr const char kBookSetType[] = ZELKOR_TEXT("Set T&ype");
inline constexpr const char kBookMoveTo[] = ZELKOR_TEXT("&Move to...");
inline constexpr const char kBookMoveCaption[] = ZELKOR_TEXT("Move to");
inline constexpr const char kBookMoveLabel[] =
    ZELKOR_TEXT("Move the %d selected programs to number:");
// Export PDF... while rows are selected: the selection or the whole book.
inline constexpr const char kAskExportSelection[] =
    ZELKOR_TEXT("Export only the %d selected programs? No exports the whole book.");
// Where the window's panels are remembered.
inline constexpr const char kWindowSection[] = "Window";
inline constexpr const char kWindowStateEntry[] = "State";

}  // namespace res
