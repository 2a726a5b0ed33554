// Several programs at once without a window: the Find field's reading, which programs go where
// on Move to..., the steps' names, Paste from a row, and Set Type with the group rule.
#include "editor/book_operations.h"

#include <gtest/gtest.h>

#include "res/strings_editor.h"
#include "tests/test_support.h"

namespace {

using testing_support::BookOf;
using testing_support::MakeProgram;

// Keeps the names of the steps the document records.
struct CNames : model::IDocHistory {
    void Record(model::SBookStep step) override { names.push_back(step.strName); }
    void OnBookSaved() override {}
    void OnBookStarted() override {}
    std::vector<std::string> names;
};

// Program i holds i + 1 tenths of a hertz, so that each one is told by its first slot.
struct BookOperations : testing::Test {
    void SetUp() override {
        for (int i = 0; i < model::kProgramCount; ++i) {
            BookOf(doc)[i] = MakeProgram(false, {{0, static_cast<uint32_t>(i + 1)}});
        }
        doc.SetHistory(&history);
    }
    std::vector<uint32_t> Marks(int nCount) {
        std::vector<uint32_t> marks;
        for (int i = 0; i < nCount; ++i) {
            marks.push_back(doc.Book()[i].m_freq[0]);
        }
        return marks;
    }
    model::CZelkorConfigDoc doc;
    CNames history;
};

TEST(BookFind, TextNamesAProgramOrAFrequency) {
    using editor::EFind;
    const struct {
        const char* text;
        EFind what;
        int nIndex;
        uint32_t nTenths;
    } cases[] = {
        {"  ", EFind::kAll, 0, 0},
        {"12", EFind::kProgram, 11, 0},
        {" 2000 ", EFind::kProgram, 1999, 0},
        {"2001", EFind::kFrequency, 0, 20010},
        {"1000.0", EFind::kFrequency, 0, 10000},
        {"12.34", EFind::kFrequency, 0, 123},
        {"0", EFind::kNoFrequency, 0, 0},
        {"1,5", EFind::kNoFrequency, 0, 0},
        {"abc", EFind::kNoFrequency, 0, 0},
        {"30000000", EFind::kNoFrequency, 0, 0},
    };
    for (const auto& c : cases) {
        const editor::SFind find = editor::ReadFind(c.text);
        EXPECT_EQ(find.what, c.what) << c.text;
        EXPECT_EQ(find.nIndex, c.nIndex) << c.text;
        EXPECT_EQ(find.nTenths, c.nTenths) << c.text;
    }
    const auto program = MakeProgram(false, {{0, 10000}, {9, 123}});
    EXPECT_TRUE(editor::HoldsFrequency(program, 123));
    EXPECT_FALSE(editor::HoldsFrequency(program, 124));
    EXPECT_EQ(editor::FrequenciesText(program), "1000.0  12.3");
    EXPECT_EQ(editor::FrequencyCount(program), 2);
}

// The selected programs stand together from the target on; the others close up; the program on
// display goes with its program.
TEST_F(BookOperations, MoveToPutsTheSelectionTogetherAndTheOthersCloseUp) {
    const struct {
        std::vector<int> selection;
        int nTo;
        int nCurrent;
        std::vector<uint32_t> marks;  // the first programs after the move
        int nStart;
        int nCurrentAfter;
        const char* name;
    } cases[] = {
        {{0}, 3, 0, {2, 3, 4, 1, 5}, 3, 3, "Move Program 1 to 4"},
        {{1, 3}, 0, 2, {2, 4, 1, 3, 5}, 0, 3, "Move 2 Programs to 1"},
        {{0, 2}, 2, 1, {2, 4, 1, 3, 5}, 2, 0, "Move 2 Programs to 3"},
        // A block that would pass the end stands at the end.
        {{0, 1}, 1999, 4, {3, 4, 5, 6, 7}, 1998, 2, "Move 2 Programs to 2000"},
    };
    for (const auto& c : cases) {
        SetUp();
        doc.SetCurrent(c.nCurrent);
        EXPECT_EQ(editor::MovePrograms(doc, c.selection, c.nTo), c.nStart);
        EXPECT_EQ(Marks(5), c.marks) << c.name;
        EXPECT_EQ(doc.Current(), c.nCurrentAfter) << c.name;
        EXPECT_EQ(history.names.back(), c.name);
    }
    EXPECT_EQ(doc.Book()[1998].m_freq[0], 1u);
    EXPECT_EQ(doc.Book()[1999].m_freq[0], 2u);
    // Moved to where it stands: no step.
    const size_t steps = history.names.size();
    EXPECT_FALSE(editor::MovePrograms(doc, std::vector<int>{5}, 5));
    EXPECT_EQ(history.names.size(), steps);
}

TEST_F(BookOperations, EachChangeIsOneStepNamedForWhatItDid) {
    using namespace res;
    const std::vector<int> run{2, 3, 4}, some{1, 6}, one{9};
    EXPECT_EQ(editor::SortedSelection(std::vector<int>{4, 2, -1, 3, 2, 2000}), run);
    editor::EmptyPrograms(doc, run, kStepDeleteProgram, kStepDeletePrograms,
                          kStepDeleteSomePrograms);
    editor::EmptyPrograms(doc, some, kStepCutProgram, kStepCutPrograms, kStepCutSomePrograms);
    editor::EmptyPrograms(doc, one, kStepDeleteProgram, kStepDeletePrograms,
                          kStepDeleteSomePrograms);
    std::vector<int> twelve;
    for (int i = 100; i < 124; i += 2) {
        twelve.push_back(i);
    }
    editor::SetProgramsType(doc, twelve, true);
    const std::vector<model::CFrequencyProgram> pasted(2, MakeProgram(true, {{0, 70}}));
    EXPECT_EQ(editor::PasteFrom(doc, 1997, pasted), editor::EPaste::kPasted);
    EXPECT_EQ(editor::PasteFrom(doc, 1997, pasted), editor::EPaste::kUnchanged);
    EXPECT_EQ(editor::PasteFrom(doc, 1999, pasted), editor::EPaste::kPastEnd);
    EXPECT_EQ(history.names, (std::vector<std::string>{
                                 "Delete Programs 3 to 5", "Cut 2 Programs", "Delete Program 10",
                                 "Set Type of 12 Programs", "Paste Programs 1998 to 1999"}));
    EXPECT_TRUE(doc.Book()[3].IsEmpty() && doc.Book()[6].IsEmpty() && !doc.Book()[5].IsEmpty());
    EXPECT_TRUE(doc.Book()[102].IsGroups() && !doc.Book()[101].IsGroups());
    EXPECT_EQ(doc.Book()[1999].m_freq[0], 2000u);
}

// Frequency Groups take from each program the values the group rule refuses, as the type
// switch of the form does; programs that keep theirs, or are groups already, are no loss.
TEST_F(BookOperations, SetTypeToGroupsEmptiesWhatTheGroupRuleRefuses) {
    const uint32_t high = 500000;  // 50 kHz
    BookOf(doc)[0] = MakeProgram(false, {{0, high}, {1, high}, {2, high}, {8, 10}});
    BookOf(doc)[1] = MakeProgram(true, {{0, high}, {1, high}, {2, high}});
    const std::vector<int> indexes{0, 1, 2};
    const auto losses = editor::GroupLosses(doc.Book(), indexes);
    ASSERT_EQ(losses.size(), 1u);
    EXPECT_EQ(losses[0].nIndex, 0);
    EXPECT_EQ(editor::DescribeLoss(doc.Book(), losses[0]), "Group 1: Freq. 3 (50000.0 Hz)");
    EXPECT_TRUE(editor::SetProgramsType(doc, indexes, true));
    EXPECT_EQ(doc.Book()[0], MakeProgram(true, {{0, high}, {1, high}, {8, 10}}));
    EXPECT_EQ(doc.Book()[1].m_freq[2], high);
    EXPECT_TRUE(doc.Book()[2].IsGroups());
    EXPECT_TRUE(editor::SetProgramsType(doc, indexes, false));
    EXPECT_FALSE(doc.Book()[1].IsGroups());
}

}  // namespace
