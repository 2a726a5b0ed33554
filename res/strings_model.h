// Texts of the program book and its file.
#pragma once

namespace res {

inline constexpr const char kFileWriteError[] = "File had a write error";
inline constexpr const char kFileReadError[] = "File had a read error";
inline constexpr const char kFileBadFormat[] = "File has a bad format";
inline constexpr const char kOutOfMemory[] = "Out of memory";
inline constexpr const char kUnknownWriteError[] = "Unknown write error.";
inline constexpr const char kUnknownReadError[] = "Unknown read error.";

}  // namespace res
