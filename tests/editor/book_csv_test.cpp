#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/book_csv.h"
#include "model/program_book.h"
#include "model/zelkor_config_doc.h"
#include "res/ids_editor.h"
#include "res/notifications.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

using editor::CsvToBook;
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
    const std::string csv = editor::BookToCsv(*book);
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
    ASSERT_EQ(CsvToBook(editor::BookToCsv(*book), *back), std::nullopt);
    EXPECT_EQ(*back, *book);
}

TEST(BookCsv, ImportTakesAnySubsetInAnyOrderAndStoresTheEditorsValue) {
    const std::string csv = kHeader + Row("3", "groups", {"", "50000", "", "60000"}) + "\r\n" +
                            Row("1", " Single ", {"12.37", "1e3", " 0 ", "0.1"}) +
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

TEST(BookCsv, ShortRowsLeaveTheirMissingSlotsEmpty) {
    // A spreadsheet drops empty cells at the end of a row; the row before must not fill them.
    const std::string csv = kHeader + Row("1", "single", std::vector<std::string>(48, "7")) +
                            "2,groups,100,200\n" + "3,single\n" + "4,single,,,5\r\n";
    auto book = MarkedBook();
    ASSERT_EQ(CsvToBook(csv, *book), std::nullopt);
    EXPECT_EQ((*book)[0].GroupCount(5), 8);
    EXPECT_TRUE((*book)[1].IsGroups());
    EXPECT_EQ((*book)[1].m_freq[0], 1000u);
    EXPECT_EQ((*book)[1].m_freq[1], 2000u);
    EXPECT_EQ((*book)[1].GroupCount(0), 2);
    for (int g = 1; g < 6; ++g) {
        EXPECT_EQ((*book)[1].GroupCount(g), 0) << g;
    }
    EXPECT_TRUE((*book)[2].IsEmpty());
    EXPECT_EQ((*book)[3].m_freq[0], 50u);  // compacted to the front of its group
    EXPECT_EQ((*book)[3].GroupCount(0), 1);
    // A row too short to name its type is still refused.
    EXPECT_EQ(CsvToBook(kHeader + "5\n", *book)->nColumn, 2);
}

// The text with each LF replaced by the given line end.
std::string WithLineEnds(const std::string& text, const std::string& end) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? end : std::string(1, c);
    }
    return out;
}

