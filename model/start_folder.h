// Where the file dialogs open: the folders a user keeps files in, never the working folder
// (which is the program's own, under Program Files, when it was started from the Start menu).
//
// Threads: any.
#pragma once

#include <string>

namespace model {

// The folder of the book when it has a file, else the folder of the file the user last opened
// or saved, else documentsFolder (the user's Documents). A folder that is no longer there does
// not count; documentsFolder is taken as it is.
std::string StartFolder(const std::string& bookPath, const std::string& lastFilePath,
                        const std::string& documentsFolder);

}  // namespace model
