// What the book panel does to several programs at once, without a window: which programs a
// selection names, the Find field's reading and what it keeps, and the changes (Delete, Paste,
// Set Type, Move to...), each one step of the document named for what it did.
//
// Threads: user-interface thread (the document); the reading and matching are pure.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/frequency_rules.h"
#include "model/zelkor_config_doc.h"

namespace editor {

// The indexes 0 to 1999 of a selection, sorted, each once; others are dropped.
std::vector<int> SortedSelection(std::span<const int> indexes);

// The step's name for a change of these programs (sorted): the pattern for one with its
// number, for an unbroken run with its first and last number, else with how many there are.
std::string ProgramsStepName(std::span<const int> indexes, const char* one, const char* run,
                             const char* some);

// The programs at these indexes, in their order.
std::vector<model::CFrequencyProgram> ProgramsAt(const model::CProgramBook& book,
                                                 std::span<const int> indexes);

// The text of the Find field. A whole number from 1 to 2000 names a program; any other number
// is a frequency in hertz read as the form reads it (a point as the decimal sign).
enum class EFind {
    kAll,          // no text: every program
    kProgram,      // nIndex is the program to go to
    kFrequency,    // the programs holding nTenths
    kNoFrequency,  // text no frequency can be: fault says why
};

struct SFind {
    EFind what = EFind::kAll;
    int nIndex = 0;
    uint32_t nTenths = 0;
    EEntryFault fault = EEntryFault::kNone;
};

SFind ReadFind(std::string_view text);

// The program holds this frequency (tenths of a hertz, so equal at one decimal).
bool HoldsFrequency(const model::CFrequencyProgram& program, uint32_t nTenths);

// The frequencies the program holds, as the form shows them, separated by two blanks.
std::string FrequenciesText(const model::CFrequencyProgram& program);
// How many frequencies the program holds.
int FrequencyCount(const model::CFrequencyProgram& program);

// Empties the programs, as one step ("Delete Programs 3 to 5", or the one/some patterns given).
// False when nothing changed.
bool EmptyPrograms(model::CZelkorConfigDoc& doc, std::span<const int> indexes, const char* one,
                   const char* run, const char* some);

// What Paste does from program nFirst: the programs go there in their order, over those there.
enum class EPaste {
    kPasted,
    kUnchanged,  // they were there already
    kPastEnd,    // they do not fit before the end of the book: nothing done
};
EPaste PasteFrom(model::CZelkorConfigDoc& doc, int nFirst,
                 std::span<const model::CFrequencyProgram> programs);

// Set Type to Frequency Groups takes from a program the values the group rules refuse, as the
// type switch of the form does: for each such program, its index and the check's verdict over
// its values.
struct SGroupLoss {
    int nIndex = 0;
    SFormCheck check;
};

// The programs among these that would lose values to the switch to Frequency Groups.
std::vector<SGroupLoss> GroupLosses(const model::CProgramBook& book, std::span<const int> indexes);
// What the question lists of one program's losses, as the type switch lists them.
std::string DescribeLoss(const model::CProgramBook& book, const SGroupLoss& loss);

// Gives the programs the type, emptying the values the group rules refuse, as one step. False
// when nothing changed.
bool SetProgramsType(model::CZelkorConfigDoc& doc, std::span<const int> indexes, bool bGroups);

// Moves the programs (sorted) so that they stand together from index nTo on, in their order,
// the others closing up in theirs; a block that would pass the end stands at the end. Returns
// the index the block begins at.
int MoveProgramsInBook(model::CProgramBook& book, std::span<const int> indexes, int nTo);
// The same as one step of the document; the program on display follows its program. The index
// the block begins at, or nullopt when nothing changed.
std::optional<int> MovePrograms(model::CZelkorConfigDoc& doc, std::span<const int> indexes,
                                int nTo);

}  // namespace editor
