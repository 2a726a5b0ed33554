// Texts of the book panel: the table of all the programs beside the form, its Find field and
// its commands.
#pragma once

namespace res {

inline constexpr const char kBookPanelTitle[] = "Book";
inline constexpr const char kItemBookPanel[] = "&Book";
inline constexpr const char kPromptBookPanel[] = "Show or hide the table of all the programs";
// The table's columns.
inline constexpr const char kBookColumnProgram[] = "Program";
inline constexpr const char kBookColumnType[] = "Type";
inline constexpr const char kBookColumnCount[] = "Freqs.";
inline constexpr const char kBookColumnFrequencies[] = "Frequencies (Hz)";
inline constexpr const char kBookTypeSingle[] = "Single";
inline constexpr const char kBookTypeGroups[] = "Groups";
// The Find field, its prompt and what it found.
inline constexpr const char kBookFindLabel[] = "F&ind:";
inline constexpr const char kBookFindPrompt[] = "Hz (1000.0) or program";
inline constexpr const char kBookFindFound[] = "%d programs hold %s Hz";
inline constexpr const char kBookFindNone[] = "No program holds %s Hz";
inline constexpr const char kBookUsedOnly[] = "&Used only";
// Accessible names and descriptions.
inline constexpr const char kBookTableName[] = "Programs of the book";
inline constexpr const char kBookFindName[] = "Find a frequency or a program";
// The panel's commands.
inline constexpr const char kBookCopy[] = "&Copy";
inline constexpr const char kBookCut[] = "Cu&t";
inline constexpr const char kBookPaste[] = "&Paste";
inline constexpr const char kBookDelete[] = "&Delete";
inline constexpr const char kBookSetType[] = "Set T&ype";
inline constexpr const char kBookMoveTo[] = "&Move to...";
inline constexpr const char kBookMoveCaption[] = "Move to";
inline constexpr const char kBookMoveLabel[] = "Move the %d selected programs to number:";
// Export PDF... while rows are selected: the selection or the whole book.
inline constexpr const char kAskExportSelection[] =
    "Export only the %d selected programs? No exports the whole book.";
// Where the window's panels are remembered.
inline constexpr const char kWindowSection[] = "Window";
inline constexpr const char kWindowStateEntry[] = "State";

}  // namespace res
