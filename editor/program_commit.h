// The commit of the form's fields into the program on display, without a window: what the
// program becomes, and the step of the book that stores it.
//
// Threads: user-interface thread (the document); the conversion is pure.
#pragma once

#include <span>
#include <string>

#include "model/frequency_program.h"
#include "model/zelkor_config_doc.h"

namespace editor {

// The program as the fields hold it, as the commit stores it: the stored program with the type
// given, each field's text as its slot (text no slot can hold, negative or above 20 MHz, as an
// empty slot), each group counted and compacted.
model::CFrequencyProgram CommittedProgram(const model::CFrequencyProgram& stored, bool bGroups,
                                          std::span<const std::string, model::kSlotCount> texts);

// Stores the program as the program on display, as one step named by the pattern with the
// program's number ("Edit Program 12"). True when the book changed.
bool StoreCurrentProgram(model::CZelkorConfigDoc& doc, const model::CFrequencyProgram& program,
                         const char* stepPattern);

}  // namespace editor
