// Programs on the desktop's Clipboard, for the form and the book panel alike: put there as
// rows and stored records (editor/program_clipboard.h), and taken back with the user told why
// nothing could be taken.
//
// Threads: user-interface thread only.
#pragma once

#include <optional>
#include <vector>

#include "model/frequency_program.h"

namespace ui {

// Copies the programs to the Clipboard, the rows numbered from nFirstNumber.
void PutProgramsOnClipboard(const std::vector<model::CFrequencyProgram>& programs,
                            int nFirstNumber);

// The Clipboard's programs; nullopt, after telling the user why, when it holds none or holds
// something that is refused.
std::optional<std::vector<model::CFrequencyProgram>> ProgramsOnClipboard();

}  // namespace ui