// Files as spreadsheets write them: a byte-order mark in front, any of the line ends.
TEST(BookCsv, SpreadsheetFilesAreReadAsTheyAre) {
    struct SCase {
        const char* name;
        std::string csv;
    };
    const std::string rows = Row("2", "single", {"100"}) + Row("5", "groups", {"50000"});
    const SCase cases[] = {
        {"byte-order mark", "\xEF\xBB\xBF" + kHeader + rows},
        {"byte-order mark and CR LF", "\xEF\xBB\xBF" + WithLineEnds(kHeader + rows, "\r\n")},
        {"CR alone, as old spreadsheets end lines", WithLineEnds(kHeader + rows, "\r")},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto book = MarkedBook();
        ASSERT_EQ(CsvToBook(c.csv, *book), std::nullopt);
        EXPECT_EQ((*book)[1].m_freq[0], 1000u);
        EXPECT_TRUE((*book)[4].IsGroups());
        EXPECT_EQ((*book)[4].m_freq[0], 500000u);
    }
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
        {"wrong header", "numbers,type,f1\n", 1, 0, "the first row must be number,type,f1,...,f48"},
        {"long row",
         kHeader + Row("1", "single").substr(0, 0) + "1,single" + std::string(60, ',') + "\n", 2, 0,
         "expected at most 50 columns, found 62"},
        {"number zero", kHeader + Row("0", "single"), 2, 1, "the program number must be 1 to 2000"},
        {"number 2001", kHeader + Row("2001", "single"), 2, 1,
         "the program number must be 1 to 2000"},
        {"number with text", kHeader + Row("1x", "single"), 2, 1,
         "the program number must be 1 to 2000"},
        {"repeated number", kHeader + Row("4", "single") + "\n" + Row("4", "groups"), 4, 1,
         "program 4 already came in row 2"},
        {"bad type", kHeader + Row("1", "double"), 2, 2, "the type must be single or groups"},
        {"not a number", kHeader + Row("1", "single", {"", "12abc"}), 2, 4,
         "\"12abc\" is not a frequency: it must be one number in hertz, such as 1000 or 12.5."},
        {"decimal comma", "Number,TYPE\n" + Row("1", "single", {"\"1,5\""}), 2, 3,
         "\"1,5\" is not a frequency: the decimal sign is a point, and thousands are not set apart "
         "(1500 or 12.5)."},
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

TEST(BookCsv, FaultDescriptionNamesRowAndColumn) {
    EXPECT_EQ((editor::SCsvFault{7, 5, "bad"}.Describe()), "Row 7, column 5 (f3): bad");
    EXPECT_EQ((editor::SCsvFault{2, 0, "bad"}.Describe()), "Row 2: bad");
    EXPECT_EQ(editor::ColumnName(1), "number");
    EXPECT_EQ(editor::ColumnName(2), "type");
    EXPECT_EQ(editor::ColumnName(50), "f48");
}

// ---------------------------------------------------------------------------------------------
// The files and the document, as File > Import CSV... and File > Export CSV... use them.

using platform::EMsgAnswer;
using testing_support::CTempDir;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Each message as text, subject (the file) and detail (the reason).
std::vector<std::vector<std::string>> Messages(const testing_support::CScriptedMessages& messages) {
    std::vector<std::vector<std::string>> out;
    for (const auto& r : messages.Requests()) {
        out.push_back({r.text, r.subject, r.detail});
    }
    return out;
}

TEST(BookCsvFile, FailuresNameTheFileAndTheReasonAndChangeNothing) {
    CTempDir dir;
    testing_support::CScriptedMessages messages;
    WriteText(dir.File("bad.csv"), kHeader + Row("1", "single", {"100"}) + Row("1", "groups"));
    WriteText(dir.File("keep.csv"), "old");
    const std::string repeated = "Row 3, column 1 (number): program 1 already came in row 2";
    struct SCase {
        std::string path;
        std::vector<std::string> message;
    };
    const SCase reads[] = {
        {dir.File("none.csv"),
         {"File had a read error", dir.File("none.csv"), testing_support::ReasonNoSuchFile()}},
        {dir.Path().string(),
         {"File had a read error", dir.Path().string(), testing_support::ReasonReadFolder()}},
        {dir.File("bad.csv"), {repeated, dir.File("bad.csv"), ""}},
    };
    for (const SCase& c : reads) {
        messages.Clear();
        auto book = MarkedBook();
        const CProgramBook before = *book;
        EXPECT_FALSE(editor::ReadCsvFile(c.path, *book)) << c.path;
        EXPECT_EQ(*book, before) << c.path;
        EXPECT_EQ(Messages(messages), std::vector<std::vector<std::string>>{c.message});
    }
    const SCase writes[] = {
        {dir.File("no/x.csv"),
         {"File had a write error", dir.File("no/x.csv"), testing_support::ReasonNoSuchFolder()}},
        {dir.Path().string(),
         {"File had a write error", dir.Path().string(), testing_support::ReasonWriteFolder()}},
    };
    for (const SCase& c : writes) {
        messages.Clear();
        EXPECT_FALSE(editor::WriteCsvFile(*MarkedBook(), c.path)) << c.path;
        EXPECT_EQ(Messages(messages), std::vector<std::vector<std::string>>{c.message});
    }
    EXPECT_EQ(testing_support::ReadAll(dir.File("keep.csv")).size(), 3u);
}

// The file dialogs of the framework are not asked here; the recorded view stands for the form.
class CRecordingView : public model::IDocView {
public:
    intptr_t SendMessage(unsigned nMsg, uintptr_t, intptr_t) override {
        m_messages.push_back(nMsg);
        if (m_onCommit) {
            m_onCommit();
        }
        return 0;
    }
    void OnInitialUpdate() override { ++m_nUpdates; }

    std::vector<unsigned> m_messages;
    std::function<void()> m_onCommit;
    int m_nUpdates = 0;
};

class CNoDialogs : public model::IDocHost {
public:
    std::optional<std::string> PromptOpenPath() override { return std::nullopt; }
    std::optional<std::string> PromptSavePath(const std::string&) override { return m_savePath; }
    void AddToRecentFileList(const std::string& path) override { m_recent.push_back(path); }
    std::optional<std::string> m_savePath;
    std::vector<std::string> m_recent;
};

class CsvDocument : public testing::Test {
protected:
    CsvDocument() {
        m_doc.SetHost(&m_host);
        m_doc.AddView(&m_view);
        // A named, edited document showing program 37.
        model::CProgramBook named;
        named[36].m_freq[0] = 37;
        named[36].UpdateGroupCount(0);
        EXPECT_TRUE(model::SaveBookToPath(named, m_dir.File("named.vq")));
        EXPECT_TRUE(m_doc.OpenDocumentFile(m_dir.File("named.vq")));
        m_doc.SetCurrent(36);
        m_doc.ChangeBook("edit", 36, 1, [](model::CProgramBook& book, int16_t&) {
            book[36].m_freq[1] = 38;
            book[36].UpdateGroupCount(0);
            return true;
        });
        m_view.m_messages.clear();
        m_view.m_nUpdates = 0;
        m_host.m_recent.clear();
    }

    CTempDir m_dir;
    testing_support::CScriptedMessages m_messages;
    CNoDialogs m_host;
    CRecordingView m_view;
    model::CZelkorConfigDoc m_doc;
};

TEST_F(CsvDocument, ImportAsksAsOpenDoesThenMakesANewModifiedDocumentOnProgram1) {
    auto incoming = std::make_unique<CProgramBook>();
    (*incoming)[0].m_freq[0] = 11;
    (*incoming)[0].UpdateGroupCount(0);
    ASSERT_TRUE(editor::WriteCsvFile(*incoming, m_dir.File("in.csv")));
    const CProgramBook before = m_doc.Book();

    // Cancel keeps everything the user had.
    m_messages.QueueAnswer(EMsgAnswer::kCancel);
    EXPECT_FALSE(editor::ImportCsvDocument(m_doc, m_dir.File("in.csv")));
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Save changes to " + m_dir.File("named.vq") + "?"});
    EXPECT_EQ(m_doc.Book(), before);
    EXPECT_EQ(m_doc.Current(), 36);
    EXPECT_EQ(m_doc.GetPathName(), m_dir.File("named.vq"));
    EXPECT_EQ(m_view.m_nUpdates, 0);

    // Save keeps the edit in the old file first; then the import goes through.
    m_messages.Clear();
    m_messages.QueueAnswer(EMsgAnswer::kSave);
    EXPECT_TRUE(editor::ImportCsvDocument(m_doc, m_dir.File("in.csv")));
    model::CProgramBook saved;
    ASSERT_TRUE(model::LoadBookFromPath(saved, m_dir.File("named.vq")));
    EXPECT_EQ(saved, before);
    EXPECT_EQ(m_doc.Book(), *incoming);
    EXPECT_EQ(m_doc.Current(), 0);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_EQ(m_doc.FrameTitle(), "Untitled - VQ7100");
    EXPECT_EQ(m_view.m_nUpdates, 1);
    EXPECT_EQ(m_host.m_recent, std::vector<std::string>{m_dir.File("named.vq")});
}

TEST_F(CsvDocument, ABadFileIsNamedWithoutAQuestionAndChangesNothing) {
    WriteText(m_dir.File("bad.csv"), kHeader + Row("1", "single") + Row("2", "single", {"x"}));
    const CProgramBook before = m_doc.Book();
    EXPECT_FALSE(editor::ImportCsvDocument(m_doc, m_dir.File("bad.csv")));
    EXPECT_EQ(Messages(m_messages),
              (std::vector<std::vector<std::string>>{
                  {"Row 3, column 3 (f1): \"x\" is not a frequency: it must be one number in "
                   "hertz, such as 1000 or 12.5.",
                   m_dir.File("bad.csv"), ""}}));
    EXPECT_EQ(m_doc.Book(), before);
    EXPECT_EQ(m_doc.Current(), 36);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), m_dir.File("named.vq"));
    EXPECT_EQ(m_view.m_nUpdates, 0);
}

TEST_F(CsvDocument, ExportCommitsTheViewsFirstAndIsNoSave) {
    // The view commits an edit when asked, as the form does when the user says yes.
    m_view.m_onCommit = [this] {
        testing_support::BookOf(m_doc)[36].m_freq[2] = 390;
        testing_support::BookOf(m_doc)[36].UpdateGroupCount(0);
    };
    ASSERT_TRUE(editor::ExportCsvDocument(m_doc, m_dir.File("out.csv")));
    EXPECT_EQ(m_view.m_messages, std::vector<unsigned>{res::WM_COMMITPROGRAM});
    auto back = std::make_unique<CProgramBook>();
    ASSERT_TRUE(editor::ReadCsvFile(m_dir.File("out.csv"), *back));
    EXPECT_EQ(*back, m_doc.Book());
    EXPECT_EQ((*back)[36].m_freq[2], 390u);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), m_dir.File("named.vq"));
    EXPECT_TRUE(m_host.m_recent.empty());
    EXPECT_EQ(m_messages.Count(), 0u);
}

}  // namespace
