// Programs through the Clipboard's two forms, without a window: the CSV row a spreadsheet takes
// and the exact stored record, and what Paste refuses.
#include "editor/program_clipboard.h"

#include <gtest/gtest.h>

#include "model/program_book.h"
#include "tests/test_support.h"

namespace {

using model::CFrequencyProgram;
using testing_support::MakeProgram;

std::string Fault(std::string_view records, std::string_view text) {
    std::vector<CFrequencyProgram> back = {MakeProgram(false, {{0, 1}})};
    const auto fault = editor::ProgramsFromClipboard(records, text, back);
    EXPECT_EQ(back.size(), 1u);  // nothing taken
    return fault ? fault->Describe() : "no fault";
}

TEST(ProgramClipboard, CopiedProgramsComeBackExactlyThroughEitherForm) {
    const std::vector<CFrequencyProgram> programs = {
        MakeProgram(true, {{0, 500000}, {1, 600000}, {8, 1}, {40, 200000000}}),
        MakeProgram(false, {{0, 3}, {1, 123457}, {2, 7}}),
        CFrequencyProgram(),
    };
    const std::string text = editor::ProgramsToText(programs, 12);
    // The export's row: number, type, f1 to f48 (f41 the first slot of group 6).
    EXPECT_EQ(text.substr(0, text.find('\n')), "12,groups,50000.0,60000.0,,,,,,,0.1" +
                                                   std::string(32, ',') + "20000000.0" +
                                                   std::string(7, ','));
    const std::string records = editor::ProgramsToRecords(programs);
    EXPECT_EQ(records.size(), 3u * model::kPayloadSize);
    for (const bool bRecords : {true, false}) {
        std::vector<CFrequencyProgram> back;
        EXPECT_EQ(editor::ProgramsFromClipboard(bRecords ? records : "", text, back), std::nullopt);
        EXPECT_EQ(back, programs) << bRecords;
    }
}

// As a spreadsheet copies rows: tab-separated, CR LF, under the header, with numbers that are not
// read and cells it quotes.
TEST(ProgramClipboard, RowsFromASpreadsheetBecomeConsecutivePrograms) {
    std::string header = "number\ttype";
    for (int i = 1; i <= model::kSlotCount; ++i) {
        header += "\tf" + std::to_string(i);
    }
    std::vector<CFrequencyProgram> back;
    ASSERT_EQ(editor::ProgramsFromClipboard(
                  "", header + "\r\nx\tGroups\t50000\t1e3\r\n\t\"single\"\t\t12.37\r\n", back),
              std::nullopt);
    EXPECT_EQ(back, (std::vector<CFrequencyProgram>{MakeProgram(true, {{0, 500000}, {1, 10000}}),
                                                    MakeProgram(false, {{0, 123}})}));
    // A short header, as a sheet of a few columns has it, in any case.
    ASSERT_EQ(editor::ProgramsFromClipboard("", "Number\tTYPE\tf1\tf2\n\tsingle\t12.37", back),
              std::nullopt);
    EXPECT_EQ(back, std::vector<CFrequencyProgram>{MakeProgram(false, {{0, 123}})});
    // Text without a program's row (prose, a link, a header alone) holds no programs.
    for (const char* text : {"Hello, world.\nBye", "https://example.org/a,b", "number,type,f1"}) {
        EXPECT_EQ(editor::ProgramsFromClipboard("", text, back), std::nullopt);
        EXPECT_TRUE(back.empty()) << text;
    }
}

// A bad value is named by its row, slot and rule, in records as in text, and nothing is taken.
TEST(ProgramClipboard, ABadValueIsNamedAndNothingIsTaken) {
    const CFrequencyProgram good = MakeProgram(false, {{0, 10}});
    const CFrequencyProgram tooHigh = MakeProgram(true, {{0, 500000}, {1, 500000}, {2, 500000}});
    CFrequencyProgram badCount = good;
    badCount.m_header |= 0x5;
    const std::string tooManyHigh =
        "Row 2, column 5 (f3): You can only have up to two frequencies greater than 40KHz per "
        "group.";
    EXPECT_EQ(Fault("", "1,single\n2,groups,50000,60000,70000\n"), tooManyHigh);
    EXPECT_EQ(Fault(editor::ProgramsToRecords(std::vector{good, tooHigh}), "1,single\n"),
              tooManyHigh);
    EXPECT_EQ(Fault("", "1,single,20000000.1"),
              "Row 1, column 3 (f1): Enter a frequency less than or equal to 20MHz.");
    EXPECT_EQ(Fault("", "1,single\nhello\n"),
              "Row 2, column 2 (type): the type must be single or groups");
    EXPECT_EQ(Fault("", "number\ttype\n1\tsingle\t1000\t1,5\n"),
              "Row 2, column 4 (f2): \"1,5\" is not a frequency: the decimal sign is a point, and "
              "thousands are not set apart (1500 or 12.5).");
    EXPECT_EQ(Fault(editor::ProgramsToRecords(std::vector{badCount}), ""),
              "Row 1: not a program of this editor");
    EXPECT_EQ(Fault(editor::ProgramsToRecords(std::vector{good}).substr(0, 100), ""),
              "Row 1: not a program of this editor");
}

}  // namespace
