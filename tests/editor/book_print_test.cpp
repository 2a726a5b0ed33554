// The printed book's layout without a printer: which programs, which cells, which pages.
#include "editor/book_print.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(BookPrint, OnlyProgramsWithFrequenciesArePrintedWithEachGroupsValues) {
    auto book = std::make_unique<model::CProgramBook>();
    (*book)[4].SetGroups(true);  // a type alone is no content
    (*book)[11].SetGroups(true);
    (*book)[11].m_freq[0] = 500000;
    (*book)[11].m_freq[1] = 1;
    (*book)[11].m_freq[40] = 200000000;
    (*book)[1999].m_freq[8] = 123;
    const auto rows = editor::PrintRows(*book);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].strNumber + " " + rows[0].strType, "12 Groups");
    EXPECT_EQ(rows[0].groups[0], (std::vector<std::string>{"50000.0", "0.1"}));
    EXPECT_EQ(rows[0].groups[5], std::vector<std::string>{"20000000.0"});
    EXPECT_TRUE(rows[0].groups[1].empty());
    EXPECT_EQ(rows[0].Lines(), 2);
    EXPECT_EQ(rows[1].strNumber + " " + rows[1].strType, "2000 Single");
    EXPECT_EQ(rows[1].groups[1], std::vector<std::string>{"12.3"});
    EXPECT_EQ(editor::PrintColumnTitles()[0] + editor::PrintColumnTitles()[7], "ProgramGroup 6");
    EXPECT_EQ(editor::PageNumberText(2, 7), "Page 2 of 7");
}

// Rows of the given heights in lines, on pages of 10 (or 5) lines under the titles' one.
TEST(BookPrint, PagesHoldWholeRowsUnderTheTitles) {
    const struct {
        std::vector<int> heights;
        int nLines;
        std::vector<editor::SPrintPage> pages;
    } cases[] = {
        {{}, 10, {{0, 0}}},                        // no rows still make a page
        {{3, 3, 3}, 10, {{0, 3}}},                 // rows that fill a page exactly
        {{3, 3, 3, 1}, 10, {{0, 3}, {3, 4}}},      // one more goes over
        {{8, 2}, 10, {{0, 1}, {1, 2}}},            // a row is never split
        {{1, 8, 1}, 5, {{0, 1}, {1, 2}, {2, 3}}},  // one taller than a page has its own
    };
    for (const auto& c : cases) {
        std::vector<editor::SPrintRow> rows(c.heights.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            rows[i].groups[2].assign(static_cast<size_t>(c.heights[i]), "1.0");
        }
        EXPECT_EQ(editor::Paginate(rows, c.nLines), c.pages) << c.heights.size();
    }
}

}  // namespace
