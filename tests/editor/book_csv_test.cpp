#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/book_csv.h"
#include "model/program_book.h"

using cli::CsvToBook;
using model::CProgramBook;

namespace {

const std::string kHeader = [] {
    std::string h = "number,type";
    for (int i = 1; i <= 48; ++i) {
        h += ",f" + std::to_string(i);
    }
    return h + "\n";
}();

// A row with the given cells from f1 on; the rest empty.
std::string Row(const std::string& number, const std::string& type,
                std::vector<std::string> freqs = {}) {
    freqs.resize(48);
    std::string row = number + "," + type;
    for (const auto& f : freqs) {
        row += "," + f;
    }
    return row + "\n";
}

std::unique_ptr<CProgramBook> MarkedBook() {
    auto book = std::make_unique<CProgramBook>();
    (*book)[1999].m_freq[0] = 77;
    (*book)[1999].UpdateGroupCount(0);
    return book;
}

TEST(BookCsv, ExportWritesHeaderAndAll2000Rows) {
    auto book = std::make_unique<CProgramBook>();
    (*book)[0].m_freq[0] = 10000;
    (*book)[0].m_freq[1] = 1;
    (*book)[0].UpdateGroupCount(0);
    (*book)[1].SetGroups(true);
    (*book)[1].m_freq[8] = 500000;
    (*book)[1].UpdateGroupCount(1);
    const std::string csv = cli::BookToCsv(*book);
    EXPECT_EQ(csv.substr(0, kHeader.size()), kHeader);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2001);
    const std::string rows = csv.substr(kHeader.size());
    EXPECT_EQ(rows.substr(0, rows.find('\n') + 1), Row("1", "single", {"1000.0", "0.1"}));
    const std::string second = rows.substr(rows.find('\n') + 1);
    EXPECT_EQ(second.substr(0, second.find('\n') + 1),
              Row("2", "groups", {"", "", "", "", "", "", "", "", "50000.0"}));
    EXPECT_NE(csv.find("\n2000,single,,"), std::string::npos);
}

TEST(BookCsv, ExportThenImportGivesTheSameBook) {
    auto book = std::make_unique<CProgramBook>();
    for (int i = 0; i < 2000; i += 7) {
        auto& p = (*book)[i];
        p.SetGroups(i % 2 == 0);
        for (int g = 0; g < 6; ++g) {
            p.m_freq[g * 8] = static_cast<uint32_t>(1 + i * 1000 + g);
            p.m_freq[g * 8 + 1] = 400001u + static_cast<uint32_t>(i);  // a high one
            p.UpdateGroupCount(g);
        }
    }
    auto back = std::make_unique<CProgramBook>();
    ASSERT_EQ(CsvToBook(cli::BookToCsv(*book), *back), std::nullopt);
    EXPECT_EQ(*back, *book);
}

TEST(BookCsv, ImportTakesAnySubsetInAnyOrderAndStoresTheEditorsValue) {
    const std::string csv = kHeader + Row("3", "groups", {"", "50000", "", "60000"}) + "\r\n" +
                            Row("1", " Single ", {"12.37", "1e3", " 0.05 ", "0.1"}) +
                            Row("\"2\"", "single", {"\"1000\"", "-0"});
    auto book = MarkedBook();
    ASSERT_EQ(CsvToBook(csv, *book), std::nullopt);
    EXPECT_FALSE((*book)[0].IsGroups());
    // Cut, not rounded; below 0.1 is empty; each group compacted as the editor's commit does.
    EXPECT_EQ((*book)[0].m_freq[0], 123u);
    EXPECT_EQ((*book)[0].m_freq[1], 10000u);
    EXPECT_EQ((*book)[0].m_freq[2], 1u);
    EXPECT_EQ((*book)[0].m_freq[3], 0u);
    EXPECT_EQ((*book)[0].GroupCount(0), 3);
    EXPECT_EQ((*book)[1].m_freq[0], 10000u);
    EXPECT_TRUE((*book)[2].IsGroups());
    EXPECT_EQ((*book)[2].m_freq[0], 500000u);
    EXPECT_EQ((*book)[2].m_freq[1], 600000u);
    EXPECT_TRUE((*book)[1999].IsEmpty());  // programs without a row are empty
}

struct SFaultCase {
    const char* name;
    std::string csv;
    int nRow;
    int nColumn;
    std::string what;
};

