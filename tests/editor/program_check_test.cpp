// What the device cannot take, found in stored programs as the editor's rules see them.
#include "editor/program_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/test_support.h"

namespace {

using editor::EEntryFault;
using editor::SRuleBreak;
using testing_support::MakeProgram;

TEST(ProgramCheck, FindsEachRuleAStoredProgramBreaksAtTheSlotTheEditorWouldEmpty) {
    constexpr uint32_t kHigh = 400001;  // 40000.1 Hz
    constexpr uint32_t kLow = 400000;   // 40 kHz itself is low
    struct SCase {
        const char* name;
        model::CFrequencyProgram program;
        std::vector<SRuleBreak> expected;
    };
    const SCase cases[] = {
        {"clean groups",
         MakeProgram(true, {{0, kHigh}, {1, kHigh}, {8, kLow}, {9, kLow}, {10, 1}}),
         {}},
        {"20 MHz is the limit", MakeProgram(false, {{0, 200000000}}), {}},
        {"above 20 MHz, in either type",
         MakeProgram(false, {{3, 200000001}, {47, 0xFFFFFFFF}}),
         {{7, 3, EEntryFault::kAboveMax}, {7, 47, EEntryFault::kAboveMax}}},
        {"three high in single frequencies is allowed",
         MakeProgram(false, {{0, kHigh}, {1, kHigh}, {2, kHigh}}),
         {}},
        {"three high in a group: at the third",
         MakeProgram(true, {{8, kHigh}, {10, kHigh}, {12, kHigh}}),
         {{7, 12, EEntryFault::kTooManyHigh}}},
        {"high among three: at the first high",
         MakeProgram(true, {{16, kLow}, {17, 5}, {19, kHigh}}),
         {{7, 19, EEntryFault::kHighMixed}}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(editor::FindRuleBreaks(c.program, 7), c.expected);
    }
}

TEST(ProgramCheck, TheFirstBreakOfTheProgramsToSendIsNamedByNumber) {
    auto book = std::make_unique<model::CProgramBook>();
    (*book)[1].m_freq[5] = 0xFFFFFFFF;
    (*book)[1999] = MakeProgram(true, {{40, 400001}, {41, 400001}, {42, 400001}});
    EXPECT_EQ(editor::FindRuleBreaks(*book).size(), 2u);
    EXPECT_EQ(editor::FirstRuleBreak(*book, 0, 1), std::nullopt);  // program 1 alone is clean
    const auto first = editor::FirstRuleBreak(*book, 0, model::kProgramCount);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(editor::DescribeRuleBreak(*first),
              "Program 2, slot 6: Enter a frequency less than or equal to 20MHz.");
    const auto last = editor::FirstRuleBreak(*book, 1999, 1);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(editor::DescribeRuleBreak(*last),
              "Program 2000, slot 43: You can only have up to two frequencies greater than 40KHz "
              "per group.");
}

}  // namespace
