// Whether stored programs keep the editor's rules, so that nothing the device cannot take is
// ever sent: a book can hold such values (a file written elsewhere, a program switched to
// Frequency Groups whose commit the user declined), and the editor's own checks run only as
// fields are left.
//
// Threads: any; pure functions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/frequency_rules.h"
#include "model/program_book.h"

namespace editor {

// One rule a stored program breaks, at the slot the editor would empty for it.
struct SRuleBreak {
    static constexpr int kWholeProgram = -1;
    int nProgram = 0;  // index, 0 to 1999 (or the place of a program among others)
    int nSlot = 0;     // 0 to 47, or kWholeProgram
    EEntryFault fault = EEntryFault::kNone;

    bool operator==(const SRuleBreak&) const = default;
};

// Every rule the program breaks, in slot order: each slot above 20 MHz, and in a Frequency
// Groups program, for each group that breaks the 40 kHz rule, one entry at its third high
// frequency (too many) or, where high and low together are more than two, at its first high one.
std::vector<SRuleBreak> FindRuleBreaks(const model::CFrequencyProgram& program, int index);
// Every rule of the whole book, program by program.
std::vector<SRuleBreak> FindRuleBreaks(const model::CProgramBook& book);
// The first break among count programs from index first on, or none.
std::optional<SRuleBreak> FirstRuleBreak(const model::CProgramBook& book, int first, int count);

// Whether a stored program (as it came, say, from another book) is one the editor would have
// stored: the first of its rule breaks, or else, when the header's counts or the slots' order
// are not as the book keeps them, a kNotAsStored break of the whole program; none when it is.
std::optional<SRuleBreak> CheckStoredProgram(const model::CFrequencyProgram& program, int index);

// "Program 12, slot 9: You can only have up to two frequencies greater than 40KHz per group."
std::string DescribeRuleBreak(const SRuleBreak& ruleBreak);

}  // namespace editor
