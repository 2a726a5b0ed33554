// Texts of the program book and its file.
#pragma once

namespace res {

inline constexpr const char kFileWriteError[] = "File had a write error";
inline constexpr const char kFileReadError[] = "File had a read error";
inline constexpr const char kFileBadFormat[] = "File has a bad format";
inline constexpr const char kOutOfMemory[] = "Out of memory";
// A file rewritten where it stands failed, and its old contents could not be put back.
inline constexpr const char kFileMayBeDamaged[] =
    "File may be damaged: its old contents could not be put back";
inline constexpr const char kUnknownWriteError[] = "Unknown write error.";
inline constexpr const char kUnknownReadError[] = "Unknown read error.";

// Shown with a file's name under a message about it, where the system gave no reason.
inline constexpr const char kFileBadFormatReason[] =
    "Not a VQ7100 program book, or one that was cut short";
// The document: the window title, the extension, the name an unsaved document takes, the
// question before a modified book is dropped.
inline constexpr const char kFrameTitle[] = "VQ7100";
inline constexpr const char kFileExtension[] = ".vq";
inline constexpr const char kUntitled[] = "Untitled";
inline constexpr const char kAskToSave[] = "Save changes to %s?";
// The window title marks a book with changes that are not saved: "book.vq* - VQ7100".
inline constexpr const char kModifiedMark[] = "*";

// The name of "-" in messages.
inline constexpr const char kStandardOutputName[] = "standard output";
inline constexpr const char kStandardInputName[] = "standard input";

}  // namespace res
