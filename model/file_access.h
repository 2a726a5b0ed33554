// Opening the outputs the program writes, and telling the user why work on a file failed: the
// program's own text ("File had a read error"), and with it the file's name and the reason, in
// the system's words where the system gave one.
//
// Threads: any; the messages go through the message seam.
#pragma once

#include <functional>
#include <string>

#include "platform/file.h"

namespace model {

// What command-line tools take for standard output (or input) in place of a file name.
inline constexpr char kStandardStreamName[] = "-";

// The name messages give an output: "standard output" for "-", the path itself otherwise.
std::string OutputName(const std::string& path);
// The name messages give an input read with these kinds: "standard input" for "-" where
// streams are taken.
std::string InputName(const std::string& path, platform::EFileKinds kinds);

// Opens an input: with streams too, "-" is standard input and a pipe is read as it comes; with
// files only, a pipe, device or socket is refused. A failure is told, naming the input and the
// reason.
bool OpenInput(platform::CFile& file, const std::string& path, platform::EFileKinds kinds);

// Writes an output: with streams too, "-" is standard output; anything else is written as the
// file seam decides (a regular file replaced atomically, with streams too a pipe or device in
// place). write fills the file and returns false when it failed, having told the user; opening
// and finishing are told here, naming the output and the reason. A failure leaves a replaced
// file as it was.
bool WriteOutput(const std::string& path,
                 const std::function<bool(platform::CFile& file, const std::string& name)>& write,
                 platform::EFileKinds kinds = platform::EFileKinds::kStreamsToo);

// Shows the failure in the application's message box: the text as it stands, naming the file
// and the reason (none when empty).
void ShowFileError(const std::string& text, const std::string& path, const std::string& reason);
// The same, with the system's reason for its error number (none for 0).
void ShowFileError(const std::string& text, const std::string& path, int nSystemError);

}  // namespace model
