#include "editor/book_operations.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

#include "editor/program_commit.h"
#include "platform/text_format.h"
#include "res/strings_editor.h"

namespace editor {

namespace {

bool IsRun(std::span<const int> sorted) {
    return sorted.back() - sorted.front() + 1 == static_cast<int>(sorted.size());
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// The program's values as the form's fields would hold them.
std::array<std::string, model::kSlotCount> SlotTexts(const model::CFrequencyProgram& program) {
    std::array<std::string, model::kSlotCount> texts;
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        texts[slot] = SlotToText(program.m_freq[slot]);
    }
    return texts;
}

// The program switched to Frequency Groups, without the values the group rules refuse.
model::CFrequencyProgram ToGroups(const model::CFrequencyProgram& program) {
    std::array<std::string, model::kSlotCount> texts = SlotTexts(program);
    const SFormCheck check = CheckWholeForm(texts);
    if (check.emptiedSlots.empty()) {
        model::CFrequencyProgram switched = program;
        switched.SetGroups(true);
        return switched;
    }
    for (int slot : check.emptiedSlots) {
        texts[slot].clear();
    }
    return CommittedProgram(program, true, texts);
}

}  // namespace

std::vector<int> SortedSelection(std::span<const int> indexes) {
    std::vector<int> sorted;
    for (int index : indexes) {
        if (index >= 0 && index < model::kProgramCount) {
            sorted.push_back(index);
        }
    }
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

std::string ProgramsStepName(std::span<const int> indexes, const char* one, const char* run,
                             const char* some) {
    if (indexes.size() == 1) {
        return platform::FormatText(one, indexes.front() + 1);
    }
    if (IsRun(indexes)) {
        return platform::FormatText(run, indexes.front() + 1, indexes.back() + 1);
    }
    return platform::FormatText(some, static_cast<int>(indexes.size()));
}

std::vector<model::CFrequencyProgram> ProgramsAt(const model::CProgramBook& book,
                                                 std::span<const int> indexes) {
    std::vector<model::CFrequencyProgram> programs;
    programs.reserve(indexes.size());
    for (int index : indexes) {
        programs.push_back(book[index]);
    }
    return programs;
}

SFind ReadFind(std::string_view text) {
    text = Trimmed(text);
    SFind find;
    if (text.empty()) {
        return find;
    }
    if (text.size() <= 4 && std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        const int number = std::stoi(std::string(text));
        if (number >= 1 && number <= model::kProgramCount) {
            find.what = EFind::kProgram;
            find.nIndex = number - 1;
            return find;
        }
    }
    const SFrequencyText frequency = ReadFrequency(text);
    find.fault = frequency.fault;
    if (find.fault == EEntryFault::kNone && frequency.value < 0.1) {
        find.fault = EEntryFault::kBelowMin;
    }
    if (find.fault != EEntryFault::kNone) {
        find.what = EFind::kNoFrequency;
        return find;
    }
    find.what = EFind::kFrequency;
    find.nTenths = static_cast<uint32_t>(std::llround(frequency.value * model::kTenthsPerHertz));
    return find;
}

bool HoldsFrequency(const model::CFrequencyProgram& program, uint32_t nTenths) {
    return std::find(program.m_freq.begin(), program.m_freq.end(), nTenths) != program.m_freq.end();
}

std::string FrequenciesText(const model::CFrequencyProgram& program) {
    std::string text;
    for (uint32_t slot : program.m_freq) {
        if (slot != 0) {
            if (!text.empty()) {
                text += "  ";
            }
            text += SlotToText(slot);
        }
    }
    return text;
}

int FrequencyCount(const model::CFrequencyProgram& program) {
    return static_cast<int>(
        std::count_if(program.m_freq.begin(), program.m_freq.end(), [](uint32_t v) { return v; }));
}

bool EmptyPrograms(model::CZelkorConfigDoc& doc, std::span<const int> indexes, const char* one,
                   const char* run, const char* some) {
    if (indexes.empty()) {
        return false;
    }
    const int first = indexes.front();
    return doc.ChangeBook(ProgramsStepName(indexes, one, run, some), first,
                          indexes.back() - first + 1, [&](model::CProgramBook& book, int16_t&) {
                              for (int index : indexes) {
                                  book[index].Clear();
                              }
                              return true;
                          });
}

EPaste PasteFrom(model::CZelkorConfigDoc& doc, int nFirst,
                 std::span<const model::CFrequencyProgram> programs) {
    const int count = static_cast<int>(programs.size());
    if (nFirst < 0 || count > model::kProgramCount - nFirst) {
        return EPaste::kPastEnd;
    }
    const std::string name =
        count == 1
            ? platform::FormatText(res::Tr(res::kStepPasteProgram), nFirst + 1)
            : platform::FormatText(res::Tr(res::kStepPastePrograms), nFirst + 1, nFirst + count);
    const bool bChanged =
        doc.ChangeBook(name, nFirst, count, [&](model::CProgramBook& book, int16_t&) {
            std::copy(programs.begin(), programs.end(), &book[nFirst]);
            return true;
        });
    return bChanged ? EPaste::kPasted : EPaste::kUnchanged;
}

std::vector<SGroupLoss> GroupLosses(const model::CProgramBook& book, std::span<const int> indexes) {
    std::vector<SGroupLoss> losses;
    for (int index : indexes) {
        if (book[index].IsGroups()) {
            continue;
        }
        SFormCheck check = CheckWholeForm(SlotTexts(book[index]));
        if (!check.emptiedSlots.empty()) {
            losses.push_back({index, std::move(check)});
        }
    }
    return losses;
}

std::string DescribeLoss(const model::CProgramBook& book, const SGroupLoss& loss) {
    return DescribeEmptied(loss.check, SlotTexts(book[loss.nIndex]));
}

bool SetProgramsType(model::CZelkorConfigDoc& doc, std::span<const int> indexes, bool bGroups) {
    if (indexes.empty()) {
        return false;
    }
    const int first = indexes.front();
    const std::string name = ProgramsStepName(indexes, res::Tr(res::kStepSetTypeProgram),
                                              res::Tr(res::kStepSetTypePrograms),
                                              res::Tr(res::kStepSetTypeSomePrograms));
    return doc.ChangeBook(name, first, indexes.back() - first + 1,
                          [&](model::CProgramBook& book, int16_t&) {
                              for (int index : indexes) {
                                  if (!bGroups) {
                                      book[index].SetGroups(false);
                                  } else if (!book[index].IsGroups()) {
                                      book[index] = ToGroups(book[index]);
                                  }
                              }
                              return true;
                          });
}

int MoveProgramsInBook(model::CProgramBook& book, std::span<const int> indexes, int nTo) {
    const int moved = static_cast<int>(indexes.size());
    const int start = std::clamp(nTo, 0, model::kProgramCount - moved);
    // The new order as old indexes: the others in theirs, the block put in at start.
    std::vector<int> order;
    order.reserve(model::kProgramCount);
    for (int index = 0, next = 0; index < model::kProgramCount; ++index) {
        if (next < moved && indexes[next] == index) {
            ++next;
        } else {
            order.push_back(index);
        }
    }
    order.insert(order.begin() + start, indexes.begin(), indexes.end());
    const auto pBefore = std::make_unique<model::CProgramBook>(book);
    for (int index = 0; index < model::kProgramCount; ++index) {
        book[index] = (*pBefore)[order[index]];
    }
    return start;
}

std::optional<int> MovePrograms(model::CZelkorConfigDoc& doc, std::span<const int> indexes,
                                int nTo) {
    if (indexes.empty()) {
        return std::nullopt;
    }
    const std::string name =
        indexes.size() == 1
            ? platform::FormatText(res::Tr(res::kStepMoveProgram), indexes.front() + 1, nTo + 1)
            : platform::FormatText(res::Tr(res::kStepMovePrograms),
                                   static_cast<int>(indexes.size()), nTo + 1);
    int start = 0;
    const bool bChanged = doc.ChangeBook(
        name, 0, model::kProgramCount, [&](model::CProgramBook& book, int16_t& nCurrent) {
            // Where the program on display goes: found by its place among the moved or the rest.
            const auto it = std::lower_bound(indexes.begin(), indexes.end(), int{nCurrent});
            const int before = static_cast<int>(it - indexes.begin());
            start = MoveProgramsInBook(book, indexes, nTo);
            if (it != indexes.end() && *it == nCurrent) {
                nCurrent = static_cast<int16_t>(start + before);
            } else {
                const int rest = nCurrent - before;
                nCurrent = static_cast<int16_t>(
                    rest < start ? rest : rest + static_cast<int>(indexes.size()));
            }
            return true;
        });
    return bChanged ? std::optional<int>(start) : std::nullopt;
}

}  // namespace editor