TEST(BookCsv, BadRowsAreNamedAndLeaveTheBookAsItWas) {
    const std::string tooMany =
        "You can only have up to two frequencies greater than 40KHz per group.";
    const std::string mixed =
        "If you have one frequency greater than 40KHz, the group can only have 2 frequencies.";
    const SFaultCase cases[] = {
        {"empty file", "", 1, 0, "the first row must be number,type,f1,...,f48"},
        {"wrong header", "number,type,f1\n", 1, 0, "the first row must be number,type,f1,...,f48"},
        {"short row", kHeader + "1,single,100\n", 2, 0, "expected 50 columns, found 3"},
        {"long row",
         kHeader + Row("1", "single").substr(0, 0) + "1,single" + std::string(60, ',') + "\n", 2, 0,
         "expected 50 columns, found 62"},
        {"number zero", kHeader + Row("0", "single"), 2, 1, "the program number must be 1 to 2000"},
        {"number 2001", kHeader + Row("2001", "single"), 2, 1,
         "the program number must be 1 to 2000"},
        {"number with text", kHeader + Row("1x", "single"), 2, 1,
         "the program number must be 1 to 2000"},
        {"repeated number", kHeader + Row("4", "single") + "\n" + Row("4", "groups"), 4, 1,
         "program 4 already came in row 2"},
        {"bad type", kHeader + Row("1", "double"), 2, 2, "the type must be single or groups"},
        {"not a number", kHeader + Row("1", "single", {"", "12abc"}), 2, 4,
         "not a frequency in hertz"},
        {"negative", kHeader + Row("1", "single", {"-0.5"}), 2, 3,
         "You must enter a positive frequency."},
        {"above 20 MHz as typed", kHeader + Row("1", "single", {"20000000.04"}), 2, 3,
         "Enter a frequency less than or equal to 20MHz."},
        {"third high",
         kHeader + Row("1", "single") + Row("2", "groups", {"50000", "60000", "70000"}), 3, 5,
         tooMany},
        {"low after two high",
         kHeader + Row("2", "groups", {"", "", "", "", "", "", "", "", "50000", "60000", "40000"}),
         2, 13, mixed},
        {"open quote", kHeader + Row("1", "single") + "2,\"single\n", 3, 0,
         "a quoted cell is not closed"},
    };
    for (const auto& c : cases) {
        auto book = MarkedBook();
        const CProgramBook before = *book;
        const auto fault = CsvToBook(c.csv, *book);
        ASSERT_TRUE(fault.has_value()) << c.name;
        EXPECT_EQ(fault->nRow, c.nRow) << c.name;
        EXPECT_EQ(fault->nColumn, c.nColumn) << c.name;
        EXPECT_EQ(fault->strWhat, c.what) << c.name;
        EXPECT_EQ(*book, before) << c.name;
    }
}

TEST(BookCsv, GroupRulesJudgeTheStoredValue) {
    // 40000.04 is stored as 400000 tenths, which the editor shows as the low 40000.0.
    auto book = std::make_unique<CProgramBook>();
    EXPECT_EQ(CsvToBook(kHeader + Row("1", "groups", {"40000.04", "1", "2"}), *book), std::nullopt);
    // The same entries in a Single Frequencies row break no rule.
    EXPECT_EQ(CsvToBook(kHeader + Row("1", "single", {"50000", "60000", "70000", "1"}), *book),
              std::nullopt);
    EXPECT_TRUE(CsvToBook(kHeader + Row("1", "groups", {"40000.1", "1", "2"}), *book).has_value());
}

TEST(BookCsv, FaultDescriptionNamesFileRowAndColumn) {
    EXPECT_EQ((cli::SCsvFault{7, 5, "bad"}.Describe("in.csv")),
              "in.csv: row 7, column 5 (f3): bad");
    EXPECT_EQ((cli::SCsvFault{2, 0, "bad"}.Describe("in.csv")), "in.csv: row 2: bad");
    EXPECT_EQ(cli::ColumnName(1), "number");
    EXPECT_EQ(cli::ColumnName(2), "type");
    EXPECT_EQ(cli::ColumnName(50), "f48");
}

TEST(BookCsv, DumpListsOnlyProgramsThatHoldFrequencies) {
    auto book = std::make_unique<CProgramBook>();
    (*book)[4].SetGroups(true);  // a type alone is not content
    (*book)[9].SetGroups(true);
    (*book)[9].m_freq[0] = 500000;
    (*book)[9].m_freq[16] = 1;
    (*book)[1999].m_freq[47] = 200000000;
    EXPECT_EQ(cli::DumpBook(*book),
              "10 groups g1: 50000.0 g3: 0.1\n"
              "2000 single g6: 20000000.0\n");
}

}  // namespace
