// Texts of the program book and its file.
#pragma once

#include "res/translate.h"

namespace res {

inline constexpr const char kFileWriteError[] = ZELKOR_TEXT("File had a write error");
inline constexpr const char kFileReadError[] = ZELKOR_TEXT("File had a read error");
inline constexpr const char kFileBadFormat[] = ZELKOR_TEXT("File has a bad format");
inline constexpr const char kOutOfMemory[] = ZELKOR_TEXT("Out of memory");
// A file rewritten where it stands failed, and its old contents could not be put back.
inline constexpr const char kFileMayBeDamaged[] =
    ZELKOR_TEXT("File may be damaged: its old contents could not be put back");
inline constexpr const char kUnknownWriteError[] = ZELKOR_TEXT("Unknown write error.");
inline constexpr const char kUnknownReadError[] = ZELKOR_TEXT("Unknown read error.");

// Shown with a file's name under a message about it, where the system gave no reason.
inline constexpr const char kFileBadFormatReason[] =
    ZELKOR_TEXT("Not a VQ7100 program book, or one that was cut short");
// The document: the window title, the extension, the name an unsaved document takes, the
// question before a modified book is dropped.
inline constexpr const char kFrameTitle[] = "VQ7100";
inline constexpr const char kFileExtension[] = ".vq";
inline constexpr const char kUntitled[] = ZELKOR_TEXT("Untitled");
inline constexpr const char kAskToSave[] = ZELKOR_TEXT("Save changes to %s?");
// The window title marks a book with changes that are not saved: "book.vq* - VQ7100".
inline constexpr const char kModifiedMark[] = "*";

// The name of "-" in messages.
inline constexpr const char kStandardOutputName[] = "standard output";
inline constexpr const char kStandardInputName[] = "standard input";

}  // namespace res
