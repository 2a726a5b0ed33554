#include "editor/program_check.h"

#include <array>

#include "platform/text_format.h"
#include "res/strings_editor.h"

namespace editor {

namespace {

// The slot of a group that breaks the 40 kHz rule, where the whole-form check empties first.
int SlotOfGroupBreak(const std::array<double, model::kSlotsPerGroup>& values, int nHighToSkip) {
    for (int i = 0; i < model::kSlotsPerGroup; ++i) {
        if (ClassifyFrequency(values[i]) == EFrequencyClass::kHigh && nHighToSkip-- == 0) {
            return i;
        }
    }
    return 0;
}

}  // namespace

std::vector<SRuleBreak> FindRuleBreaks(const model::CFrequencyProgram& program, int index) {
    std::vector<SRuleBreak> breaks;
    for (int group = 0; group < model::kGroupCount; ++group) {
        const int first = group * model::kSlotsPerGroup;
        std::array<double, model::kSlotsPerGroup> values{};
        for (int i = 0; i < model::kSlotsPerGroup; ++i) {
            values[i] = model::SlotToHertz(program.m_freq[first + i]);
            if (values[i] > kMaxFrequencyHz) {
                breaks.push_back({index, first + i, EEntryFault::kAboveMax});
            }
        }
        if (!program.IsGroups()) {
            continue;
        }
        switch (CheckGroup(values)) {
            case EGroupVerdict::kTooManyHigh:
                breaks.push_back(
                    {index, first + SlotOfGroupBreak(values, 2), EEntryFault::kTooManyHigh});
                break;
            case EGroupVerdict::kHighMixed:
                breaks.push_back(
                    {index, first + SlotOfGroupBreak(values, 0), EEntryFault::kHighMixed});
                break;
            case EGroupVerdict::kOk:
                break;
        }
    }
    return breaks;
}

std::vector<SRuleBreak> FindRuleBreaks(const model::CProgramBook& book) {
    std::vector<SRuleBreak> breaks;
    for (int i = 0; i < model::kProgramCount; ++i) {
        const std::vector<SRuleBreak> found = FindRuleBreaks(book[i], i);
        breaks.insert(breaks.end(), found.begin(), found.end());
    }
    return breaks;
}

std::optional<SRuleBreak> FirstRuleBreak(const model::CProgramBook& book, int first, int count) {
    for (int i = first; i < first + count && i < model::kProgramCount; ++i) {
        if (const std::vector<SRuleBreak> found = FindRuleBreaks(book[i], i); !found.empty()) {
            return found.front();
        }
    }
    return std::nullopt;
}

std::optional<SRuleBreak> CheckStoredProgram(const model::CFrequencyProgram& program, int index) {
    if (const std::vector<SRuleBreak> breaks = FindRuleBreaks(program, index); !breaks.empty()) {
        return breaks.front();
    }
    model::CFrequencyProgram checked;
    checked.SetGroups(program.IsGroups());
    checked.m_freq = program.m_freq;
    for (int group = 0; group < model::kGroupCount; ++group) {
        checked.UpdateGroupCount(group);
    }
    checked.Compact();
    if (!(checked == program)) {
        return SRuleBreak{index, SRuleBreak::kWholeProgram, EEntryFault::kNotAsStored};
    }
    return std::nullopt;
}

std::string DescribeRuleBreak(const SRuleBreak& ruleBreak) {
    return platform::FormatText(res::Tr(res::kRuleBreakAt), ruleBreak.nProgram + 1,
                                ruleBreak.nSlot + 1, FaultMessage(ruleBreak.fault));
}

}  // namespace editor
